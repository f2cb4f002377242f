#!/usr/bin/env python3
"""HTTPS stand-in of a government web service: requires a client certificate signed by the test
CA, records every request it receives and answers from a script.

    tls_server.py PKI_DIR RECORD_FILE [--script FILE] [--tls13-only] [--no-client-cert]
                  [--plain] [--lifetime SECONDS]

RECORD_FILE gets one JSON object per request, one a line:
  {"method", "path", "headers": [[name, value], ...] (received order and case),
   "body": Base64 of the body bytes, "tls": negotiated protocol, "client": client subject}
The script (read again for every request, so a test may write it after start) is a JSON list of
replies used in order, the last one repeating:
  {"status": 200, "headers": {"Location": "..."}, "body": "text", "stall": false}
A reply with "path": "/p" answers every request for exactly that path instead, outside the order.
"stall": true reads the request and never answers (until the stand-in stops). Without a script
every request gets 200 and "<ok/>". --tls13-only refuses every protocol below TLS 1.3;
--plain serves HTTP without TLS."""
import argparse
import base64
import http.server
import json
import os
import socket
import socketserver
import ssl
import sys
import threading

STOP = threading.Event()


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True
    allow_reuse_address = True
    context = None
    record = ""
    script = None
    lock = threading.Lock()
    count = 0

    def finish_request(self, request, client_address):
        # The handshake runs on the connection's own thread, so one slow or failing client
        # never holds up the others.
        if self.context is not None:
            request.settimeout(10)
            try:
                request = self.context.wrap_socket(request, server_side=True)
            except (ssl.SSLError, OSError) as e:
                sys.stderr.write("tls_server: handshake refused: %s\n" % e)
                return
        self.RequestHandlerClass(request, client_address, self)

    def next_reply(self, path):
        replies = []
        if self.script and os.path.exists(self.script):
            with open(self.script) as f:
                replies = json.load(f)
        for r in replies:
            if r.get("path") == path:
                return r
        replies = [r for r in replies if "path" not in r] or [{}]
        with self.lock:
            n = self.count
            self.count += 1
        return replies[min(n, len(replies) - 1)]


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def handle_any(self):
        length = int(self.headers.get("Content-Length") or 0)
        body = self.rfile.read(length) if length > 0 else b""
        conn = self.connection
        entry = {
            "method": self.command,
            "path": self.path,
            "headers": [[k, v] for k, v in self.headers.items()],
            "body": base64.b64encode(body).decode(),
            "tls": conn.version() if isinstance(conn, ssl.SSLSocket) else "",
            "client": "",
        }
        if isinstance(conn, ssl.SSLSocket):
            cert = conn.getpeercert()
            if cert:
                entry["client"] = ",".join("%s=%s" % kv for rdn in cert.get("subject", ()) for kv in rdn)
        with self.server.lock:
            with open(self.server.record, "a") as f:
                f.write(json.dumps(entry) + "\n")
        reply = self.server.next_reply(self.path)
        if reply.get("stall"):
            STOP.wait(120)
            self.close_connection = True
            return
        data = reply.get("body", "<ok/>").encode()
        self.send_response(reply.get("status", 200))
        for k, v in reply.get("headers", {}).items():
            self.send_header(k, v)
        self.send_header("Content-Type", "text/xml; charset=utf-8")
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        self.wfile.write(data)

    do_GET = do_POST = do_PUT = do_DELETE = do_HEAD = do_PATCH = handle_any


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("pki")
    ap.add_argument("record")
    ap.add_argument("--script")
    ap.add_argument("--tls13-only", action="store_true")
    ap.add_argument("--no-client-cert", action="store_true")
    ap.add_argument("--plain", action="store_true")
    ap.add_argument("--lifetime", type=float, default=300)
    a = ap.parse_args()
    srv = Server(("127.0.0.1", 0), Handler)
    srv.record = a.record
    srv.script = a.script
    if not a.plain:
        ctx = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        ctx.load_cert_chain(os.path.join(a.pki, "server.crt"), os.path.join(a.pki, "server.key"))
        ctx.minimum_version = ssl.TLSVersion.TLSv1_3 if a.tls13_only else ssl.TLSVersion.TLSv1_2
        if not a.no_client_cert:
            ctx.verify_mode = ssl.CERT_REQUIRED
            ctx.load_verify_locations(os.path.join(a.pki, "ca.crt"))
        srv.context = ctx
    open(a.record, "a").close()
    print("READY %d" % srv.server_address[1], flush=True)
    threading.Timer(a.lifetime, lambda: (STOP.set(), srv.shutdown())).start()
    try:
        srv.serve_forever(poll_interval=0.2)
    finally:
        STOP.set()
    return 0


if __name__ == "__main__":
    import signal
    signal.signal(signal.SIGTERM, lambda *_: os._exit(0))
    sys.exit(main())
