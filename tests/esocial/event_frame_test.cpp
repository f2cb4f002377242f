// The frame of the units' writers and the shared writers it calls, through a small event unit.
#include "esocial/events/event_frame.h"

#include <gtest/gtest.h>

#include <regex>

#include "dfe/exceptions.h"
#include "dfe/ssl.h"
#include "platform/strings.h"
#include "support/esocial/esocial_test_support.h"
#include "support/message_of.h"
#include "test_event.h"

using namespace esocial;
using esocialtest::TEvtTeste;
using testsupport::MessageOf;

namespace {

const std::string kId = "ID1123456780000002025010112000000007";

// The element names of the start tags, in order.
std::vector<std::string> Elementos(const std::string& xml) {
  std::vector<std::string> nomes;
  static const std::regex tag("<([A-Za-z]+)[ />]");
  for (std::sregex_iterator i(xml.begin(), xml.end(), tag), fim; i != fim; ++i) nomes.push_back((*i)[1]);
  return nomes;
}

void PreencherExclusao(TEvtTeste& evento) {
  evento.Id = kId;
  evento.ModoLancamento = mlExclusao;
  evento.IdeEvento.VerProc = "NEMBO 1.0";
  evento.IdeEmpregador.NrInsc = esocialtest::kEmpregador;
  evento.IdePeriodo.IniValid = "2024-01";
}

}  // namespace

TEST(EventFrame, WritesTheExclusionDocumentTheSchemaAccepts) {
  auto c = esocialtest::NovoComponente();
  c.eSocial->Configuracoes().WebServices->SetAmbiente(dfe::taHomologacao);
  TEvtTeste evento(c.eSocial.get());
  PreencherExclusao(evento);
  EXPECT_TRUE(evento.GerarXML());
  EXPECT_EQ(evento.VersaoDF(), veS01_03_00);
  EXPECT_EQ(evento.XML(),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
            "<eSocial xmlns=\"http://www.esocial.gov.br/schema/evt/evtInfoEmpregador/v_S_01_03_00\">"
            "<evtInfoEmpregador Id=\"" +
                kId +
                "\"><ideEvento><tpAmb>2</tpAmb><procEmi>1</procEmi><verProc>NEMBO 1.0</verProc></ideEvento>"
                "<ideEmpregador><tpInsc>1</tpInsc><nrInsc>12345678</nrInsc></ideEmpregador>"
                "<infoEmpregador><exclusao><idePeriodo><iniValid>2024-01</iniValid></idePeriodo></exclusao>"
                "</infoEmpregador></evtInfoEmpregador></eSocial>");
  EXPECT_EQ(c.eSocial->SSL().NameSpaceURI, "http://www.esocial.gov.br/schema/evt/evtInfoEmpregador/v_S_01_03_00");
  EXPECT_TRUE(evento.Gerador().ListaDeAlertas.empty());

  // Assigned, it is signed and validated against the official schema.
  evento.SetXML(evento.XML());
  std::string saida;
  EXPECT_TRUE(esocialtest::Xmlsec1Aceita(evento.XML(), &saida)) << saida;

  // Indented, one element a line; still the document the schema accepts.
  c.eSocial->Configuracoes().Geral->SetIdentarXML(true);
  evento.GerarXML();
  EXPECT_NE(evento.XML().find(" <tpAmb>2</tpAmb>\r\n"), std::string::npos) << evento.XML();
  evento.SetXML(evento.XML());
}

TEST(EventFrame, TableBodyFollowsTheMode) {
  auto c = esocialtest::NovoComponente(false);
  struct Caso {
    TModoLancamento modo;
    std::string novaValidade;
    std::vector<std::string> grupos;
  };
  for (const auto& caso : {
           Caso{mlInclusao, "2025-01", {"infoEmpregador", "inclusao", "idePeriodo", "iniValid", "dados"}},
           Caso{mlExclusao, "2025-01", {"infoEmpregador", "exclusao", "idePeriodo", "iniValid"}},
           Caso{mlAlteracao, "", {"infoEmpregador", "alteracao", "idePeriodo", "iniValid", "dados"}},
           Caso{mlAlteracao,
                "2025-01",
                {"infoEmpregador", "alteracao", "idePeriodo", "iniValid", "dados", "novaValidade", "iniValid"}},
       }) {
    TEvtTeste evento(c.eSocial.get());
    PreencherExclusao(evento);
    evento.ModoLancamento = caso.modo;
    evento.NovaValidade.IniValid = caso.novaValidade;
    evento.GerarXML();
    auto nomes = Elementos(evento.XML());
    auto inicio = std::find(nomes.begin(), nomes.end(), "infoEmpregador");
    EXPECT_EQ(std::vector<std::string>(inicio, nomes.end()), caso.grupos) << evento.XML();
  }
}

