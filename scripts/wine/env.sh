# Sourced by the Wine scripts: a fresh Wine prefix under the build folder, Japanese locale (so
# that the ANSI code page is 932), a virtual X server when there is no display, and wine calls
# that are always bounded in time.
#   wine_env_init <build folder>    exports WINEPREFIX and the rest; starts Xvfb when needed
#   wine_fresh_prefix               deletes the prefix and boots a new one
#   wine_run <seconds> <exe> [args] runs a Windows program, killed after the time limit
#   wine_stop                       ends the wine server and the X server this shell started
# On a kernel that cannot run 32-bit programs, Wine's 32-bit loader fails with "Exec format
# error": then wine is Wine's 64-bit loader, only 64-bit Windows programs run, and
# WINE_RUNS_32BIT is 0 (1 otherwise).

wine_env_init() {
  local build=$1
  export WINEPREFIX="$build/wine/prefix"
  export WINEARCH=win64
  export WINEDEBUG=-all
  # No downloads of Mono or Gecko, no dialogs asking for them.
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
  mkdir -p "$build/wine"
  wine_choose_loader "$build/wine"
  wine_xvfb_pid=
  if [[ -z ${DISPLAY:-} ]]; then
    wine_start_xvfb "$build/wine"
  fi
}

wine_choose_loader() {
  local folder=$1 loader32=/usr/lib/wine/wine loader64=/usr/lib/wine/wine64
  export WINE_RUNS_32BIT=1
  if [[ -x $loader32 ]] && "$loader32" --version >/dev/null 2>&1; then
    return 0
  fi
  [[ -x $loader64 ]] || return 0
  WINE_RUNS_32BIT=0
  mkdir -p "$folder/bin"
  for name in wine wine-stable; do
    printf '#!/bin/sh\nexec %s "$@"\n' "$loader64" >"$folder/bin/$name"
    chmod +x "$folder/bin/$name"
  done
  export WINELOADER=$loader64
  case ":$PATH:" in *":$folder/bin:"*) ;; *) export PATH="$folder/bin:$PATH" ;; esac
  echo "wine: this kernel runs no 32-bit programs; only the 64-bit Windows programs are run" >&2
}

# Xvfb picks a free display itself and writes its number once it accepts connections.
wine_start_xvfb() {
  local folder=$1 number_file="$1/display" waited=0
  rm -f "$number_file"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" >"$folder/xvfb.log" 2>&1 &
  wine_xvfb_pid=$!
  while [[ ! -s $number_file ]]; do
    if ((waited >= 300)) || ! kill -0 "$wine_xvfb_pid" 2>/dev/null; then
      echo "wine: Xvfb did not start (see $folder/xvfb.log)" >&2
      return 1
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
  export DISPLAY=":$(head -n1 "$number_file")"
}

wine_fresh_prefix() {
  timeout 30 wineserver -k >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
  if ! timeout --kill-after=10 240 wineboot -i >/dev/null 2>&1; then
    echo "wine: wineboot failed or timed out" >&2
    return 1
  fi
  # A crash ends the program at once instead of waiting behind Wine's crash dialog.
  timeout --kill-after=10 60 wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
    >/dev/null 2>&1 || true
  # No window manager runs under Xvfb: with managed windows Wine would wait two seconds for one
  # at every top-level window shown or hidden (each modal dialog and message box).
  timeout --kill-after=10 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
    >/dev/null 2>&1 || true
  timeout --kill-after=10 120 wineserver -w || { echo "wine: wineserver did not settle" >&2; return 1; }
}

wine_run() {
  local seconds=$1
  shift
  timeout --kill-after=10 "$seconds" wine "$@"
}

wine_stop() {
  timeout 30 wineserver -k >/dev/null 2>&1 || true
  if [[ -n ${wine_xvfb_pid:-} ]]; then
    kill "$wine_xvfb_pid" 2>/dev/null || true
    wait "$wine_xvfb_pid" 2>/dev/null || true
    wine_xvfb_pid=
  fi
}
