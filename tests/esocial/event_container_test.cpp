// The eSocial component's event container and groups: loading, cutting, recognising,
// signing, validating and saving events, the generated-files list, and what a failed load
// leaves behind.
#include "esocial/event_container.h"

#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "dfe/exceptions.h"
#include "dfe/ssl.h"
#include "esocial/event_base.h"
#include "esocial/events/event_registry.h"
#include "esocial/events/non_periodic/s2240_exposure_to_risk.h"
#include "esocial/events/non_periodic/s3000_event_exclusion.h"
#include "esocial/events/tables_periodic/s1000_employer_information.h"
#include "esocial/events/tables_periodic/s1207_own_pension_benefits.h"
#include "esocial/events/tables_periodic/s1299_periodic_closing.h"
#include "platform/strings.h"
#include "support/esocial/esocial_test_support.h"
#include "support/message_of.h"
#include "support/peer.h"

namespace fs = std::filesystem;
using namespace esocial;
using esocialtest::EventoComAssinatura;
using testsupport::MessageOf;

namespace {

std::string Id(int n) { return esocialtest::IdEvento(n); }

// What a test checks of the container after a load.
struct TEstado {
  int count;
  std::vector<std::string> arquivos;  // in the employer's folder
  std::vector<std::string> gerados;   // PathNome file names, in order

  bool operator==(const TEstado&) const = default;
  friend void PrintTo(const TEstado& e, std::ostream* os) {
    *os << e.count << " events; files";
    for (const auto& a : e.arquivos) *os << " " << a;
    *os << "; generated";
    for (const auto& g : e.gerados) *os << " " << g;
  }
};

TEstado Estado(const esocialtest::TComponente& c) {
  TEstado e{c.Eventos().Count(), esocialtest::Arquivos(c.PastaEmpregador()), {}};
  for (int i = 0; i < c.Eventos().Gerados().Count(); ++i)
    e.gerados.push_back(fs::path(c.Eventos().Gerados().GetItem(i).PathNome).filename().string() + ".xml");
  return e;
}

// The event files written into a folder: each write ends with a file put in place under its
// name, by a rename or by closing it after writing.
class TEscritas {
 public:
  explicit TEscritas(const std::string& pasta) : FFd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    fs::create_directories(pasta);
    if (FFd < 0 || inotify_add_watch(FFd, pasta.c_str(), IN_MOVED_TO | IN_CLOSE_WRITE) < 0)
      throw std::runtime_error("inotify is not available");
  }
  ~TEscritas() { close(FFd); }
  // The names of the event files written since the last call, in order.
  std::vector<std::string> Novas() {
    std::vector<std::string> nomes;
    alignas(inotify_event) char buffer[64 * 1024];
    for (ssize_t n; (n = read(FFd, buffer, sizeof buffer)) > 0;)
      for (ssize_t i = 0; i < n;) {
        const auto* e = reinterpret_cast<const inotify_event*>(buffer + i);
        const std::string nome = e->len > 0 ? e->name : "";
        if (nome.ends_with(".xml")) nomes.push_back(nome);
        i += static_cast<ssize_t>(sizeof(inotify_event) + e->len);
      }
    return nomes;
  }

 private:
  int FFd;
};

// Gerados with the bytes of each file it names, and every file of the folder.
struct TSalvo {
  std::vector<std::tuple<TTipoEvento, std::string, std::string, std::string>> gerados;
  std::map<std::string, std::string> arquivos;
  bool operator==(const TSalvo&) const = default;
};

TSalvo Salvo(const esocialtest::TComponente& c) {
  TSalvo s;
  const TGeradosCollection& g = c.Eventos().Gerados();
  for (int i = 0; i < g.Count(); ++i)
    s.gerados.emplace_back(g.GetItem(i).TipoEvento, g.GetItem(i).PathNome, g.GetItem(i).XML, g.GetItem(i).idEvento);
  for (const std::string& nome : esocialtest::Arquivos(c.PastaEmpregador()))
    s.arquivos[nome] = testsupport::ReadFile(c.PastaEmpregador() + "/" + nome);
  return s;
}

}  // namespace

TEST(EventContainer, TheComponent) {
  auto c = esocialtest::NovoComponente(false);
  EXPECT_EQ(c.eSocial->GetNomeModeloDFe(), "eSocial");
  EXPECT_EQ(c.eSocial->SSL().SSLDgst(), dfe::dgstSHA256);
  EXPECT_EQ(&c.eSocial->Configuracoes(), &c.eSocial->dfe::TTrivoDFe::Configuracoes());
  EXPECT_EQ(c.Eventos().Count(), 0);
  EXPECT_EQ(c.Eventos().Gerados().Count(), 0);
}

