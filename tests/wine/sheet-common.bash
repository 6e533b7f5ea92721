# Shared by the Wine scripts that drive the preferences sheet and the quick setup wizard
# (sourced after velum-common.bash; not a test of its own). Clicks and keys are real input.
sheetctl() { velumctl sheet "$@"; }
sheetctl_rc() { velumctl_rc sheet "$@"; }

# True when another program can take Ctrl + Alt + Home now (velumctl holds it for a moment).
home_is_free() {
  : >"$TEST_TMP/release-home"
  velumctl_rc hold-home "$(winepath -w "$TEST_TMP/release-home" 2>/dev/null | tr -d '\r')"
}

# sheet_click ID: clicks the middle of control ID of the current page, else of the sheet
# (1 OK, 2 Cancel, 12323 Back, 12324 Next, 12325 Finish).
sheet_click() {
  local x y
  read -r x y < <(sheetctl point "$1") || fail "no control $1 in the sheet"
  xdotool mousemove --sync "$x" "$y" click 1
}

# sheet_keys ID KEY...: puts the pointer over control ID (the keyboard follows it), clicks
# it and types the keys (xdotool names).
sheet_keys() {
  local id=$1
  shift
  sheet_click "$id"
  xdotool key --delay 100 "$@"
}

# sheet_next: Next, and waits for the page after the current one.
sheet_next() {
  local page
  page=$(sheetctl page)
  sheet_click 12324
  wait_for $(( page + 1 )) sheetctl page
}

# The hotkey of hotkey control VALUE (key | flags << 8) as the settings file keeps it.
hotkey_json() { echo "{\"m_wVirtualKey\":$(( $1 & 255 )),\"m_wModifiers\":$(( $1 >> 8 ))}"; }
