// S-2210, the work accident communication: documents written from fields and from INI input,
// signed and valid against the official schema and read back on the container's road; the
// environment's cut-over date; the layout branches; the INI and XML readers' own cases.
#include "esocial/events/non_periodic/s2210_work_accident.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "esocial/event_container.h"
#include "event_test_support.h"
#include "support/message_of.h"

using namespace esocial;
using namespace esocial::s2210;
using esocialtest::TIni;
using platform::EncodeDate;
using ::testing::HasSubstr;
using testsupport::MessageOf;

namespace {

TS2210Collection& Lista(const esocialtest::TComponente& c) { return c.Eventos().NaoPeriodicos().S2210(); }

// An accident of March 2023 with one injured part, one agent and a certificate.
void Preencher(TEvtCAT& e) {
  esocialtest::Identificar(e);
  TCat& cat = e.Cat;
  cat.dtAcid = EncodeDate(2023, 3, 10);
  cat.tpAcid = "1";
  cat.hrAcid = "0930";
  cat.hrsTrabAntesAcid = "0200";
  cat.indCatObito = tpNao;
  cat.indComunPolicia = tpNao;
  cat.codSitGeradora = 200004300;
  cat.obsCAT = "Queda da escada";
  cat.ultDiaTrab = EncodeDate(2023, 3, 10);
  cat.houveAfast = tpNao;
  TLocalAcidente& local = cat.localAcidente;
  local.dscLocal = "Deposito";
  local.tpLograd = "R";
  local.dscLograd = "Rua das Flores";
  local.nrLograd = "100";
  local.bairro = "Centro";
  local.cep = "01001000";
  local.codMunic = 3550308;
  local.uf = "SP";
  cat.parteAtingida.Add() = {753030000, laDireita};
  cat.agenteCausador.Add().codAgntCausador = 302010300;
  TAtestado& atestado = cat.atestado;
  atestado.dtAtendimento = EncodeDate(2023, 3, 10);
  atestado.hrAtendimento = "1030";
  atestado.indInternacao = tpNao;
  atestado.durTrat = 15;
  atestado.dscLesao = 706050000;
  atestado.diagProvavel = "Fratura";
  atestado.codCID = "S525";
  atestado.emitente = {"Ana Souza", idCRM, "123456", "SP"};
}

// The same accident as INI input.
TIni IniBase() {
  TIni ini = esocialtest::IniIdentificacao("evtCAT");
  ini.insert({
      {"cat",
       {{"dtAcid", "10/03/2023"},
        {"tpAcid", "1"},
        {"hrAcid", "0930"},
        {"hrsTrabAntesAcid", "0200"},
        {"tpCat", "1"},
        {"indCatObito", "N"},
        {"indComunPolicia", "N"},
        {"codSitGeradora", "200004300"},
        {"iniciatCAT", "1"},
        {"obsCAT", "Queda da escada"},
        {"ultDiaTrab", "10/03/2023"},
        {"houveAfast", "N"}}},
      {"localAcidente",
       {{"tpLocal", "1"},
        {"dscLocal", "Deposito"},
        {"tpLograd", "R"},
        {"dscLograd", "Rua das Flores"},
        {"nrLograd", "100"},
        {"bairro", "Centro"},
        {"cep", "01001000"},
        {"codMunic", "3550308"},
        {"uf", "SP"}}},
      {"parteAtingida01", {{"codParteAting", "753030000"}, {"lateralidade", "2"}}},
      {"agenteCausador01", {{"codAgntCausador", "302010300"}}},
      {"atestado",
       {{"dtAtendimento", "10/03/2023"},
        {"hrAtendimento", "1030"},
        {"indInternacao", "N"},
        {"durTrat", "15"},
        {"indAfast", "S"},
        {"dscLesao", "706050000"},
        {"diagProvavel", "Fratura"},
        {"codCID", "S525"}}},
      {"emitente", {{"nmEmit", "Ana Souza"}, {"ideOC", "1"}, {"nrOc", "123456"}, {"ufOC", "SP"}}},
  });
  return ini;
}

// Two injured parts and three causing agents, of which the S-1 layouts hold one each.
void MaisPartesEAgentes(TEvtCAT& e) {
  e.Cat.parteAtingida.Add() = {753070700, laEsquerda};
  e.Cat.agenteCausador.Add().codAgntCausador = 302010600;
  e.Cat.agenteCausador.Add().codAgntCausador = 302050500;
}

}  // namespace

