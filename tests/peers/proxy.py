#!/usr/bin/env python3
"""HTTP proxy stand-in with Basic authentication: CONNECT tunnels (HTTPS) and absolute-form
requests (plain HTTP, one request per connection).

    proxy.py RECORD_FILE [--user USER --password PASSWORD] [--lifetime SECONDS]

A request without the right "Proxy-Authorization: Basic ..." gets 407 with a Basic challenge.
RECORD_FILE gets one JSON object per request: {"method", "target", "authorized": bool}."""
import argparse
import base64
import json
import os
import select
import socket
import socketserver
import sys
import threading


class Server(socketserver.ThreadingTCPServer):
    daemon_threads = True
    allow_reuse_address = True
    record = ""
    expected = None
    lock = threading.Lock()


def read_head(sock):
    data = b""
    while b"\r\n\r\n" not in data:
        chunk = sock.recv(4096)
        if not chunk:
            return None, b""
        data += chunk
        if len(data) > 65536:
            return None, b""
    head, rest = data.split(b"\r\n\r\n", 1)
    return head.decode("latin-1"), rest


def pipe(a, b):
    socks = [a, b]
    while True:
        r, _, _ = select.select(socks, [], [], 30)
        if not r:
            return
        for s in r:
            data = s.recv(65536)
            if not data:
                return
            (b if s is a else a).sendall(data)


class Handler(socketserver.BaseRequestHandler):
    def handle(self):
        self.request.settimeout(30)
        # A 407 keeps the connection open for the client's authenticated retry.
        while self.handle_one():
            pass

    def handle_one(self):
        head, rest = read_head(self.request)
        if head is None:
            return False
        lines = head.split("\r\n")
        method, target, _ = (lines[0].split(" ") + ["", ""])[:3]
        headers = {}
        for line in lines[1:]:
            if ":" in line:
                k, v = line.split(":", 1)
                headers[k.strip().lower()] = v.strip()
        auth = headers.get("proxy-authorization", "")
        ok = self.server.expected is None or auth == "Basic " + self.server.expected
        with self.server.lock:
            with open(self.server.record, "a") as f:
                f.write(json.dumps({"method": method, "target": target, "authorized": ok}) + "\n")
        if not ok:
            self.request.sendall(b"HTTP/1.1 407 Proxy Authentication Required\r\n"
                                 b"Proxy-Authenticate: Basic realm=\"teste\"\r\n"
                                 b"Content-Length: 0\r\n\r\n")
            return True
        if method == "CONNECT":
            host, port = target.rsplit(":", 1)
            upstream = socket.create_connection((host, int(port)), timeout=10)
            self.request.sendall(b"HTTP/1.1 200 Connection established\r\n\r\n")
            if rest:
                upstream.sendall(rest)
            pipe(self.request, upstream)
            upstream.close()
            return False
        # Absolute-form request: forward it with the proxy's own header removed.
        rest_of_url = target.split("://", 1)[-1]
        hostport, _, path = rest_of_url.partition("/")
        host, _, port = hostport.partition(":")
        upstream = socket.create_connection((host, int(port or 80)), timeout=10)
        kept = [l for l in lines[1:] if not l.lower().startswith(("proxy-authorization:", "proxy-connection:",
                                                                   "connection:"))]
        out = "%s /%s HTTP/1.1\r\n" % (method, path) + "\r\n".join(kept) + "\r\nConnection: close\r\n\r\n"
        upstream.sendall(out.encode("latin-1") + rest)
        pipe(self.request, upstream)
        upstream.close()
        return False


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("record")
    ap.add_argument("--user")
    ap.add_argument("--password", default="")
    ap.add_argument("--lifetime", type=float, default=300)
    a = ap.parse_args()
    srv = Server(("127.0.0.1", 0), Handler)
    srv.record = a.record
    if a.user is not None:
        srv.expected = base64.b64encode(("%s:%s" % (a.user, a.password)).encode()).decode()
    open(a.record, "a").close()
    print("READY %d" % srv.server_address[1], flush=True)
    threading.Timer(a.lifetime, srv.shutdown).start()
    srv.serve_forever(poll_interval=0.2)
    return 0


if __name__ == "__main__":
    import signal
    signal.signal(signal.SIGTERM, lambda *_: os._exit(0))
    sys.exit(main())
