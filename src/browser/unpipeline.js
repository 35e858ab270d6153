user_pref("network.http.max-connections", 24);
user_pref("network.http.max-connections-per-server", 8);
user_pref("network.http.max-persistent-connections-per-proxy", 4);
user_pref("network.http.max-persistent-connections-per-server", 2);
user_pref("network.http.pipelining", false);
user_pref("network.http.pipelining.maxrequests", 4);
user_pref("network.http.proxy.pipelining", false);
user_pref("nglayout.initialpaint.delay", 250);

user_pref("content.notify.backoffcount", 5);
user_pref("ui.submenuDelay", 250);

user_pref("network.http.pipelining.firstrequest", false);
user_pref("plugin.expose_full_path", false);
user_pref("content.interrupt.parsing", false);
user_pref("content.notify.ontimer", false);

user_pref("content.max.tokenizing.time", 1800000);
user_pref("content.switch.threshold", 600000);
