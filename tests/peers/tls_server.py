#!/usr/bin/env python3
"""HTTPS stand-in of a government web service: requires a client certificate signed by the test
CA, records every request it receives and answers from a script.

    tls_server.py PKI_DIR RECORD_FILE [--script FILE] [--tls13-only] [--no-client-cert]
                  [--plain] [--lifetime SECONDS] [--second same|tls13-only] [--server-cert NAME]
                  [--proxy [--proxy-user USER --proxy-password PASSWORD] [--proxy-listen ADDR:PORT]]

RECORD_FILE gets one JSON object per request, one a line:
  {"method", "path", "headers": [[name, value], ...] (received order and case),
   "body": Base64 of the body bytes, "tls": negotiated protocol, "client": client subject,
   "issuer": its issuer (the CA trusted is the test CA alone, so a client issued by an
   intermediate is only accepted when it sends the intermediate), "port": the listening port}
--second opens a second listener, like the first ("same") or refusing every protocol below
TLS 1.3; --proxy runs the proxy.py stand-in in the same process (record RECORD_FILE.proxy), on
an ephemeral port of 127.0.0.1 unless --proxy-listen names the address and port (a test of a
proxy's default port takes port 80 of a loopback address of its own).
Their ports are written to RECORD_FILE.ports as {"second": N, "proxy": N} before READY, so
one started process serves a test that needs several peers.
The script (read again for every request, so a test may write it after start) is a JSON list of
replies used in order, the last one repeating:
  {"status": 200, "headers": {"Location": "..."}, "body": "text", "stall": false}
A reply with "path": "/p" answers every request for exactly that path instead, outside the order.
"stall": true reads the request and never answers (until the stand-in stops); "cut": true
announces 100 bytes more than the body it sends, then closes the connection; "endless": true
sends the headers without a length (or announcing "length" bytes) and then body bytes without
end, as fast as they are taken, until the client goes; "drip": SECONDS sends the body one byte at a time, that long apart. Without a script
every request gets 200 and "<ok/>". --tls13-only refuses every protocol below TLS 1.3;
--plain serves HTTP without TLS. --server-cert NAME serves the PKI's NAME.crt and NAME.key
instead of server's (pki.py: server-expired, server-wronghost, server-selfsigned)."""
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
import time

STOP = threading.Event()


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True
    allow_reuse_address = True
    context = None
    record = ""
    script = None
    lock = threading.Lock()
    counter = None  # [replies used so far], shared by the listeners of one process

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
            n = self.counter[0]
            self.counter[0] += 1
        return replies[min(n, len(replies) - 1)]


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def read_request(self):
        """The request's body bytes and its record entry (not yet written)."""
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
            "issuer": "",
            "port": self.server.server_address[1],
        }
        if isinstance(conn, ssl.SSLSocket):
            cert = conn.getpeercert()
            if cert:
                def name(field):
                    return ",".join("%s=%s" % kv for rdn in cert.get(field, ()) for kv in rdn)
                entry["client"] = name("subject")
                entry["issuer"] = name("issuer")
        return body, entry

    def write_record(self, entry):
        with self.server.lock:
            with open(self.server.record, "a") as f:
                f.write(json.dumps(entry) + "\n")

    def send_reply(self, reply):
        if reply.get("stall"):
            STOP.wait()
            self.close_connection = True
            return
        data = reply.get("body", "<ok/>").encode()
        self.send_response(reply.get("status", 200))
        for k, v in reply.get("headers", {}).items():
            self.send_header(k, v)
        self.send_header("Content-Type", "text/xml; charset=utf-8")
        if reply.get("endless"):
            if "length" in reply:
                self.send_header("Content-Length", str(reply["length"]))
            self.send_header("Connection", "close")
            self.end_headers()
            block = b"<a>" + b"x" * (1 << 20) + b"</a>"
            self.close_connection = True
            try:
                while not STOP.is_set():
                    self.wfile.write(block)
            except OSError:
                pass
            return
        # "cut": the connection closes before the announced body is complete.
        self.send_header("Content-Length", str(len(data) + (100 if reply.get("cut") else 0)))
        self.end_headers()
        if reply.get("drip"):
            try:
                for i in range(len(data)):
                    self.wfile.write(data[i:i + 1])
                    self.wfile.flush()
                    if STOP.wait(reply["drip"]):
                        break
            except OSError:
                self.close_connection = True
            return
        self.wfile.write(data)
        if reply.get("cut"):
            self.wfile.flush()
            self.close_connection = True

    def handle_any(self):
        _, entry = self.read_request()
        self.write_record(entry)
        self.send_reply(self.server.next_reply(self.path))

    do_GET = do_POST = do_PUT = do_DELETE = do_HEAD = do_PATCH = handle_any


