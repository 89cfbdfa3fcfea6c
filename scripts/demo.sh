#!/usr/bin/env bash
# Sets up and builds everything, writes a demo folder demo/ (Calvanter.exe, a fixture ROM with
# its Setting.ini, name lists and picture folders), prints what the engine reads from it, and
# starts Calvanter.exe there under Wine. Without a display the program runs under Xvfb: the
# end-to-end driver opens the demo ROM (in a copy of the folder, which it edits and saves) and
# leaves screenshots of every tab in demo/screenshots/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
code=${1:-BPRJ}
demo="$root/demo"
"$root/scripts/setup.sh"
"$root/scripts/wine/setup.sh"
"$root/scripts/build.sh"
driver_built=false
if [[ -f $root/tests/win32/driver/CMakeLists.txt ]]; then
  cmake --build "$root/build/mingw-i686" -j "$(nproc 2>/dev/null || echo 2)" --target calvanter_driver
  driver_built=true
fi

"$root/build/native/make_fixture" "$demo" "$code" fixture.gba
cp "$root/build/mingw-i686/Calvanter.exe" "$demo/"
"$root/build/native/read_rom" "$demo" fixture.gba

source "$root/scripts/wine/env.sh"
had_display=${DISPLAY:-}
wine_env_init "$root/build/demo"
trap wine_stop EXIT
[[ -d $WINEPREFIX/drive_c ]] || wine_fresh_prefix

if [[ -n $had_display ]]; then
  echo "demo: Calvanter.exe runs in $demo; open fixture.gba with ROMの読み込み, close the window to end"
  # Interactive: the user decides when it ends.
  (cd "$demo" && wine Calvanter.exe)
  exit 0
fi

if ! $driver_built; then
  echo "demo: no display and no driver in this tree: Calvanter.exe runs under Xvfb for 20 s"
  (cd "$demo" && wine_run 20 Calvanter.exe) || true
  exit 0
fi
scratch="$root/build/demo/scratch"
rm -rf "$scratch" "$demo/screenshots"
mkdir -p "$scratch/empty" "$demo/screenshots"
cp -r "$demo" "$scratch/rom"
rm -rf "$scratch/rom/screenshots"
echo "demo: no display; the driver opens the demo ROM under Xvfb (DISPLAY=$DISPLAY)"
(cd "$root/build/demo" && wine_run 600 "$root/build/mingw-i686/win32-tests/calvanter_driver.exe" \
  "$demo/Calvanter.exe" scratch/empty scratch/rom fixture.gba "$demo/screenshots") || echo "demo: the driver reported failures"
"$root/scripts/wine/screenshots.sh" "$demo/screenshots"