// One unsigned document per group, loaded against the group order, each as one line and
// indented: signed, validated, saved and listed in group and list order.
TEST(EventContainer, SignsValidatesSavesAndListsInGroupOrder) {
  for (bool formatado : {false, true}) {
    SCOPED_TRACE(formatado ? "indented" : "one line");
    auto c = esocialtest::NovoComponente();
    for (const std::string& xml : {esocialtest::EventoS1299(formatado), esocialtest::EventoS3000(formatado),
                                   esocialtest::EventoS1010(formatado), esocialtest::EventoS1000(formatado)}) {
      std::istringstream fluxo(xml);
      EXPECT_TRUE(c.Eventos().LoadFromStream(fluxo));
    }
    // A signed document is kept byte for byte and not validated (this one breaks its schema).
    const std::string assinado = EventoComAssinatura("evtTabRubrica", Id(9));
    EXPECT_TRUE(c.Eventos().LoadFromString(assinado));

    const std::vector<std::pair<std::string, std::string>> esperados = {
        {Id(1), "S-1000-0"}, {Id(2), "S-1010-0"}, {Id(9), "S-1010-1"}, {Id(3), "S-3000-0"}, {Id(4), "S-1299-0"}};
    TGeradosCollection& gerados = c.Eventos().Gerados();
    ASSERT_EQ(gerados.Count(), 5);
    std::vector<std::string> nomes;
    for (int i = 0; i < gerados.Count(); ++i) {
      const TGeradosCollectionItem& g = gerados.GetItem(i);
      const std::string digitos = esperados[i].first.substr(2);
      const std::string nome = digitos + "-" + esperados[i].second;
      nomes.push_back(nome + ".xml");
      EXPECT_EQ(g.PathNome, c.PastaEmpregador() + "/" + nome);
      EXPECT_EQ(g.idEvento, digitos);
      EXPECT_EQ(testsupport::ReadFile(g.PathNome + ".xml"), platform::StringReplace(g.XML, "\n", "\r\n") + "\r\n");
      if (g.XML == assinado) continue;
      std::string saida;
      EXPECT_TRUE(esocialtest::Xmlsec1Aceita(g.XML, &saida)) << saida;
      EXPECT_NE(g.XML.find("SignatureMethod Algorithm=\"http://www.w3.org/2001/04/xmldsig-more#rsa-sha256\""),
                std::string::npos);
    }
    // The files, by name: in the order of their identifiers.
    EXPECT_EQ(esocialtest::Arquivos(c.PastaEmpregador()),
              (std::vector<std::string>{nomes[0], nomes[1], nomes[3], nomes[4], nomes[2]}));
    EXPECT_EQ(gerados.GetItem(2).XML, assinado);
    EXPECT_EQ(gerados.GetItem(1).TipoEvento, teS1010);
    EXPECT_EQ(c.Eventos().Iniciais().S1000().GetItem(0).evtInfoEmpregador().XML(), gerados.GetItem(0).XML);
  }
}

