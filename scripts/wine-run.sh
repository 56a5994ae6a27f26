#!/usr/bin/env bash
# Runs a Windows program under Wine without Wine's own chatter, so that what the
# program prints is all that its caller reads:
#   scripts/wine-run.sh [--dlls FOLDER] [--wineprefix FOLDER] PROGRAM.exe [ARGUMENTS...]
# --dlls puts a folder on the program's DLL search path; --wineprefix names the
# Wine prefix unless WINEPREFIX is set, and makes it when it does not exist yet.
# The Windows build's tests run through this (cmake/windows-toolchain.cmake).
set -euo pipefail
while [ "$#" -gt 0 ]; do
    case "$1" in
        --dlls) export WINEPATH="$2${WINEPATH:+;$WINEPATH}"; shift 2 ;;
        --wineprefix) export WINEPREFIX="${WINEPREFIX:-$2}"; shift 2 ;;
        *) break ;;
    esac
done
# No debug channels (fixme:, err:); no offer to install Mono or Gecko, which no
# program here uses. No XInput either (the build machine has no game pad): GLFW
# unloads it when it ends, and Wine's XInput can leave a thread running in the
# unloaded library, which now and then crashed a program on its way out.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,xinput1_1,xinput1_2,xinput1_3,xinput1_4,xinput9_1_0=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
# A new prefix gets three settings. Windows' temporary folder is the Linux one,
# on drive Z: (Wine's drive for /): the tests' scratch folders then sit where
# the Linux paths they are built with (the source tree's) resolve, not inside
# the prefix. No sound driver: the build machine has none, and the ALSA library
# inside Wine would write its complaints straight into the programs' standard
# error; OpenAL Soft then plays into its null device, as on Linux. And no
# debugger for a program that crashes: it ends, as it would on Windows, instead
# of waiting in Wine's debugger for someone to look.
if [ -n "${WINEPREFIX:-}" ] && [ ! -f "$WINEPREFIX/.korvel-ready" ]; then
    mkdir -p "$WINEPREFIX"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.korvel-ready" ]; then
            temporary="$(realpath "${TMPDIR:-/tmp}")"
            temporary="Z:${temporary//\//\\\\}"
            wineboot --init >/dev/null 2>&1
            cat >"$WINEPREFIX/korvel.reg" <<EOF
REGEDIT4

[HKEY_CURRENT_USER\Environment]
"TEMP"="$temporary"
"TMP"="$temporary"

[HKEY_CURRENT_USER\Software\Wine\Drivers]
"Audio"=""

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\AeDebug]
"Debugger"="false"
EOF
            wine regedit /S "$WINEPREFIX/korvel.reg" >/dev/null 2>&1
            touch "$WINEPREFIX/.korvel-ready"
        fi
    ) 9>"$WINEPREFIX.lock"
fi
exec wine "$@"
