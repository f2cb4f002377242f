#include "support/esocial/esocial_test_support.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "support/peer.h"

namespace esocialtest {

std::string Schemas() { return std::string(NEMBO_SCHEMAS_DIR) + "/"; }

TComponente NovoComponente(bool comCertificado, esocial::TEmpregador tipo) {
  TComponente c;
  c.eSocial = dfe::TTrivoDFe::Criar<esocial::TTrivoeSocial>();
  c.pastaSalvar = testsupport::MakeTempDir("nembo-esocial");
  auto& conf = c.eSocial->Configuracoes();
  conf.Geral->SetVersaoDF(esocial::veS01_03_00);
  conf.Geral->SetTipoEmpregador(tipo);
  conf.Geral->SetIdEmpregador(tipo == esocial::tePessoaFisica ? kEmpregadorPessoaFisica : kEmpregador);
  conf.Arquivos->SetPathSchemas(Schemas());
  conf.Arquivos->SetPathSalvar(c.pastaSalvar);
  conf.Arquivos->SetSepararPorCNPJ(true);
  if (comCertificado) {
    conf.Geral->SetSSLCryptLib(dfe::cryOpenSSL);
    conf.Geral->SetSSLXmlSignLib(dfe::xsLibXml2);
    conf.Certificados->SetDadosPFX(testsupport::ReadFile(testsupport::PkiDir() + "/client.p12"));
    conf.Certificados->SetSenha("1234");
  }
  return c;
}

std::string IniServicos(const std::string& base, const std::vector<std::string>& semUrl) {
  const std::pair<const char*, const char*> servicos[] = {
      {"EnviarLoteEventos", "/servicos/empregador/enviarloteeventos/WsEnviarLoteEventos.svc"},
      {"ConsultarLoteEventos", "/servicos/empregador/consultarloteeventos/WsConsultarLoteEventos.svc"},
      {"ConsultarIdentificadoresEventos", "/servicos/empregador/dwlcirurgico/WsConsultarIdentificadoresEventos.svc"},
      {"DownloadEventos", "/servicos/empregador/dwlcirurgico/WsSolicitarDownloadEventos.svc"},
  };
  std::string ini;
  for (const char* secao : {"eSocial_H", "eSocial_P"}) {
    ini += std::string("[") + secao + "]\r\n";
    for (const auto& [servico, caminho] : servicos)
      if (std::find(semUrl.begin(), semUrl.end(), servico) == semUrl.end())
        ini += std::string(servico) + "=" + base + caminho + "\r\n";
  }
  return ini;
}

void ApontarServicos(TComponente& c, const std::string& base, const std::vector<std::string>& semUrl) {
  const std::string arquivo = testsupport::MakeTempDir("nembo-servicos") + "/TrivoeSocialServicos.ini";
  testsupport::WriteFile(arquivo, IniServicos(base, semUrl));
  c.eSocial->Configuracoes().Arquivos->SetIniServicos(arquivo);
}

std::string Evento(const std::string& elemento, const std::string& id, const std::vector<std::string>& grupos,
                   bool formatado) {
  const std::string nl = formatado ? "\n" : "";
  const std::string recuo = formatado ? "  " : "";
  std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + nl +
                    "<eSocial xmlns=\"http://www.esocial.gov.br/schema/evt/" + elemento + "/v_S_01_03_00\">" + nl +
                    recuo + "<" + elemento + " Id=\"" + id + "\">" + nl;
  for (const std::string& g : grupos) xml += recuo + recuo + g + nl;
  return xml + recuo + "</" + elemento + ">" + nl + "</eSocial>" + nl;
}

std::string EventoComAssinatura(const std::string& elemento, const std::string& id) {
  return "<eSocial xmlns=\"x\"><" + elemento + " Id=\"" + id + "\"><ideEvento/></" + elemento +
         "><Signature xmlns=\"http://www.w3.org/2000/09/xmldsig#\"><SignatureValue>AA==</SignatureValue>"
         "</Signature></eSocial>";
}

namespace {

const std::string kIdeEventoTabela =
    "<ideEvento><tpAmb>2</tpAmb><procEmi>1</procEmi><verProc>NEMBO 1.0</verProc>"
    "</ideEvento>";
const std::string kIdeEmpregador = "<ideEmpregador><tpInsc>1</tpInsc><nrInsc>12345678</nrInsc></ideEmpregador>";

}  // namespace

std::string IdEvento(int n) {
  const std::string seq = std::to_string(n);
  return "ID11234567800000020250101120000" + std::string(5 - std::min<std::size_t>(5, seq.size()), '0') + seq;
}

std::string EventoS1000(bool formatado, const std::string& verProc) {
  return Evento(
      "evtInfoEmpregador", "ID1123456780000002025010112000000001",
      {"<ideEvento><tpAmb>2</tpAmb><procEmi>1</procEmi><verProc>" + verProc + "</verProc></ideEvento>", kIdeEmpregador,
       "<infoEmpregador><exclusao><idePeriodo><iniValid>2024-01</iniValid></idePeriodo></exclusao>"
       "</infoEmpregador>"},
      formatado);
}

std::string EventoS1010(bool formatado) {
  return Evento("evtTabRubrica", "ID1123456780000002025010112000000002",
                {kIdeEventoTabela, kIdeEmpregador,
                 "<infoRubrica><exclusao><ideRubrica><codRubr>R001</codRubr><ideTabRubr>T1</ideTabRubr>"
                 "<iniValid>2024-01</iniValid></ideRubrica></exclusao></infoRubrica>"},
                formatado);
}

std::string EventoS1010Numerado(int n) {
  return Evento("evtTabRubrica", IdEvento(n),
                {kIdeEventoTabela, kIdeEmpregador,
                 "<infoRubrica><exclusao><ideRubrica><codRubr>R" + std::to_string(n) +
                     "</codRubr><ideTabRubr>T1</ideTabRubr><iniValid>2024-01</iniValid></ideRubrica></exclusao>"
                     "</infoRubrica>"});
}

std::string EventoS3000(bool formatado) {
  return Evento("evtExclusao", "ID1123456780000002025010112000000003",
                {kIdeEventoTabela, kIdeEmpregador,
                 "<infoExclusao><tpEvento>S-2200</tpEvento><nrRecEvt>1.2.0000000000000000001</nrRecEvt>"
                 "</infoExclusao>"},
                formatado);
}

std::string EventoS1299(bool formatado) {
  return Evento("evtFechaEvPer", "ID1123456780000002025010112000000004",
                {"<ideEvento><indApuracao>1</indApuracao><perApur>2024-01</perApur><tpAmb>2</tpAmb>"
                 "<procEmi>1</procEmi><verProc>NEMBO 1.0</verProc></ideEvento>",
                 kIdeEmpregador,
                 "<infoFech><evtRemun>S</evtRemun><evtPgtos>S</evtPgtos><evtComProd>N</evtComProd>"
                 "<evtContratAvNP>N</evtContratAvNP><evtInfoComplPer>N</evtInfoComplPer></infoFech>"},
                formatado);
}

std::string ComAssinaturaFicticia(std::string xml) {
  // Accepted by the signature schema; nothing checks its values here.
  static const std::string kAssinatura =
      "<Signature xmlns=\"http://www.w3.org/2000/09/xmldsig#\"><SignedInfo>"
      "<CanonicalizationMethod Algorithm=\"http://www.w3.org/TR/2001/REC-xml-c14n-20010315\"/>"
      "<SignatureMethod Algorithm=\"http://www.w3.org/2001/04/xmldsig-more#rsa-sha256\"/>"
      "<Reference URI=\"\"><DigestMethod Algorithm=\"http://www.w3.org/2001/04/xmlenc#sha256\"/>"
      "<DigestValue>AA==</DigestValue></Reference></SignedInfo><SignatureValue>AA==</SignatureValue></Signature>";
  return xml.insert(xml.rfind("</eSocial>"), kAssinatura);
}

bool Xmlsec1Aceita(const std::string& xml, std::string* saida) {
  static const std::string dir = testsupport::MakeTempDir("nembo-xmlsec");
  static int n = 0;
  const std::string arquivo = dir + "/doc" + std::to_string(++n) + ".xml";
  testsupport::WriteFile(arquivo, xml);
  return testsupport::RunCommand("xmlsec1 --verify --trusted-pem " + testsupport::PkiDir() + "/ca.crt " + arquivo,
                                 saida) == 0;
}

std::vector<std::string> Arquivos(const std::string& pasta) {
  std::vector<std::string> nomes;
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator(pasta, ec)) nomes.push_back(e.path().filename().string());
  std::sort(nomes.begin(), nomes.end());
  return nomes;
}

}  // namespace esocialtest
