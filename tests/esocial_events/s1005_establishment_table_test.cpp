// S-1005, establishment table: documents of an establishment, a works and a CAEPF unit and of
// each mode written from fields and from INI input, signed and valid against the official
// schemas; the sizes of the rate processes; the layout branches; the INI reader's own cases.
#include "esocial/events/tables_periodic/s1005_establishment_table.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "event_test_support.h"

using namespace esocial;
using namespace esocial::s1005;
using esocialtest::TIni;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

const std::string kProcesso = "12345678901234567890";
const std::string kEntidade = "98765432000198";

TS1005Collection& Lista(const esocialtest::TComponente& c) { return c.Eventos().Iniciais().S1005(); }

// The employer's head office, its activity alone.
void Preencher(TEvtTabEstab& e) {
  e.Id = esocialtest::kIdEvento;
  e.ideEvento.VerProc = "NEMBO 1.0";
  e.ideEmpregador.NrInsc = esocialtest::kEmpregador;
  e.infoEstab.IdeEstab = {tiCNPJ, esocialtest::kEmpregador, "2024-01", ""};
  e.infoEstab.DadosEstab().cnaePrep = "4711302";
}

TIni IniBase() {
  return {
      {"evtTabEstab", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento", {{"procEmi", "1"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}}},
      {"ideEstab", {{"tpInsc", "1"}, {"nrInsc", esocialtest::kEmpregador}, {"iniValid", "2024-01"}}},
      {"dadosEstab", {{"cnaePrep", "4711302"}}},
  };
}

// Its rate and factor changed by a judicial and a FAP process; apprentices through two
// educational entities under a process, and a disabled-person quota process.
void ComProcessos(TEvtTabEstab& e) {
  TDadosEstab& dados = e.infoEstab.DadosEstab();
  dados.aliqGilrat.AliqRat = arat2;
  dados.aliqGilrat.Fap = 1.2345;
  dados.aliqGilrat.ProcAdmJudRat().tpProc = tpJudicial;
  dados.aliqGilrat.ProcAdmJudRat().nrProc = kProcesso;
  dados.aliqGilrat.ProcAdmJudRat().codSusp = "1";
  dados.aliqGilrat.ProcAdmJudFap().tpProc = tpFAP;
  dados.aliqGilrat.ProcAdmJudFap().nrProc = "1234567890123456";
  dados.aliqGilrat.ProcAdmJudFap().codSusp = "2";
  TInfoApr& apr = dados.infoTrab.infoApr();
  apr.nrProcJud = kProcesso;
  apr.infoEntEduc.Add().nrInsc = kEntidade;
  apr.infoEntEduc.Add().nrInsc = "11222333000181";
  dados.infoTrab.infoPCD().nrProcJud = kProcesso;
}

void IniComProcessos(TIni& ini) {
  ini["aliqGilrat"] = {{"aliqRat", "2"}, {"fap", "1,2345"}};
  ini["procAdmJudRat"] = {{"tpProc", "2"}, {"nrProc", kProcesso}, {"codSusp", "1"}};
  ini["procAdmJudFap"] = {{"tpProc", "4"}, {"nrProc", "1234567890123456"}, {"codSusp", "2"}};
  ini["infoApr"] = {{"nrProcJud", kProcesso}};
  ini["infoEntEduc01"] = {{"nrInsc", kEntidade}};
  ini["infoEntEduc02"] = {{"nrInsc", "11222333000181"}};
  ini["infoPCD"] = {{"nrProcJud", kProcesso}};
}

const std::string kNenhum = "() - Nenhum valor informado";
const std::string kMenor = "() - Tamanho menor que o mínimo permitido [";
const std::string kMaior = "() - Tamanho maior que o máximo permitido [";

}  // namespace

