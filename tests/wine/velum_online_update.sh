# The update check at start-up against a local server reached through the prefix's proxy
# setting, over https through a tunnel under a certificate the prefix trusts: a newer
# version shows its news in the "New Velum Available" box and Yes opens the download page,
# both files asked for afresh and without the cookie the server set; m_bCheckUpdate 0 asks
# only for a stale site list, which is saved as velum-tool sites parse gives it and which
# the tray's site submenu then opens; with the server down nothing shows until timer 1002
# fires after it is up, and only once; Exit while the server hangs takes under 5 s; a
# certificate that fails verification sends nothing over plain http.
set -euo pipefail
. "$SOURCE_DIR/tests/wine/velum-common.bash"
. "$SOURCE_DIR/tests/wine/online-common.bash"
cd "$TEST_TMP"
CAPTION="New Velum Available"
WM_TIMER=275

hex() { printf '%s' "$1" | od -An -tx1 | tr -d ' \n'; }
news_boxes() { wine_run 60 "$VELUMCTL" --title "$CAPTION" boxes; }

# Settings with a fresh site list, so that only the update check goes online.
start_with_check() {
  write_settings "{\"m_bCheckUpdate\":$1,\"m_nSiteListDay\":$(date +%-d),
    \"m_sites\":[{\"name\":\"Kept\",\"url\":\"http://kept.example/\",\"description\":\"\"}]}"
  : >"$SERVER_LOG"
  : >"$SERVER_LOG.headers"
  launch_velum -r
  velumctl_rc sync || fail "main window does not answer"
}

port=$(free_port)
use_proxy "$port"
start_server "$port"
record_browser

# 1. A newer version: its news, exactly, and Yes opens the download page.
printf '10a01\r\n' >"$SERVER_ROOT/vm/version.txt"
printf 'Velum 1.10.1' >"$SERVER_ROOT/vm/whatsnew.txt"
start_with_check 1
got=$(wine_run 60 "$VELUMCTL" --title "$CAPTION" --yes answer-box 40) || fail "no news box; server saw: $(cat "$SERVER_LOG")"
[ "$got" = "$(hex 'Velum 1.10.1')" ] || fail "news box text $got"
wait_browser 1 30 || fail "Yes opened no page"
[ "$(browser_url 1)" = "https://www.velum-project.org/download/" ] || fail "Yes opened $(browser_url 1)"
echo "newer version: box with the news, Yes opened $(browser_url 1)"
[ "$(grep -c '^CONNECT download.velum-project.org:443$' "$SERVER_LOG")" = 2 ] || fail "not both over https: $(cat "$SERVER_LOG")"
# A fresh copy each time, and the cookie that came with version.txt is not sent back.
[ "$(grep -c -i $'\tCache-Control: no-cache' "$SERVER_LOG.headers")" = 2 ] || fail "not asked for fresh copies: $(cat "$SERVER_LOG.headers")"
! grep -q -i $'\tCookie:' "$SERVER_LOG.headers" || fail "a cookie was sent: $(cat "$SERVER_LOG.headers")"
exit_velum

# 2. m_bCheckUpdate 0 with a stale site list: only the site list is fetched, and it ends in
#    exactly the sites that velum-tool sites parse gives for the same text, with today's day
#    stamp; the tray submenu's first item opens the first site.
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
: >"$SERVER_LOG"
launch_velum -r
wait_request /vm/wpsitelist.txt 30 || fail "wpsitelist.txt was not asked for: $(cat "$SERVER_LOG")"

# The list is taken over on the user-interface thread once the download is in.
first=
for _ in $(seq 1 20); do
  velumctl_rc sync
  before=$(wc -l <"$TEST_TMP/browser.txt")
  velumctl_rc tray-keys up up up right return || fail "tray menu"
  wait_browser $((before + 1)) 20 || fail "the site submenu's first item opened nothing"
  first=$(browser_url $((before + 1)))
  [ "$first" = "http://alpha.example/walls" ] && break
  sleep 0.5
done
[ "$first" = "http://alpha.example/walls" ] || fail "the first site item opened $first"
[ "$(requests_for /vm/version.txt)" = 0 ] || fail "requests without the update check: $(cat "$SERVER_LOG")"
exit_velum
got=$(show_settings)
python3 - "$want" "$got" "$(date +%-d)" <<'PY' || fail "the saved sites differ from velum-tool sites parse"
import json, sys
want, got, today = json.loads(sys.argv[1]), json.loads(sys.argv[2]), int(sys.argv[3])
print("saved sites:", json.dumps(got["m_sites"]), "day", got["m_nSiteListDay"])
assert len(want) == 3, want
assert got["m_sites"] == want
assert got["m_nSiteListDay"] == today
PY
echo "m_bCheckUpdate 0: only the site list"

# 3. Server down at start: no box; up again, timer 1002 brings the box, and only once.
printf '10a01\n' >"$SERVER_ROOT/vm/version.txt"
stop_server
start_with_check 1
sleep 3
[ -z "$(news_boxes)" ] || fail "a box while the server is down"
start_server "$port"
shown=
for _ in $(seq 1 30); do
  velumctl_rc post $WM_TIMER 1002 || fail "cannot post WM_TIMER 1002"
  if got=$(wine_run 60 "$VELUMCTL" --title "$CAPTION" answer-box 1 2>/dev/null); then shown=1; break; fi
done
[ -n "$shown" ] && [ "$got" = "$(hex 'Velum 1.10.1')" ] || fail "no news box after timer 1002: $(cat "$SERVER_LOG")"
velumctl_rc post $WM_TIMER 1002
velumctl_rc sync
sleep 2
[ -z "$(news_boxes)" ] && [ "$(requests_for /vm/version.txt)" = 1 ] || fail "asked twice in one run: $(cat "$SERVER_LOG")"
echo "server down: no box; after timer 1002 the box, once"
exit_velum

# 4. Exit while the server holds the request unanswered.
touch "$SERVER_ROOT/vm/version.txt.hang"
start_with_check 1
wait_request /vm/version.txt 30 || fail "version.txt was not asked for"
t0=$(now_ms)
velumctl_rc command 32773 || fail "cannot post Exit"
wait_velum_exit 10 || fail "Exit did not end the program while the server hangs"
ms=$(( $(now_ms) - t0 ))
[ "$ms" -lt 5000 ] || fail "Exit took $ms ms while the server hangs"
echo "exit while the server hangs: $ms ms"

# 5. A certificate that fails verification is an answer: nothing over plain http, no box,
#    and the stored site list stays.
stop_server
SERVER_TLS=certificate start_server "$port"
write_settings "{\"m_bCheckUpdate\":1,\"m_bRefreshSites\":1,\"m_nSiteListDay\":0,
  \"m_sites\":[{\"name\":\"Kept\",\"url\":\"http://kept.example/\",\"description\":\"\"}]}"
: >"$SERVER_LOG"
launch_velum -r
tunnels() { [ "$(grep -c '^CONNECT ' "$SERVER_LOG")" -ge 2 ]; }
wait_until 30 tunnels || fail "no https attempt for both files: $(cat "$SERVER_LOG")"
velumctl_rc sync
[ -z "$(grep -v '^CONNECT ' "$SERVER_LOG")" ] || fail "asked over plain http after a certificate error: $(cat "$SERVER_LOG")"
[ -z "$(news_boxes)" ] || fail "a box after a certificate error"
exit_velum
grep -qF '"name":"Kept"' <<<"$(show_settings)" || fail "the stored site list changed: $(show_settings)"
echo "untrusted certificate: no plain http, no box, the sites kept"