// Loading events one by one writes each event's file once, not every held event's at each
// load; a held event whose document changed is written again with the next load. What ends up
// in Gerados and on disk is what saving every event anew gives.
TEST(EventContainer, EachLoadWritesOnlyTheFilesOfNewOrChangedEvents) {
  auto c = esocialtest::NovoComponente();
  TEscritas escritas(c.PastaEmpregador());
  // Of every group, so that new entries of Gerados fall between the earlier ones.
  const std::string elementos[] = {"evtFechaEvPer", "evtExclusao", "evtInfoEmpregador", "evtTabLotacao"};
  const int n = 14;
  auto nomeDoArquivo = [&](int i) {
    const TGeradosCollectionItem* achado = nullptr;
    for (int k = 0; k < c.Eventos().Gerados().Count(); ++k)
      if ("ID" + c.Eventos().Gerados().GetItem(k).idEvento == Id(i)) achado = &c.Eventos().Gerados().GetItem(k);
    return achado ? fs::path(achado->PathNome).filename().string() + ".xml" : "(not in Gerados)";
  };
  for (int i = 0; i < n; ++i) {
    // Two are unsigned and get signed as they load.
    const std::string doc =
        i % 7 == 3 ? esocialtest::EventoS1010Numerado(i) : EventoComAssinatura(elementos[i % 4], Id(i));
    std::istringstream fluxo(doc);
    ASSERT_TRUE(c.Eventos().LoadFromStream(fluxo));
    EXPECT_EQ(escritas.Novas(), std::vector<std::string>{nomeDoArquivo(i)}) << i;
  }
  ASSERT_EQ(c.Eventos().Gerados().Count(), n);
  const TSalvo aposCargas = Salvo(c);
  EXPECT_EQ(aposCargas.arquivos.size(), static_cast<std::size_t>(n));
  c.Eventos().SaveToFiles();
  EXPECT_EQ(escritas.Novas().size(), static_cast<std::size_t>(n));
  EXPECT_EQ(Salvo(c), aposCargas);

  // A changed document is written again with the next load, beside the new event's.
  const std::string alterado =
      platform::StringReplace(EventoComAssinatura("evtExclusao", Id(1)), "<ideEvento/>", "<ideEvento>2</ideEvento>");
  c.Eventos().NaoPeriodicos().S3000().GetItem(0).EvtExclusao().SetXML(alterado);
  ASSERT_TRUE(c.Eventos().LoadFromString(EventoComAssinatura("evtFechaEvPer", Id(n))));
  EXPECT_EQ(escritas.Novas(), (std::vector<std::string>{nomeDoArquivo(1), nomeDoArquivo(n)}));
  EXPECT_EQ(testsupport::ReadFile(c.PastaEmpregador() + "/" + nomeDoArquivo(1)), alterado + "\r\n");
  const TSalvo aposAlteracao = Salvo(c);
  c.Eventos().SaveToFiles();
  EXPECT_EQ(Salvo(c), aposAlteracao);
  escritas.Novas();

  // A cleared container writes anew what it loads.
  c.Eventos().Clear();
  ASSERT_TRUE(c.Eventos().LoadFromString(EventoComAssinatura("evtExclusao", Id(1))));
  EXPECT_EQ(escritas.Novas(), std::vector<std::string>{nomeDoArquivo(1)});
}

TEST(EventContainer, AFailedLoadLeavesTheContainerAsItWas) {
  using Preparar = std::function<void(esocialtest::TComponente&)>;
  struct Caso {
    std::string nome;
    Preparar preparar;
    std::string documento;
    std::string mensagem;  // the whole text; with a final "...", what it starts with
  };
  const std::string curto = "Falha na validação dos dados do evento: evtExclusao-v_S_01_03_00\r\n";
  const std::string s3000Invalido =
      platform::StringReplace(esocialtest::EventoS3000(), "1.2.0000000000000000001", "recibo");
  auto semPasta = [](esocialtest::TComponente& c) {
    fs::remove_all(c.PastaEmpregador());
    testsupport::WriteFile(c.PastaEmpregador(), "um arquivo no lugar da pasta");
  };
  for (const auto& caso : {
           Caso{"schema breach, full text", nullptr, s3000Invalido, curto + "\r\n..."},
           Caso{"schema breach, short text",
                [](auto& c) { c.eSocial->Configuracoes().Geral->SetExibirErroSchema(false); }, s3000Invalido, curto},
           Caso{"no cryptography library",
                [](auto& c) { c.eSocial->Configuracoes().Geral->SetSSLCryptLib(dfe::cryNone); },
                esocialtest::EventoS1000(),
                "Necessário DigestMethod Algorithm SHA256. use cryOpenSSL ou cryWinCrypt na propriedade SSLCryptLib."},
           Caso{"no signing library", [](auto& c) { c.eSocial->Configuracoes().Geral->SetSSLXmlSignLib(dfe::xsNone); },
                esocialtest::EventoS1000(),
                "Necessário DigestMethod Algorithm SHA256. use xsXmlSec ou xsLibXml2 na propriedade SSLXmlSignLib."},
           Caso{"save where the employer folder cannot be made", semPasta, EventoComAssinatura("evtExclusao", Id(2)),
                "..."},
           // The new event's file is written before the earlier event, whose document changed,
           // fails to be written again.
           Caso{"save failing after the new event's file",
                [](auto& c) {
                  const std::string arquivo = c.Eventos().Gerados().GetItem(0).PathNome + ".xml";
                  fs::remove(arquivo);
                  fs::create_directory(arquivo);
                  c.Eventos().Periodicos().S1299().GetItem(0).EvtFechaEvPer().SetXML(
                      EventoComAssinatura("evtFechaEvPer", Id(1)) + "\n");
                },
                EventoComAssinatura("evtInfoEmpregador", Id(2)), "..."},
           Caso{"an INI reader that raises", nullptr, "[evtInfoEmpregador]\nId=" + Id(2) + "\nModoLancamento=x\n",
                "INI: valor inválido em [evtInfoEmpregador] ModoLancamento: \"x\""},
       }) {
    SCOPED_TRACE(caso.nome);
    auto c = esocialtest::NovoComponente();
    ASSERT_TRUE(c.Eventos().LoadFromString(EventoComAssinatura("evtFechaEvPer", Id(1))));
    if (caso.preparar) caso.preparar(c);
    const TEstado antes = Estado(c);
    const std::string gravadoAntes = c.Eventos().Gerados().GetItem(0).XML;
    const std::string msg = MessageOf([&] {
      if (caso.documento.starts_with("["))
        c.Eventos().LoadFromStringINI(caso.documento);
      else
        c.Eventos().LoadFromString(caso.documento);
    });
    if (caso.mensagem.ends_with("...")) {
      const std::string inicio = caso.mensagem.substr(0, caso.mensagem.size() - 3);
      EXPECT_NE(msg, testsupport::kNoError);
      EXPECT_TRUE(platform::StartsText(inicio, msg)) << msg;
      EXPECT_GT(msg.size(), inicio.size());
    } else {
      EXPECT_EQ(msg, caso.mensagem);
    }
    EXPECT_EQ(Estado(c), antes);
    EXPECT_EQ(c.Eventos().Gerados().GetItem(0).XML, gravadoAntes);
    EXPECT_EQ(c.Eventos().Periodicos().S1299().Count(), 1);
    EXPECT_EQ(c.Eventos().NaoPeriodicos().S3000().Count() + c.Eventos().Iniciais().S1000().Count(), 0);
  }
}