TEST(S1005EstablishmentTable, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS1005Collection>(
      Preencher, IniBase(),
      {
          {"an establishment, inclusion", [](TEvtTabEstab&) {}, [](TIni&) {}, {}},
          {"with both rate processes and the quota groups", ComProcessos, IniComProcessos, {}},
          {"a works with substituted contribution",
           [](TEvtTabEstab& e) {
             e.infoEstab.IdeEstab = {tiCNO, "123456789012", "2024-01", ""};
             TDadosEstab& dados = e.infoEstab.DadosEstab();
             dados.cnpjResp = kEntidade;
             dados.aliqGilrat.Fap = 1;
             dados.infoObra().indSubstPatrObra = ispPatronalSubstituida;
           },
           [](TIni& ini) {
             ini["ideEstab"] = {{"tpInsc", "4"}, {"nrInsc", "123456789012"}, {"iniValid", "2024-01"}};
             ini["dadosEstab"]["cnpjResp"] = kEntidade;
             ini["aliqGilrat"] = {{"fap", "1"}};
             ini["infoObra"] = {{"indSubstPatrObra", "1"}};
           },
           {}},
          {"a CAEPF unit, alteration with a new validity",
           [](TEvtTabEstab& e) {
             e.ModoLancamento = mlAlteracao;
             e.infoEstab.IdeEstab = {tiCAEPF, "12345678901234", "2024-01", "2024-05"};
             e.infoEstab.DadosEstab().infoCaepf().tpCaepf = tcContrIndividual;
             e.infoEstab.NovaValidade() = {"2024-06", ""};
           },
           [](TIni& ini) {
             ini["evtTabEstab"]["ModoLancamento"] = "alteracao";
             ini["ideEstab"] = {
                 {"tpInsc", "3"}, {"nrInsc", "12345678901234"}, {"iniValid", "2024-01"}, {"fimValid", "2024-05"}};
             ini["infoCaepf"] = {{"tpCaepf", "1"}};
             ini["novaValidade"] = {{"iniValid", "2024-06"}};
           },
           {}},
          {"alteration without a new validity",
           [](TEvtTabEstab& e) { e.ModoLancamento = mlAlteracao; },
           [](TIni& ini) { ini["evtTabEstab"]["ModoLancamento"] = "alteracao"; },
           {}},
          {"exclusion",
           [](TEvtTabEstab& e) { e.ModoLancamento = mlExclusao; },
           [](TIni& ini) { ini["evtTabEstab"]["ModoLancamento"] = "exclusao"; },
           {}},
      });
}

// The 2.x layouts require the quota codes in infoApr and infoPCD; an INI input that gives
// neither group makes neither, so its document stays valid there.
TEST(S1005EstablishmentTable, Layout25Schema) {
  auto c = esocialtest::NovoComponente();
  TEvtTabEstab& campos = Lista(c).Add().evtTabEstab();
  Preencher(campos);
  ComProcessos(campos);
  campos.infoEstab.DadosEstab().infoTrab.infoApr().contApr = "2";
  campos.infoEstab.DadosEstab().infoTrab.infoPCD().contPCD = "1";
  EXPECT_EQ(esocialtest::ErroNoEsquema(c, campos, ve02_05_00), testsupport::kNoError);
  EXPECT_THAT(campos.XML(), HasSubstr("<infoApr><contApr>2</contApr><nrProcJud>"));
  EXPECT_THAT(campos.Gerador().ListaDeAlertas, IsEmpty());

  auto outro = esocialtest::NovoComponente();
  TEvtTabEstab& ini = Lista(outro).Add().evtTabEstab();
  EXPECT_TRUE(ini.LerArqIni(esocialtest::TextoIni(IniBase())));
  EXPECT_FALSE(ini.infoEstab.DadosEstab().infoTrab.infoAprInst());
  EXPECT_FALSE(ini.infoEstab.DadosEstab().infoTrab.infoPCDInst());
  EXPECT_EQ(esocialtest::ErroNoEsquema(outro, ini, ve02_05_00), testsupport::kNoError);
  EXPECT_THAT(ini.XML(), HasSubstr("<infoTrab></infoTrab>"));
}

