#!/usr/bin/env bash
# The Wine prefix the Windows tests run in.
#   wine-prefix.sh PREFIX start   makes PREFIX if it is missing, then keeps a Wine server running
#                                 for it, so that each test's program starts in a fraction of a
#                                 second instead of seconds
#   wine-prefix.sh PREFIX stop    stops that server
# In the prefix, the shell's "open" of an http or https address records the address in
# C:\aerlith-opened-urls.txt instead of starting a browser: a test sees what the program opened,
# and no test ever opens a real browser.
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 PREFIX start|stop" >&2; exit 2; }
export WINEPREFIX=$1 WINEDEBUG=-all
# No Mono and no Gecko: the programs need neither, and a new prefix would offer to download them.
export WINEDLLOVERRIDES="mscoree,mshtml="

case $2 in
stop)
    wineserver -k 2>/dev/null || true
    exit 0
    ;;
start) ;;
*) echo "usage: $0 PREFIX start|stop" >&2; exit 2 ;;
esac

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "making the Wine prefix $WINEPREFIX"
    wineboot --init >/dev/null 2>&1
    wineserver -w
fi
# A server that stays until stopped; it starts before any Wine program, since a program starts a
# short-lived server of its own, and a second server cannot start beside it. One left running by
# an earlier start is kept.
wineserver -p 2>/dev/null || true
for scheme in http https; do
    wine reg add "HKCR\\$scheme\\shell\\open\\command" /ve /f \
        /d 'C:\windows\system32\cmd.exe /c echo %1>>C:\aerlith-opened-urls.txt' >/dev/null 2>&1
done
rm -f "$WINEPREFIX/drive_c/aerlith-opened-urls.txt"
echo "Wine prefix $WINEPREFIX ready"
