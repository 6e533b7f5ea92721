#!/usr/bin/env python3
"""A stand-in for the download server on 127.0.0.1, reached by Velum through the Wine
prefix's proxy setting. It answers proxy requests ("GET http://host/vm/version.txt") from
the files of --root, and plain requests for the hostile endpoints below. Every request is
logged as "METHOD PATH" on a line of --log, and the headers of a request for a file as one
line of --log + ".headers" ("PATH<TAB>Name: value<TAB>..."). Each file comes with a cookie,
which a well-behaved client never sends back. A CONNECT (https through the proxy) is
accepted and answered with a TLS handshake under --cert. With --tls trusted (the default)
the certificate is one the prefix trusts and the tunnel carries one request, answered and
logged as a plain one. With --tls certificate it is one the client cannot trust: an
answer that must not lead to http. (A tunnel that fails to negotiate a channel at all,
where the program may fall back to http, makes Wine 8's Internet library abort the process
when it retries the handshake through a proxy; that rule is tested natively only.)

  online_server.py --root DIR --log FILE --cert PEM [--tls trusted|certificate] [--port N] [--port-file FILE]

Files of --root/vm: NAME is served with its length; when NAME.hang exists, a request for
NAME is read and never answered.
"""
import argparse
import os
import socket
import socketserver
import ssl
import sys
import threading
import time

TEN_MB = 10 * 1024 * 1024


def head(status, reason, headers):
    lines = ["HTTP/1.1 %d %s" % (status, reason)] + ["%s: %s" % h for h in headers] + ["", ""]
    return "\r\n".join(lines).encode("latin-1")


