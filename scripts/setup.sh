#!/usr/bin/env bash
# Installs everything the build and the tests need on Debian 12. Safe to run again:
# it installs only what is missing.
set -euo pipefail

# wine32:i386 runs the i686 build in a 32-bit prefix; fp-utils compiles and lists the help
# file (chmcmd, chmls); nsis builds the installer; locales and fonts-ipafont-gothic give
# Wine a Japanese code page (from LC_ALL=ja_JP.UTF-8) and glyphs to show it.
packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev libgmock-dev googletest
  g++-mingw-w64-x86-64-win32 g++-mingw-w64-i686-win32 binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
  wine64 wine32:i386 xvfb xcompmgr x11-utils x11-apps xdotool imagemagick procps
  gnome-backgrounds libvips-tools python3 openssl fp-utils nsis locales fonts-ipafont-gothic
)

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  echo "setup: enabling the i386 architecture for the 32-bit Wine"
  $SUDO dpkg --add-architecture i386
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi
if ! locale -a | grep -qix 'ja_JP.utf8'; then
  echo "setup: generating the locale ja_JP.UTF-8"
  $SUDO sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
  grep -qx 'ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi
echo "setup: all build and test dependencies are installed"
