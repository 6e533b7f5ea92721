# velum-tool.exe hotkey prints a hotkey's text as the menus show it, and refuses bad usage.
set -euo pipefail
tool="$WINE $PROGRAM_DIR/velum-tool.exe"
check() {  # modifiers key expected-text
  local got
  got=$($tool hotkey "$1" "$2" | od -An -c | tr -s ' ')
  local want
  want=$(printf '%s\n' "$3" | od -An -c | tr -s ' ')
  [ "$got" = "$want" ] || { echo "hotkey $1 $2: got [$got], want [$want]"; exit 1; }
}
check 14 36 'Ctrl + Alt + Home'
check 6 188 'Ctrl + Alt + ,'
check 1 112 'Shift + F1'
check 3 101 'Ctrl + Shift + Num 5'
check 0 108 'Seperator'
check 0 220 '\'
check 15 135 'Ctrl + Alt + Shift + F24'

for bad in "" "14" "14 36 1" "x 36" "14 65536" "-1 36"; do
  set +e
  out=$($tool hotkey $bad 2>/dev/null)
  rc=$?
  set -e
  [ $rc -eq 2 ] && [ -z "$out" ] || { echo "hotkey $bad: rc=$rc out=$out"; exit 1; }
done
echo ok
