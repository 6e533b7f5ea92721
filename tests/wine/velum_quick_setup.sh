# The quick setup wizard as a newcomer meets it, with the real mouse and keyboard: a first
# start shows it; Next three times reaches the size list; a size chosen there stays when
# Deutsch is chosen on the language page, which turns the caption German; Finish stores
# the German language file and the region, exactly centred. Command 32792 on a configured
# program, then Cancel and Yes, keeps its three pictures and its hotkeys work again.
set -euo pipefail
. "$SOURCE_DIR/tests/wine/velum-common.bash"
. "$SOURCE_DIR/tests/wine/sheet-common.bash"
cd "$TEST_TMP"
trap 'velumctl answer-box 1 >/dev/null 2>&1 || true; velum_cleanup' EXIT

dir=$(settings_dir)
read -r sw sh < <(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')

# 1. A first start (with -r, so that no other window follows the wizard).
rm -f "$dir/vm.dat"
start_velum -r
sheetctl_rc wait 60 || fail "no wizard at the first start"
[ "$(sheetctl title)" = "Velum Quick Setup Wizard" ] || fail "caption: $(sheetctl title)"
[ "$(sheetctl shown 12323)" = hidden ] || fail "Back is shown on the welcome page"
sheet_next
sheet_expect "language list" "1 English" combo 1063
sheet_next
sheet_next
[ "$(sheetctl page)" = 3 ] || fail "three Next do not reach the size page"
sheetctl combo 1034 >/dev/null || fail "no size list on the last page"
echo "size page reached, proposed: $(sheetctl combo 1034)"

# 560 x 420 is the seventh entry after the full-screen one on any screen wider than 640.
sheet_keys 1034 Home Down Down Down Down Down Down Return
sheet_expect "chosen size" "6 560 x 420" combo 1034
sheet_back
sheet_back
sheet_keys 1063 Up Return
sheet_expect "caption after Deutsch" "Velum - Schnelleinrichtung" title
sheet_expect "language list after Deutsch" "0 Deutsch" combo 1063
sheet_next
sheet_next
sheet_expect "size after Deutsch" "6 560 x 420" combo 1034
[ "$(sheetctl title)" = "Velum - Schnelleinrichtung" ] || fail "caption on the size page: $(sheetctl title)"
sheet_click 12325
sheetctl_rc gone 30 || fail "Finish did not close the wizard"
velumctl_rc wait-window 60 || fail "no main window after the wizard"
velumctl_rc sync
velumctl_rc command 32773 || fail "cannot post Exit"
wait_velum_exit 30 || fail "Exit did not end the program"
json=$(show_settings) || fail "no settings file after Finish"
echo "$json"
grep -qF 'vmdeu.lng' <<<"$json" || fail "the German language file was not stored"
[ "$(json_field "$json" m_nSizeMode)" = 3 ] || fail "size mode is not custom"
[ "$(json_field "$json" m_nWidth)" = 560 ] && [ "$(json_field "$json" m_nHeight)" = 420 ] || fail "size not stored"
[ "$(json_field "$json" m_nLeft)" = $(( (sw - 560) / 2 )) ] && [ "$(json_field "$json" m_nTop)" = $(( (sh - 420) / 2 )) ] ||
  fail "the region is not centred on $sw x $sh"
echo "finish: ok"

# 2. Command 32792 on a configured program, then Cancel and Yes.
write_settings '{"m_nInterval":1000,"m_bCheckUpdate":0,"m_bRefreshSites":0,"m_nSizeMode":0,
  "m_images":[{"path":"C:\\a.jpg"},{"path":"C:\\b.jpg"},{"path":"C:\\c.jpg"}]}'
before=$(show_settings)
start_velum -r
velumctl_rc wait-window 60 || fail "no main window"
velumctl_rc command 32792
sheetctl_rc wait 30 || fail "no wizard on command 32792"
sheet_next
sheet_keys 1063 Up Return
sheet_expect "caption after Deutsch" "Velum - Schnelleinrichtung" title
# One wizard at a time: the command again brings the open one to the front.
velumctl_rc command 32792
velumctl_rc command 32775
sleep 1
[ "$(sheetctl count)" = 1 ] || fail "a second sheet opened"
sheet_click 2
out=$(velumctl --yes answer-box 30) || fail "no question on Cancel"
[ "$out" = "$(printf 'M\366chten Sie die Schnelleinrichtung wirklich abbrechen?' | od -An -tx1 | tr -d ' \n')" ] ||
  fail "the question is not the German one: $out"
sheetctl_rc gone 30 || fail "Yes did not close the wizard"
velumctl_rc sync
velumctl_rc hotkeys-taken || fail "the hotkeys are not registered again after Cancel"
velumctl_rc command 32773
wait_velum_exit 30 || fail "Exit did not end the program"
after=$(show_settings)
for f in m_nInterval m_nSizeMode m_bCheckUpdate; do
  [ "$(json_field "$after" $f)" = "$(json_field "$before" $f)" ] || fail "Cancel changed $f"
done
grep -qF 'a.jpg' <<<"$after" && grep -qF 'b.jpg' <<<"$after" && grep -qF 'c.jpg' <<<"$after" || fail "Cancel lost the pictures"
grep -qF 'vmeng.lng' <<<"$after" || fail "Cancel from the command did not keep the language"
echo ok
