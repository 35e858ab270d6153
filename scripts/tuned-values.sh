# shellcheck shell=bash disable=SC2034  # sourced: the sourcing scripts use these
# Sourced by the Wine scripts that check with reg query what the tuning commands wrote: each value
# as "KEY|NAME", in the order the commands write them.
services='HKLM\System\CurrentControlSet\Services'
internet='HKCU\Software\Microsoft\Windows\CurrentVersion\Internet Settings'
# The user's Explorer policy key, below HKCU or below HKU\<SID>.
policy='Software\Microsoft\Windows\CurrentVersion\Policies\Explorer'
# The fifteen machine values, which need administrator rights.
machine=(
    "$services\VxD\MSTCP|DefaultRcvWindow" "$services\VxD\MSTCP|DefaultTTL"
    "$services\VXD\MSTCP|Tcp1323Opts" "$services\Class\NetTrans\0000|MaxMTU"
    "$services\Class\NetTrans\0000|IPMTU" "$services\Class\NetTrans\0000\NDI\params\IPMTU|(Default)"
    "$services\Class\NetTrans\0000|MaxMSS" "$services\VxD\MSTCP|SackOpts"
    "$services\Tcpip\Parameters|TcpMaxDupAcks" "$services\AFD\Parameters|FastCopyReceiveThreshold"
    "$services\AFD\Parameters|FastSendDatagramThreshold"
    "$services\LanmanWorkstation\Parameters|SizReqBuf" "$services\LanmanWorkstation\Parameters|MaxCmds"
    "$services\LanmanWorkstation\Parameters|MaxThreads"
    "HKLM\SOFTWARE\Policies\Microsoft\Windows\Psched|NonBestEffortLimit"
)
# The two per-user Internet Settings values, which the user's own process writes.
own=("$internet|MaxConnectionsPerServer" "$internet|MaxConnectionsPer1_0Server")
# All eighteen in the order the commands write them (the policy value before the last machine one).
all_values=("${machine[@]:0:14}" "HKCU\\$policy|NoRecentDocsNetHood" "${machine[@]:14}" "${own[@]}")
