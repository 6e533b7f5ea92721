# velum-tool.exe reads and writes settings files under Wine exactly as natively.
set -euo pipefail
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR
tool="$WINE $PROGRAM_DIR/velum-tool.exe"
cd "$TEST_TMP"

[ "$($tool version)" = "1.10" ] || { echo "version: $($tool version)"; exit 1; }

echo '{"m_nInterval":10,"m_nOpacity":60,"m_nSizeMode":3,"m_strLanguageFile":"C:\\x\\vmeng.lng",
       "m_region":{"m_nWidth":640,"m_nHeight":480,"m_nLeft":100,"m_nTop":50,"m_nFitMode":0,"m_nPositionMode":1},
       "m_images":[{"path":"C:\\pics","isFolder":1,"includeSubFolders":0},{"path":"C:\\a\u00e4.jpg"}]}' |
  $tool settings write vm.dat

head -c 8 vm.dat | od -An -tx1 | tr -s ' ' | grep -q '56 4c 50 46 00 0a 01 00' || { echo "bad header"; od -An -tx1 vm.dat | head -2; exit 1; }
out=$($tool settings show vm.dat)
echo "$out"
for want in '"version":68096' '"m_nInterval":10' '"m_nOpacity":60' '"m_nSizeMode":3' \
            '"m_region":{"m_nWidth":640,"m_nHeight":480,"m_nLeft":100,"m_nTop":50,"m_nFitMode":0,"m_nPositionMode":1}' \
            '"path":"C:\\a\u00E4.jpg"' '"isFolder":1,"includeSubFolders":0'; do
  grep -qF "$want" <<<"$out" || { echo "missing $want"; exit 1; }
done

# A damaged file is refused with exit 1 and nothing on stdout.
head -c 30 vm.dat > cut.dat
set +e
out=$($tool settings show cut.dat 2>/dev/null)
rc=$?
set -e
[ $rc -eq 1 ] && [ -z "$out" ] || { echo "truncated file: rc=$rc out=$out"; exit 1; }
