#!/usr/bin/env python3
"""SOAP stand-in of the government's eSocial services, on the TLS and client-certificate
handling of the HTTPS stand-in (tls_server.py): it answers each request by its SOAP action
and records what it received.

    soap_server.py PKI_DIR RECORD_FILE --script FILE [--samples DIR] [--lifetime SECONDS]
                   [--server-cert NAME]

The script (read again for every request, so a test may write it after start) is a JSON object
from SOAP action (as the WSDL gives it, without quotes) to one reply or a list of replies used
in order, the last one repeating:
  {"status": 200, "body": "text"}      the body as given (status 200 when left out)
  {"sample": "gov-replies/a.xml"}      the body is that file of the samples folder, read in place
  "wrap": true                         the body (or sample) is a reply document: it goes, without
                                       its XML declaration, into <OpResult> inside <OpResponse>
                                       in the service's namespace, in a SOAP 1.1 envelope, where
                                       Op is the action's last part and the namespace the action
                                       up to "/Servico..."
  "escape": true                       with "wrap", the document goes in escaped as text
  {"fault": "text"}                    HTTP 500 with a SOAP 1.1 fault holding the text
  {"stall": true}                      never answers (until the stand-in stops)
  {"endless": true}, {"drip": SECONDS}  a body without end; the body a byte at a time (tls_server.py)
An action the script does not name gets HTTP 500 with a fault, as the real services answer it.

RECORD_FILE gets one JSON object per request, one a line: what tls_server.py records, plus
"action" (the SOAPAction header without its quotes) and "body_path": the Clark names
("{namespace}name") of the element below soap:Body and of the first child of each, three deep;
"xml_error" instead when the request does not parse. --server-cert NAME serves another
certificate of the PKI (tls_server.py)."""
import argparse
import json
import os
import sys
import threading
import xml.etree.ElementTree as ET
from xml.sax.saxutils import escape

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import tls_server  # noqa: E402

SOAP11 = "http://schemas.xmlsoap.org/soap/envelope/"


def body_path(body):
    root = ET.fromstring(body)
    node = root.find("{%s}Body" % SOAP11)
    path = []
    while node is not None and len(node) and len(path) < 3:
        node = node[0]
        path.append(node.tag)
    return path


def envelope(content):
    return ('<s:Envelope xmlns:s="%s"><s:Body>%s</s:Body></s:Envelope>' % (SOAP11, content))


def fault(text):
    return {"status": 500, "body": envelope(
        '<s:Fault><faultcode>s:Client</faultcode><faultstring xml:lang="pt-BR">%s</faultstring></s:Fault>'
        % escape(text))}


def wrapped(action, document, escaped):
    namespace, _, rest = action.partition("/Servico")
    operation = rest.rsplit("/", 1)[-1]
    document = document.strip()
    if document.startswith("<?xml"):
        document = document[document.index("?>") + 2:].lstrip()
    if escaped:
        document = escape(document, {'"': "&quot;"})
    return envelope('<%sResponse xmlns="%s"><%sResult>%s</%sResult></%sResponse>'
                    % (operation, namespace, operation, document, operation, operation))


class Server(tls_server.Server):
    samples = ""
    answered = None  # replies used so far, by action

    def reply_for(self, action):
        script = {}
        if os.path.exists(self.script):
            with open(self.script) as f:
                script = json.load(f)
        if action not in script:
            return fault("The message with Action '%s' cannot be processed at the receiver." % action)
        replies = script[action]
        if isinstance(replies, dict):
            replies = [replies]
        with self.lock:
            n = self.answered.get(action, 0)
            self.answered[action] = n + 1
        r = dict(replies[min(n, len(replies) - 1)])
        if "fault" in r:
            return fault(r["fault"])
        if "sample" in r:
            with open(os.path.join(self.samples, r["sample"]), encoding="utf-8") as f:
                r["body"] = f.read()
        if r.get("wrap"):
            r["body"] = wrapped(action, r.get("body", ""), r.get("escape"))
        return r


class Handler(tls_server.Handler):
    def handle_any(self):
        body, entry = self.read_request()
        action = self.headers.get("SOAPAction", "").strip()
        if len(action) >= 2 and action[0] == action[-1] == '"':
            action = action[1:-1]
        entry["action"] = action
        try:
            entry["body_path"] = body_path(body)
        except ET.ParseError as e:
            entry["xml_error"] = str(e)
        self.write_record(entry)
        self.send_reply(self.server.reply_for(action))

    do_POST = handle_any


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("pki")
    ap.add_argument("record")
    ap.add_argument("--script", required=True)
    ap.add_argument("--samples", default="")
    ap.add_argument("--lifetime", type=float, default=300)
    ap.add_argument("--server-cert", default="server")
    a = ap.parse_args()

    srv = Server(("127.0.0.1", 0), Handler)
    srv.record = a.record
    srv.script = a.script
    srv.samples = a.samples
    srv.lock = threading.Lock()
    srv.answered = {}
    srv.context = tls_server.tls_context(a.pki, False, True, a.server_cert)
    open(a.record, "a").close()
    return tls_server.run([srv], a.lifetime)


if __name__ == "__main__":
    import signal
    signal.signal(signal.SIGTERM, lambda *_: os._exit(0))
    sys.exit(main())