// A group on its own drops the event whose load failed as well.
TEST(EventContainer, AGroupDropsTheEventItFailedToLoad) {
  auto c = esocialtest::NovoComponente();
  c.eSocial->Configuracoes().Geral->SetSSLXmlSignLib(dfe::xsNone);
  EXPECT_THROW(c.Eventos().NaoPeriodicos().LoadFromString(esocialtest::EventoS3000()), dfe::ETrivoeSocialException);
  EXPECT_EQ(c.Eventos().NaoPeriodicos().Count(), 0);
  EXPECT_THROW(c.Eventos().Iniciais().LoadFromIni("[evtInfoEmpregador]\nId=" + Id(1) + "\n"),
               dfe::ETrivoeSocialException);
  EXPECT_EQ(c.Eventos().Iniciais().Count(), 0);
}

// "ID=" in a text field names no identifier: the event is signed over the whole document.
TEST(EventContainer, IdInFreeTextSignsWithAnEmptyReference) {
  auto c = esocialtest::NovoComponente();
  for (const char* verProc : {"Ref ID=7", "Ref ID=\"X9\""}) {
    ASSERT_TRUE(c.Eventos().LoadFromString(esocialtest::EventoS1000(false, verProc)));
    const std::string& xml = c.Eventos().Gerados().GetItem(c.Eventos().Gerados().Count() - 1).XML;
    EXPECT_NE(xml.find("<Reference URI=\"\">"), std::string::npos) << xml;
    std::string saida;
    EXPECT_TRUE(esocialtest::Xmlsec1Aceita(xml, &saida)) << saida;
  }
}

