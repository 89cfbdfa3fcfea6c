#!/usr/bin/env bash
# Installs what the build and the tests need, when it is missing (a fresh Debian 12 machine).
set -euo pipefail

packages=(g++ cmake make libgtest-dev g++-mingw-w64-i686 g++-mingw-w64-x86-64 e2fsprogs imagemagick)
missing=()
for package in "${packages[@]}"; do
  dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
fi
