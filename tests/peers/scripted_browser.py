#!/usr/bin/env python3
"""Plays the browser: starts the agent as a native-messaging host, writes request frames to
its standard input and prints every reply frame it writes.

    scripted_browser.py AGENT [--request JSON]... [--next [--request JSON]...]...
                        [--close-at-once] [--timeout SECONDS]

Each --request is one frame (JSON text, sent as UTF-8). Like a browser, it keeps the agent's
input open until the first reply has arrived and then closes it; --close-at-once closes it
right after writing. Output: one line "REPLY <json>" per reply frame, then "EXIT <code>".
--next starts the agent again, once the previous one has ended, for the requests that follow
it (saves a Python start-up per run in tests); each run prints its own lines.
Exits non-zero when an agent does not end within --timeout seconds (default 30, per run).
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
    ap.add_argument("--request", dest="steps", action="append", default=[])
    ap.add_argument("--next", dest="steps", action="append_const", const=None)
    ap.add_argument("--close-at-once", action="store_true")
    ap.add_argument("--timeout", type=float, default=30)
    args = ap.parse_args()

    runs = [[]]
    for step in args.steps:
        if step is None:
            runs.append([])
        else:
            runs[-1].append(step)
    for requests in runs:
        code = run(args, requests)
        if code != 0:
            return code
    return 0


def run(args, requests):
    agent = subprocess.Popen([args.agent], stdin=subprocess.PIPE, stdout=subprocess.PIPE)
    for r in requests:
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
