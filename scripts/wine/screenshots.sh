#!/usr/bin/env bash
# Turns the driver's bitmap screenshots in a folder into PNG files and lists them.
#   scripts/wine/screenshots.sh <folder>
set -euo pipefail
folder=$1
convert=/usr/bin/convert
[[ -x $convert ]] || convert=convert
shopt -s nullglob
bitmaps=("$folder"/*.bmp)
if ((${#bitmaps[@]} == 0)); then
  echo "screenshots: none in $folder"
  exit 0
fi
for bitmap in "${bitmaps[@]}"; do
  "$convert" "$bitmap" "${bitmap%.bmp}.png" && rm -f "$bitmap"
done
echo "screenshots: ${#bitmaps[@]} PNG files in $folder"
