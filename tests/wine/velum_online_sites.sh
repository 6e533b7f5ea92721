# The site-list refresh at start-up against a local server reached through the prefix's
# proxy setting: a list of four records (upper-case tags, a missing description, one
# address without a scheme) ends in exactly the sites that velum-tool sites parse gives for
# the same text, with today's day stamp; the tray submenu lists them in order, without the
# placeholder, and each item opens its own site; a WM_SITELIST_READY or timer 1003 from
# anyone else changes nothing.
set -euo pipefail
. "$SOURCE_DIR/tests/wine/velum-common.bash"
. "$SOURCE_DIR/tests/wine/online-common.bash"
cd "$TEST_TMP"

port=$(free_port)
use_proxy "$port"
start_server "$port"
record_browser
cat >"$SERVER_ROOT/vm/wpsitelist.txt" <<'LIST'
<WALLPAPER_SITE>
  <NAME>Alpha Walls</NAME>
  <URL> HTTP://Alpha.Example/Walls </URL>
  <DESCRIPTION>first</DESCRIPTION>
</WALLPAPER_SITE>
<wallpaper_site><name>Beta &amp; Co</name><url>https://beta.example/</url></wallpaper_site>
< Wallpaper_Site ><Name>Gamma</Name><Url>ftp://gamma.example/pub</Url><Description>third</Description></wallpaper_site>
<wallpaper_site><name>Delta</name><url>delta.example/walls</url></wallpaper_site>
LIST
want=$(tool sites parse "Z:$SERVER_ROOT/vm/wpsitelist.txt" | tr -d '\r')
echo "velum-tool sites parse: $want"

write_settings '{"m_bCheckUpdate":0,"m_bRefreshSites":1,"m_nSiteListDay":0,"m_sites":[]}'
start_velum -r
velumctl_rc wait-window 60 || fail "no main window"
wait_request /vm/wpsitelist.txt 30 || fail "wpsitelist.txt was not asked for: $(cat "$SERVER_LOG")"

# pick N: the Nth item (from 0) of the tray's site submenu; prints the address it opened.
pick() {
  local before downs=()
  before=$(wc -l <"$TEST_TMP/browser.txt")
  for _ in $(seq 1 "$1"); do downs+=(down); done
  velumctl_rc tray-keys up up up right "${downs[@]}" return || fail "tray menu"
  wait_browser $((before + 1)) 20 || fail "item $1 of the site submenu opened nothing"
  browser_url $((before + 1))
}
# The list is taken over on the user-interface thread once the download is in.
first=
for _ in $(seq 1 20); do
  velumctl_rc sync
  first=$(pick 0)
  [ "$first" = "http://alpha.example/walls" ] && break
  sleep 0.5
done
[ "$first" = "http://alpha.example/walls" ] || fail "the first site item opened $first"
second=$(pick 1)
third=$(pick 2)
wrapped=$(pick 3)
echo "site submenu opens: $first, $second, $third, then $wrapped"
[ "$second" = "https://beta.example/" ] && [ "$third" = "ftp://gamma.example/pub" ] ||
  fail "the site items opened $second and $third"
[ "$wrapped" = "$first" ] || fail "the submenu has more than three items (the fourth opened $wrapped)"

# Any process can post the message or the retry timer: without a download awaited they
# change nothing and ask for nothing.
velumctl_rc post 2034 0 && velumctl_rc post 275 1003 || fail "cannot post to the main window"
velumctl_rc sync || fail "main window does not answer after a stray WM_SITELIST_READY"
[ "$(requests_for /vm/wpsitelist.txt)" = 1 ] || fail "the site list was asked for again: $(cat "$SERVER_LOG")"
[ "$(pick 0)" = "$first" ] || fail "the sites changed after a stray WM_SITELIST_READY"

velumctl_rc command 32773 || fail "cannot post Exit"
wait_velum_exit 30 || fail "Exit did not end the program"
got=$(show_settings)
python3 - "$want" "$got" "$(date +%-d)" <<'PY' || fail "the saved sites differ from velum-tool sites parse"
import json, sys
want, got, today = json.loads(sys.argv[1]), json.loads(sys.argv[2]), int(sys.argv[3])
print("saved sites:", json.dumps(got["m_sites"]), "day", got["m_nSiteListDay"])
assert len(want) == 3, want
assert got["m_sites"] == want
assert got["m_nSiteListDay"] == today
PY
