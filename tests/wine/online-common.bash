# Shared by the Wine scripts of the online services (sourced after velum-common.bash):
# the local stand-in for the download server and the prefix's proxy setting that leads
# the program to it.
SERVER_ROOT=$TEST_TMP/server
SERVER_LOG=$TEST_TMP/server.log
SERVER_PID=
SERVER_PORT=
INET_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Internet Settings'

# A port that nothing listens on now.
free_port() { python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }

# A test authority in the prefix's Root store (the serialized certificate property, id 32:
# the DWORDs 32, 1, the DER length, then the DER bytes), a server certificate it signed
# (trusted.pem) and a self-signed one for the same names (certificate.pem).
make_certificates() {
  local names="subjectAltName=DNS:download.velum-project.org,DNS:www.velum-project.org" thumb blob
  (cd "$TEST_TMP" &&
    openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Velum Test Authority" \
      -keyout ca.key -out ca.pem &&
    openssl req -newkey rsa:2048 -nodes -subj /CN=download.velum-project.org -keyout leaf.key -out leaf.csr &&
    openssl x509 -req -in leaf.csr -CA ca.pem -CAkey ca.key -CAcreateserial -days 2 \
      -extfile <(echo "$names") -out leaf.pem &&
    cat leaf.key leaf.pem >trusted.pem &&
    openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=download.velum-project.org \
      -addext "$names" -keyout self.key -out self.pem &&
    cat self.key self.pem >certificate.pem) >/dev/null 2>&1 || fail "openssl cannot make the certificates"
  thumb=$(openssl x509 -in "$TEST_TMP/ca.pem" -noout -fingerprint -sha1 | cut -d= -f2 | tr -d :)
  blob=$(openssl x509 -in "$TEST_TMP/ca.pem" -outform DER |
    python3 -c 'import struct, sys; d = sys.stdin.buffer.read(); print((struct.pack("<III", 32, 1, len(d)) + d).hex())')
  "$WINE" reg add "HKLM\\Software\\Microsoft\\SystemCertificates\\Root\\Certificates\\$thumb" /v Blob \
    /t REG_BINARY /d "$blob" /f </dev/null >/dev/null 2>&1 || fail "cannot put the test authority into the Root store"
}

# start_server [PORT]: serves $SERVER_ROOT, logs to $SERVER_LOG; sets SERVER_PORT. https
# goes through a trusted tunnel, or with SERVER_TLS=certificate meets an untrusted certificate.
start_server() {
  mkdir -p "$SERVER_ROOT/vm"
  [ -s "$TEST_TMP/trusted.pem" ] || make_certificates
  rm -f "$TEST_TMP/port"
  python3 "$SOURCE_DIR/tests/wine/online_server.py" --root "$SERVER_ROOT" --log "$SERVER_LOG" \
    --cert "$TEST_TMP/${SERVER_TLS:-trusted}.pem" --tls "${SERVER_TLS:-trusted}" --port "${1:-0}" --port-file "$TEST_TMP/port" </dev/null >>"$TEST_TMP/server.out" 2>&1 &
  SERVER_PID=$!
  local deadline=$(( $(date +%s) + 20 ))
  until [ -s "$TEST_TMP/port" ]; do
    kill -0 "$SERVER_PID" 2>/dev/null || fail "the local server did not start: $(tail -3 "$TEST_TMP/server.out")"
    [ "$(date +%s)" -lt $deadline ] || fail "the local server did not start"
    sleep 0.1
  done
  SERVER_PORT=$(cat "$TEST_TMP/port")
}

stop_server() {
  if [ -n "$SERVER_PID" ]; then
    kill "$SERVER_PID" 2>/dev/null || true
    wait "$SERVER_PID" 2>/dev/null || true
  fi
  SERVER_PID=
}

# Requests the server has seen for a path, e.g. requests_for /vm/version.txt.
requests_for() { grep -c "^GET $1\$" "$SERVER_LOG" 2>/dev/null || true; }

# wait_request PATH SECONDS: true once the server has seen a request for PATH.
wait_request() {
  local deadline=$(( $(date +%s) + $2 ))
  until [ "$(requests_for "$1")" -gt 0 ]; do
    [ "$(date +%s)" -lt $deadline ] || return 1
    sleep 0.1
  done
}

# The system's proxy setting, which WinINet's preconfigured access takes.
use_proxy() {
  "$WINE" reg add "$INET_KEY" /v ProxyEnable /t REG_DWORD /d 1 /f </dev/null >/dev/null 2>&1 || fail "reg add ProxyEnable"
  "$WINE" reg add "$INET_KEY" /v ProxyServer /t REG_SZ /d "127.0.0.1:$1" /f </dev/null >/dev/null 2>&1 ||
    fail "reg add ProxyServer"
}

# Web pages that the program opens go through the shell to winebrowser, which runs the
# first of its "Browsers": here a script that writes each address as a line of
# $TEST_TMP/browser.txt.
BROWSER_KEY='HKCU\Software\Wine\WineBrowser'
record_browser() {
  printf '#!/bin/sh\necho "$1" >>"%s"\n' "$TEST_TMP/browser.txt" >"$TEST_TMP/browser.sh"
  chmod +x "$TEST_TMP/browser.sh"
  : >"$TEST_TMP/browser.txt"
  "$WINE" reg add "$BROWSER_KEY" /v Browsers /d "$TEST_TMP/browser.sh" /f </dev/null >/dev/null 2>&1 ||
    fail "reg add Browsers"
}

# wait_browser N SECONDS: true once N addresses were opened.
wait_browser() {
  local deadline=$(( $(date +%s) + $2 ))
  until [ "$(wc -l <"$TEST_TMP/browser.txt")" -ge "$1" ]; do
    [ "$(date +%s)" -lt $deadline ] || return 1
    sleep 0.2
  done
}

# The address opened Nth.
browser_url() { sed -n "${1}p" "$TEST_TMP/browser.txt"; }

# The prefix is shared with the other scripts, which run without a network.
online_cleanup() {
  stop_server
  "$WINE" reg delete "$BROWSER_KEY" /v Browsers /f </dev/null >/dev/null 2>&1 || true
  "$WINE" reg delete "$INET_KEY" /v ProxyServer /f </dev/null >/dev/null 2>&1 || true
  "$WINE" reg add "$INET_KEY" /v ProxyEnable /t REG_DWORD /d 0 /f </dev/null >/dev/null 2>&1 || true
}
trap 'velum_cleanup; online_cleanup' EXIT
