# velum-tool.exe hotkey prints a hotkey's text as the menus show it, and refuses bad usage.
set -euo pipefail
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR
tool="$WINE $PROGRAM_DIR/velum-tool.exe"
# The bytes as they are: no CR is added to the line end.
got=$($tool hotkey 15 135 | od -An -c | tr -s ' ')
want=$(printf 'Ctrl + Alt + Shift + F24\n' | od -An -c | tr -s ' ')
[ "$got" = "$want" ] || { echo "hotkey 15 135: got [$got], want [$want]"; exit 1; }
for bad in "" "14" "14 36 1" "x 36" "14 65536" "-1 36"; do
  set +e
  out=$($tool hotkey $bad 2>/dev/null)
  rc=$?
  set -e
  [ $rc -eq 2 ] && [ -z "$out" ] || { echo "hotkey $bad: rc=$rc out=$out"; exit 1; }
done
echo ok