TEST(EventFrame, IdeEventoFlagsGiveTheSchemaOrders) {
  auto c = esocialtest::NovoComponente(false);
  TIdeEvento3 ide;
  ide.indRetif = ireRetificacao;
  ide.NrRecibo = "1.2.0000000000000000001";
  ide.indGuia = "1";
  ide.perApur = "2024-01";
  TIdeEvento4 ide4;
  ide4.indGuia = "1";
  ide4.perApur = "2024-01";
  const std::vector<std::string> comuns = {"tpAmb", "procEmi", "verProc"};
  auto mais = [&](std::vector<std::string> v) {
    v.insert(v.begin(), "ideEvento");
    v.insert(v.end(), comuns.begin(), comuns.end());
    return v;
  };
  struct Caso {
    std::string nome;
    TVersaoeSocial versao;
    std::function<void(TeSocialEvento&)> escrever;
    std::vector<std::string> elementos;
  };
  for (const auto& caso : {
           // T_ideEvento_trab_indGuia, T_ideEvento_trab
           Caso{"2 all", veS01_03_00, [&](TeSocialEvento& e) { e.GerarIdeEvento2(ide, true, true, true); },
                mais({"indRetif", "nrRecibo", "indGuia"})},
           Caso{"2 no guide", veS01_03_00, [&](TeSocialEvento& e) { e.GerarIdeEvento2(ide, true, true, false); },
                mais({"indRetif", "nrRecibo"})},
           // The receipt goes with a retification even when indRetif is not asked for.
           Caso{"2 no indRetif", veS01_03_00, [&](TeSocialEvento& e) { e.GerarIdeEvento2(ide, true, false, false); },
                mais({"nrRecibo"})},
           Caso{"2 guide before S-1", ve02_05_00, [&](TeSocialEvento& e) { e.GerarIdeEvento2(ide, true, true, true); },
                mais({"indRetif", "nrRecibo"})},
           Caso{"2 without group",
                veS01_03_00,
                [&](TeSocialEvento& e) { e.GerarIdeEvento2(ide, false, true, true); },
                {"indRetif", "nrRecibo", "indGuia"}},
           // T_ideEvento_folha, T_ideEvento_folha_mensal
           Caso{"3 all", veS01_03_00, [&](TeSocialEvento& e) { e.GerarIdeEvento3(ide, true, true, true); },
                mais({"indRetif", "nrRecibo", "indApuracao", "perApur", "indGuia"})},
           Caso{"3 monthly", veS01_03_00, [&](TeSocialEvento& e) { e.GerarIdeEvento3(ide, true, false, true); },
                mais({"indRetif", "nrRecibo", "perApur", "indGuia"})},
           // T_ideEvento_folha_sem_retificacao
           Caso{"4 all", veS01_03_00, [&](TeSocialEvento& e) { e.GerarIdeEvento4(ide4, true, true); },
                mais({"indApuracao", "perApur", "indGuia"})},
           Caso{"4 no guide", veS01_03_00, [&](TeSocialEvento& e) { e.GerarIdeEvento4(ide4, true, false); },
                mais({"indApuracao", "perApur"})},
       }) {
    TeSocialEvento evento(c.eSocial.get());
    evento.SetVersaoDF(caso.versao);
    caso.escrever(evento);
    EXPECT_EQ(Elementos(evento.Gerador().ArquivoFormatoXML), caso.elementos) << caso.nome;
  }
}

