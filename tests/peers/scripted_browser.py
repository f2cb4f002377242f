#!/usr/bin/env python3
"""Plays the browser: starts the agent as a native-messaging host, writes request frames to
its standard input and prints every reply frame it writes.

    scripted_browser.py AGENT [--request JSON]... [--close-at-once] [--timeout SECONDS]

Each --request is one frame (JSON text, sent as UTF-8). Like a browser, it keeps the agent's
input open until the first reply has arrived and then closes it; --close-at-once closes it
right after writing. Output: one line "REPLY <json>" per reply frame, then "EXIT <code>".
Exits non-zero when the agent does not end within --timeout seconds (default 30).
"""
import argparse
import select
import struct
import subprocess
import sys
import time


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("agent")
    ap.add_argument("--request", action="append", default=[])
    ap.add_argument("--close-at-once", action="store_true")
    ap.add_argument("--timeout", type=float, default=30)
    args = ap.parse_args()

    agent = subprocess.Popen([args.agent], stdin=subprocess.PIPE, stdout=subprocess.PIPE)
    for r in args.request:
        data = r.encode("utf-8")
        agent.stdin.write(struct.pack("<i", len(data)) + data)
    agent.stdin.flush()
    if args.close_at_once:
        agent.stdin.close()

    deadline = time.monotonic() + args.timeout
    buf = b""
    out = agent.stdout.fileno()
    while True:
        left = deadline - time.monotonic()
        if left <= 0:
            agent.kill()
            print("TIMEOUT", flush=True)
            return 2
        ready, _, _ = select.select([out], [], [], left)
        if not ready:
            continue
        chunk = agent.stdout.read1(65536) if hasattr(agent.stdout, "read1") else b""
        if not chunk:
            break
        buf += chunk
        while len(buf) >= 4:
            (n,) = struct.unpack("<i", buf[:4])
            if len(buf) < 4 + n:
                break
            print("REPLY " + buf[4:4 + n].decode("utf-8", "replace"), flush=True)
            buf = buf[4 + n:]
            if not agent.stdin.closed:
                agent.stdin.close()
    try:
        code = agent.wait(max(0.1, deadline - time.monotonic()))
    except subprocess.TimeoutExpired:
        agent.kill()
        print("TIMEOUT", flush=True)
        return 2
    print("EXIT %d" % code, flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