class Handler(socketserver.StreamRequestHandler):
    timeout = 120

    def log(self, method, path, headers=None):
        with self.server.log_lock:
            with open(self.server.log_path, "a") as f:
                f.write("%s %s\n" % (method, path))
            if headers is not None:
                with open(self.server.log_path + ".headers", "a") as f:
                    f.write("\t".join([path] + headers) + "\n")

    def send(self, data):
        self.wfile.write(data)
        self.wfile.flush()

    def hang(self):
        # Keep the connection until the client gives up.
        self.connection.settimeout(1)
        end = time.time() + 120
        while time.time() < end:
            try:
                if not self.connection.recv(1024):
                    return
            except socket.timeout:
                continue
            except OSError:
                return

    def read_request(self):
        line = self.rfile.readline(8192).decode("latin-1").strip()
        headers = []
        while True:
            h = self.rfile.readline(8192)
            if not h or h in (b"\r\n", b"\n"):
                break
            headers.append(h.decode("latin-1").strip())
        parts = line.split()
        return (parts[0], parts[1], headers) if len(parts) >= 2 else None

    def handle(self):
        try:
            request = self.read_request()
            if not request:
                return
            method, target, headers = request
            if method != "CONNECT":
                self.answer(method, target, headers)
                return
            self.log(method, target)
            self.send(b"HTTP/1.1 200 Connection established\r\n\r\n")
            try:
                with self.server.tls.wrap_socket(self.connection, server_side=True) as tls:
                    if self.server.tls_mode == "certificate":
                        tls.recv(1)
                        return
                    # A trusted tunnel: one request inside it, answered as a plain one.
                    self.rfile, self.wfile = tls.makefile("rb"), tls.makefile("wb")
                    request = self.read_request()
                    if request:
                        self.answer(*request)
            except (ssl.SSLError, OSError):
                pass
        except (BrokenPipeError, ConnectionResetError, socket.timeout):
            pass

    def answer(self, method, target, headers):
        path = target
        if target.startswith("http://"):
            path = "/" + target[7:].split("/", 1)[1] if "/" in target[7:] else "/"
        self.log(method, path, headers if path.startswith("/vm/") else None)
        if path.startswith("/vm/"):
            self.serve_file(path[4:])
        else:
            self.hostile(path)

    def serve_file(self, name):
        vm = os.path.join(self.server.root, "vm")
        if "/" in name or not os.path.isfile(os.path.join(vm, name)):
            self.send(head(404, "Not Found", [("Content-Length", "9"), ("Connection", "close")]) + b"not found")
            return
        if os.path.exists(os.path.join(vm, name + ".hang")):
            self.hang()
            return
        with open(os.path.join(vm, name), "rb") as f:
            body = f.read()
        self.send(head(200, "OK", [("Content-Type", "text/plain"), ("Content-Length", str(len(body))),
                                   ("Set-Cookie", "visitor=%s; Path=/" % name), ("Connection", "close")]) + body)

    def hostile(self, path):
        close = ("Connection", "close")
        login = b"<html><body>Please log in</body></html>"
        fixed = {  # path: status, reason, headers, body
            "/ok": (200, "OK", [("Content-Length", "5")], b"hello"),
            "/404": (404, "Not Found", [("Content-Length", "8")], b"not here"),
            "/portal": (302, "Found", [("Location", "http://127.0.0.1:%d/login" % self.server.port),
                                       ("Content-Length", "0")], b""),
            "/login": (403, "Forbidden", [("Content-Length", str(len(login)))], login),
            "/huge-length": (200, "OK", [("Content-Length", "4294967295")], b"x" * 64),
            "/negative-length": (200, "OK", [("Content-Length", "-1")], b"x" * 64),
            "/text-length": (200, "OK", [("Content-Length", "twelve")], b"x" * 12),
            "/short": (200, "OK", [("Content-Length", "100")], b"only ten b"),
            "/loop": (302, "Found", [("Location", "/loop"), ("Content-Length", "0")], b""),
        }
        # path: headers, then the parts of the body with a pause after each
        paced = {
            "/nolength": ([], [b"no length, ", b"read to the end"], 0.3),
            "/chunked": ([("Transfer-Encoding", "chunked")],
                         [b"%x\r\n%s\r\n" % (len(p), p) for p in (b"part one, ", b"part two")] + [b"0\r\n\r\n"], 0.3),
            "/slow": ([("Content-Length", "35")], [b"first part, ", b"second part, ", b"third part"], 1),
            "/drip": ([("Content-Length", "1000")], [b"x"] * 1000, 2),
        }
        if path in fixed:
            status, reason, headers, body = fixed[path]
            self.send(head(status, reason, headers + [close]) + body)
        elif path in paced:
            headers, parts, pause = paced[path]
            self.send(head(200, "OK", headers + [close]))
            for part in parts:
                self.send(part)
                time.sleep(pause)
        elif path in ("/10mb", "/10mb-nolength"):
            length = [] if path.endswith("nolength") else [("Content-Length", str(TEN_MB))]
            self.send(head(200, "OK", length + [close]))
            self.stream(TEN_MB)
        elif path == "/hang":
            self.hang()
        elif path.startswith("/chain"):
            # /chainN answers after N redirects.
            rest = path[6:].split("-")
            n = int(rest[0]) if rest[0].isdigit() else 0
            done = int(rest[1]) if len(rest) > 1 and rest[1].isdigit() else 0
            if done < n:
                self.send(head(301, "Moved", [("Location", "/chain%d-%d" % (n, done + 1)),
                                              ("Content-Length", "0"), close]))
            else:
                self.send(head(200, "OK", [("Content-Length", "7"), close]) + b"arrived")
        else:
            self.send(head(404, "Not Found", [("Content-Length", "0"), close]))

    def stream(self, total):
        chunk = b"y" * 65536
        sent = 0
        while sent < total:
            self.send(chunk)
            sent += len(chunk)


class Server(socketserver.ThreadingTCPServer):
    daemon_threads = True
    allow_reuse_address = True


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--root", required=True)
    ap.add_argument("--log", required=True)
    ap.add_argument("--port", type=int, default=0)
    ap.add_argument("--port-file")
    ap.add_argument("--cert", required=True, help="certificate and key, PEM")
    ap.add_argument("--tls", choices=("trusted", "certificate"), default="trusted")
    args = ap.parse_args()
    server = Server(("127.0.0.1", args.port), Handler)
    server.root = args.root
    server.log_path = args.log
    server.log_lock = threading.Lock()
    server.port = server.server_address[1]
    server.tls = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    server.tls.load_cert_chain(args.cert)
    server.tls_mode = args.tls
    open(args.log, "a").close()
    if args.port_file:
        with open(args.port_file + ".tmp", "w") as f:
            f.write("%d\n" % server.port)
        os.replace(args.port_file + ".tmp", args.port_file)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    return 0


if __name__ == "__main__":
    sys.exit(main())
