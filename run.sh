#!/usr/bin/env bash
# Builds Zevadar and starts it under Wine with the example catalogue beside it. With a DISPLAY the
# window opens there and this returns when it closes; without one it runs on a private X display,
# saves a screenshot to build/zevadar.png, closes the window through "Exit" and prints the path.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
zevadar_install
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Zevadar zevadar-remote
app=build/win64/app
cp resources/zevadar.ini "$app/Zevadar.ini"

if [ -n "${DISPLAY:-}" ]; then
    zevadar_prepare_wine
    exec scripts/wine "$app/Zevadar.exe"
fi

trap zevadar_stop EXIT
zevadar_start_display
zevadar_prepare_wine
# A virtual desktop gives the window the frame and caption a window manager would. Whichever
# program opens the desktop keeps it until the end, so every program on it runs in the
# background, and the remote reports through a file that the script polls for.
desktop=(scripts/wine explorer /desktop=Zevadar,640x480)
shown=build/zevadar-shown
rm -f "$shown"
"${desktop[@]}" "$app/Zevadar.exe" &
"${desktop[@]}" build/win64/tools/zevadar-remote.exe wait "$shown" &
for _ in $(seq 300); do
    [ -e "$shown" ] && break
    sleep 0.1
done
[ -e "$shown" ] || { echo "Zevadar's window did not appear" >&2; exit 1; }
sleep 1
import -window root -crop 640x480+0+0 +repage build/zevadar.png
"${desktop[@]}" build/win64/tools/zevadar-remote.exe exit &
for _ in $(seq 100); do
    pgrep -x Zevadar.exe >/dev/null || break
    sleep 0.1
done
echo "$PWD/build/zevadar.png"