TEST(EventFrame, EmployerInscriptionByEmployerKind) {
  auto c = esocialtest::NovoComponente(false);
  TIdeEmpregador ide;
  ide.NrInsc = "12345678000199";
  for (auto [tipo, nrInsc] : {std::pair{tePessoaJuridica, "12345678"}, std::pair{teOrgaoPublico, "12345678"},
                              std::pair{tePessoaFisica, "12345678000199"}}) {
    c.eSocial->Configuracoes().Geral->SetTipoEmpregador(tipo);
    TeSocialEvento evento(c.eSocial.get());
    evento.GerarIdeEmpregador(ide);
    EXPECT_EQ(evento.Gerador().ArquivoFormatoXML,
              "<ideEmpregador><tpInsc>1</tpInsc><nrInsc>" + std::string(nrInsc) + "</nrInsc></ideEmpregador>");
  }
}

TEST(EventFrame, AFailureNamesTheEventAndKeepsItsXML) {
  auto c = esocialtest::NovoComponente(false);
  TEvtTeste evento(c.eSocial.get());
  PreencherExclusao(evento);
  evento.GerarXML();
  const std::string anterior = evento.XML();
  evento.Extra = [&] { evento.Gerador().wCampo(dfe::tcDat, "", "dtX", 10, 10, 1, "não é data"); };
  const std::string msg = MessageOf([&] { evento.GerarXML(); });
  EXPECT_TRUE(platform::StartsText("ID: " + kId + "\r\n ", msg)) << msg;
  EXPECT_GT(msg.size(), kId.size() + 7);
  EXPECT_EQ(evento.XML(), anterior);

  // A unit that names more in its failure text puts it between the Id and the message.
  const std::string comNome = MessageOf([&] {
    GerarDocumentoeSocial(evento, "evtFechaEvPer", "1", [] { throw std::runtime_error("falhou"); },
                          {false, "Nome Resp.: Fulano\r\n"});
  });
  EXPECT_EQ(comNome, "ID: " + kId + "\r\nNome Resp.: Fulano\r\n falhou");

  // A unit whose text begins with the identifier itself.
  TOpcoesDocumento semPrefixo;
  semPrefixo.PrefixoErro = "";
  EXPECT_EQ(MessageOf([&] {
              GerarDocumentoeSocial(
                  evento, "evtTabFuncao", "1", [] { throw std::runtime_error("falhou"); }, semPrefixo);
            }),
            kId + "\r\n falhou");
}

TEST(EventFrame, EachRunWritesOneFreshDocument) {
  auto c = esocialtest::NovoComponente();
  TEvtTeste evento(c.eSocial.get());
  PreencherExclusao(evento);
  evento.IdeEvento.VerProc = "";  // a required field left empty: one alert a run
  evento.GerarXML();
  const auto alertas = evento.Gerador().ListaDeAlertas;
  ASSERT_EQ(alertas.size(), 1u);
  evento.GerarXML();
  EXPECT_EQ(evento.Gerador().ListaDeAlertas, alertas);
  EXPECT_EQ(platform::StringReplace(evento.XML(), "<eSocial ", "").size(), evento.XML().size() - 9);
  EXPECT_EQ(evento.Id, kId);  // a 36-character Id stays

  // After a valid document was signed, a new run's document is what Validar checks.
  evento.IdeEvento.VerProc = "NEMBO 1.0";
  evento.GerarXML();
  evento.SetXML(evento.XML());
  evento.Validar(schevtInfoEmpregador);
  evento.IdeEmpregador.NrInsc = "";
  evento.GerarXML();
  EXPECT_THROW(evento.Validar(schevtInfoEmpregador), dfe::ETrivoeSocialException);
}

TEST(EventFrame, AListOverItsMaximumAlertsOnce) {
  auto c = esocialtest::NovoComponente(false);
  TeSocialEvento evento(c.eSocial.get());
  evento.AlertarLimiteLista("observacoes", "Lista de Observações", 99, 99);
  EXPECT_TRUE(evento.Gerador().ListaDeAlertas.empty());
  evento.Gerador().wGrupo("infoContrato");
  evento.AlertarLimiteLista("observacoes", "Lista de Observações", 150, 99);
  EXPECT_EQ(evento.Gerador().ListaDeAlertas,
            std::vector<std::string>{"TAG:<infoContrato> ID:/observacoes(Lista de Observações) - Número de "
                                     "ocorrências maior que o máximo permitido - Máximo 99."});
}
