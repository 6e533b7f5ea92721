# velum.exe -r shows pictures of known colours in a custom region at 50 % over the desktop;
# Next fades the next picture in over a second (read from the screen every 25 ms), or at once
# with the fade off; Increase Opacity changes the blend at once.
# Junk posted in every private message changes none of that, and "-u" still ends it.
set -euo pipefail
. "$SOURCE_DIR/tests/wine/velum-common.bash"
cd "$TEST_TMP"

convert -size 800x600 xc:'rgb(255,0,0)' red.bmp
convert -size 800x600 xc:'rgb(0,0,255)' blue.bmp
dir=$(settings_dir)
mkdir -p "$dir"
# A long interval: only the start and the commands change the picture during the test.
write_display_settings() {  # FADE_MS
  echo '{"m_nInterval":600,"m_nSequence":0,"m_nSizeMode":3,"m_nOpacity":50,"m_bEnabled":1,"m_nNextIndex":-1,
         "m_bCheckUpdate":0,"m_bRefreshSites":0,"m_nFadeMs":'"$1"',
         "m_region":{"m_nWidth":400,"m_nHeight":300,"m_nLeft":100,"m_nTop":50,"m_nFitMode":0,"m_nPositionMode":1},
         "m_images":['"$(picture_entries red.bmp blue.bmp)"']}' |
    tool settings write "$dir/vm.dat"
}
write_display_settings 1000

shot
read -r dr dg db <<<"$(px 640 700)"
echo "desktop: $dr $dg $db"

blend() {  # picture channel, alpha -> blended channel over the desktop channel $3
  echo $(( ($1 * $2 + $3 * (255 - $2) + 127) / 255 ))
}

a=$(( 50 * 255 / 100 ))
red="$(blend 255 $a $dr) $(blend 0 $a $dg) $(blend 0 $a $db)"
blue="$(blend 0 $a $dr) $(blend 0 $a $dg) $(blend 255 $a $db)"

launch_velum -r
wait_colour 110 60 $red "first picture, inside the region"

# trace_next FILE R G B: Next, with the pixel at (300,200) read every 25 ms into FILE
# ("ms r g b" lines) until it has shown R G B for half a second.
trace_next() {
  python3 "$SOURCE_DIR/tests/wine/pixel_trace.py" 300 200 60 25 >"$1" &
  local tracer=$! rc=0
  wait_until 20 grep -q '^ready' "$1" || fail "the pixel tracer did not start"
  velumctl_rc command 32789  # Next Image
  wait_until 40 settled "$1" "$2" "$3" "$4" || rc=1
  kill "$tracer" 2>/dev/null || true
  wait "$tracer" 2>/dev/null || true
  [ "$rc" = 0 ] || fail "after Next the pixel did not settle at $2 $3 $4: $(tail -n 3 "$1" | tr '\n' ' ')"
}
settled() {  # the last 20 readings are all R G B
  [ "$(grep -cv '^ready' "$1")" -ge 20 ] &&
    tail -n 20 "$1" | awk -v r="$2" -v g="$3" -v b="$4" 'function off(x, y) { return x - y > 3 || y - x > 3 }
      off($2, r) || off($3, g) || off($4, b) { bad = 1 } END { exit bad }'
}
# fade_summary FILE FROM_R FROM_G FROM_B TO_R TO_G TO_B: "ms readings levels monotone
# share" of the change in FILE: the ms from the first reading off FROM to the first at TO
# (-1: never there, or not for good), how many readings were in transit (red and blue both
# strictly between their ends) at how many levels, whether red and blue each moved one way
# only in transit, and whether the desktop's share stayed (in green, which neither picture has).
fade_summary() {
  awk -v r1="$2" -v g1="$3" -v b1="$4" -v r2="$5" -v g2="$6" -v b2="$7" '
    function off(x, y) { return x - y > 3 || y - x > 3 }
    function within(x, a, b) { return a < b ? x > a + 3 && x < b - 3 : x > b + 3 && x < a - 3 }
    function back(x, prev, a, b) { return (b - a) * (x - prev) < 0 && off(x, prev) }
    $1 == "ready" { next }
    { at_to = !off($2, r2) && !off($3, g2) && !off($4, b2) }
    start == "" && (off($2, r1) || off($3, g1) || off($4, b1)) { start = $1 }
    end != "" && !at_to { end = ""; bounced = 1 }
    start != "" && end == "" && at_to { end = $1 }
    start != "" && end == "" {
      if (off($3, g1)) lost = 1
      if (within($2, r1, r2) && within($4, b1, b2)) {
        if (transit++ && (back($2, pr, r1, r2) || back($4, pb, b1, b2))) turned = 1
        if (!(($2 " " $4) in seen)) { seen[$2 " " $4] = 1; levels++ }
        pr = $2; pb = $4
      }
    }
    END { printf "%d %d %d %s %s\n", end == "" || bounced ? -1 : end - start, transit, levels,
                 turned ? "no" : "yes", lost ? "no" : "yes" }' "$1"
}

trace_next fade.txt $blue
read -r took transit levels monotone kept <<<"$(fade_summary fade.txt $red $blue)"
echo "fade of 1 s: the change took $took ms, $transit readings in transit at $levels levels"
[ "$transit" -ge 3 ] || fail "Next did not fade: $transit readings between the pictures ($(tr '\n' ' ' <fade.txt))"
[ "$monotone" = yes ] || fail "red did not fall and blue rise throughout the fade"
[ "$kept" = yes ] || fail "the desktop's share changed during the fade"
[ "$took" -ge 0 ] || fail "the fade did not end at the blue picture for good"
(( took >= 300 && took <= 1300 )) || fail "the fade took $took ms, not 0.3 to 1.3 s"

velumctl_rc command 32790  # Increase Opacity: 55 %
a=$(( 55 * 255 / 100 ))
wait_colour 300 200 "$(blend 0 $a $dr)" "$(blend 0 $a $dg)" "$(blend 255 $a $db)" "after Increase Opacity"

velumctl_rc command 32789  # Next Image
wait_colour 300 200 "$(blend 255 $a $dr)" "$(blend 0 $a $dg)" "$(blend 0 $a $db)" "after Next"

# Any program may post to these windows: junk in every private message leaves Velum
# running. The sweep's start-hidden message shows the next picture, then Next moves on.
velumctl sweep 0x41414141 0x41414141 || fail "the message sweep did not get through"
kill -0 "$VELUM_PID" || fail "the message sweep ended Velum"
wait_colour 300 200 "$(blend 0 $a $dr)" "$(blend 0 $a $dg)" "$(blend 255 $a $db)" "after the message sweep"
velumctl_rc command 32789
wait_colour 300 200 "$(blend 255 $a $dr)" "$(blend 0 $a $dg)" "$(blend 0 $a $db)" "after Next, after the sweep"

# With the fade off, Next is a single step: no reading between the two pictures.
exit_velum
write_display_settings 0
launch_velum -r
wait_colour 300 200 $red "first picture, fade off"
trace_next cut.txt $blue
read -r took transit _ <<<"$(fade_summary cut.txt $red $blue)"
echo "fade off: the change took $took ms, $transit readings in transit"
[ "$transit" = 0 ] || fail "with the fade off Next went through $transit readings between the pictures ($(tr '\n' ' ' <cut.txt))"

end_by_u
echo ok
