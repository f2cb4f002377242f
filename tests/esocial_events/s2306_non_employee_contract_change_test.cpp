// S-2306, contract change of a worker without employment bond: documents changing an intern's,
// a union leader's, an elected officer's and a ceded worker's information written from fields
// and from INI input, signed and valid against the official schemas of S-1.03, S-1.0 to S-1.2
// and 2.5; the layouts' branches; the faults mended; the INI reader's cases.
#include "esocial/events/non_periodic/s2306_non_employee_contract_change.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "event_test_support.h"
#include "platform/date_time.h"
#include "support/esocial/worker_fixture.h"

using namespace esocial;
using namespace esocial::s2306;
using esocialtest::kCnpjEstab;
using esocialtest::TIni;
using platform::EncodeDate;
using testing::HasSubstr;
using testing::Not;

namespace {

const char* kCnpjAgente = "55666777000199";

// A worker known by the registration number, an urban activity, changed on 1 April 2024.
void Preencher(TEvtTSVAltContr& e) {
  e.Id = esocialtest::kIdEvento;
  e.IdeEvento.VerProc = "NEMBO 1.0";
  e.IdeEmpregador.NrInsc = esocialtest::kEmpregador;
  e.IdeTrabSemVinc.cpfTrab = "12345678909";
  e.IdeTrabSemVinc.matricula = "TSV-01";
  e.infoTSVAlteracao.dtAlteracao = EncodeDate(2024, 4, 1);
  e.infoTSVAlteracao.natAtividade = navUrbano;
}

TIni IniBase() {
  return {
      {"evtTSVAltContr", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento", {{"indRetif", "1"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"nrInsc", esocialtest::kEmpregador}}},
      {"ideTrabSemVinculo", {{"cpfTrab", "12345678909"}, {"matricula", "TSV-01"}}},
      {"infoTSVAlteracao", {{"dtAlteracao", "01/04/2024"}, {"natAtividade", "1"}}},
  };
}

// An intern (901, no nature of the activity) of higher education whose school has a CNPJ,
// with an agent and a supervisor.
void Estagiario(TEvtTSVAltContr& e) {
  e.IdeTrabSemVinc.codCateg = 901;
  e.infoTSVAlteracao.natAtividade = navNaoInformar;
  TinfoEstagiario& est = e.infoTSVAlteracao.infoComplementares.infoEstagiario;
  est.natEstagio = neNaoObrigatorio;
  est.nivEstagio = nvSuperior;
  est.areaAtuacao = "Direito";
  est.dtPrevTerm = EncodeDate(2025, 2, 28);
  est.instEnsino.cnpjInstEnsino = kCnpjEstab;
  est.ageIntegracao.cnpjAgntInteg = kCnpjAgente;
  est.supervisorEstagio.cpfSupervisor = "98765432100";
}

void IniEstagiario(TIni& ini) {
  ini["ideTrabSemVinculo"]["codCateg"] = "901";
  ini["infoTSVAlteracao"].erase("natAtividade");
  ini["infoEstagiario"] = {
      {"natEstagio", "N"}, {"nivEstagio", "4"}, {"areaAtuacao", "Direito"}, {"dtPrevTerm", "28/02/2025"}};
  ini["instEnsino"] = {{"cnpjInstEnsino", kCnpjEstab}};
  ini["ageIntegracao"] = {{"cnpjAgntInteg", kCnpjAgente}};
  ini["supervisorEstagio"] = {{"cpfSupervisor", "98765432100"}};
}

// The intern's school known by its name and address.
void EscolaSemCnpj(TEvtTSVAltContr& e) {
  Estagiario(e);
  e.infoTSVAlteracao.infoComplementares.infoEstagiario.instEnsino = {"",       "Escola Modelo", "Rua A", "1",
                                                                     "Centro", "01001000",      3550308, "SP"};
}

void IniEscolaSemCnpj(TIni& ini) {
  IniEstagiario(ini);
  ini["instEnsino"] = {{"nmRazao", "Escola Modelo"}, {"dscLograd", "Rua A"},  {"nrLograd", "1"}, {"bairro", "Centro"},
                       {"cep", "01001000"},          {"codMunic", "3550308"}, {"uf", "SP"}};
}

// A union leader's new position and pay, under the general regime.
void Dirigente(TEvtTSVAltContr& e) {
  TinfoComplementares& c = e.infoTSVAlteracao.infoComplementares;
  c.cargoFuncao.nmCargo = "Diretor sindical";
  c.cargoFuncao.CBOCargo = "114105";
  c.Remuneracao = {5000, sfPorMes, "Verba de representacao"};
  c.infoDirigenteSindical.tpRegPrev = rpRGPS;
}

void IniDirigente(TIni& ini) {
  ini["cargoFuncao"] = {{"nmCargo", "Diretor sindical"}, {"CBOCargo", "114105"}};
  ini["remuneracao"] = {{"vrSalFx", "5000"}, {"undSalFixo", "5"}, {"dscSalVar", "Verba de representacao"}};
  ini["infoDirigenteSindical"] = {{"tpRegPrev", "1"}};
}

// An elected officer paid by the office of origin, under an own regime.
void Mandato(TEvtTSVAltContr& e) { e.infoTSVAlteracao.infoComplementares.infoMandElet = {snfSim, rpRPPS}; }

void IniMandato(TIni& ini) { ini["infoMandElet"] = {{"indRemunCargo", "S"}, {"tpRegPrev", "2"}}; }

// A military servant ceded to the employer, working at its seat, without pay of its own.
void Cedido(TEvtTSVAltContr& e) {
  TinfoComplementares& c = e.infoTSVAlteracao.infoComplementares;
  c.infoTrabCedido.tpRegPrev = rpSPSMFA;
  c.Remuneracao = {0, sfNaoaplicavel, ""};
  c.localTrabGeral = {tiCNPJ, kCnpjEstab, "Sede"};
}

void IniCedido(TIni& ini) {
  ini["infoTrabCedido"] = {{"tpRegPrev", "4"}};
  ini["remuneracao"] = {{"vrSalFx", "0"}, {"undSalFixo", "7"}};
  ini["localTrabGeral"] = {{"tpInsc", "1"}, {"nrInsc", kCnpjEstab}, {"descComp", "Sede"}};
}

// The 2.x layouts know the worker by CPF, NIS and category, the position by its code.
void Para25(TEvtTSVAltContr& e) {
  e.IdeTrabSemVinc.nisTrab = "12345678901";
  e.IdeTrabSemVinc.codCateg = 901;
  e.infoTSVAlteracao.infoComplementares.cargoFuncao.codCargo = "EST";
}

std::string Vazio(const std::string& Tag) { return "/" + Tag + "() - Nenhum valor informado"; }
const std::string kForaDoLeiaute = "/tpRegPrev() - Conteúdo inválido";

}  // namespace

TEST(S2306NonEmployeeContractChange, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS2306Collection>(
      Preencher, IniBase(),
      {
          {"an intern whose school has a CNPJ", Estagiario, IniEstagiario, {}},
          {"an intern whose school has none", EscolaSemCnpj, IniEscolaSemCnpj, {}},
          {"a union leader's position, pay and regime", Dirigente, IniDirigente, {}},
          {"an elected officer's mandate", Mandato, IniMandato, {}},
          {"a ceded military servant, no pay of the employer's, at its seat", Cedido, IniCedido, {}},
          {"a worker without registration number, known by the category",
           [](TEvtTSVAltContr& e) {
             e.IdeTrabSemVinc.matricula.clear();
             e.IdeTrabSemVinc.codCateg = 410;
             Cedido(e);
           },
           [](TIni& ini) {
             ini["ideTrabSemVinculo"] = {{"cpfTrab", "12345678909"}, {"codCateg", "410"}};
             IniCedido(ini);
           },
           {}},
      });
}

// The layouts before S-1.03, each against its own schema.
TEST(S2306NonEmployeeContractChange, OtherLayoutsAreValid) {
  const std::string de25 = esocialtest::VerificarValidoNoLeiaute<TS2306Collection>(ve02_05_00, [](TEvtTSVAltContr& e) {
    Preencher(e);
    Estagiario(e);
    Para25(e);
    Mandato(e);
    TinfoEstagiario& est = e.infoTSVAlteracao.infoComplementares.infoEstagiario;
    est.vlrBolsa = 1500;
    est.instEnsino.nmRazao = "Universidade";
    est.ageIntegracao = {kCnpjAgente, "Agente", "Rua B", "2", "", "01001000", 0, "SP"};
    est.supervisorEstagio.nmSuperv = "Jose Souza";
  });
  EXPECT_THAT(de25, HasSubstr("<ideTrabSemVinculo><cpfTrab>12345678909</cpfTrab><nisTrab>12345678901</nisTrab>"
                              "<codCateg>901</codCateg></ideTrabSemVinculo>"));
  EXPECT_THAT(de25,
              HasSubstr("<infoComplementares><cargoFuncao><codCargo>EST</codCargo></cargoFuncao><infoEstagiario>"));
  const std::string de10 = esocialtest::VerificarValidoNoLeiaute<TS2306Collection>(veS01_00_00, [](TEvtTSVAltContr& e) {
    Preencher(e);
    Estagiario(e);
    Dirigente(e);
    Mandato(e);
  });
  EXPECT_THAT(de10, HasSubstr("<nivEstagio>4</nivEstagio>"));
  esocialtest::VerificarValidoNoLeiaute<TS2306Collection>(veS01_01_00, [](TEvtTSVAltContr& e) {
    Preencher(e);
    Cedido(e);
  });
  const std::string de12 = esocialtest::VerificarValidoNoLeiaute<TS2306Collection>(veS01_02_00, [](TEvtTSVAltContr& e) {
    Preencher(e);
    Cedido(e);
  });
  EXPECT_THAT(de12, HasSubstr("</infoTrabCedido><localTrabGeral>"));
}

TEST(S2306NonEmployeeContractChange, LayoutBranches) {
  const auto todos = [](TEvtTSVAltContr& e) {
    Estagiario(e);
    Dirigente(e);
    Mandato(e);
    Cedido(e);
  };
  esocialtest::VerificarCasosLeiaute<TS2306Collection>(
      Preencher,
      {
          {"S-1.03: every group in the layout's order, the mandate after the union leader and the cession",
           veS01_03_00,
           todos,
           {"<ideTrabSemVinculo><cpfTrab>12345678909</cpfTrab><matricula>TSV-01</matricula></ideTrabSemVinculo>",
            "<infoTSVAlteracao><dtAlteracao>2024-04-01</dtAlteracao><infoComplementares><cargoFuncao><nmCargo>",
            "</remuneracao><infoDirigenteSindical><tpRegPrev>1</tpRegPrev></infoDirigenteSindical><infoTrabCedido>"
            "<tpRegPrev>4</tpRegPrev></infoTrabCedido><infoMandElet><indRemunCargo>S</indRemunCargo><tpRegPrev>2<"
            "/tpRegPrev></infoMandElet><infoEstagiario>",
            "</infoEstagiario><localTrabGeral><tpInsc>1</tpInsc><nrInsc>11222333000181</nrInsc><descComp>Sede<"
            "/descComp></localTrabGeral></infoComplementares></infoTSVAlteracao>"},
           {"<codCateg>", "<nisTrab>", "<natAtividade>", "<vlrBolsa>"},
           {}},
          {"2.5: nisTrab and the category; no mandate, union leader, cession or workplace",
           ve02_05_00,
           [&](TEvtTSVAltContr& e) {
             todos(e);
             Para25(e);
             e.infoTSVAlteracao.infoComplementares.infoEstagiario = {};
           },
           {"<nisTrab>12345678901</nisTrab><codCateg>901</codCateg></ideTrabSemVinculo>",
            "<cargoFuncao><codCargo>EST</codCargo></cargoFuncao><remuneracao>", "</remuneracao></infoComplementares>"},
           {"<matricula>", "<infoMandElet>", "<infoDirigenteSindical>", "<infoTrabCedido>", "<localTrabGeral>",
            "<nmCargo>"},
           {}},
          {"S-1.01: no workplace yet",
           veS01_01_00,
           Cedido,
           {"</infoTrabCedido></infoComplementares>"},
           {"<localTrabGeral>"},
           {}},
          {"without a registration number the category identifies the worker",
           veS01_03_00,
           [](TEvtTSVAltContr& e) {
             e.IdeTrabSemVinc.matricula.clear();
             e.IdeTrabSemVinc.codCateg = 410;
           },
           {"<cpfTrab>12345678909</cpfTrab><codCateg>410</codCateg></ideTrabSemVinculo>"},
           {"<matricula>"},
           {}},
          {"the position's 2.x codes write nothing from S-1.0",
           veS01_03_00,
           [](TEvtTSVAltContr& e) { e.infoTSVAlteracao.infoComplementares.cargoFuncao = {"C1", "F1", "", "", "", ""}; },
           {"</natAtividade></infoTSVAlteracao>"},
           {"<infoComplementares>", "<cargoFuncao>"},
           {}},
          {"S-1.03: a school with CNPJ is known by it alone",
           veS01_03_00,
           [](TEvtTSVAltContr& e) {
             EscolaSemCnpj(e);
             e.infoTSVAlteracao.infoComplementares.infoEstagiario.instEnsino.cnpjInstEnsino = kCnpjEstab;
           },
           {"<instEnsino><cnpjInstEnsino>11222333000181</cnpjInstEnsino></instEnsino>"},
           {"<nmRazao>"},
           {}},
      });
  for (int categoria : {305, 721, 722, 771, 901}) {
    SCOPED_TRACE(categoria);
    esocialtest::VerificarCasosLeiaute<TS2306Collection>(
        Preencher, {{"no nature of the activity",
                     veS01_03_00,
                     [categoria](TEvtTSVAltContr& e) { e.IdeTrabSemVinc.codCateg = categoria; },
                     {"</dtAlteracao></infoTSVAlteracao>"},
                     {"<natAtividade>"},
                     {}}});
  }
}

// The faults mended, each a case a plain reading of the layout's fields gets wrong.
TEST(S2306NonEmployeeContractChange, Faults) {
  esocialtest::VerificarCasosLeiaute<TS2306Collection>(
      Preencher,
      {
          {"the union leader's regime alone makes infoComplementares",
           veS01_03_00,
           [](TEvtTSVAltContr& e) { e.infoTSVAlteracao.infoComplementares.infoDirigenteSindical.tpRegPrev = rpRPPS; },
           {"</natAtividade><infoComplementares><infoDirigenteSindical><tpRegPrev>2</tpRegPrev><"
            "/infoDirigenteSindical></infoComplementares>"},
           {},
           {}},
          {"the cession's regime alone makes it",
           veS01_03_00,
           [](TEvtTSVAltContr& e) { e.infoTSVAlteracao.infoComplementares.infoTrabCedido.tpRegPrev = rpRGPS; },
           {"<infoComplementares><infoTrabCedido><tpRegPrev>1</tpRegPrev></infoTrabCedido></infoComplementares>"},
           {},
           {}},
          {"the mandate alone makes it",
           veS01_03_00,
           Mandato,
           {"<infoComplementares><infoMandElet><indRemunCargo>S</indRemunCargo><tpRegPrev>2</tpRegPrev><"
            "/infoMandElet></infoComplementares>"},
           {},
           {}},
          {"pay not applicable is written with 0",
           veS01_03_00,
           [](TEvtTSVAltContr& e) {
             e.infoTSVAlteracao.infoComplementares.Remuneracao = {0, sfNaoaplicavel, ""};
           },
           {"<infoComplementares><remuneracao><vrSalFx>0.00</vrSalFx><undSalFixo>7</undSalFixo></remuneracao>"},
           {},
           {}},
          {"a ceded worker's military protection from S-1.01",
           veS01_01_00,
           Cedido,
           {"<infoTrabCedido><tpRegPrev>4</tpRegPrev></infoTrabCedido>"},
           {},
           {}},
          {"is outside S-1.0's list, alerted",
           veS01_00_00,
           Cedido,
           {"<infoTrabCedido><tpRegPrev>4</tpRegPrev></infoTrabCedido>"},
           {},
           {kForaDoLeiaute}},
          {"as it is outside a union leader's list from S-1.02",
           veS01_03_00,
           [](TEvtTSVAltContr& e) { e.infoTSVAlteracao.infoComplementares.infoDirigenteSindical.tpRegPrev = rpSPSMFA; },
           {"<infoDirigenteSindical><tpRegPrev>4</tpRegPrev></infoDirigenteSindical>"},
           {},
           {kForaDoLeiaute}},
          {"a mandate without its pay option writes the regime alone",
           veS01_03_00,
           [](TEvtTSVAltContr& e) { e.infoTSVAlteracao.infoComplementares.infoMandElet.tpRegPrev = rpRGPS; },
           {"<infoMandElet><tpRegPrev>1</tpRegPrev></infoMandElet>"},
           {"<indRemunCargo>"},
           {}},
          {"a mandate without its required regime writes it empty",
           veS01_03_00,
           [](TEvtTSVAltContr& e) { e.infoTSVAlteracao.infoComplementares.infoMandElet.indRemunCargo = snfNao; },
           {"<infoMandElet><indRemunCargo>N</indRemunCargo><tpRegPrev/></infoMandElet>"},
           {},
           {Vazio("tpRegPrev")}},
          {"under S-1.03 a school without CNPJ has its name and address",
           veS01_03_00,
           EscolaSemCnpj,
           {"<instEnsino><nmRazao>Escola Modelo</nmRazao><dscLograd>Rua A</dscLograd><nrLograd>1</nrLograd><bairro>"
            "Centro</bairro><cep>01001000</cep><codMunic>3550308</codMunic><uf>SP</uf></instEnsino>"},
           {},
           {}},
          {"without a registration number, category 0 is not informed",
           veS01_03_00,
           [](TEvtTSVAltContr& e) { e.IdeTrabSemVinc.matricula.clear(); },
           {"<cpfTrab>12345678909</cpfTrab><codCateg/></ideTrabSemVinculo>"},
           {"<codCateg>0</codCateg>"},
           {Vazio("codCateg")}},
          {"2.5: a function without its position writes the position empty",
           ve02_05_00,
           [](TEvtTSVAltContr& e) {
             Para25(e);
             e.infoTSVAlteracao.infoComplementares.cargoFuncao.codCargo.clear();
             e.infoTSVAlteracao.infoComplementares.cargoFuncao.codFuncao = "F1";
           },
           {"<infoComplementares><cargoFuncao><codCargo/><codFuncao>F1</codFuncao></cargoFuncao></infoComplementares>"},
           {},
           {Vazio("codCargo")}},
      });
  esocialtest::VerificarCasosIni<TS2306Collection>(
      IniBase(), {
                     {"localTrabGeral by its number alone",
                      [](TIni& ini) {
                        ini["localTrabGeral"] = {{"nrInsc", kCnpjEstab}};
                      },
                      testsupport::kNoError,
                      [](const TEvtTSVAltContr& e) {
                        EXPECT_THAT(e.XML(),
                                    HasSubstr("<infoComplementares><localTrabGeral><tpInsc>1</tpInsc><nrInsc>"
                                              "11222333000181</nrInsc></localTrabGeral></infoComplementares>"));
                      }},
                     {"a ceded worker's regime 4 is read", [](TIni& ini) { ini["infoTrabCedido"]["tpRegPrev"] = "4"; },
                      testsupport::kNoError,
                      [](const TEvtTSVAltContr& e) {
                        EXPECT_EQ(e.infoTSVAlteracao.infoComplementares.infoTrabCedido.tpRegPrev, rpSPSMFA);
                      }},
                     {"pay by its unit alone: not applicable",
                      [](TIni& ini) {
                        ini["remuneracao"] = {{"undSalFixo", "7"}};
                      },
                      testsupport::kNoError,
                      [](const TEvtTSVAltContr& e) {
                        EXPECT_THAT(e.XML(), HasSubstr("<remuneracao><vrSalFx>0.00</vrSalFx><undSalFixo>7<"
                                                       "/undSalFixo></remuneracao>"));
                      }},
                 });
}

// Each optional group is read when any of its keys is given; codes not given are not informed,
// codes outside their lists raise.
TEST(S2306NonEmployeeContractChange, IniCases) {
  TIni estagiario = IniBase();
  IniEstagiario(estagiario);
  esocialtest::VerificarCasosIni<TS2306Collection>(
      estagiario,
      {
          {"no regime or mandate keys: none of their groups",
           [](TIni& ini) {
             ini["infoDirigenteSindical"] = {{"tpRegPrev", "0"}};
             ini["infoMandElet"] = {{"indRemunCargo", ""}};
           },
           testsupport::kNoError,
           [](const TEvtTSVAltContr& e) {
             const TinfoComplementares& c = e.infoTSVAlteracao.infoComplementares;
             EXPECT_EQ(c.infoDirigenteSindical.tpRegPrev, rpNenhum);
             EXPECT_EQ(c.infoTrabCedido.tpRegPrev, rpNenhum);
             EXPECT_EQ(c.infoMandElet.indRemunCargo, snfNada);
             EXPECT_EQ(c.infoMandElet.tpRegPrev, rpNenhum);
             EXPECT_THAT(e.XML(), HasSubstr("<infoComplementares><infoEstagiario>"));
           }},
          {"no nature of the activity writes none", [](TIni&) {}, testsupport::kNoError,
           [](const TEvtTSVAltContr& e) {
             EXPECT_EQ(e.infoTSVAlteracao.natAtividade, navNaoInformar);
             EXPECT_THAT(e.XML(), Not(HasSubstr("<natAtividade>")));
           }},
          {"the school, agent and supervisor are not read without the internship",
           [](TIni& ini) { ini.erase("infoEstagiario"); }, testsupport::kNoError,
           [](const TEvtTSVAltContr& e) {
             EXPECT_EQ(e.infoTSVAlteracao.infoComplementares.infoEstagiario.instEnsino.cnpjInstEnsino, "");
             EXPECT_EQ(e.infoTSVAlteracao.infoComplementares.infoEstagiario.supervisorEstagio.cpfSupervisor, "");
             EXPECT_THAT(e.XML(), Not(HasSubstr("<infoComplementares>")));
           }},
          {"an internship without its end date is written, the schema check names it",
           [](TIni& ini) { ini["infoEstagiario"].erase("dtPrevTerm"); }, "Falha na validação dos dados do evento",
           [](const TEvtTSVAltContr& e) {
             EXPECT_THAT(e.XML(), HasSubstr("<areaAtuacao>Direito</areaAtuacao><dtPrevTerm></dtPrevTerm>"));
           }},
          {"an unknown regime raises", [](TIni& ini) { ini["infoTrabCedido"]["tpRegPrev"] = "5"; },
           "INI: valor inválido em [infoTrabCedido] tpRegPrev: \"5\"", [](const TEvtTSVAltContr&) {}},
          {"an unknown pay option raises", [](TIni& ini) { ini["infoMandElet"]["indRemunCargo"] = "X"; },
           "INI: valor inválido em [infoMandElet] indRemunCargo: \"X\"", [](const TEvtTSVAltContr&) {}},
          {"a category that is no number raises", [](TIni& ini) { ini["ideTrabSemVinculo"]["codCateg"] = "9O1"; },
           "INI: valor inválido em [ideTrabSemVinculo] codCateg: \"9O1\"", [](const TEvtTSVAltContr&) {}},
          {"a pay that is no number raises",
           [](TIni& ini) {
             ini["remuneracao"] = {{"vrSalFx", "mil"}};
           },
           "vrSalFx", [](const TEvtTSVAltContr&) {}},
      });
}
