# velum-tool.exe speedtest measures this machine's clock under Wine (whatever the processor's
# make) and proposes the wizard's region for the screen; it refuses extra words.
set -euo pipefail
tool="$WINE $PROGRAM_DIR/velum-tool.exe"
out=$($tool speedtest | tr -d '\r')
echo "$out"
# The session's screen is 1280 x 1024.
python3 - "$out" <<'PY'
import json, re, sys
d = json.loads(sys.argv[1])
assert list(d) == ["mhz", "sizeMode", "region"], d
r = d["region"]
assert list(r) == ["m_nWidth", "m_nHeight", "m_nLeft", "m_nTop"], r
mhz = d["mhz"]
assert mhz > 0, "no clock measured"
# Within a factor of two of what Linux says, where it says anything.
try:
    mhzs = [float(m) for m in re.findall(r"^cpu MHz\s*:\s*([0-9.]+)", open("/proc/cpuinfo").read(), re.M)]
except OSError:
    mhzs = []
if mhzs:
    assert max(mhzs) / 2 < mhz < max(mhzs) * 2, (mhz, max(mhzs))
if d["sizeMode"] == 1:
    assert mhz >= 1500 and r["m_nWidth"] == -1 and r["m_nHeight"] == -1, d
else:
    assert d["sizeMode"] == 3 and 0 < r["m_nWidth"] < 1280 and 0 < r["m_nHeight"] < 1024, d
    assert (r["m_nLeft"], r["m_nTop"]) == ((1280 - r["m_nWidth"]) // 2, (1024 - r["m_nHeight"]) // 2), d
PY

set +e
out=$($tool speedtest now 2>/dev/null)
rc=$?
set -e
[ $rc -eq 2 ] && [ -z "$out" ] || { echo "speedtest now: rc=$rc out=$out"; exit 1; }
echo ok