// Under the S-1 layouts a RAT process number has 17, 20 or 21 digits, a FAP one 16, 17, 20 or 21.
TEST(S1005EstablishmentTable, RateProcessNumberSizes) {
  struct TCaso {
    std::string rat, fap;
    std::vector<std::string> alertas;
  };
  const TCaso casos[] = {
      {"12345678901234567", "1234567890123456", {}},
      {"123456789012345678901", "12345678901234567", {}},
      {"1234567890123456", "12345678901234567890", {"/nrProc" + kMenor + "1234567890123456]"}},
      {"123456789012345678",
       "123456789012345678",
       {"/nrProc" + kMenor + "123456789012345678]", "/nrProc" + kMenor + "123456789012345678]"}},
      {"1234567890123456789012",
       "1234567890123456789",
       {"/nrProc" + kMaior + "1234567890123456789012]", "/nrProc" + kMenor + "1234567890123456789]"}},
      {"", "123456789012345", {"/nrProc" + kNenhum, "/nrProc" + kMenor + "123456789012345]"}},
  };
  auto c = esocialtest::NovoComponente(false);
  for (const TCaso& caso : casos) {
    SCOPED_TRACE(caso.rat + " " + caso.fap);
    TEvtTabEstab& e = esocialtest::NovoEvento<TS1005Collection>(c, veS01_03_00);
    Preencher(e);
    ComProcessos(e);
    e.infoEstab.DadosEstab().aliqGilrat.ProcAdmJudRat().nrProc = caso.rat;
    e.infoEstab.DadosEstab().aliqGilrat.ProcAdmJudFap().nrProc = caso.fap;
    e.GerarXML();
    esocialtest::VerificarAlertas(e.Gerador().ListaDeAlertas, caso.alertas);
  }
}

TEST(S1005EstablishmentTable, LayoutBranches) {
  const auto pcdSemProcesso = [](TEvtTabEstab& e) { e.infoEstab.DadosEstab().infoTrab.infoPCD().contPCD = "0"; };
  const std::string kLimite = " - Número de ocorrências maior que o máximo permitido - Máximo ";
  esocialtest::VerificarCasosLeiaute<TS1005Collection>(
      Preencher,
      {
          {"S-1.03 without quota groups: no infoTrab", veS01_03_00, [](TEvtTabEstab&) {}, {}, {"<infoTrab>"}, {}},
          {"2.x: an empty infoTrab", ve02_05_00, [](TEvtTabEstab&) {}, {"<infoTrab></infoTrab>"}, {}, {}},
          {"a disabled-person quota without process under 2.x",
           ve02_05_00,
           pcdSemProcesso,
           {"<infoTrab><infoPCD><contPCD>0</contPCD></infoPCD></infoTrab>"},
           {},
           {}},
          {"the same under S-1.03", veS01_03_00, pcdSemProcesso, {}, {"<infoTrab>"}, {}},
          {"apprentices without their quota code under 2.x",
           ve02_05_00,
           [](TEvtTabEstab& e) { e.infoEstab.DadosEstab().infoTrab.infoApr(); },
           {"<infoApr><contApr/></infoApr>"},
           {},
           {"/contApr" + kNenhum}},
          {"apprentices without process under S-1.03",
           veS01_03_00,
           [](TEvtTabEstab& e) { e.infoEstab.DadosEstab().infoTrab.infoApr(); },
           {"<infoTrab><infoApr></infoApr></infoTrab>"},
           {},
           {}},
          {"a CAEPF kind not informed",
           veS01_03_00,
           [](TEvtTabEstab& e) { e.infoEstab.DadosEstab().infoCaepf().tpCaepf = tcVazio; },
           {},
           {"<infoCaepf>"},
           {}},
          {"sizes of S-1.03",
           veS01_03_00,
           [](TEvtTabEstab& e) {
             e.infoEstab.IdeEstab.nrInsc = "1234567890123";
             e.infoEstab.DadosEstab().cnaePrep = "471130";
             e.infoEstab.DadosEstab().infoTrab.infoApr().infoEntEduc.Add().nrInsc = "1234567890123";
           },
           {},
           {},
           {"/nrInsc" + kMenor + "1234567890123]", "/cnaePrep" + kMenor + "471130]",
            "/nrInsc" + kMenor + "1234567890123]"}},
          {"inscriptions of 8 digits under 2.x",
           ve02_05_00,
           [](TEvtTabEstab& e) {
             e.infoEstab.IdeEstab.nrInsc = "12345678";
             e.infoEstab.DadosEstab().infoTrab.infoApr().contApr = "1";
             e.infoEstab.DadosEstab().infoTrab.infoApr().infoEntEduc.Add().nrInsc = "12345678";
           },
           {"<infoEntEduc><nrInsc>12345678</nrInsc></infoEntEduc>"},
           {},
           {}},
          {"100 educational entities",
           veS01_03_00,
           [](TEvtTabEstab& e) {
             TInfoEntEducCollection& lista = e.infoEstab.DadosEstab().infoTrab.infoApr().infoEntEduc;
             while (lista.Count() < 100) lista.Add().nrInsc = kEntidade;
           },
           {},
           {},
           {"/infoEntEduc(Lista de Informações das Entidades Educativas)" + kLimite + "99."}},
      });
}

