#!/usr/bin/env bash
# The agent's main job end to end on this machine: installs what is missing, builds the
# agent, and runs it the way a browser does (through tests/peers/scripted_browser.py) against
# the local stand-ins of the company REST API (tests/peers/fake_api.py, HTTPS with a test CA)
# and of the government's eSocial services (tests/peers/soap_server.py, client certificates),
# with the employer's certificate in a test NSS database (tests/peers/nss_db.py).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/tools/install.sh"
cmake -S "$here" -B "$here/build" -G Ninja >/dev/null
cmake --build "$here/build" --target native.app.nembo
peers="$here/tests/peers"

work=$(mktemp -d -t nembo-demo-XXXXXX)
api_pid=""
soap_pid=""
cleanup() {
  if [ -n "$api_pid" ]; then kill "$api_pid" 2>/dev/null || true; fi
  if [ -n "$soap_pid" ]; then kill "$soap_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

python3 "$peers/pki.py" "$work/pki" >/dev/null
mkdir -p "$work/docs" "$work/drive_c/ValidadorSagres123/2024/importacao/5/folha"
cat >"$work/show_requests.py" <<'PY'
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
    if r["path"].endswith("/AtualizarLote/"):
        lote = json.loads(r["body"])["EsocialLoteXmlDTO"]
        evento = lote["EventosPendentesXmlDTO"][0]
        print("   body: batch %s, Status %s; event %s, Status %s, %s, receipt %s" % (
            lote["Id"], lote["Status"], evento["Id"], evento["Status"], evento["ResultadoProcessamento"],
            evento["NumeroRecibo"]))
    elif r["path"].endswith("/ProcessarLoteEnviado/"):
        lote = json.loads(r["body"])
        print("   body: batch %s, Status %s, NumeroProtocolo %s, event signed: %s" % (
            lote["Id"], lote["Status"], lote["NumeroProtocolo"],
            "<Signature" in lote["EventosPendentesXmlDTO"][0]["Xml"]))
    else:
        print("   body:", r["body"])
if not lines:
    print("(nothing)")
PY

# The employer's certificate (CNPJ 12345678000195) in an NSS database, chosen without a dialog.
python3 "$peers/nss_db.py" "$work/nss" "$work/pki" >/dev/null
export NEMBO_NSS_DB="sql:$work/nss/db"
export SOFTHSM2_CONF="$work/nss/softhsm2.conf"
NEMBO_CERT_SERIAL=$(openssl x509 -noout -serial -in "$work/pki/client.crt" | cut -d= -f2)
export NEMBO_CERT_SERIAL

# The eSocial SOAP stand-in: it accepts every batch (code 201) and answers a consultation with
# the government's reply of a processed batch, for the demo's event.
python3 - "$work" "$here/tests/data" <<'PY'
import json, sys
reply = ('<eSocial xmlns="http://www.esocial.gov.br/schema/lote/eventos/envio/retornoEnvio/v1_1_0">'
         '<retornoEnvioLoteEventos><status><cdResposta>201</cdResposta>'
         '<descResposta>Lote Recebido com Sucesso.</descResposta></status><dadosRecepcaoLote>'
         '<dhRecepcao>2025-01-10T10:00:00</dhRecepcao><versaoAplicativoRecepcao>1.0</versaoAplicativoRecepcao>'
         '<protocoloEnvio>1.2.202501.0000000000000000001</protocoloEnvio></dadosRecepcaoLote>'
         '</retornoEnvioLoteEventos></eSocial>')
action = ("http://www.esocial.gov.br/servicos/empregador/lote/eventos/envio/v1_1_0/"
          "ServicoEnviarLoteEventos/EnviarLoteEventos")
consult_action = ("http://www.esocial.gov.br/servicos/empregador/lote/eventos/envio/consulta/"
                  "retornoProcessamento/v1_1_0/ServicoConsultarLoteEventos/ConsultarLoteEventos")
processed = open(sys.argv[2] + "/gov-replies/retorno-processamento/sem-erros-processamento.xml").read()
processed = processed.replace("ID1005099680001482025040318000600000", "ID1123456780000002025010112000000001")
# A reply is taken only for the protocol asked: the sample's becomes the demo's batch's.
processed = processed.replace("1.2.202504.0000000000174654747", "1.2.202501.0000000000000000001")
json.dump({action: {"body": reply, "wrap": True}, consult_action: {"body": processed, "wrap": True}},
          open(sys.argv[1] + "/soap.json", "w"))
PY
python3 -u "$peers/soap_server.py" "$work/pki" "$work/soap.jsonl" --script "$work/soap.json" \
  --lifetime 300 >"$work/soap.out" &
soap_pid=$!
for _ in $(seq 100); do grep -q '^READY' "$work/soap.out" 2>/dev/null && break; sleep 0.1; done
soap_port=$(awk '/^READY/ {print $2}' "$work/soap.out")

# The agent's program folder as the install lays it out: the program, its schemas and the
# services INI; the save folder "Docs" appears beside them. The services INI is pointed at the
# stand-in, as an administrator would point it at another address.
cmake --install "$here/build" --prefix "$work/programa" >/dev/null
agent="$work/programa/native.app.nembo"
printf '[eSocial_P]\r\nEnviarLoteEventos=https://127.0.0.1:%s/servicos/empregador/enviarloteeventos/WsEnviarLoteEventos.svc\r\nConsultarLoteEventos=https://127.0.0.1:%s/servicos/empregador/consultarloteeventos/WsConsultarLoteEventos.svc\r\n' \
  "$soap_port" "$soap_port" >"$work/programa/TrivoeSocialServicos.ini"

# The API's scripted replies: an archive for the SAGRES validator, and one batch holding an
# unsigned S-1000 event to transmit and to sign.
python3 - "$work" <<'PY'
import base64, io, json, sys, zipfile
work = sys.argv[1]
event_id = "ID1123456780000002025010112000000001"
event = ('<?xml version="1.0" encoding="UTF-8"?><eSocial xmlns="http://www.esocial.gov.br/schema/evt/'
         'evtInfoEmpregador/v_S_01_03_00"><evtInfoEmpregador Id="%s"><ideEvento><tpAmb>1</tpAmb>'
         '<procEmi>1</procEmi><verProc>DEMO 1.0</verProc></ideEvento><ideEmpregador><tpInsc>1</tpInsc>'
         '<nrInsc>12345678</nrInsc></ideEmpregador><infoEmpregador><exclusao><idePeriodo>'
         '<iniValid>2024-01</iniValid></idePeriodo></exclusao></infoEmpregador></evtInfoEmpregador>'
         '</eSocial>' % event_id)
batch = {"Id": "lote-1", "Status": "COM_XML", "EventosPendentesXmlDTO": [
    {"Id": "evento-1", "TipoEvento": "evtTabela", "CodigoEvento": event_id, "Xml": event}]}
# The same batch once transmitted, as the API holds it under its protocol number.
sent = dict(batch, Status="ENVIADO", NumeroProtocolo="1.2.202501.0000000000000000001", Consulting=True,
            EventosPendentesXmlDTO=[dict(batch["EventosPendentesXmlDTO"][0], Status="ENVIADO")])
buf = io.BytesIO()
with zipfile.ZipFile(buf, "w", zipfile.ZIP_DEFLATED) as z:
    z.writestr("folha/202401.txt", "competencia 01/2024\n")
    z.writestr("leiame.txt", "arquivo de exemplo\n")
routes = {"/empresa/SfArquivoService/DownloadFileSagres/": [
    {"status": 200, "content_type": "application/octet-stream",
     "body_base64": base64.b64encode(buf.getvalue()).decode()}],
    "/empresa/EsocialLoteService/GetLotesGerados/": [{"json": {"value": [batch]}}],
    "/empresa/EsocialLoteService/GerarXmlEventosLote/": [{"status": 204}],
    "/empresa/EsocialLoteService/ProcessarLoteEnviado/": [{"status": 204}],
    "/empresa/EsocialLoteService/GetLotePorProtocolo/": [{"json": sent}],
    "/empresa/EsocialLoteService/AtualizarLote/": [{"status": 204}]}
json.dump({"routes": routes}, open(work + "/routes.json", "w"))
PY

python3 -u "$peers/fake_api.py" --pki "$work/pki" --script "$work/routes.json" \
  --record "$work/requests.jsonl" --lifetime 300 >"$work/api.out" &
api_pid=$!
for _ in $(seq 100); do grep -q '^READY' "$work/api.out" 2>/dev/null && break; sleep 0.1; done
port=$(awk '/^READY/ {print $2}' "$work/api.out")

export NEMBO_API_URL="https://127.0.0.1:$port"
export SSL_CERT_FILE="$work/pki/ca.crt"
# The eSocial stand-in's certificate comes from the test CA, which the agent trusts only so.
export NEMBO_ESOCIAL_CA_FILE="$work/pki/ca.crt"
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
python3 "$work/show_requests.py" "$work/requests.jsonl"

echo
echo "== 4. Transmit: the batch's event is signed, the batch sent to the eSocial stand-in and reported"
: >"$work/requests.jsonl"
browser --request "{\"command_id\":\"transmitir-1\",\"command_type\":\"transmitir_eventos_1.7\",\"token\":\"$token\"}"
echo "-- what the eSocial stand-in received:"
python3 - "$work/soap.jsonl" <<'PY'
import json, sys
for line in open(sys.argv[1]).read().splitlines():
    r = json.loads(line)
    print(r["method"], r["path"], "client:", r["client"])
    print("   SOAPAction:", r["action"])
    print("   body:", " / ".join(r["body_path"]))
PY
echo "-- the save folder: the signed event under the employer, the request and reply of the send:"
(cd "$work/programa/Docs" && find . -type f | sort)
echo "-- what the API received:"
python3 "$work/show_requests.py" "$work/requests.jsonl"

echo
echo "== 5. Consult the transmitted batch by its protocol: the results are written back to the API"
: >"$work/requests.jsonl"
browser --request "{\"command_id\":\"consultar-1\",\"command_type\":\"consultar_protocolo_1.7\",\"token\":\"$token\",\"protocolo\":\"1.2.202501.0000000000000000001\"}"
echo "-- what the API received:"
python3 "$work/show_requests.py" "$work/requests.jsonl"

echo
echo "== 6. Sign: the API generates the events, the agent signs them and reports them, sending nothing"
: >"$work/requests.jsonl"
browser --request "{\"command_id\":\"assinar-1\",\"command_type\":\"assinar_eventos_1.7\",\"token\":\"$token\"}"
echo "-- what the API received:"
python3 "$work/show_requests.py" "$work/requests.jsonl"
