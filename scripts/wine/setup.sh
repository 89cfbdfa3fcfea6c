#!/usr/bin/env bash
# Installs what the Wine tests need when it is missing: Wine for 32- and 64-bit programs, a
# virtual X server, ImageMagick for the screenshots, Japanese fonts and the ja_JP.UTF-8 locale
# (under which Wine's ANSI code page is 932).
set -euo pipefail

sudo_cmd=()
[[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)

packages=(wine wine32:i386 wine64 xvfb xauth imagemagick fonts-ipafont locales)
missing=()
for package in "${packages[@]}"; do
  dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
if ((${#missing[@]})); then
  echo "wine setup: installing ${missing[*]}"
  dpkg --print-foreign-architectures | grep -qx i386 || "${sudo_cmd[@]}" dpkg --add-architecture i386
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qiE '^ja_JP\.utf-?8$'; then
  echo "wine setup: generating the ja_JP.UTF-8 locale"
  if command -v locale-gen >/dev/null && [[ -f /etc/locale.gen ]]; then
    "${sudo_cmd[@]}" sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
    "${sudo_cmd[@]}" locale-gen ja_JP.UTF-8 >/dev/null
  else
    "${sudo_cmd[@]}" localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
  fi
fi
