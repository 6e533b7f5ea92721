# velum.exe -r shows pictures of known colours in a custom region at 50 % over the desktop;
# Increase Opacity changes the blend at once, Next shows the next picture, Disable hides it.
# Junk posted in every private message changes none of that, and "-u" still ends it.
set -euo pipefail
. "$SOURCE_DIR/tests/wine/velum-common.bash"
cd "$TEST_TMP"

convert -size 800x600 xc:'rgb(255,0,0)' red.bmp
convert -size 800x600 xc:'rgb(0,0,255)' blue.bmp
red_w=$(winepath -w "$PWD/red.bmp" 2>/dev/null | sed 's/\\/\\\\/g')
blue_w=$(winepath -w "$PWD/blue.bmp" 2>/dev/null | sed 's/\\/\\\\/g')
dir=$(settings_dir)
mkdir -p "$dir"
# A long interval: only the start and the commands change the picture during the test.
echo '{"m_nInterval":600,"m_nSequence":0,"m_nSizeMode":3,"m_nOpacity":50,"m_bEnabled":1,"m_nNextIndex":-1,
       "m_bCheckUpdate":0,"m_bRefreshSites":0,
       "m_region":{"m_nWidth":400,"m_nHeight":300,"m_nLeft":100,"m_nTop":50,"m_nFitMode":0,"m_nPositionMode":1},
       "m_images":[{"path":"'"$red_w"'","isFolder":0},{"path":"'"$blue_w"'","isFolder":0}]}' |
  tool settings write "$dir/vm.dat"

shot
read -r dr dg db <<<"$(px 640 700)"
echo "desktop: $dr $dg $db"

blend() {  # picture channel, alpha -> blended channel over the desktop channel $3
  echo $(( ($1 * $2 + $3 * (255 - $2) + 127) / 255 ))
}

start_velum -r
velumctl_rc wait-window 60 || fail "no main window"
a=$(( 50 * 255 / 100 ))
wait_colour 110 60 "$(blend 255 $a $dr)" "$(blend 0 $a $dg)" "$(blend 0 $a $db)" "first picture, inside the region"
wait_colour 490 340 "$(blend 255 $a $dr)" "$(blend 0 $a $dg)" "$(blend 0 $a $db)" "bottom-right corner inside"
for p in "95 45" "505 200" "300 355" "640 700"; do
  read -r x y <<<"$p"
  read -r r g b <<<"$(px "$x" "$y")"
  [ "$r $g $b" = "$dr $dg $db" ] || fail "outside the region ($x,$y) is $r $g $b, not the desktop"
done
echo "outside the region: desktop"

velumctl_rc command 32790  # Increase Opacity: 55 %
a=$(( 55 * 255 / 100 ))
wait_colour 300 200 "$(blend 255 $a $dr)" "$(blend 0 $a $dg)" "$(blend 0 $a $db)" "after Increase Opacity"

velumctl_rc command 32789  # Next Image
wait_colour 300 200 "$(blend 0 $a $dr)" "$(blend 0 $a $dg)" "$(blend 255 $a $db)" "after Next"

# Any program may post to these windows: junk in every private message leaves Velum
# running. The sweep's start-hidden message shows the next picture, then Next moves on.
velumctl sweep 0x41414141 0x41414141 || fail "the message sweep did not get through"
kill -0 "$VELUM_PID" || fail "the message sweep ended Velum"
wait_colour 300 200 "$(blend 255 $a $dr)" "$(blend 0 $a $dg)" "$(blend 0 $a $db)" "after the message sweep"
velumctl_rc command 32789
wait_colour 300 200 "$(blend 0 $a $dr)" "$(blend 0 $a $dg)" "$(blend 255 $a $db)" "after Next, after the sweep"

velumctl_rc command 32774  # Disable
wait_colour 300 200 "$dr" "$dg" "$db" "after Disable"

run_velum -u || fail "-u did not end by itself"
wait_velum_exit 30 || fail "-u did not end the program"
echo ok