// Each valid document on the whole road: from fields, from INI input, back from the container.
TEST(S2210WorkAccident, ValidDocuments) {
  const std::string kMaximo1 = " - Número de ocorrências maior que o máximo permitido - Máximo 1.";
  esocialtest::VerificarDocumentosValidos<TS2210Collection>(
      Preencher, IniBase(),
      {
          {"no place inscription, origin or death", [](TEvtCAT&) {}, [](TIni&) {}, {}},
          {"place inscription, origin and death",
           [](TEvtCAT& e) {
             e.Cat.tpCat = tcComunicacaoObito;
             e.Cat.indCatObito = tpSim;
             e.Cat.dtOBito = EncodeDate(2023, 3, 12);
             e.Cat.localAcidente.ideLocalAcid = {tiCNPJ, "98765432000198"};
             e.Cat.catOrigem.nrRecCatOrig = "1.2.0000000000000000001";
           },
           [](TIni& ini) {
             ini["cat"]["tpCat"] = "3";
             ini["cat"]["indCatObito"] = "S";
             ini["cat"]["dtObito"] = "12/03/2023";
             ini["ideLocalAcid"] = {{"tpInsc", "1"}, {"nrInsc", "98765432000198"}};
             ini["catOrigem"] = {{"nrRecCatOrig", "1.2.0000000000000000001"}};
           },
           {}},
          {"two parts and three agents, the first of each written",
           MaisPartesEAgentes,
           [](TIni& ini) {
             ini["parteAtingida02"] = {{"codParteAting", "753070700"}, {"lateralidade", "1"}};
             ini["agenteCausador02"] = {{"codAgntCausador", "302010600"}};
             ini["agenteCausador03"] = {{"codAgntCausador", "302050500"}};
           },
           {"/parteAtingida(Lista de Partes Atingidas)" + kMaximo1,
            "/agenteCausador(Lista de Agentes Causadores)" + kMaximo1}},
      });
}

// ultDiaTrab and houveAfast belong to accidents from the date the environment took them on:
// the writer writes them and LerXML reads them only then.
TEST(S2210WorkAccident, CutOverDateByEnvironment) {
  struct TCaso {
    dfe::TpcnTipoAmbiente ambiente;
    double dtAcid;
    bool recente;
  };
  const TCaso casos[] = {{dfe::taProducao, EncodeDate(2023, 1, 15), false},
                         {dfe::taProducao, EncodeDate(2023, 1, 16), true},
                         {dfe::taHomologacao, EncodeDate(2022, 1, 15), false},
                         {dfe::taHomologacao, EncodeDate(2022, 1, 16), true}};
  // A document that carries both fields: houveAfast "N" tells a read value from the first.
  auto c = esocialtest::NovoComponente(false);
  TEvtCAT& modelo = Lista(c).Add().EvtCAT();
  Preencher(modelo);
  modelo.GerarXML();
  for (const TCaso& caso : casos) {
    SCOPED_TRACE(std::to_string(caso.ambiente) + " " + std::to_string(caso.dtAcid));
    c.eSocial->Configuracoes().WebServices->SetAmbiente(caso.ambiente);
    TEvtCAT& e = Lista(c).Add().EvtCAT();
    Preencher(e);
    e.Cat.dtAcid = caso.dtAcid;
    e.GerarXML();
    EXPECT_EQ(e.XML().find("<ultDiaTrab>") != std::string::npos, caso.recente);
    EXPECT_EQ(e.XML().find("<houveAfast>") != std::string::npos, caso.recente);

    TEvtCAT& lido = Lista(c).Add().EvtCAT();
    lido.SetXML(esocialtest::ComAssinaturaFicticia(
        esocialtest::Trocar(modelo.XML(), "<dtAcid>2023-03-10</dtAcid>",
                            "<dtAcid>" + platform::FormatDateTime("yyyy-mm-dd", caso.dtAcid) + "</dtAcid>")));
    EXPECT_TRUE(lido.LerXML());
    EXPECT_EQ(lido.Cat.dtAcid, caso.dtAcid);
    EXPECT_EQ(lido.Cat.ultDiaTrab, caso.recente ? EncodeDate(2023, 3, 10) : 0);
    EXPECT_EQ(lido.Cat.houveAfast, caso.recente ? tpNao : tpSim);
  }
}

