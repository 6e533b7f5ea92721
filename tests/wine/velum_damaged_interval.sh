# A settings file whose interval is out of range (0 or huge) must not make the slideshow
# timer fire every few milliseconds or never: the period stays within 5..1000 s.
set -euo pipefail
. "$SOURCE_DIR/tests/wine/velum-common.bash"
cd "$TEST_TMP"

# More pictures than a runaway 10 ms timer would tick through while the program runs, so
# the index does not wrap back into the range a 5 s timer allows.
mkdir pics
make_bmp pics/p.bmp
base=$(winepath -w "$TEST_TMP/pics" | sed 's/\\/\\\\/g')
images=""
for i in $(seq 0 999); do
  cp pics/p.bmp "pics/p$i.bmp"
  images+="${images:+,}{\"path\":\"$base\\\\p$i.bmp\",\"isFolder\":0,\"includeSubFolders\":0}"
done

for interval in 0 2147483647; do
  write_settings "{\"m_nInterval\":$interval,\"m_bCheckUpdate\":0,\"m_bRefreshSites\":0,\"m_images\":[$images]}"
  t0=$(now_ms)
  launch_velum -r
  velumctl_rc sync
  sleep 2.5
  end_by_u
  ran=$(( $(now_ms) - t0 ))
  json=$(show_settings)
  next=$(json_field "$json" m_nNextIndex)
  # The picture shown at start-up, then at most one a tick of 5 s or more while it ran
  # (a busy machine may take seconds to start and end it).
  most=$(( 1 + ran / 5000 ))
  echo "m_nInterval $interval: m_nNextIndex=$next after $ran ms (at most $most)"
  [ "$next" -ge 1 ] && [ "$next" -le "$most" ] || fail "interval $interval: $next pictures shown in $ran ms"
  [ "$(json_field "$json" m_nInterval)" = "$interval" ] || fail "the interval itself was changed"
done
echo ok