def tls_context(pki, tls13_only, client_cert, server_cert="server"):
    ctx = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    ctx.load_cert_chain(os.path.join(pki, server_cert + ".crt"), os.path.join(pki, server_cert + ".key"))
    ctx.minimum_version = ssl.TLSVersion.TLSv1_3 if tls13_only else ssl.TLSVersion.TLSv1_2
    if client_cert:
        ctx.verify_mode = ssl.CERT_REQUIRED
        ctx.load_verify_locations(os.path.join(pki, "ca.crt"))
    return ctx


def serve(srv):
    t = threading.Thread(target=srv.serve_forever, kwargs={"poll_interval": 0.2}, daemon=True)
    t.start()


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("pki")
    ap.add_argument("record")
    ap.add_argument("--script")
    ap.add_argument("--tls13-only", action="store_true")
    ap.add_argument("--no-client-cert", action="store_true")
    ap.add_argument("--plain", action="store_true")
    ap.add_argument("--lifetime", type=float, default=300)
    ap.add_argument("--second", choices=["same", "tls13-only"])
    ap.add_argument("--proxy", action="store_true")
    ap.add_argument("--proxy-user")
    ap.add_argument("--proxy-password", default="")
    ap.add_argument("--proxy-listen", default="127.0.0.1:0")
    ap.add_argument("--server-cert", default="server")
    a = ap.parse_args()

    counter = [0]
    lock = threading.Lock()

    def make(tls13_only):
        srv = Server(("127.0.0.1", 0), Handler)
        srv.record = a.record
        srv.script = a.script
        srv.counter = counter
        srv.lock = lock
        if not a.plain:
            srv.context = tls_context(a.pki, tls13_only, not a.no_client_cert, a.server_cert)
        return srv

    srv = make(a.tls13_only)
    servers = [srv]
    ports = {}
    if a.second:
        second = make(a.tls13_only or a.second == "tls13-only")
        servers.append(second)
        ports["second"] = second.server_address[1]
    if a.proxy:
        sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
        import proxy
        host, _, port = a.proxy_listen.rpartition(":")
        px = proxy.Server((host, int(port)), proxy.Handler)
        px.record = a.record + ".proxy"
        if a.proxy_user is not None:
            px.expected = base64.b64encode(("%s:%s" % (a.proxy_user, a.proxy_password)).encode()).decode()
        open(px.record, "a").close()
        servers.append(px)
        ports["proxy"] = px.server_address[1]
    open(a.record, "a").close()
    with open(a.record + ".ports", "w") as f:
        json.dump(ports, f)
    return run(servers, a.lifetime)


def run(servers, lifetime):
    """Serves until the lifetime ends; the first server's port is the one announced."""
    for extra in servers[1:]:
        serve(extra)
    print("READY %d" % servers[0].server_address[1], flush=True)
    threading.Timer(lifetime, lambda: (STOP.set(), [s.shutdown() for s in servers])).start()
    try:
        servers[0].serve_forever(poll_interval=0.2)
    finally:
        STOP.set()
    return 0


if __name__ == "__main__":
    import signal
    signal.signal(signal.SIGTERM, lambda *_: os._exit(0))
    sys.exit(main())
