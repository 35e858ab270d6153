user_pref("network.http.max-connections", 25);
user_pref("network.http.max-connections-per-server", 10);
user_pref("network.http.max-persistent-connections-per-proxy", 8);
user_pref("network.http.max-persistent-connections-per-server", 4);
user_pref("network.http.pipelining", true);
user_pref("network.http.pipelining.maxrequests", 10);
user_pref("network.http.proxy.pipelining", true);
user_pref("nglayout.initialpaint.delay", 0);

user_pref("content.notify.backoffcount", 5);
user_pref("ui.submenuDelay", 0);

user_pref("network.http.pipelining.firstrequest", true);
user_pref("plugin.expose_full_path", true);
user_pref("content.interrupt.parsing", true);
user_pref("content.notify.ontimer", true);

user_pref("content.max.tokenizing.time", 2250000);
user_pref("content.switch.threshold", 750000);