TEST(EventContainer, CuttingTheTextIntoDocuments) {
  const std::string d1 = EventoComAssinatura("evtInfoEmpregador", Id(1));
  const std::string d2 = EventoComAssinatura("evtExclusao", Id(2));
  const std::string lote =
      "<eSocial xmlns=\"http://www.esocial.gov.br/schema/lote/eventos/envio/v1_1_1\"><envioLoteEventos grupo=\"1\">"
      "<ideEmpregador><tpInsc>1</tpInsc><nrInsc>12345678</nrInsc></ideEmpregador>"
      "<ideTransmissor><tpInsc>1</tpInsc><nrInsc>12345678000195</nrInsc></ideTransmissor><eventos>"
      "<evento Id=\"" +
      Id(1) + "\">" + d1 + "</evento>\r\n <evento Id=\"" + Id(2) + "\">" + d2 + "</evento><evento Id=\"" + Id(3) +
      "\"><outro/></evento></eventos></envioLoteEventos></eSocial>";
  struct Caso {
    std::string nome, texto;
    bool salvar, antesUmEvento, resultado;
    int count, gerados;
  };
  for (const auto& caso : {
           Caso{"two documents, text after them ignored", d1 + " \r\n\t" + d2 + "\n<lixo/>", true, false, true, 2, 2},
           Caso{"batch with an evento without eSocial", lote, true, false, true, 2, 2},
           Caso{"neither marker", "<eSocial><evtExclusao Id=\"" + Id(4) + "\"/>", true, false, false, 0, 0},
           Caso{"closing tag in capitals", platform::StringReplace(d1, "</eSocial>", "</ESOCIAL>"), true, false, false,
                0, 0},
           Caso{"saving off", d1 + d2, false, false, true, 2, 0},
           Caso{"unrecognised type, empty container", EventoComAssinatura("evtDesconhecido", Id(5)), true, false, false,
                0, 0},
           Caso{"unrecognised type, one event held", EventoComAssinatura("evtDesconhecido", Id(5)), true, true, true, 1,
                1},
       }) {
    SCOPED_TRACE(caso.nome);
    auto c = esocialtest::NovoComponente(false);
    c.eSocial->Configuracoes().Arquivos->SetSalvar(caso.salvar);
    if (caso.antesUmEvento) c.Eventos().LoadFromString(EventoComAssinatura("evtRemun", Id(6)));
    EXPECT_EQ(c.Eventos().LoadFromString(caso.texto), caso.resultado);
    EXPECT_EQ(c.Eventos().Count(), caso.count);
    EXPECT_EQ(c.Eventos().Gerados().Count(), caso.gerados);
    EXPECT_EQ(static_cast<int>(esocialtest::Arquivos(c.PastaEmpregador()).size()), caso.gerados);
  }

  // Documents keep what surrounds them up to their closing tag; a batch gives just the eSocial
  // element.
  auto c = esocialtest::NovoComponente(false);
  c.Eventos().LoadFromString(" \n" + d1 + "\n" + d2);
  EXPECT_EQ(c.Eventos().Iniciais().S1000().GetItem(0).evtInfoEmpregador().XML(), " \n" + d1);
  c.Eventos().Clear();
  EXPECT_EQ(c.Eventos().Count() + c.Eventos().Gerados().Count(), 0);
  c.Eventos().LoadFromString(lote);
  EXPECT_EQ(c.Eventos().Iniciais().S1000().GetItem(0).evtInfoEmpregador().XML(), d1);
}

// The documents of a text as the container loads them, whatever their number.
TEST(EventContainer, TheDocumentsOfAText) {
  using Docs = std::vector<std::string_view>;
  const std::string lote =
      "<envioLoteEventos><eventos> <evento Id=\"1\"> <eSocial>a</eSocial> </evento>"
      "<evento Id=\"2\"><outro/></evento>\r\n<evento Id=\"3\"><eSocial xmlns='n'>b</eSocial>"
      "</evento></eventos></envioLoteEventos>";
  struct Caso {
    const char* nome;
    std::string texto;
    Docs documentos;
  };
  const Caso casos[] = {
      {"a series",
       " <eSocial>a</eSocial>\n\t<eSocial>b</eSocial> resto",
       {" <eSocial>a</eSocial>", "<eSocial>b</eSocial>"}},
      {"nothing closed", "<eSocial>a</ESOCIAL>", {}},
      {"a batch: the eSocial of each evento, empty where there is none",
       lote,
       {"<eSocial>a</eSocial>", "", "<eSocial xmlns='n'>b</eSocial>"}},
      {"a batch whose evento elements never close: blocks of eight characters",
       "<envioLoteEventos><eventos><evento Id=<evento Id=</eventos></envioLoteEventos>",
       {"", ""}},
      {"a batch without eventos", "<envioLoteEventos></envioLoteEventos><eSocial>a</eSocial>", {}},
  };
  for (const auto& caso : casos) EXPECT_EQ(CortarDocumentos(caso.texto), caso.documentos) << caso.nome;
  std::string muitos;
  for (int i = 0; i < 100000; ++i) muitos += "</eSocial>";
  EXPECT_EQ(CortarDocumentos(muitos).size(), 100000u);
}