// The 2.x layouts hold every part and agent, the environment code and the health unit; the
// S-1 layouts one part and one agent, alerting the others.
TEST(S2210WorkAccident, LayoutBranches) {
  struct TCaso {
    TVersaoeSocial versao;
    std::size_t partes, agentes, alertas;
    bool codigos;
  };
  for (const TCaso& caso : {TCaso{ve02_05_00, 2, 3, 0, true}, TCaso{veS01_00_00, 1, 1, 2, false}}) {
    SCOPED_TRACE(caso.versao);
    auto c = esocialtest::NovoComponente(false);
    TEvtCAT& e = esocialtest::NovoEvento<TS2210Collection>(c, caso.versao);
    Preencher(e);
    MaisPartesEAgentes(e);
    e.IdeVinculo.nisTrab = "12345678901";  // required by the 2.x layouts
    e.Cat.localAcidente.codAmb = "AMB01";
    e.Cat.atestado.codCNES = "1234567";
    e.GerarXML();
    const std::string& xml = e.XML();
    auto contar = [&](const std::string& tag) {
      std::size_t n = 0;
      for (std::size_t p = xml.find(tag); p != std::string::npos; p = xml.find(tag, p + 1)) ++n;
      return n;
    };
    EXPECT_EQ(contar("<parteAtingida>"), caso.partes);
    EXPECT_EQ(contar("<agenteCausador>"), caso.agentes);
    EXPECT_EQ(e.Gerador().ListaDeAlertas.size(), caso.alertas);
    EXPECT_EQ(xml.find("<codAmb>AMB01</codAmb>") != std::string::npos, caso.codigos);
    EXPECT_EQ(xml.find("<codCNES>1234567</codCNES>") != std::string::npos, caso.codigos);
  }
}

// Where the S-1 layouts' schema departs from the 2.x layouts: longer observation and place
// texts; the street, the certificate and its injury code required, so that missing data show
// as empty elements and alerts; the issuer's council one of CRM, CRO and RMS.
TEST(S2210WorkAccident, S1LayoutSchema) {
  const std::string obs(300, 'o'), local(200, 'l');
  const auto textosLongos = [&](TEvtCAT& e) {
    e.IdeVinculo.nisTrab = "12345678901";  // required by the 2.x layouts
    e.Cat.obsCAT = obs;
    e.Cat.localAcidente.dscLocal = local;
  };
  const auto semRuaNemAtestado = [](TEvtCAT& e) {
    e.IdeVinculo.nisTrab = "12345678901";
    e.Cat.localAcidente.dscLograd = "";
    e.Cat.localAcidente.nrLograd = "";
    e.Cat.atestado = {};
  };
  const std::string kNenhum = "() - Nenhum valor informado";
  esocialtest::VerificarCasosLeiaute<TS2210Collection>(
      Preencher,
      {
          {"2.x: texts over 255 and 80 characters alerted",
           ve02_05_00,
           textosLongos,
           {"<obsCAT>" + obs + "</obsCAT>", "<dscLocal>" + local + "</dscLocal>"},
           {},
           {"/obsCAT() - Tamanho maior que o máximo permitido", "/dscLocal() - Tamanho maior que o máximo permitido"}},
          {"S-1: the same texts taken", veS01_00_00, textosLongos, {"<obsCAT>" + obs + "</obsCAT>"}, {}, {}},
          {"2.x: no street and no certificate left out",
           ve02_05_00,
           semRuaNemAtestado,
           {},
           {"<dscLograd", "<nrLograd", "<atestado>"},
           {}},
          {"S-1: no street and no certificate written empty",
           veS01_03_00,
           semRuaNemAtestado,
           {"<bairro>Centro</bairro>", "<tpLograd>R</tpLograd><dscLograd/><nrLograd/><bairro>",
            "<atestado><dtAtendimento/><hrAtendimento/>", "<dscLesao>0</dscLesao>", "<codCID/>"},
           {},
           {"/dscLograd" + kNenhum, "/nrLograd" + kNenhum, "/dtAtendimento" + kNenhum, "/hrAtendimento" + kNenhum,
            "/codCID" + kNenhum, "/nmEmit" + kNenhum, "/nrOC" + kNenhum, "/ideOC() - Conteúdo inválido"}},
          {"S-1: an engineering council written as given, with its alert",
           veS01_03_00,
           [](TEvtCAT& e) { e.Cat.atestado.emitente.ideOC = idCREA; },
           {"<ideOC>4</ideOC>"},
           {},
           {"/ideOC() - Conteúdo inválido"}},
          {"S-1: a dental council taken",
           veS01_03_00,
           [](TEvtCAT& e) { e.Cat.atestado.emitente.ideOC = idCRO; },
           {"<ideOC>2</ideOC>"},
           {},
           {}},
          {"2.x: any council taken",
           ve02_05_00,
           [](TEvtCAT& e) {
             e.IdeVinculo.nisTrab = "12345678901";
             e.Cat.atestado.emitente.ideOC = idOutros;
           },
           {"<ideOC>9</ideOC>"},
           {},
           {}},
          {"2.x: a certificate without injury code leaves it out",
           ve02_05_00,
           [](TEvtCAT& e) {
             e.IdeVinculo.nisTrab = "12345678901";
             e.Cat.atestado.dscLesao = 0;
           },
           {"<indAfast>"},
           {"<dscLesao>"},
           {}},
      });
}

