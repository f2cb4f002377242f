// S-2300, start of a worker without employment bond: documents of an intern, a union leader,
// an elected officer, a worker of category 308 and a ceded worker written from fields and from
// INI input, signed and valid against the official schemas of S-1.03, S-1.0 to S-1.2 and 2.5;
// the layouts' branches; the faults mended; the INI reader's cases.
#include "esocial/events/non_periodic/s2300_non_employee_start.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "esocial/events/event_ini.h"
#include "event_test_support.h"
#include "platform/date_time.h"
#include "support/esocial/worker_fixture.h"

using namespace esocial;
using namespace esocial::s2300;
using esocialtest::kCnpjEstab;
using esocialtest::TIni;
using platform::EncodeDate;
using testing::HasSubstr;
using testing::Not;

namespace {

const char* kCnpjAgente = "55666777000199";

// The worker of the fixture (an address, a disability, two dependants, a contact), an
// immigrant without a term of residence, starting on 1 March 2024.
void Preencher(TEvtTSVInicio& e) {
  e.Id = esocialtest::kIdEvento;
  e.IdeEvento.VerProc = "NEMBO 1.0";
  e.IdeEmpregador.NrInsc = esocialtest::kEmpregador;
  esocialtest::PreencherTrabalhadorS1(e.Trabalhador);
  e.Trabalhador.trabImig.tmpResid = ttrNenhum;
  e.infoTSVInicio.cadIni = tpSim;
  e.infoTSVInicio.dtInicio = EncodeDate(2024, 3, 1);
}

TIni IniBase() {
  return {
      {"evtTSVInicio", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento", {{"indRetif", "1"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"nrInsc", esocialtest::kEmpregador}}},
      {"trabalhador",
       {{"cpfTrab", "12345678909"},
        {"nmTrab", "Maria da Silva"},
        {"sexo", "F"},
        {"estCiv", "2"},
        {"grauInstr", "07"},
        {"nmSoc", "Maria"}}},
      {"nascimento", {{"dtNascto", "01/05/1990"}, {"paisNascto", "105"}, {"paisNac", "105"}}},
      {"enderecoBrasil",
       {{"tpLograd", "R"},
        {"dscLograd", "Rua das Flores"},
        {"nrLograd", "100"},
        {"complemento", "Apto 1"},
        {"bairro", "Centro"},
        {"cep", "01001000"},
        {"codMunic", "3550308"}}},
      {"trabImig", {{"condIng", "1"}}},
      {"infoDeficiencia", {{"defFisica", "S"}, {"infoCota", "S"}, {"observacao", "Cadeirante"}}},
      {"dependente01",
       {{"tpDep", "01"},
        {"nmDep", "Jose da Silva"},
        {"dtNascto", "02/03/1988"},
        {"cpfDep", "98765432100"},
        {"sexoDep", "M"},
        {"depSF", "N"},
        {"incTrab", "N"},
        {"descrDep", "Conjuge"}}},
      {"dependente02", {{"nmDep", "Ana da Silva"}, {"dtNascto", "09/07/2015"}, {"depIRRF", "N"}, {"incTrab", "N"}}},
      {"contato", {{"fonePrinc", "11999998888"}, {"emailPrinc", "maria@example.com"}}},
      {"infoTSVInicio", {{"cadIni", "S"}, {"dtInicio", "01/03/2024"}}},
  };
}

// An intern (901) of higher education whose school has a CNPJ, with an agent and a supervisor.
void Estagiario(TEvtTSVInicio& e) {
  e.infoTSVInicio.codCateg = 901;
  e.infoTSVInicio.matricula = "EST-01";
  TinfoEstagiario& est = e.infoTSVInicio.infoComplementares.infoEstagiario;
  est.natEstagio = neObrigatiorio;
  est.nivEstagio = nvSuperior;
  est.areaAtuacao = "Direito";
  est.nrApol = "AP-123";
  est.dtPrevTerm = EncodeDate(2025, 2, 28);
  est.instEnsino.cnpjInstEnsino = kCnpjEstab;
  est.ageIntegracao.cnpjAgntInteg = kCnpjAgente;
  est.supervisorEstagio.cpfSupervisor = "98765432100";
}

void IniEstagiario(TIni& ini) {
  ini["infoTSVInicio"]["codCateg"] = "901";
  ini["infoTSVInicio"]["matricula"] = "EST-01";
  ini["infoEstagiario"] = {{"natEstagio", "O"},
                           {"nivEstagio", "4"},
                           {"areaAtuacao", "Direito"},
                           {"nrApol", "AP-123"},
                           {"dtPrevTerm", "28/02/2025"}};
  ini["instEnsino"] = {{"cnpjInstEnsino", kCnpjEstab}};
  ini["ageIntegracao"] = {{"cnpjAgntInteg", kCnpjAgente}};
  ini["supervisorEstagio"] = {{"cpfSupervisor", "98765432100"}};
}

// A school known by its name and address.
void EscolaSemCnpj(TEvtTSVInicio& e) {
  Estagiario(e);
  e.infoTSVInicio.infoComplementares.infoEstagiario.instEnsino = {"",       "Escola Modelo", "Rua A", "1",
                                                                  "Centro", "01001000",      3550308, "SP"};
}

void IniEscolaSemCnpj(TIni& ini) {
  IniEstagiario(ini);
  ini["instEnsino"] = {{"nmRazao", "Escola Modelo"}, {"dscLograd", "Rua A"},  {"nrLograd", "1"}, {"bairro", "Centro"},
                       {"cep", "01001000"},          {"codMunic", "3550308"}, {"uf", "SP"}};
}

// A union leader (401) who came from an employment, paid monthly as its director.
void Dirigente(TEvtTSVInicio& e) {
  e.infoTSVInicio.codCateg = 401;
  e.infoTSVInicio.natAtividade = navUrbano;
  TinfoComplementares& c = e.infoTSVInicio.infoComplementares;
  c.cargoFuncao.nmCargo = "Diretor sindical";
  c.cargoFuncao.CBOCargo = "114105";
  c.Remuneracao = {5000, sfPorMes, "Verba de representacao"};
  TinfoDirSind& d = c.infoDirSind;
  d.categOrig = 101;
  d.tpInsc = tiCNPJ;
  d.nrInsc() = kCnpjEstab;
  d.dtAdmOrig = EncodeDate(2015, 1, 10);
  d.matricOrig = "M-77";
  d.tpRegTrab = trCLT;
  d.tpRegPrev = rpRGPS;
}

void IniDirigente(TIni& ini) {
  ini["infoTSVInicio"]["codCateg"] = "401";
  ini["infoTSVInicio"]["natAtividade"] = "1";
  ini["cargoFuncao"] = {{"nmCargo", "Diretor sindical"}, {"CBOCargo", "114105"}};
  ini["remuneracao"] = {{"vrSalFx", "5000"}, {"undSalFixo", "5"}, {"dscSalVar", "Verba de representacao"}};
  ini["infoDirigenteSindical"] = {{"categOrig", "101"},        {"tpInsc", "1"},        {"nrInsc", kCnpjEstab},
                                  {"dtAdmOrig", "10/01/2015"}, {"matricOrig", "M-77"}, {"tpRegTrab", "1"},
                                  {"tpRegPrev", "1"}};
}

// An elected officer (304), a servant of a municipality paid by the office of origin.
void Mandato(TEvtTSVInicio& e) {
  e.infoTSVInicio.codCateg = 304;
  e.infoTSVInicio.infoComplementares.infoMandElet = {301,    kCnpjEstab,    "M-88", EncodeDate(2023, 1, 1),
                                                     snfSim, trEstatutario, rpRPPS};
}

void IniMandato(TIni& ini) {
  ini["infoTSVInicio"]["codCateg"] = "304";
  ini["infoMandElet"] = {
      {"categOrig", "301"},   {"cnpjOrig", kCnpjEstab}, {"matricOrig", "M-88"}, {"dtExercOrig", "01/01/2023"},
      {"indRemunCargo", "S"}, {"tpRegTrab", "2"},       {"tpRegPrev", "2"}};
}

// A servant ceded (410) by another body, with an FGTS option, a workplace, a CPF change, a
// leave and the end of the term.
void Cedido(TEvtTSVInicio& e) {
  TinfoTSVInicio& info = e.infoTSVInicio;
  info.codCateg = 410;
  info.cadIni = tpNao;
  TinfoComplementares& c = info.infoComplementares;
  c.infoTrabCedido = {301, kCnpjEstab, "M-99", EncodeDate(2010, 2, 1), trEstatutario, rpRPPS, ocCedente};
  c.Fgts.DtOpcFGTS = EncodeDate(2024, 3, 1);
  c.localTrabGeral = {tiCNPJ, kCnpjEstab, "Sede"};
  info.mudancaCPF.cpfAnt = "11144477735";
  info.mudancaCPF.matricAnt = "M-01";
  info.mudancaCPF.dtAltCPF = EncodeDate(2024, 2, 1);
  info.mudancaCPF.observacao = "CPF corrigido";
  info.afastamento = {EncodeDate(2024, 6, 1), mtvLicencaNaoRemunerada};
  info.termino.dtTerm = EncodeDate(2024, 12, 31);
}

void IniCedido(TIni& ini) {
  ini["infoTSVInicio"]["codCateg"] = "410";
  ini["infoTSVInicio"]["cadIni"] = "N";
  ini["infoTrabCedido"] = {{"categOrig", "301"},       {"cnpjCednt", kCnpjEstab}, {"matricCed", "M-99"},
                           {"dtAdmCed", "01/02/2010"}, {"tpRegTrab", "2"},        {"tpRegPrev", "2"}};
  ini["FGTS"] = {{"dtOpcFGTS", "01/03/2024"}};
  ini["localTrabGeral"] = {{"tpInsc", "1"}, {"nrInsc", kCnpjEstab}, {"descComp", "Sede"}};
  ini["mudancaCPF"] = {
      {"cpfAnt", "11144477735"}, {"matricAnt", "M-01"}, {"dtAltCPF", "01/02/2024"}, {"observacao", "CPF corrigido"}};
  ini["afastamento"] = {{"dtIniAfast", "01/06/2024"}, {"codMotAfast", "21"}};
  ini["termino"] = {{"dtTerm", "31/12/2024"}};
}

// The layouts before S-1.02 require every dependant's kind.
void ComTipoDeDependente(TEvtTSVInicio& e) { e.Trabalhador.Dependente.GetItem(1).tpDep = tdFilhoOuEnteado; }

std::string Vazio(const std::string& Tag) { return "/" + Tag + "() - Nenhum valor informado"; }
const std::string kCategoria308 = "Grupo não aceito na categoria 308: dados não enviados";

}  // namespace

TEST(S2300NonEmployeeStart, ValidDocuments) {
  esocialtest::VerificarDocumentosValidos<TS2300Collection>(
      Preencher, IniBase(),
      {
          {"an intern whose school has a CNPJ", Estagiario, IniEstagiario, {}},
          {"an intern whose school has none", EscolaSemCnpj, IniEscolaSemCnpj, {}},
          {"a union leader", Dirigente, IniDirigente, {}},
          {"an elected officer", Mandato, IniMandato, {}},
          {"category 308: no address, disability or contact",
           [](TEvtTSVInicio& e) { e.infoTSVInicio.codCateg = 308; },
           [](TIni& ini) { ini["infoTSVInicio"]["codCateg"] = "308"; },
           {"/endereco() - " + kCategoria308, "/infoDeficiencia() - " + kCategoria308,
            "/contato() - " + kCategoria308}},
          {"a ceded worker with an FGTS option, a workplace, a CPF change, a leave and an end", Cedido, IniCedido, {}},
      });
}

// The layouts before S-1.03, each against its own schema.
TEST(S2300NonEmployeeStart, OtherLayoutsAreValid) {
  const std::string de25 = esocialtest::VerificarValidoNoLeiaute<TS2300Collection>(ve02_05_00, [](TEvtTSVInicio& e) {
    Preencher(e);
    ComTipoDeDependente(e);
    Estagiario(e);
    TinfoComplementares& c = e.infoTSVInicio.infoComplementares;
    c.cargoFuncao.codCargo = "EST";
    c.Fgts = {ofOptante, EncodeDate(2024, 3, 1)};
    TinfoEstagiario& est = c.infoEstagiario;
    est.vlrBolsa = 1500;
    est.instEnsino.nmRazao = "Universidade";
    est.ageIntegracao = {kCnpjAgente, "Agente", "Rua B", "2", "", "01001000", 0, "SP"};
    est.supervisorEstagio.nmSuperv = "Jose Souza";
  });
  EXPECT_THAT(de25, HasSubstr("<fgts><opcFGTS>1</opcFGTS><dtOpcFGTS>2024-03-01</dtOpcFGTS></fgts>"));
  esocialtest::VerificarValidoNoLeiaute<TS2300Collection>(ve02_05_00, [](TEvtTSVInicio& e) {
    Preencher(e);
    ComTipoDeDependente(e);
    Cedido(e);
    e.Trabalhador.NisTrab = "12345678901";
    e.infoTSVInicio.infoComplementares.infoDirSind = {};
    e.infoTSVInicio.infoComplementares.infoDirSind.categOrig = 101;
    e.infoTSVInicio.infoComplementares.infoDirSind.cnpjOrigem() = kCnpjEstab;
  });
  const std::string de10 = esocialtest::VerificarValidoNoLeiaute<TS2300Collection>(veS01_00_00, [](TEvtTSVInicio& e) {
    Preencher(e);
    ComTipoDeDependente(e);
    Mandato(e);
  });
  EXPECT_THAT(de10, HasSubstr("<infoMandElet><indRemunCargo>S</indRemunCargo><tpRegTrab>2</tpRegTrab>"));
  esocialtest::VerificarValidoNoLeiaute<TS2300Collection>(veS01_01_00, [](TEvtTSVInicio& e) {
    Preencher(e);
    ComTipoDeDependente(e);
    Cedido(e);
    e.infoTSVInicio.infoComplementares.infoTrabCedido.tpRegPrev = rpSPSMFA;
  });
  // From S-1.02 the address may be left out, and category 308 has none.
  const std::string de12 = esocialtest::VerificarValidoNoLeiaute<TS2300Collection>(veS01_02_00, [](TEvtTSVInicio& e) {
    Preencher(e);
    Dirigente(e);
    e.Trabalhador.Endereco = {};
  });
  EXPECT_THAT(de12, Not(HasSubstr("<endereco>")));
  esocialtest::VerificarValidoNoLeiaute<TS2300Collection>(veS01_02_00, [](TEvtTSVInicio& e) {
    Preencher(e);
    e.infoTSVInicio.codCateg = 308;
  });
}

TEST(S2300NonEmployeeStart, LayoutBranches) {
  esocialtest::VerificarCasosLeiaute<TS2300Collection>(
      Preencher,
      {
          {"S-1.03: the intern's groups in the layout's order",
           veS01_03_00,
           [](TEvtTSVInicio& e) {
             Estagiario(e);
             Dirigente(e);
             e.infoTSVInicio.codCateg = 901;
           },
           {"<infoTSVInicio><cadIni>S</cadIni><matricula>EST-01</matricula><codCateg>901</codCateg><dtInicio>2024-03-"
            "01</dtInicio><infoComplementares><cargoFuncao><nmCargo>",
            "</remuneracao><infoDirigenteSindical><categOrig>101</categOrig><tpInsc>1</tpInsc><nrInsc>11222333000181<"
            "/nrInsc><dtAdmOrig>2015-01-10</dtAdmOrig><matricOrig>M-77</matricOrig><tpRegTrab>1</tpRegTrab><tpRegPrev>"
            "1</tpRegPrev></infoDirigenteSindical><infoEstagiario><natEstagio>O</natEstagio><nivEstagio>4</"
            "nivEstagio>",
            "<instEnsino><cnpjInstEnsino>11222333000181</cnpjInstEnsino></instEnsino><ageIntegracao><cnpjAgntInteg>"
            "55666777000199</cnpjAgntInteg></ageIntegracao><supervisorEstagio><cpfSupervisor>98765432100<"
            "/cpfSupervisor></supervisorEstagio></infoEstagiario></infoComplementares></infoTSVInicio>"},
           {"<natAtividade>", "<sexoDep>", "<infoCota>", "<nisTrab>", "<vlrBolsa>"},
           {}},
          {"2.5: fgts with its option, cnpjOrigem, the position's code; no matricula, mandate or workplace",
           ve02_05_00,
           [](TEvtTSVInicio& e) {
             ComTipoDeDependente(e);
             Cedido(e);
             Mandato(e);
             e.Trabalhador.NisTrab = "12345678901";
             TinfoComplementares& c = e.infoTSVInicio.infoComplementares;
             c.cargoFuncao = {"C1", "F1", "Nome", "", "", ""};
             c.infoDirSind.categOrig = 101;
             c.infoDirSind.cnpjOrigem() = kCnpjEstab;
           },
           {"<cargoFuncao><codCargo>C1</codCargo><codFuncao>F1</codFuncao></cargoFuncao><fgts><opcFGTS>1</opcFGTS>",
            "<infoDirigenteSindical><categOrig>101</categOrig><cnpjOrigem>11222333000181</cnpjOrigem><"
            "/infoDirigenteSindical>",
            "<tpRegTrab>2</tpRegTrab><tpRegPrev>2</tpRegPrev><infOnus>1</infOnus></infoTrabCedido></"
            "infoComplementares><mudancaCPF><cpfAnt>11144477735</cpfAnt><dtAltCPF>"},
           {"<matricula>", "<infoMandElet>", "<localTrabGeral>", "<FGTS>", "<nmCargo>", "<matricAnt>"},
           {}},
          {"S-1.01: no workplace yet",
           veS01_01_00,
           [](TEvtTSVInicio& e) {
             ComTipoDeDependente(e);
             Cedido(e);
           },
           {"</infoTrabCedido></infoComplementares><mudancaCPF>"},
           {"<localTrabGeral>"},
           {}},
          {"the position's 2.x code alone writes nothing from S-1.0",
           veS01_03_00,
           [](TEvtTSVInicio& e) {
             e.infoTSVInicio.codCateg = 701;
             e.infoTSVInicio.infoComplementares.cargoFuncao.codCargo = "C1";
           },
           {"</dtInicio></infoTSVInicio>"},
           {"<infoComplementares>", "<cargoFuncao>"},
           {}},
          {"a union leader of an original category without a regime of work; no inscription of origin",
           veS01_03_00,
           [](TEvtTSVInicio& e) {
             Dirigente(e);
             e.infoTSVInicio.infoComplementares.infoDirSind.categOrig = 701;
             e.infoTSVInicio.infoComplementares.infoDirSind.nrInsc().clear();
           },
           {"<infoDirigenteSindical><categOrig>701</categOrig><dtAdmOrig>2015-01-10</dtAdmOrig><matricOrig>M-77<"
            "/matricOrig><tpRegPrev>1</tpRegPrev></infoDirigenteSindical>"},
           {"<tpRegTrab>"},
           {}},
          {"no CPF change with cadIni S; no mandate but for category 304",
           veS01_03_00,
           [](TEvtTSVInicio& e) {
             Cedido(e);
             e.infoTSVInicio.cadIni = tpSim;
             e.infoTSVInicio.infoComplementares.infoMandElet.tpRegPrev = rpRGPS;
           },
           {"<cadIni>S</cadIni>"},
           {"<mudancaCPF>", "<infoMandElet>"},
           {}},
      });
  for (int categoria : {305, 721, 722, 771, 901}) {
    SCOPED_TRACE(categoria);
    esocialtest::VerificarCasosLeiaute<TS2300Collection>(Preencher, {{"no nature of the activity",
                                                                      veS01_03_00,
                                                                      [categoria](TEvtTSVInicio& e) {
                                                                        e.infoTSVInicio.codCateg = categoria;
                                                                        e.infoTSVInicio.natAtividade = navRural;
                                                                      },
                                                                      {"</dtInicio></infoTSVInicio>"},
                                                                      {"<natAtividade>"},
                                                                      {}}});
  }
}

// The faults mended, each a case a plain reading of the layout's fields gets wrong, and the
// changes of the shared worker writer.
TEST(S2300NonEmployeeStart, Faults) {
  esocialtest::VerificarCasosLeiaute<TS2300Collection>(
      Preencher,
      {
          {"under S-1.03 a school without CNPJ has its name and address",
           veS01_03_00,
           EscolaSemCnpj,
           {"<instEnsino><nmRazao>Escola Modelo</nmRazao><dscLograd>Rua A</dscLograd><nrLograd>1</nrLograd><bairro>"
            "Centro</bairro><cep>01001000</cep><codMunic>3550308</codMunic><uf>SP</uf></instEnsino>"},
           {"<instEnsino></instEnsino>"},
           {}},
          {"the mandate alone makes infoComplementares",
           veS01_03_00,
           Mandato,
           {"<codCateg>304</codCateg><dtInicio>2024-03-01</dtInicio><infoComplementares><infoMandElet><categOrig>301<"
            "/categOrig><cnpjOrig>11222333000181</cnpjOrig>"},
           {},
           {}},
          {"category 0 is not informed",
           veS01_03_00,
           [](TEvtTSVInicio&) {},
           {"<codCateg/><dtInicio>"},
           {"<codCateg>0</codCateg>"},
           {Vazio("codCateg")}},
          {"a union leader's regimes not given: no tpRegTrab, tpRegPrev empty",
           veS01_03_00,
           [](TEvtTSVInicio& e) {
             Dirigente(e);
             e.infoTSVInicio.infoComplementares.infoDirSind.tpRegTrab = trNenhum;
             e.infoTSVInicio.infoComplementares.infoDirSind.tpRegPrev = rpNenhum;
           },
           {"<matricOrig>M-77</matricOrig><tpRegPrev/></infoDirigenteSindical>"},
           {"<tpRegTrab>", "<tpRegPrev>0</tpRegPrev>"},
           {Vazio("tpRegPrev")}},
          {"a mandate's regimes not given are written empty",
           veS01_03_00,
           [](TEvtTSVInicio& e) {
             Mandato(e);
             e.infoTSVInicio.infoComplementares.infoMandElet.tpRegTrab = trNenhum;
             e.infoTSVInicio.infoComplementares.infoMandElet.tpRegPrev = rpNenhum;
           },
           {"<indRemunCargo>S</indRemunCargo><tpRegTrab/><tpRegPrev/></infoMandElet>"},
           {},
           {Vazio("tpRegTrab"), Vazio("tpRegPrev")}},
          {"under S-1.0 the mandate has no office of origin",
           veS01_00_00,
           [](TEvtTSVInicio& e) {
             ComTipoDeDependente(e);
             Mandato(e);
           },
           {"<infoMandElet><indRemunCargo>S</indRemunCargo>"},
           {"<categOrig>", "<cnpjOrig>", "<dtExercOrig>"},
           {}},
          {"the military protection of a ceded worker is alerted under S-1.0",
           veS01_00_00,
           [](TEvtTSVInicio& e) {
             ComTipoDeDependente(e);
             Cedido(e);
             e.infoTSVInicio.infoComplementares.infoTrabCedido.tpRegPrev = rpSPSMFA;
           },
           {"<tpRegPrev>4</tpRegPrev></infoTrabCedido>"},
           {},
           {"/tpRegPrev() - Conteúdo inválido"}},
          {"but not from S-1.01",
           veS01_01_00,
           [](TEvtTSVInicio& e) {
             ComTipoDeDependente(e);
             Cedido(e);
             e.infoTSVInicio.infoComplementares.infoTrabCedido.tpRegPrev = rpSPSMFA;
           },
           {"<tpRegPrev>4</tpRegPrev></infoTrabCedido>"},
           {},
           {}},
          {"a ceded worker given without the admission of origin is written, the date empty",
           veS01_03_00,
           [](TEvtTSVInicio& e) {
             Cedido(e);
             e.infoTSVInicio.infoComplementares.infoTrabCedido.dtAdmCed = 0;
           },
           {"<matricCed>M-99</matricCed><dtAdmCed/><tpRegTrab>2</tpRegTrab>"},
           {},
           {Vazio("dtAdmCed")}},
          {"a union leader given without the category of origin is written, the category empty",
           veS01_03_00,
           [](TEvtTSVInicio& e) {
             Dirigente(e);
             e.infoTSVInicio.infoComplementares.infoDirSind.categOrig = 0;
           },
           {"<infoDirigenteSindical><categOrig/><tpInsc>1</tpInsc>"},
           {},
           {Vazio("categOrig")}},
          {"an internship given without its end date is written, the date empty",
           veS01_03_00,
           [](TEvtTSVInicio& e) {
             Estagiario(e);
             e.infoTSVInicio.infoComplementares.infoEstagiario.dtPrevTerm = 0;
           },
           {"<nrApol>AP-123</nrApol><dtPrevTerm/><instEnsino>"},
           {},
           {Vazio("dtPrevTerm")}},
          {"308 under S-1.01 still writes its address, disability and contact",
           veS01_01_00,
           [](TEvtTSVInicio& e) {
             ComTipoDeDependente(e);
             e.infoTSVInicio.codCateg = 308;
           },
           {"<endereco>", "<infoDeficiencia>", "<contato>"},
           {},
           {}},
          {"308 from S-1.02 writes none of them",
           veS01_02_00,
           [](TEvtTSVInicio& e) { e.infoTSVInicio.codCateg = 308; },
           {"</nascimento><trabImig>", "</trabImig><dependente>", "</dependente></trabalhador>"},
           {"<endereco>", "<infoDeficiencia>", "<contato>"},
           {"/endereco() - " + kCategoria308, "/infoDeficiencia() - " + kCategoria308,
            "/contato() - " + kCategoria308}},
          {"308 without any of them raises no alert",
           veS01_03_00,
           [](TEvtTSVInicio& e) {
             e.infoTSVInicio.codCateg = 308;
             e.Trabalhador.Endereco = {};
             e.Trabalhador.InfoDeficiencia = {};
             e.Trabalhador.Contato = {};
           },
           {"</dependente></trabalhador>"},
           {"<contato>"},
           {}},
          {"no address from S-1.02 writes no empty one",
           veS01_02_00,
           [](TEvtTSVInicio& e) {
             Dirigente(e);
             e.Trabalhador.Endereco = {};
           },
           {"</nascimento><trabImig>"},
           {"<endereco>"},
           {}},
      });
  esocialtest::VerificarCasosIni<TS2300Collection>(
      [] {
        TIni ini = IniBase();
        IniDirigente(ini);
        return ini;
      }(),
      {
          {"nrInsc defaults to cnpjOrigem",
           [](TIni& ini) {
             ini["infoDirigenteSindical"].erase("nrInsc");
             ini["infoDirigenteSindical"]["cnpjOrigem"] = kCnpjEstab;
           },
           testsupport::kNoError,
           [](const TEvtTSVInicio& e) {
             EXPECT_EQ(e.infoTSVInicio.infoComplementares.infoDirSind.nrInsc(), kCnpjEstab);
             EXPECT_THAT(e.XML(), HasSubstr("<tpInsc>1</tpInsc><nrInsc>11222333000181</nrInsc><dtAdmOrig>"));
           }},
          {"no regime keys invent nothing: tpRegTrab left out, tpRegPrev empty",
           [](TIni& ini) {
             ini["infoDirigenteSindical"].erase("tpRegTrab");
             ini["infoDirigenteSindical"].erase("tpRegPrev");
           },
           "Falha na validação dos dados do evento",
           [](const TEvtTSVInicio& e) {
             EXPECT_THAT(e.XML(),
                         HasSubstr("<matricOrig>M-77</matricOrig><tpRegPrev></tpRegPrev></infoDirigenteSindical>"));
           }},
          {"no category is not informed", [](TIni& ini) { ini["infoTSVInicio"].erase("codCateg"); },
           "Falha na validação dos dados do evento",
           [](const TEvtTSVInicio& e) { EXPECT_THAT(e.XML(), HasSubstr("<codCateg></codCateg>")); }},
          {"localTrabGeral by its number alone",
           [](TIni& ini) {
             ini["localTrabGeral"] = {{"nrInsc", kCnpjEstab}};
           },
           testsupport::kNoError,
           [](const TEvtTSVInicio& e) {
             EXPECT_THAT(e.XML(), HasSubstr("<localTrabGeral><tpInsc>1</tpInsc><nrInsc>11222333000181</nrInsc><"
                                            "/localTrabGeral></infoComplementares>"));
           }},
          {"the older key names are read when the layout's are not given",
           [](TIni& ini) {
             ini["infoDirigenteSindical"].erase("tpRegTrab");
             ini["infoDirigenteSindical"].erase("tpRegPrev");
             ini["infoDirigenteSindical"]["tpTpRegTrab"] = "2";
             ini["infoDirigenteSindical"]["tpTpRegPrev"] = "2";
           },
           testsupport::kNoError,
           [](const TEvtTSVInicio& e) {
             EXPECT_EQ(e.infoTSVInicio.infoComplementares.infoDirSind.tpRegTrab, trEstatutario);
             EXPECT_EQ(e.infoTSVInicio.infoComplementares.infoDirSind.tpRegPrev, rpRPPS);
           }},
          {"the layout's key names win", [](TIni& ini) { ini["infoDirigenteSindical"]["tpTpRegPrev"] = "2"; },
           testsupport::kNoError,
           [](const TEvtTSVInicio& e) {
             EXPECT_EQ(e.infoTSVInicio.infoComplementares.infoDirSind.tpRegTrab, trCLT);
             EXPECT_EQ(e.infoTSVInicio.infoComplementares.infoDirSind.tpRegPrev, rpRGPS);
           }},
      });
  esocialtest::VerificarCasosIni<TS2300Collection>(
      [] {
        TIni ini = IniBase();
        IniMandato(ini);
        return ini;
      }(),
      {
          {"a mandate's regimes not given are not informed",
           [](TIni& ini) {
             ini["infoMandElet"].erase("tpRegTrab");
             ini["infoMandElet"].erase("tpRegPrev");
           },
           "Falha na validação dos dados do evento",
           [](const TEvtTSVInicio& e) {
             EXPECT_THAT(e.XML(),
                         HasSubstr("<indRemunCargo>S</indRemunCargo><tpRegTrab></tpRegTrab><tpRegPrev></tpRegPrev>"));
           }},
          {"a mandate without its pay option writes none",
           [](TIni& ini) { ini["infoMandElet"].erase("indRemunCargo"); }, testsupport::kNoError,
           [](const TEvtTSVInicio& e) {
             EXPECT_EQ(e.infoTSVInicio.infoComplementares.infoMandElet.indRemunCargo, snfNada);
             EXPECT_THAT(e.XML(), HasSubstr("</dtExercOrig><tpRegTrab>2</tpRegTrab>"));
           }},
      });
}

// Each optional group is read when any of its keys is given; codes not given are not informed,
// codes outside their lists raise.
TEST(S2300NonEmployeeStart, IniCases) {
  TIni estagiario = IniBase();
  IniEstagiario(estagiario);
  esocialtest::VerificarCasosIni<TS2300Collection>(
      estagiario,
      {
          {"an internship without its nature is read: natEstagio empty",
           [](TIni& ini) { ini["infoEstagiario"].erase("natEstagio"); }, "Falha na validação dos dados do evento",
           [](const TEvtTSVInicio& e) {
             EXPECT_THAT(e.XML(), HasSubstr("<infoEstagiario><natEstagio></natEstagio><nivEstagio>"));
           }},
          {"no level of the internship writes none", [](TIni& ini) { ini["infoEstagiario"].erase("nivEstagio"); },
           testsupport::kNoError,
           [](const TEvtTSVInicio& e) { EXPECT_THAT(e.XML(), HasSubstr("<natEstagio>O</natEstagio><areaAtuacao>")); }},
          {"the school, agent and supervisor are not read without the internship",
           [](TIni& ini) { ini.erase("infoEstagiario"); }, testsupport::kNoError,
           [](const TEvtTSVInicio& e) {
             EXPECT_EQ(e.infoTSVInicio.infoComplementares.infoEstagiario.instEnsino.cnpjInstEnsino, "");
             EXPECT_EQ(e.infoTSVInicio.infoComplementares.infoEstagiario.ageIntegracao.cnpjAgntInteg, "");
             EXPECT_THAT(e.XML(), Not(HasSubstr("<infoComplementares>")));
           }},
          {"pay by its unit alone: not applicable",
           [](TIni& ini) {
             ini["remuneracao"] = {{"undSalFixo", "7"}};
           },
           testsupport::kNoError,
           [](const TEvtTSVInicio& e) {
             EXPECT_THAT(e.XML(), HasSubstr("<infoComplementares><remuneracao><vrSalFx>0.00</vrSalFx><undSalFixo>7<"
                                            "/undSalFixo></remuneracao>"));
           }},
          {"an unknown level raises", [](TIni& ini) { ini["infoEstagiario"]["nivEstagio"] = "5"; },
           "INI: valor inválido em [infoEstagiario] nivEstagio: \"5\"", [](const TEvtTSVInicio&) {}},
          {"a school's town that is no number raises", [](TIni& ini) { ini["instEnsino"]["codMunic"] = "SP"; },
           "INI: valor inválido em [instEnsino] codMunic: \"SP\"", [](const TEvtTSVInicio&) {}},
          {"no cadIni is not informed", [](TIni& ini) { ini["infoTSVInicio"].erase("cadIni"); },
           "Falha na validação dos dados do evento",
           [](const TEvtTSVInicio& e) { EXPECT_THAT(e.XML(), HasSubstr("<infoTSVInicio><cadIni></cadIni>")); }},
          {"no nature of the activity writes none", [](TIni& ini) { ini["infoTSVInicio"]["codCateg"] = "101"; },
           testsupport::kNoError,
           [](const TEvtTSVInicio& e) {
             EXPECT_EQ(e.infoTSVInicio.natAtividade, navNaoInformar);
             EXPECT_THAT(e.XML(), Not(HasSubstr("<natAtividade>")));
           }},
      });
  TIni cedido = IniBase();
  IniCedido(cedido);
  esocialtest::VerificarCasosIni<TS2300Collection>(
      cedido, {
                  {"FGTS by its date alone; a leave without its reason written empty",
                   [](TIni& ini) { ini["afastamento"].erase("codMotAfast"); }, "Falha na validação dos dados do evento",
                   [](const TEvtTSVInicio& e) {
                     EXPECT_THAT(e.XML(), HasSubstr("<FGTS><dtOpcFGTS>2024-03-01</dtOpcFGTS></FGTS>"));
                     EXPECT_THAT(e.XML(), HasSubstr("<dtIniAfast>2024-06-01</dtIniAfast><codMotAfast></codMotAfast>"));
                   }},
                  {"a ceded worker without the bearer of the cost: not informed", [](TIni&) {}, testsupport::kNoError,
                   [](const TEvtTSVInicio& e) {
                     EXPECT_EQ(e.infoTSVInicio.infoComplementares.infoTrabCedido.infOnus,
                               kCodigoNaoInformado<tpInfOnus>);
                   }},
                  {"an unknown regime raises", [](TIni& ini) { ini["infoTrabCedido"]["tpRegPrev"] = "5"; },
                   "INI: valor inválido em [infoTrabCedido] tpRegPrev: \"5\"", [](const TEvtTSVInicio&) {}},
              });
}
