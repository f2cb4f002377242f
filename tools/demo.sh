#!/usr/bin/env bash
# The agent's main job end to end on this machine: installs what is missing, builds the
# agent, and runs it the way a browser does (through tests/peers/scripted_browser.py) against
# the local stand-in of the company REST API (tests/peers/fake_api.py, HTTPS with a test CA).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/tools/install.sh"
cmake -S "$here" -B "$here/build" -G Ninja >/dev/null
cmake --build "$here/build" --target native.app.nembo
agent="$here/build/agent/native.app.nembo"
peers="$here/tests/peers"

work=$(mktemp -d -t nembo-demo-XXXXXX)
api_pid=""
cleanup() {
  if [ -n "$api_pid" ]; then kill "$api_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

python3 "$peers/pki.py" "$work/pki" >/dev/null
mkdir -p "$work/docs" "$work/drive_c/ValidadorSagres123/2024/importacao/5/folha"

# The API's scripted replies: an archive for the SAGRES validator.
python3 - "$work" <<'PY'
import base64, io, json, sys, zipfile
work = sys.argv[1]
buf = io.BytesIO()
with zipfile.ZipFile(buf, "w", zipfile.ZIP_DEFLATED) as z:
    z.writestr("folha/202401.txt", "competencia 01/2024\n")
    z.writestr("leiame.txt", "arquivo de exemplo\n")
routes = {"/empresa/SfArquivoService/DownloadFileSagres/": [
    {"status": 200, "content_type": "application/octet-stream",
     "body_base64": base64.b64encode(buf.getvalue()).decode()}]}
json.dump({"routes": routes}, open(work + "/routes.json", "w"))
PY

python3 -u "$peers/fake_api.py" --pki "$work/pki" --script "$work/routes.json" \
  --record "$work/requests.jsonl" --lifetime 300 >"$work/api.out" &
api_pid=$!
for _ in $(seq 100); do grep -q '^READY' "$work/api.out" 2>/dev/null && break; sleep 0.1; done
port=$(awk '/^READY/ {print $2}' "$work/api.out")

export NEMBO_API_URL="https://127.0.0.1:$port"
export SSL_CERT_FILE="$work/pki/ca.crt"
export XDG_DOCUMENTS_DIR="$work/docs"
export NEMBO_DRIVE_C="$work/drive_c"
token="eyJhbGciOiJIUzI1NiJ9.$(printf '{"empresa":{"slug":"empresa-demo"}}' | base64 -w0 | tr '+/' '-_' | tr -d '=').assinatura"

browser() { (cd "$work" && python3 "$peers/scripted_browser.py" "$agent" --timeout 30 "$@"); }

echo
echo "== 1. A request that is no request (null): the host's own reply"
browser --request 'null'

echo
echo "== 2. An unknown command type: reply, and an error file in the Documents folder"
browser --request '{"command_id":"42","command_type":"x","token":""}'
ls "$work/docs"

echo
echo "== 3. Unpack an archive for the SAGRES validator: a REST round trip over HTTPS"
browser --request "{\"command_id\":\"arquivo-1\",\"command_type\":\"descompactar_sagres_validador_1.7\",\"token\":\"$token\",\"protocolo\":\"2024/123-05\"}"
echo "-- import folder:"
(cd "$work/drive_c" && find . -type f | sort)
echo "-- what the API received:"
python3 - "$work/requests.jsonl" <<'PY'
import json, sys
try:
    lines = open(sys.argv[1]).read().splitlines()
except FileNotFoundError:
    lines = []
for line in lines:
    r = json.loads(line)
    print(r["method"], r["path"])
    for k, v in r["headers"]:
        print("   %s: %s" % (k, v))
    print("   body:", r["body"])
if not lines:
    print("(nothing)")
PY
