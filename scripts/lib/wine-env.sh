# Shared by scripts/test and scripts/run: a private Xvfb display and Wine prefix in the build folder.
# Expects $build. Sets DISPLAY, WINEPREFIX, WINEDEBUG, WINE.

WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="  # no Mono or Gecko installer at prefix creation
xvfb_pid=""

start_wine_display() {
  local n
  for n in $(seq 90 199); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
  done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$n"
  local i
  for i in $(seq 1 50); do
    [ -e "/tmp/.X11-unix/X$n" ] && return 0
    sleep 0.1
  done
  echo "Xvfb did not start on :$n" >&2
  return 1
}

# Starts the prefix's server for the whole run, and its services once, before tests start in
# parallel, with their output going nowhere; otherwise whichever test comes first starts them, and
# a test started while they come up has been seen to hang. stop_wine_display ends them.
start_wine_session() {
  "$WINESERVER" -p >/dev/null 2>&1 || true
  "$WINE" cmd /c exit >/dev/null 2>&1 || true
}

stop_wine_display() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" >/dev/null 2>&1 || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
}

# A prefix counts as made once its system folder holds kernel32.dll: a wineboot that was cut
# short leaves the registry files behind without it, and every program then fails to start. Such
# a prefix is removed and made again, once.
prepare_wine_prefix() {
  local kernel="$WINEPREFIX/drive_c/windows/system32/kernel32.dll" attempt
  for attempt in 1 2; do
    [ -f "$kernel" ] && return 0
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    echo "== creating the Wine prefix" >&2
    "$WINE" wineboot -i >/dev/null 2>&1 || true
    "$WINESERVER" -w >/dev/null 2>&1 || true
  done
  [ -f "$kernel" ] || echo "== the Wine prefix could not be made: $kernel is missing" >&2
}