TEST(S1005EstablishmentTable, IniCases) {
  esocialtest::VerificarCasosIni<TS1005Collection>(
      IniBase(),
      {
          {"apprentices given by their educational entities alone",
           [](TIni& ini) {
             ini["infoEntEduc01"] = {{"nrInsc", kEntidade}};
           },
           testsupport::kNoError,
           [](TEvtTabEstab& e) {
             TInfoTrab& trab = e.infoEstab.DadosEstab().infoTrab;
             ASSERT_TRUE(trab.infoAprInst());
             EXPECT_EQ(trab.infoApr().infoEntEduc.Count(), 1);
             EXPECT_FALSE(trab.infoPCDInst());
           }},
          {"quota codes alone make their groups",
           [](TIni& ini) {
             ini["infoApr"] = {{"contApr", "1"}};
             ini["infoPCD"] = {{"contPCD", "0"}};
           },
           testsupport::kNoError,
           [](TEvtTabEstab& e) {
             TInfoTrab& trab = e.infoEstab.DadosEstab().infoTrab;
             EXPECT_EQ(trab.infoApr().contApr, "1");
             EXPECT_EQ(trab.infoPCD().contPCD, "0");
           }},
          {"a RAT process given by its number alone is kept, its kind not invented",
           [](TIni& ini) {
             ini["procAdmJudRat"] = {{"nrProc", kProcesso}, {"codSusp", "3"}};
           },
           "tpProc': '' is not a valid value",
           [](TEvtTabEstab& e) {
             TAliqGilRat& aliq = e.infoEstab.DadosEstab().aliqGilrat;
             ASSERT_TRUE(aliq.procAdmJudRatInst());
             EXPECT_EQ(aliq.ProcAdmJudRat().nrProc, kProcesso);
             EXPECT_FALSE(aliq.procAdmJudFapInst());
             EXPECT_THAT(e.XML(), HasSubstr("<procAdmJudRat><tpProc></tpProc><nrProc>" + kProcesso));
           }},
          {"an exclusion reads no data",
           [](TIni& ini) {
             IniComProcessos(ini);
             ini["evtTabEstab"]["ModoLancamento"] = "exclusao";
           },
           testsupport::kNoError, [](TEvtTabEstab& e) { EXPECT_FALSE(e.infoEstab.dadosEstabInst()); }},
          {"a CAEPF kind outside its list",
           [](TIni& ini) {
             ini["infoCaepf"] = {{"tpCaepf", "4"}};
           },
           "INI: valor inválido em [infoCaepf] tpCaepf: \"4\"", [](TEvtTabEstab& e) { EXPECT_EQ(e.XML(), ""); }},
      });
}
