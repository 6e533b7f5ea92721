#!/usr/bin/env bash
# Builds the i686 program (the one that runs on Windows 2000 to 11) and packs it into dist/:
# velum-VERSION-setup-x86.exe, an installer made with NSIS, and velum-VERSION-x86.zip, the
# program folder for people who do not install.
#   make-installer.sh [--no-build]   --no-build packs build/mingw32/program as it is
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
if [ "${1:-}" != --no-build ]; then
  cmake --preset mingw32 >/dev/null
  cmake --build --preset mingw32 >/dev/null
fi
VERSION=$(sed -n 's/^project(Velum VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$VERSION" ] || { echo "make-installer: no version in CMakeLists.txt" >&2; exit 1; }
PROGRAM=$ROOT/build/mingw32/program
for f in velum.exe tg.dll velum-tool.exe vm.chm language/vmeng.lng; do
  [ -f "$PROGRAM/$f" ] || { echo "make-installer: $PROGRAM/$f is missing" >&2; exit 1; }
done

mkdir -p dist
setup=dist/velum-$VERSION-setup-x86.exe
zip=dist/velum-$VERSION-x86.zip
rm -f "$setup" "$zip"
# makensis wants Windows-style paths inside the script, but reads them fine with slashes.
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$VERSION" -DPROGRAM_DIR="$PROGRAM" -DSOURCE_DIR="$ROOT" -DOUTFILE="$ROOT/$setup" \
  installer/velum.nsi

# The zip holds a folder "Velum" with the program, as the installer lays it out.
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/Velum" "$stage/Velum/language"
cp "$PROGRAM"/velum.exe "$PROGRAM"/tg.dll "$PROGRAM"/velum-tool.exe "$PROGRAM"/vm.chm "$stage/Velum/"
cp "$PROGRAM"/language/vm*.lng "$stage/Velum/language/"
(cd "$stage" && cmake -E tar cf "$ROOT/$zip" --format=zip Velum)
echo "make-installer: $setup ($(stat -c %s "$setup") bytes), $zip ($(stat -c %s "$zip") bytes)"
