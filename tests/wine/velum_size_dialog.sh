# The region the size and position dialog stores, on the real screen: an 800 x 600 picture
# at (240, 212) lands there and nowhere else (the dialog's wiring is tested in process).
set -euo pipefail
. "$SOURCE_DIR/tests/wine/velum-common.bash"
cd "$TEST_TMP"

convert -size 800x600 xc:'rgb(255,0,0)' red.bmp
write_settings '{"m_nInterval":600,"m_nSizeMode":3,"m_nOpacity":100,"m_nFadeMs":0,"m_nNextIndex":-1,
  "m_bCheckUpdate":0,"m_bRefreshSites":0,
  "m_region":{"m_nWidth":800,"m_nHeight":600,"m_nLeft":240,"m_nTop":212,"m_nFitMode":1,"m_nPositionMode":1},
  "m_images":['"$(picture_entries red.bmp)"']}'
shot
read -r dr dg db <<<"$(px 100 1000)"
launch_velum -r
wait_colour 242 214 255 0 0 "picture's top-left corner"
wait_colour 1037 809 255 0 0 "picture's bottom-right corner"
for p in "237 214" "242 209" "1042 809" "1037 814"; do
  read -r x y <<<"$p"
  [ "$(px "$x" "$y")" = "$dr $dg $db" ] || fail "outside the region ($x,$y) is $(px "$x" "$y")"
done
exit_velum
echo ok
