# Without a usable language folder velum.exe shows message 155 and ends. A stored language
# file that has gone falls back to the program's file of the same name, which the settings
# keep. Under a Japanese code page (932) the configuration window shows the Japanese file's
# texts and a folder whose name holds a 0x5C trail byte plays.
set -euo pipefail
. "$SOURCE_DIR/tests/wine/velum-common.bash"
cd "$TEST_TMP"
readonly MSG155="Failed in initializing internationl language manager"
# A box left open by a failed check would keep velum.exe from ending.
trap 'velumctl answer-box 1 >/dev/null || true; velum_cleanup' EXIT

# A program folder of its own: velum.exe and tg.dll, then the language folder in three states.
mkdir prog
cp "$PROGRAM_DIR/velum.exe" prog/
[ -f "$PROGRAM_DIR/tg.dll" ] && cp "$PROGRAM_DIR/tg.dll" prog/
start_copy() {
  "$WINE" "$TEST_TMP/prog/velum.exe" -r </dev/null >>"$TEST_TMP/velum.log" 2>&1 &
  VELUM_PID=$!
}
run_copy() {  # run_copy STATE: starts the copy, expects message 155 and the end of the process
  start_copy
  out=$(velumctl answer-box 60 "$MSG155") || fail "$1: no message 155 ($(velumctl boxes))"
  wait_velum_exit 30 || fail "$1: velum.exe did not end after message 155"
  [ "$(velumctl count)" = 0 ] || fail "$1: a main window is left"
}
run_copy "no language folder"
mkdir prog/language
printf '[info]\r\nlang name=Not matched\r\n' > prog/language/other.lng
run_copy "no vm*.lng in the language folder"
cp "$PROGRAM_DIR"/language/*.lng prog/language/
folder=$(winepath -w "$TEST_TMP/prog/language" | tr -d '\r')

# A stored language file that has gone (the program folder moved): the program's file of
# the same name is loaded without a message and kept in the settings.
write_settings '{"m_strLanguageFile":"C:\\Old Place\\language\\vmdeu.lng","m_bCheckUpdate":0,"m_bRefreshSites":0,"m_images":[{"path":"C:\\x.jpg"}]}'
start_copy
velumctl_rc wait-window 60 || fail "no main window for a moved language file ($(velumctl boxes))"
velumctl_rc sync || fail "main window does not answer"
[ -z "$(velumctl boxes)" ] || fail "unexpected message: $(velumctl boxes)"
end_by_u
got=$(show_settings | grep -o '"m_strLanguageFile":"[^"]*"' | cut -d'"' -f4 | sed 's/\\\\/\\/g')
[ "${got,,}" = "${folder,,}\\vmdeu.lng" ] || fail "the settings keep '$got', not vmdeu.lng"

# Code page 932 (Wine takes it from the locale), the Japanese file: the Cancel button reads
# back through the window as the file's Shift-JIS bytes. A folder named 表 (95 5C in Shift-JIS:
# its trail byte is a backslash), stored in the code page, plays its picture.
mkdir -p "$TEST_TMP/表"
convert -size 400x300 xc:'rgb(255,0,0)' "$TEST_TMP/表/red.bmp"
# velum-tool's plain JSON strings are code-page bytes: 表 is \u0095 and a backslash.
table="$(winepath -w "$TEST_TMP" | sed 's/\\/\\\\/g')\\\\\\u0095\\\\"
LC_ALL=ja_JP.UTF-8 write_settings "{\"m_strLanguageFile\":\"${folder//\\/\\\\}\\\\vmjpn.lng\",\"m_bCheckUpdate\":0,\"m_bRefreshSites\":0,
  \"m_nInterval\":5,\"m_nSizeMode\":3,\"m_nOpacity\":100,\"m_nFadeMs\":0,
  \"m_region\":{\"m_nWidth\":400,\"m_nHeight\":300,\"m_nLeft\":100,\"m_nTop\":50,\"m_nFitMode\":0,\"m_nPositionMode\":1},
  \"m_images\":[{\"path\":\"$table\",\"isFolder\":1,\"includeSubFolders\":0}]}"
LC_ALL=ja_JP.UTF-8 start_copy
velumctl_rc wait-window 60 || fail "no main window with vmjpn.lng ($(velumctl boxes))"
got=$(LC_ALL=ja_JP.UTF-8 velumctl item-text 2)
got=$(printf %s "$got" | od -An -tx1 | tr -d ' \n')
[ "$got" = 834c83838393835a838b ] || fail "code page 932: Cancel reads $got, not \"Kyanseru\" in Shift-JIS"
wait_colour 300 200 255 0 0 "the picture in the folder 表"
end_by_u
echo ok
