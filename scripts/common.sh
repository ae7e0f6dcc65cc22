# Shared by run.sh and test.sh: installs what is missing, and starts and stops a private X
# display and the project's Wine prefix. Source it; it changes nothing by itself.

ZEVADAR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
ZEVADAR_PACKAGES=(cmake ninja-build g++ clang libclang-rt-14-dev googletest libbenchmark-dev
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64-x86-64
    binutils-mingw-w64-i686 wine64 fonts-wine xvfb imagemagick)
export ZEVADAR_WINEPREFIX=$ZEVADAR_ROOT/build/wineprefix

zevadar_install() {
    local missing=()
    local package
    for package in "${ZEVADAR_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq \
        "${missing[@]}" >/dev/null
}

# Starts Xvfb on the first free display and exports DISPLAY; zevadar_stop ends it.
zevadar_start_display() {
    local n
    for n in $(seq 90 199); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    ZEVADAR_XVFB_PID=$!
    local tries
    for tries in $(seq 100); do
        [ -e "/tmp/.X11-unix/X$n" ] && break
        kill -0 "$ZEVADAR_XVFB_PID" 2>/dev/null || { echo "Xvfb failed to start" >&2; return 1; }
        sleep 0.1
    done
    export DISPLAY=":$n"
}

# Creates the private Wine prefix once; later runs reuse it.
zevadar_prepare_wine() {
    if [ ! -f "$ZEVADAR_WINEPREFIX/system.reg" ]; then
        echo "Creating the Wine prefix (once)..."
        mkdir -p "$ZEVADAR_WINEPREFIX"
        "$ZEVADAR_ROOT/scripts/wine" wineboot -i >/dev/null 2>&1 || true
        WINEPREFIX=$ZEVADAR_WINEPREFIX /usr/lib/wine/wineserver -w 2>/dev/null || true
    fi
    # A server that stays up between programs starts each one in a fraction of a second; one
    # that exits after every program makes the next start all of Wine's services again.
    WINEPREFIX=$ZEVADAR_WINEPREFIX /usr/lib/wine/wineserver -p 2>/dev/null || true
    # Start the services and the desktop now, detached from any pipe: started by a test, they
    # would inherit its output pipe and keep it open, and the test would never seem to end.
    "$ZEVADAR_ROOT/scripts/wine" rundll32.exe </dev/null >/dev/null 2>&1 || true
}

# Ends everything started above: the prefix's programs, its wineserver and Xvfb.
zevadar_stop() {
    WINEPREFIX=$ZEVADAR_WINEPREFIX /usr/lib/wine/wineserver -k 2>/dev/null || true
    if [ -n "${ZEVADAR_XVFB_PID:-}" ]; then
        kill "$ZEVADAR_XVFB_PID" 2>/dev/null || true
        wait "$ZEVADAR_XVFB_PID" 2>/dev/null || true
        ZEVADAR_XVFB_PID=""
    fi
}