// The INI reader's lists and its strict conversions.
TEST(S2210WorkAccident, IniCases) {
  esocialtest::VerificarCasosIni<TS2210Collection>(
      IniBase(),
      {
          {"parteAtingida01 is the first section, parteAtingida2 no second one",
           [](TIni& ini) {
             ini["parteAtingida2"] = {{"codParteAting", "753070700"}};
           },
           testsupport::kNoError,
           [](const TEvtCAT& e) {
             ASSERT_EQ(e.Cat.parteAtingida.Count(), 1);
             EXPECT_EQ(e.Cat.parteAtingida.GetItem(0).codParteAting, 753030000);
             EXPECT_EQ(e.Cat.parteAtingida.GetItem(0).lateralidade, laDireita);
           }},
          {"FIM ends a list before later sections",
           [](TIni& ini) {
             ini["agenteCausador02"] = {{"codAgntCausador", "FIM"}};
             ini["agenteCausador03"] = {{"codAgntCausador", "302050500"}};
           },
           testsupport::kNoError, [](const TEvtCAT& e) { EXPECT_EQ(e.Cat.agenteCausador.Count(), 1); }},
          {"a part code that is no whole number", [](TIni& ini) { ini["parteAtingida01"]["codParteAting"] = "75303A"; },
           "75303A", [](const TEvtCAT& e) { EXPECT_EQ(e.Cat.parteAtingida.Count(), 1); }},
          {"absent states are not informed",
           [](TIni& ini) {
             ini["localAcidente"].erase("uf");
             ini["emitente"].erase("ufOC");
           },
           testsupport::kNoError,
           [](const TEvtCAT& e) {
             EXPECT_EQ(e.Cat.localAcidente.uf, "");
             EXPECT_EQ(e.Cat.atestado.emitente.ufOC, "");
             EXPECT_THAT(e.XML(), ::testing::Not(HasSubstr("<uf>")));
             EXPECT_THAT(e.XML(), ::testing::Not(HasSubstr("<ufOC>")));
           }},
          {"an unknown council", [](TIni& ini) { ini["emitente"]["ideOC"] = "7"; },
           "Valor string inválido para tpIdeOC: 7", [](const TEvtCAT& e) { EXPECT_EQ(e.Cat.atestado.codCID, "S525"); }},
      });
}

// LerXML on documents the schema would not take (kept unvalidated behind a placeholder
// signature).
TEST(S2210WorkAccident, ReaderCases) {
  auto c = esocialtest::NovoComponente(false);
  TEvtCAT& modelo = Lista(c).Add().EvtCAT();
  Preencher(modelo);
  modelo.GerarXML();
  const std::string xml = modelo.XML();
  esocialtest::VerificarLeiturasComuns<TS2210Collection>(xml, "cat", "<dtAtendimento>",
                                                         [](const TEvtCAT& e) { return e.Cat.dtAcid != 0; });

  TEvtCAT& local09 = Lista(c).Add().EvtCAT();
  local09.SetXML(
      esocialtest::ComAssinaturaFicticia(esocialtest::Trocar(xml, "<tpLocal>1</tpLocal>", "<tpLocal>09</tpLocal>")));
  EXPECT_TRUE(local09.LerXML());
  EXPECT_EQ(local09.Cat.localAcidente.tpLocal, tlOutros);

  TEvtCAT& semEmitente = Lista(c).Add().EvtCAT();
  semEmitente.SetXML(esocialtest::ComAssinaturaFicticia(esocialtest::SemGrupo(xml, "emitente")));
  EXPECT_TRUE(semEmitente.LerXML());
  EXPECT_EQ(semEmitente.Cat.atestado.codCID, "S525");
  EXPECT_EQ(semEmitente.Cat.atestado.emitente.nmEmit, "");
  EXPECT_EQ(semEmitente.Cat.atestado.emitente.nrOc, "");
}
