# A settings file that does not load (here cut off in the image list) used to be replaced
# by the defaults at the end of the run, image list and all. Its bytes are now kept beside
# the new file as vm.dat.bad.
set -euo pipefail
. "$SOURCE_DIR/tests/wine/velum-common.bash"
. "$SOURCE_DIR/tests/wine/sheet-common.bash"
cd "$TEST_TMP"
trap 'velumctl answer-box 1 >/dev/null 2>&1 || true; velum_cleanup' EXIT

dir=$(settings_dir)
rm -f "$dir/vm.dat.bad"
write_settings '{"m_bCheckUpdate":0,"m_bRefreshSites":0,"m_images":[{"path":"C:\\pics\\a.jpg"},{"path":"C:\\pics\\b.jpg"}]}'
size=$(stat -c %s "$dir/vm.dat")
head -c $((size - 40)) "$dir/vm.dat" >damaged.dat
cp damaged.dat "$dir/vm.dat"
show_settings >/dev/null 2>&1 && fail "the cut file still loads"

start_velum -r
# Settings that do not load bring the quick setup wizard, cancelled here.
sheetctl_rc wait 60 || fail "no quick setup wizard for the damaged file"
sheet_click 2
velumctl --yes answer-box 30 >/dev/null || fail "Cancel asked nothing"
sheetctl_rc gone 30 || fail "Yes did not close the wizard"
velumctl_rc wait-window 60 || fail "no main window"
velumctl_rc sync
velumctl_rc command 32773 || fail "cannot post Exit"
wait_velum_exit 30 || fail "Exit did not end the program"

[ -f "$dir/vm.dat.bad" ] || fail "the damaged file was not kept: $(ls "$dir")"
cmp -s damaged.dat "$dir/vm.dat.bad" || fail "vm.dat.bad does not hold the damaged file's bytes"
json=$(show_settings) || fail "the new settings file does not load"
[ "$(tool settings defaults | tr -d '\r')" = "$json" ] || fail "the new file does not hold the defaults: $json"

# A file that loads is replaced as always, and the kept bytes stay as they are.
start_velum -r
velumctl_rc wait-window 60 || fail "no main window at the second start"
velumctl_rc sync
velumctl_rc command 32773 || fail "cannot post Exit"
wait_velum_exit 30 || fail "Exit did not end the program"
cmp -s damaged.dat "$dir/vm.dat.bad" || fail "a good file was set aside over the kept one"
echo ok
