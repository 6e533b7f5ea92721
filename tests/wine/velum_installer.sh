# The installer, run silently in the test prefix: the program folder, the Start menu folder and
# the uninstall entry; the installed velum.exe shows a picture; installing again over a running
# Velum replaces it and keeps its start with Windows; the uninstaller, run silently while Velum
# runs, ends it, removes the start with Windows and every file, and keeps the user's settings,
# which /REMOVESETTINGS deletes.
set -euo pipefail
. "$SOURCE_DIR/tests/wine/velum-common.bash"
cd "$TEST_TMP"

setup=$(ls "$SOURCE_DIR"/dist/velum-*-setup-x86.exe 2>/dev/null | head -n1 || true)
if [ -z "$setup" ]; then
  (cd "$SOURCE_DIR" && bash scripts/make-installer.sh) >/dev/null || fail "could not build the installer"
  setup=$(ls "$SOURCE_DIR"/dist/velum-*-setup-x86.exe | head -n1)
fi
echo "installer: $setup"

# The installer and the program are 32-bit: a 64-bit prefix keeps what they write in its
# 32-bit registry view and its "Program Files (x86)".
reg32() { "$WINE" reg "$@" /reg:32 </dev/null 2>/dev/null | tr -d '\r'; }
has_key() { "$WINE" reg query "$1" /reg:32 </dev/null >/dev/null 2>&1; }
readonly uninst='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velum'
run32() { reg32 query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Run' /v Velum | grep REG_SZ || true; }
program_files=$(reg32 query 'HKLM\Software\Microsoft\Windows\CurrentVersion' /v ProgramFilesDir |
  sed -n 's/.*REG_SZ *//p')
[ -n "$program_files" ] || fail "no ProgramFilesDir"
install_dir=$(winepath -u "$program_files\\Velum" 2>/dev/null)
start_menu=$(winepath -u "$(wine_run 60 cmd /c echo %ProgramData%)\\Microsoft\\Windows\\Start Menu\\Programs\\Velum" 2>/dev/null)
start_installed() { PROGRAM_DIR=$install_dir launch_velum -r; }

install() {
  wine_run 120 "$setup" /S "$@" >/dev/null || fail "the installer failed"
  [ -f "$install_dir/uninstall.exe" ] || fail "no uninstaller in $install_dir"
}
# The uninstaller copies itself away and returns at once: wait for the copy to finish.
uninstall() {
  wine_run 60 "$install_dir/uninstall.exe" /S "$@" >/dev/null || fail "the uninstaller did not start"
  local deadline=$(( $(date +%s) + 60 ))
  while [ -e "$install_dir/uninstall.exe" ] || pgrep -f 'Au_\.exe' >/dev/null; do
    [ "$(date +%s)" -ge "$deadline" ] && fail "the uninstaller did not finish: $(ls "$install_dir" 2>&1)"
    sleep 0.3
  done
}

install
for f in velum.exe tg.dll velum-tool.exe vm.chm language/vmeng.lng language/vmdeu.lng language/vmjpn.lng; do
  [ -f "$install_dir/$f" ] || fail "$f was not installed"
done
for f in velum.exe tg.dll velum-tool.exe vm.chm; do
  cmp -s "$install_dir/$f" "$SOURCE_DIR/build/mingw32/program/$f" || fail "$f differs from the i686 build"
done
[ -f "$start_menu/Velum.lnk" ] || fail "no Start menu entry in $start_menu"
entry=$(reg32 query "$uninst")
echo "$entry" | grep -q 'DisplayName *REG_SZ *Velum$' || fail "no uninstall entry: $entry"
echo "$entry" | grep -qF "UninstallString    REG_SZ    \"$program_files\\Velum\\uninstall.exe\"" ||
  fail "uninstall command: $entry"
echo "installed into $program_files\\Velum"

# A red picture at full opacity in a region of its own, and start with Windows.
convert -size 400x300 xc:'rgb(255,0,0)' red.bmp
write_settings '{"m_nInterval":600,"m_nSizeMode":3,"m_nOpacity":100,"m_bAutoStart":1,"m_bCheckUpdate":0,
  "m_bRefreshSites":0,"m_region":{"m_nWidth":400,"m_nHeight":300,"m_nLeft":100,"m_nTop":50,"m_nFitMode":0,
  "m_nPositionMode":1},"m_images":['"$(picture_entries red.bmp)"']}'
settings="$(settings_dir)/vm.dat"
start_installed
wait_colour 300 200 255 0 0 "installed velum.exe -r"
run32 | grep -qF "\"$program_files\\Velum\\velum.exe\" -r" || fail "no start with Windows: '$(run32)'"
echo "the installed velum.exe shows the picture and starts with Windows"

# An update while Velum runs: it is ended, and its start with Windows stays.
install
wait_velum_exit 30 || fail "installing again left the running Velum"
run32 | grep -qF "\"$program_files\\Velum\\velum.exe\" -r" || fail "the update lost the start with Windows"
echo "installing again ended Velum and kept its start with Windows"

start_installed
wait_colour 300 200 255 0 0 "after the update"
uninstall
wait_velum_exit 30 || fail "the uninstaller left Velum running"
[ -z "$(run32)" ] || fail "the start with Windows is left: $(run32)"
[ ! -e "$install_dir" ] || fail "left behind: $(cd "$install_dir" && find .)"
[ ! -e "$start_menu" ] || fail "the Start menu folder is left"
! has_key "$uninst" || fail "the uninstall entry is left"
! has_key 'HKLM\Software\Velum' || fail "HKLM\\Software\\Velum is left"
show_settings >/dev/null || fail "the settings were not kept"
echo "the silent uninstaller ended Velum, removed it and kept the settings"

install
# A damaged file set aside and a save cut short leave copies that go with the settings.
cp "$settings" "$settings.bad"; cp "$settings" "$settings.new"
uninstall /REMOVESETTINGS
[ ! -e "$settings" ] || fail "/REMOVESETTINGS kept the settings"
[ ! -e "$(settings_dir)" ] || fail "/REMOVESETTINGS left the settings folder: $(ls -a "$(settings_dir)")"
[ ! -e "$install_dir" ] || fail "left behind after the second install"
echo ok
