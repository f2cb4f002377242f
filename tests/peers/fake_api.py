#!/usr/bin/env python3
"""A stand-in for the company REST API: HTTPS on 127.0.0.1 with the test PKI's server
certificate, scripted replies per route, and a record of every request.

    fake_api.py --pki DIR --script FILE --record FILE [--lifetime SECONDS]

The script is a JSON file, read again for every request so a test may change it while the
server runs:
    {"routes": {"/empresa/EsocialLoteService/GetLotesGerados/": [REPLY, REPLY, ...], ...}}
The replies of a route are served in order; the last one repeats. A path without a route gets
404 (text/plain). A REPLY is an object with:
    status        HTTP status (default 200)
    reason        reason phrase (default: the standard one)
    content_type  content-type value (default "application/json" when "json" is given)
    json          any JSON value, sent as the body
    body          text body (UTF-8)       body_base64   raw body bytes
    encoding      "gzip" or "deflate": compress the body and send that content-encoding
    generate      {"text": T, "bytes": N}: a body of T repeated to N bytes (no N: without end),
                  made while it is sent, without content-length, closing the connection after
                  it; with encoding "gzip" every repeat of a MiB compresses to the same few
                  bytes, so a small body inflates to N (rounded up to whole repeats)
    headers       object of extra reply headers
    delay         seconds to wait before replying
The record file gets one JSON line per request: {"method", "path", "headers": [[name, value],
...] in the order received, "body": text (UTF-8, invalid bytes replaced), "body_base64"}.
Prints "READY <port>" once it listens; exits by itself after --lifetime seconds (default 120).
"""
import argparse
import base64
import gzip
import http.server
import json
import os
import ssl
import struct
import sys
import threading
import time
import zlib


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--pki", required=True)
    ap.add_argument("--script", required=True)
    ap.add_argument("--record", required=True)
    ap.add_argument("--lifetime", type=float, default=120)
    args = ap.parse_args()

    lock = threading.Lock()
    served = {}

    def next_reply(path):
        try:
            with open(args.script, encoding="utf-8") as f:
                routes = json.load(f).get("routes", {})
        except FileNotFoundError:
            routes = {}
        replies = routes.get(path)
        if not replies:
            return {"status": 404, "content_type": "text/plain", "body": "no route " + path}
        with lock:
            n = served.get(path, 0)
            served[path] = n + 1
        return replies[min(n, len(replies) - 1)]

    class Handler(http.server.BaseHTTPRequestHandler):
        protocol_version = "HTTP/1.1"
        disable_nagle_algorithm = True

        def log_message(self, *a):
            pass

        def handle_any(self):
            length = int(self.headers.get("Content-Length") or 0)
            body = self.rfile.read(length) if length else b""
            entry = {
                "method": self.command,
                "path": self.path,
                "headers": [[k, v] for k, v in self.headers.raw_items()],
                "body": body.decode("utf-8", "replace"),
                "body_base64": base64.b64encode(body).decode(),
            }
            with lock:
                with open(args.record, "a", encoding="utf-8") as f:
                    f.write(json.dumps(entry) + "\n")
            reply = next_reply(self.path)
            if reply.get("delay"):
                time.sleep(float(reply["delay"]))
            if "generate" in reply:
                return self.send_generated(reply)
            ctype = reply.get("content_type")
            if "json" in reply:
                data = json.dumps(reply["json"], ensure_ascii=False).encode()
                ctype = ctype or "application/json"
            elif "body_base64" in reply:
                data = base64.b64decode(reply["body_base64"])
            else:
                data = reply.get("body", "").encode()
            enc = reply.get("encoding")
            if enc == "gzip":
                data = gzip.compress(data)
            elif enc == "deflate":
                data = zlib.compress(data)
            self.send_response(reply.get("status", 200), reply.get("reason"))
            if ctype:
                self.send_header("Content-Type", ctype)
            if enc:
                self.send_header("Content-Encoding", enc)
            for k, v in reply.get("headers", {}).items():
                self.send_header(k, v)
            self.send_header("Content-Length", str(len(data)))
            self.end_headers()
            self.wfile.write(data)

        def send_generated(self, reply):
            gen = reply["generate"]
            total = gen.get("bytes")
            text = gen.get("text", "0").encode()
            block = text * max(1, (1 << 20) // len(text))
            gz = reply.get("encoding") == "gzip"
            self.send_response(reply.get("status", 200), reply.get("reason"))
            self.send_header("Content-Type", reply.get("content_type", "application/octet-stream"))
            if gz:
                self.send_header("Content-Encoding", "gzip")
            self.send_header("Connection", "close")
            self.end_headers()
            self.close_connection = True
            # After a full flush the compressor starts afresh, so each further block
            # compresses to the same bytes: compressed once, sent as often as needed.
            co = zlib.compressobj(9, zlib.DEFLATED, 31)
            first = co.compress(block) + co.flush(zlib.Z_FULL_FLUSH)
            again = co.compress(block) + co.flush(zlib.Z_FULL_FLUSH)
            sent, crc = 0, 0
            try:
                while total is None or sent < total:
                    if gz:
                        self.wfile.write(first if sent == 0 else again)
                        if total is not None:
                            crc = zlib.crc32(block, crc)
                        sent += len(block)
                    else:
                        n = len(block) if total is None else min(len(block), total - sent)
                        self.wfile.write(block[:n])
                        sent += n
                if gz:
                    self.wfile.write(b"\x03\x00" + struct.pack("<II", crc, sent & 0xFFFFFFFF))
            except (BrokenPipeError, ConnectionResetError, ssl.SSLError):
                pass  # the client stopped reading

        do_POST = do_GET = do_PUT = do_DELETE = handle_any

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    ctx = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    ctx.load_cert_chain(os.path.join(args.pki, "server.crt"), os.path.join(args.pki, "server.key"))
    server.socket = ctx.wrap_socket(server.socket, server_side=True)
    threading.Timer(args.lifetime, lambda: os._exit(0)).start()
    print("READY %d" % server.server_address[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    sys.exit(main())