TEST(EventContainer, AStreamIsReadWholeFromItsStart) {
  auto c = esocialtest::NovoComponente(false);
  // Bytes that are not UTF-8 are taken as Windows-1252.
  const std::string latin1 = platform::StringReplace(EventoComAssinatura("evtInfoEmpregador", Id(1)), "<ideEvento/>",
                                                     "<ideEvento>a\xE7\xE3o</ideEvento>");
  std::istringstream fluxo(latin1);
  fluxo.seekg(0, std::ios::end);
  std::string lido;
  fluxo >> lido;  // at its end, and failed
  EXPECT_TRUE(c.Eventos().LoadFromStream(fluxo));
  EXPECT_NE(c.Eventos().Gerados().GetItem(0).XML.find("<ideEvento>ação</ideEvento>"), std::string::npos);
}

// Documents that already hold a signature land in the list of their type, under the version
// that recognises their element; the others are dropped.
TEST(EventContainer, RoutingOfEveryType) {
  struct Linha {
    std::string elemento;
    TTipoEvento tipo;
    TTipoGrupo grupo;
    TVersaoeSocial versao;
  };
  using G = TTipoGrupo;
  const TVersaoeSocial S1 = veS01_03_00, V2 = ve02_05_00;
  const std::vector<Linha> linhas = {
      {"evtInfoEmpregador", teS1000, G::Iniciais, S1},
      {"evtTabEstab", teS1005, G::Iniciais, S1},
      {"evtTabRubrica", teS1010, G::Tabelas, S1},
      {"evtTabLotacao", teS1020, G::Tabelas, S1},
      {"evtTabCargo", teS1030, G::Tabelas, V2},
      {"evtTabCarreira", teS1035, G::Tabelas, V2},
      {"evtTabFuncao", teS1040, G::Tabelas, V2},
      {"evtTabHorTur", teS1050, G::Tabelas, V2},
      {"evtTabAmbiente", teS1060, G::Tabelas, V2},
      {"evtTabProcesso", teS1070, G::Tabelas, S1},
      {"evtTabOperPort", teS1080, G::Tabelas, V2},
      {"evtAdmPrelim", teS2190, G::NaoPeriodicos, S1},
      {"evtAdmissao", teS2200, G::NaoPeriodicos, S1},
      {"evtAltCadastral", teS2205, G::NaoPeriodicos, S1},
      {"evtAltContratual", teS2206, G::NaoPeriodicos, S1},
      {"evtCAT", teS2210, G::NaoPeriodicos, S1},
      {"evtMonit", teS2220, G::NaoPeriodicos, S1},
      {"evtToxic", teS2221, G::NaoPeriodicos, S1},
      {"evtAfastTemp", teS2230, G::NaoPeriodicos, S1},
      {"evtCessao", teS2231, G::NaoPeriodicos, S1},
      {"evtExpRisco", teS2240, G::NaoPeriodicos, S1},
      {"evtTreiCap", teS2245, G::NaoPeriodicos, V2},
      {"evtAvPrevio", teS2250, G::NaoPeriodicos, V2},
      {"evtConvInterm", teS2260, G::NaoPeriodicos, V2},
      {"evtReintegr", teS2298, G::NaoPeriodicos, S1},
      {"evtDeslig", teS2299, G::NaoPeriodicos, S1},
      {"evtTSVInicio", teS2300, G::NaoPeriodicos, S1},
      {"evtTSVAltContr", teS2306, G::NaoPeriodicos, S1},
      {"evtTSVTermino", teS2399, G::NaoPeriodicos, S1},
      {"evtCdBenefIn", teS2400, G::NaoPeriodicos, S1},
      {"evtCdBenefAlt", teS2405, G::NaoPeriodicos, S1},
      {"evtCdBenIn", teS2410, G::NaoPeriodicos, S1},
      {"evtCdBenAlt", teS2416, G::NaoPeriodicos, S1},
      {"evtReativBen", teS2418, G::NaoPeriodicos, S1},
      {"evtCdBenTerm", teS2420, G::NaoPeriodicos, S1},
      {"evtProcTrab", teS2500, G::NaoPeriodicos, S1},
      {"evtContProc", teS2501, G::NaoPeriodicos, S1},
      {"evtConsolidContProc", teS2555, G::NaoPeriodicos, S1},
      {"evtExclusao", teS3000, G::NaoPeriodicos, S1},
      {"evtExcProcTrab", teS3500, G::NaoPeriodicos, S1},
      {"evtRemun", teS1200, G::Periodicos, S1},
      {"evtRmnRPPS", teS1202, G::Periodicos, S1},
      {"evtBenPrRP", teS1207, G::Periodicos, S1},
      {"evtCdBenPrRP", teS1207, G::Periodicos, V2},
      {"evtPgtos", teS1210, G::Periodicos, S1},
      {"evtAqProd", teS1250, G::Periodicos, V2},
      {"evtComProd", teS1260, G::Periodicos, S1},
      {"evtContratAvNP", teS1270, G::Periodicos, S1},
      {"evtInfoComplPer", teS1280, G::Periodicos, S1},
      {"evtTotConting", teS1295, G::Periodicos, V2},
      {"evtReabreEvPer", teS1298, G::Periodicos, S1},
      {"evtFechaEvPer", teS1299, G::Periodicos, S1},
      {"evtContrSindPatr", teS1300, G::Periodicos, V2},
  };
  ASSERT_EQ(linhas.size(), 53u);
  for (TVersaoeSocial versao : {veS01_03_00, ve02_05_00}) {
    SCOPED_TRACE(VersaoeSocialToStr(versao));
    auto c = esocialtest::NovoComponente(false);
    c.eSocial->Configuracoes().Geral->SetVersaoDF(versao);
    c.eSocial->Configuracoes().Arquivos->SetSalvar(false);
    TEventos& eventos = c.Eventos();
    std::string todos;
    for (std::size_t i = 0; i < linhas.size(); ++i) todos += EventoComAssinatura(linhas[i].elemento, Id(i + 1));
    EXPECT_TRUE(eventos.LoadFromString(todos));
    const TGrupoEventos* grupos[] = {&eventos.Iniciais(), &eventos.Tabelas(), &eventos.NaoPeriodicos(),
                                     &eventos.Periodicos()};
    int esperados = 0;
    for (std::size_t i = 0; i < linhas.size(); ++i) {
      const Linha& l = linhas[i];
      SCOPED_TRACE(l.elemento);
      TeSocialCollection* lista = grupos[static_cast<int>(l.grupo)]->ListaDoTipo(l.tipo);
      ASSERT_NE(lista, nullptr);
      if (l.versao != versao) continue;
      ++esperados;
      ASSERT_EQ(lista->Count(), 1);
      EXPECT_EQ(lista->ItemEvento(0).TipoEvento(), l.tipo);
      EXPECT_EQ(lista->ItemEvento(0).Evento().XML(), EventoComAssinatura(l.elemento, Id(i + 1)));
      EXPECT_EQ(lista->ItemEvento(0).Evento().Id, Id(i + 1));
    }
    EXPECT_EQ(eventos.Count(), esperados);
    EXPECT_EQ(esperados, versao == veS01_03_00 ? 40 : 13);
  }
  // The typed lists and items reach the same events.
  auto c = esocialtest::NovoComponente(false);
  c.Eventos().LoadFromString(EventoComAssinatura("evtExpRisco", Id(1)) + EventoComAssinatura("evtBenPrRP", Id(2)));
  EXPECT_EQ(c.Eventos().NaoPeriodicos().S2240().GetItem(0).EvtExpRisco().Id, Id(1));
  EXPECT_EQ(c.Eventos().Periodicos().S1207().GetItem(0).evtBenPrRP().Id, Id(2));
  EXPECT_EQ(c.Eventos().NaoPeriodicos().S2240().Add().TipoEvento(), teS2240);
}

TEST(EventContainer, RegistryRowsMakeTheirOwnLists) {
  auto c = esocialtest::NovoComponente(false);
  std::vector<TTipoEvento> comLerXML;
  TTipoGrupo anterior = TTipoGrupo::Iniciais;
  for (const TRegistroEvento& r : RegistroEventos()) {
    auto lista = r.CriarLista(c.eSocial.get());
    EXPECT_EQ(lista->NovoItemEvento().TipoEvento(), r.Tipo) << TipoEventoToStr(r.Tipo);
    EXPECT_GE(static_cast<int>(r.Grupo), static_cast<int>(anterior));
    anterior = r.Grupo;
    if (r.LerXML) comLerXML.push_back(r.Tipo);
  }
  EXPECT_EQ(comLerXML, (std::vector<TTipoEvento>{teS1010, teS1060, teS2200, teS2210, teS2220, teS2240}));
}
