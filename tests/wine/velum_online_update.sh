# The update check at start-up against a local server reached through the prefix's proxy
# setting, over https through a tunnel under a certificate the prefix trusts: a newer
# version shows its news in the "New Velum Available" box and Yes opens the download page,
# both files asked for afresh and without the cookie the server set; Exit while the server
# hangs takes under 5 s; a certificate that fails verification sends nothing over plain http.
set -euo pipefail
. "$SOURCE_DIR/tests/wine/velum-common.bash"
. "$SOURCE_DIR/tests/wine/online-common.bash"
cd "$TEST_TMP"
CAPTION="New Velum Available"

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

# 2. Exit while the server holds the request unanswered.
touch "$SERVER_ROOT/vm/version.txt.hang"
start_with_check 1
wait_request /vm/version.txt 30 || fail "version.txt was not asked for"
t0=$(now_ms)
velumctl_rc command 32773 || fail "cannot post Exit"
wait_velum_exit 10 || fail "Exit did not end the program while the server hangs"
ms=$(( $(now_ms) - t0 ))
[ "$ms" -lt 5000 ] || fail "Exit took $ms ms while the server hangs"
echo "exit while the server hangs: $ms ms"

# 3. A certificate that fails verification is an answer: nothing over plain http, no box,
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
