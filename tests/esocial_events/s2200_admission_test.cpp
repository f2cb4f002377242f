// S-2200: the documents written from fields and from INI text, valid and signed under S-1.03 and
// read back on the container's road; the layouts' branches; the INI reader's and the XML
// reader's cases.
#include "esocial/events/non_periodic/s2200_admission.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "esocial/configuration_esocial.h"
#include "event_test_support.h"
#include "platform/convert_error.h"
#include "platform/date_time.h"
#include "support/esocial/worker_fixture.h"

using namespace esocial;
using esocialtest::kCnpjEstab;
using esocialtest::TIni;
using testing::HasSubstr;
using testing::Not;

namespace {

// The worker of the fixture with a name that needs an entity, an immigrant without a term of
// residence and the second dependant's sex given.
void PreencherTrabalhador(TEvtAdmissao& e) {
  e.Id = esocialtest::kIdEvento;
  e.IdeEvento.indRetif = ireRetificacao;
  e.IdeEvento.NrRecibo = "1.1.0000000000000000001";
  e.IdeEvento.VerProc = "NEMBO 1.0";
  e.IdeEmpregador.NrInsc = esocialtest::kEmpregador;
  esocialtest::PreencherTrabalhadorS1(e.Trabalhador);
  e.Trabalhador.NmTrab = "Maria da Silva & Souza";
  e.Trabalhador.trabImig.tmpResid = ttrNenhum;
  e.Trabalhador.Dependente.GetItem(1).sexoDep = "F";
}

TIni IniTrabalhador() {
  return {
      {"evtAdmissao", {{"Id", esocialtest::kIdEvento}}},
      {"ideEvento", {{"indRetif", "2"}, {"nrRecibo", "1.1.0000000000000000001"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"nrInsc", esocialtest::kEmpregador}}},
      {"trabalhador",
       {{"cpfTrab", "12345678909"},
        {"nmTrab", "Maria da Silva & Souza"},
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
      {"dependente02",
       {{"nmDep", "Ana da Silva"}, {"dtNascto", "09/07/2015"}, {"sexoDep", "F"}, {"depIRRF", "N"}, {"incTrab", "N"}}},
      {"contato", {{"fonePrinc", "11999998888"}, {"emailPrinc", "maria@example.com"}}},
  };
}

// The bond of the fixture with an apprentice hired directly, a second substitute, 42.5 hours and
// a training code the layout does not have (3720).
void PreencherCeletista(TEvtAdmissao& e) {
  PreencherTrabalhador(e);
  esocialtest::PreencherVinculoS1(e.Vinculo);
  TInfoCeletista& c = e.Vinculo.infoRegimeTrab.InfoCeletista;
  c.TrabTemporario.IdeTrabSubstituido.Add().CpfTrabSubst = "22255588846";
  c.aprend.indAprend = tiapContrDireta;
  c.aprend.NrInsc.clear();
  e.Vinculo.infoContrato.HorContratual.qtdHrsSem = 42.5;
  e.Vinculo.infoContrato.treiCap().Add().codTreiCap = 3720;
}

TIni IniCeletista() {
  TIni ini = IniTrabalhador();
  ini.insert({
      {"vinculo", {{"matricula", "MAT-0001"}, {"cadIni", "N"}}},
      {"infoCeletista",
       {{"dtAdm", "02/01/2024"}, {"dtBase", "5"}, {"cnpjSindCategProf", kCnpjEstab}, {"matAnotJud", "ANOT-1"}}},
      {"FGTS", {{"dtOpcFGTS", "02/01/2024"}}},
      {"trabTemporario", {{"hipLeg", "1"}, {"justContr", "Substituicao de pessoal em ferias"}}},
      {"ideEstabVinc", {{"tpInsc", "1"}, {"nrInsc", kCnpjEstab}}},
      {"ideTrabSubstituido1", {{"cpfTrabSubst", "11144477735"}}},
      {"ideTrabSubstituido2", {{"cpfTrabSubst", "22255588846"}}},
      {"aprend", {{"indAprend", "1"}, {"cnpjEntQual", kCnpjEstab}, {"cnpjPrat", kCnpjEstab}}},
      {"infoContrato",
       {{"nmCargo", "Analista"},
        {"CBOCargo", "252105"},
        {"dtIngrCargo", "02/01/2024"},
        {"nmFuncao", "Analista de folha"},
        {"CBOFuncao", "252105"},
        {"acumCargo", "N"},
        {"codCateg", "101"}}},
      {"remuneracao", {{"vrSalFx", "3500,00"}, {"undSalFixo", "5"}, {"dscSalVar", "Comissoes"}}},
      {"duracao", {{"tpContr", "2"}, {"dtTerm", "31/12/2024"}, {"clauAssec", "N"}}},
      {"localTrabGeral", {{"tpInsc", "1"}, {"nrInsc", kCnpjEstab}, {"descComp", "Matriz"}}},
      {"localTempDom",
       {{"dscLograd", "Rua do Sitio"}, {"nrLograd", "5"}, {"cep", "13000000"}, {"CodMunic", "3509502"}}},
      {"horContratual",
       {{"qtdHrsSem", "42.5"}, {"tpJornada", "2"}, {"horNoturno", "N"}, {"dscJorn", "Doze por trinta e seis"}}},
      {"alvaraJudicial", {{"nrProcJud", "00000000000000000001"}}},
      {"observacoes01", {{"observacao", "Contrato de experiencia"}}},
      {"treiCap01", {{"codTreiCap", "1006"}}},
      {"treiCap02", {{"codTreiCap", "3720"}}},
      {"sucessaoVinc",
       {{"tpInsc", "2"},
        {"nrInsc", "12345678909"},
        {"matricAnt", "ANT-1"},
        {"dtTransf", "01/01/2024"},
        {"observacao", "Sucessao de empregador pessoa fisica"}}},
      {"transfDom", {{"cpfSubstituido", "11144477735"}, {"matricAnt", "DOM-1"}, {"dtTransf", "01/01/2024"}}},
      {"mudancaCPF",
       {{"cpfAnt", "98765432100"},
        {"matricAnt", "MATRICULA-ANTERIOR-000001"},
        {"dtAltCPF", "01/12/2023"},
        {"observacao", "Mudanca de CPF por decisao administrativa"}}},
      {"afastamento", {{"dtIniAfast", "01/02/2024"}, {"codMotAfast", "03"}}},
      {"desligamento", {{"dtDeslig", "31/12/2024"}}},
      {"cessao", {{"dtIniCessao", "01/06/2024"}}},
  });
  return ini;
}

// An apprentice hired through another establishment.
void PreencherAprendizIndireto(TEvtAdmissao& e) {
  PreencherCeletista(e);
  TAprend& a = e.Vinculo.infoRegimeTrab.InfoCeletista.aprend;
  a.indAprend = tiapContrIndireta;
  a.cnpjEntQual.clear();
  a.NrInsc = kCnpjEstab;
}

TIni IniAprendizIndireto() {
  TIni ini = IniCeletista();
  ini["aprend"] = {{"indAprend", "2"}, {"tpInsc", "1"}, {"nrInsc", kCnpjEstab}, {"cnpjPrat", kCnpjEstab}};
  return ini;
}

// Without a plan of the own regime: the INI text gives none either.
void PreencherEstatutario(TEvtAdmissao& e) {
  PreencherTrabalhador(e);
  TVinculo& v = e.Vinculo;
  v.matricula = "MAT-0002";
  v.tpRegTrab = trEstatutario;
  v.tpRegPrev = rpRPPS;
  v.cadIni = tpNao;
  TInfoEstatutario& s = v.infoRegimeTrab.InfoEstatutario;
  s.tpProv = tpNomeacaoCargoEfetivo;
  s.dtExercicio = platform::EncodeDate(2024, 2, 1);
  s.indTetoRGPS = snfNao;
  s.indAbonoPerm = snfSim;
  s.dtIniAbono = platform::EncodeDate(2024, 3, 1);
  v.infoContrato.nmCargo = "Auditor";
  v.infoContrato.CodCateg = 301;
}

TIni IniEstatutario() {
  TIni ini = IniTrabalhador();
  ini.insert({
      {"vinculo", {{"matricula", "MAT-0002"}, {"tpRegTrab", "2"}, {"tpRegPrev", "2"}, {"cadIni", "N"}}},
      {"infoEstatutario",
       {{"tpProv", "1"},
        {"dtExercicio", "01/02/2024"},
        {"indTetoRGPS", "N"},
        {"indAbonoPerm", "S"},
        {"dtIniAbono", "01/03/2024"}}},
      {"infoContrato", {{"nmCargo", "Auditor"}, {"codCateg", "301"}}},
  });
  return ini;
}

void PreencherSemEndereco(TEvtAdmissao& e) {
  PreencherEstatutario(e);
  e.Trabalhador.Endereco.Brasil = {};
}

TIni IniSemEndereco() {
  TIni ini = IniEstatutario();
  ini.erase("enderecoBrasil");
  return ini;
}

void PreencherEnderecoExterior(TEvtAdmissao& e) {
  PreencherSemEndereco(e);
  e.Trabalhador.ExtrangeiroSN = true;
  TExterior& x = e.Trabalhador.Endereco.Exterior;
  x.PaisResid = "063";
  x.DscLograd = "Avenida de Mayo";
  x.NrLograd = "500";
  x.Bairro = "Centro";
  x.NmCid = "Buenos Aires";
  x.CodPostal = "C1084";
}

TIni IniEnderecoExterior() {
  TIni ini = IniSemEndereco();
  ini["trabalhador"]["ExtrangeiroSN"] = "True";
  ini["enderecoExterior"] = {{"paisResid", "063"}, {"dscLograd", "Avenida de Mayo"}, {"nrLograd", "500"},
                             {"bairro", "Centro"}, {"nmCid", "Buenos Aires"},        {"codPostal", "C1084"}};
  return ini;
}

struct TCaso {
  std::string nome;
  std::function<void(TEvtAdmissao&)> preencher;
  std::function<TIni()> ini;
  std::vector<std::string> trechos;   // parts of the written document
  std::vector<std::string> ausentes;  // and what it does not hold
};

const std::vector<TCaso>& Casos() {
  static const std::vector<TCaso> casos = {
      {"CLT, apprentice hired directly, localTempDom without tpLograd",
       PreencherCeletista,
       IniCeletista,
       {"<trabImig><condIng>1</condIng></trabImig>", "<dependente><nmDep>Ana da Silva</nmDep>",
        "<qtdHrsSem>42.50</qtdHrsSem>", "<treiCap><codTreiCap>1006</codTreiCap></treiCap></infoContrato>",
        "<aprend><indAprend>1</indAprend><cnpjEntQual>11222333000181</cnpjEntQual><cnpjPrat>",
        "<localTempDom><dscLograd>Rua do Sitio</dscLograd>"},
       {"<codTreiCap>3720"}},
      {"CLT, apprentice hired indirectly",
       PreencherAprendizIndireto,
       IniAprendizIndireto,
       {"<aprend><indAprend>2</indAprend><tpInsc>1</tpInsc><nrInsc>11222333000181</nrInsc><cnpjPrat>"},
       {}},
      {"statutory",
       PreencherEstatutario,
       IniEstatutario,
       {"<infoEstatutario><tpProv>1</tpProv><dtExercicio>2024-02-01</dtExercicio><indTetoRGPS>"},
       {"<infoCeletista>", "<duracao>"}},
      {"no address", PreencherSemEndereco, IniSemEndereco, {"</nascimento><trabImig>"}, {"<endereco>"}},
      {"an address abroad",
       PreencherEnderecoExterior,
       IniEnderecoExterior,
       {"<endereco><exterior><paisResid>063</paisResid>"},
       {"<brasil>"}},
  };
  return casos;
}

}  // namespace

TEST(S2200Admission, DocumentsFromFieldsAndFromIniAreValidAndReadBack) {
  for (const TCaso& caso : Casos()) {
    SCOPED_TRACE(caso.nome);
    esocialtest::VerificarDocumentoValido<TS2200Collection>(caso.preencher, caso.ini());
    const esocialtest::TComponente c = esocialtest::NovoComponente(false);
    TEvtAdmissao e(c.eSocial.get());
    caso.preencher(e);
    const std::string xml = esocialtest::Escrito(e);
    for (const std::string& trecho : caso.trechos) EXPECT_THAT(xml, HasSubstr(trecho));
    for (const std::string& ausente : caso.ausentes) EXPECT_THAT(xml, Not(HasSubstr(ausente)));
  }
}

// indPriEmpr (cadIni "N"), documentos, trabEstrangeiro, aposentadoria and foneAlternat exist up
// to 2.5 only.
TEST(S2200Admission, Layouts) {
  for (TVersaoeSocial versao : {ve02_05_00, veS01_00_00, veS01_01_00, veS01_02_00, veS01_03_00}) {
    SCOPED_TRACE(VersaoeSocialToStr(versao));
    const esocialtest::TComponente c = esocialtest::NovoComponente(false);
    c.eSocial->Configuracoes().Geral->SetVersaoDF(versao);
    TEvtAdmissao e(c.eSocial.get());
    PreencherCeletista(e);
    TTrabalhador& t = e.Trabalhador;
    t.IndPriEmpr = tpSim;
    t.Documentos.CTPS.NrCtps = "1234567";
    t.Documentos.CTPS.SerieCtps = "00001";
    t.Documentos.CTPS.UfCtps = "SP";
    t.TrabEstrangeiro.DtChegada = platform::EncodeDate(2010, 1, 1);
    t.Aposentadoria.TrabAposent = tpSim;
    t.Contato.FoneAlternat = "1133334444";
    const std::string xml = esocialtest::Escrito(e);
    for (const char* trecho :
         {"<indPriEmpr>S</indPriEmpr>", "<documentos><CTPS>", "<trabEstrangeiro>", "<aposentadoria>", "<foneAlternat>"})
      EXPECT_EQ(xml.find(trecho) != std::string::npos, versao == ve02_05_00) << trecho;
  }
}

TEST(S2200Admission, IniCases) {
  struct TCasoIni {
    std::string nome;
    TVersaoeSocial versao;
    std::function<void(TIni&)> mudar;
    std::function<void(TEvtAdmissao&)> antes;  // the event before reading
    std::function<void(const TEvtAdmissao&)> verificar;
  };
  const std::vector<TCasoIni> casos = {
      {"the first dependant is dependente01, not dependente1",
       veS01_03_00,
       [](TIni& ini) {
         ini["dependente1"] = ini["dependente01"];
         ini.erase("dependente01");
         ini.erase("dependente02");
       },
       {},
       [](const TEvtAdmissao& e) { EXPECT_EQ(e.Trabalhador.Dependente.Count(), 0); }},
      {"a first dependant named FIM ends the list",
       veS01_03_00,
       [](TIni& ini) { ini["dependente01"]["nmDep"] = "FIM"; },
       {},
       [](const TEvtAdmissao& e) { EXPECT_EQ(e.Trabalhador.Dependente.Count(), 0); }},
      {"the first substitute is ideTrabSubstituido1, not ideTrabSubstituido01",
       veS01_03_00,
       [](TIni& ini) {
         ini["ideTrabSubstituido01"] = ini["ideTrabSubstituido1"];
         ini.erase("ideTrabSubstituido1");
         ini.erase("ideTrabSubstituido2");
       },
       {},
       [](const TEvtAdmissao& e) {
         EXPECT_EQ(e.Vinculo.infoRegimeTrab.InfoCeletista.TrabTemporario.IdeTrabSubstituido.Count(), 0);
       }},
      // No schema of S-1.01 is at hand: the assignment fails once the fields are read.
      {"below S-1.02 aprend is read for its tpInsc",
       veS01_01_00,
       [](TIni& ini) {
         ini["aprend"] = {{"indAprend", "1"}, {"tpInsc", "1"}, {"nrInsc", kCnpjEstab}};
       },
       {},
       [](const TEvtAdmissao& e) { EXPECT_EQ(e.Vinculo.infoRegimeTrab.InfoCeletista.aprend.NrInsc, kCnpjEstab); }},
      {"from S-1.02 a direct contract's aprend needs cnpjEntQual",
       veS01_03_00,
       [](TIni& ini) {
         ini["aprend"] = {{"indAprend", "1"}, {"tpInsc", "1"}, {"nrInsc", kCnpjEstab}};
       },
       {},
       [](const TEvtAdmissao& e) { EXPECT_EQ(e.Vinculo.infoRegimeTrab.InfoCeletista.aprend.NrInsc, ""); }},
      {"under S-1.03 the 2.x keys of sucessaoVinc are not read",
       veS01_03_00,
       [](TIni& ini) {
         ini["sucessaoVinc"] = {{"tpInscAnt", "1"}, {"cnpjEmpregAnt", kCnpjEstab}, {"dtTransf", "01/01/2024"}};
       },
       {},
       [](const TEvtAdmissao& e) {
         EXPECT_EQ(e.Vinculo.sucessaoVinc.nrInsc(), "");
         EXPECT_EQ(e.Vinculo.sucessaoVinc.dtTransf, 0);
       }},
      {"ExtrangeiroSN True sets the flag",
       veS01_03_00,
       [](TIni& ini) { ini["trabalhador"]["ExtrangeiroSN"] = "True"; },
       {},
       [](const TEvtAdmissao& e) { EXPECT_TRUE(e.Trabalhador.ExtrangeiroSN); }},
      {"ExtrangeiroSN xyz keeps it", veS01_03_00, [](TIni& ini) { ini["trabalhador"]["ExtrangeiroSN"] = "xyz"; },
       [](TEvtAdmissao& e) { e.Trabalhador.ExtrangeiroSN = true; },
       [](const TEvtAdmissao& e) { EXPECT_TRUE(e.Trabalhador.ExtrangeiroSN); }},
      {"no ExtrangeiroSN keeps it", veS01_03_00, [](TIni&) {},
       [](TEvtAdmissao& e) { e.Trabalhador.ExtrangeiroSN = true; },
       [](const TEvtAdmissao& e) { EXPECT_TRUE(e.Trabalhador.ExtrangeiroSN); }},
      {"tpContr 4 leaves duracao unread",
       veS01_03_00,
       [](TIni& ini) { ini["duracao"]["tpContr"] = "4"; },
       {},
       [](const TEvtAdmissao& e) { EXPECT_EQ(e.Vinculo.infoContrato.Duracao.dtTerm, 0); }},
      {"no tpContr leaves duracao unread",
       veS01_03_00,
       [](TIni& ini) { ini["duracao"].erase("tpContr"); },
       {},
       [](const TEvtAdmissao& e) { EXPECT_EQ(e.Vinculo.infoContrato.Duracao.dtTerm, 0); }},
      {"the alternative phone and e-mail default to empty",
       veS01_03_00,
       [](TIni&) {},
       {},
       [](const TEvtAdmissao& e) {
         EXPECT_EQ(e.Trabalhador.Contato.FoneAlternat, "");
         EXPECT_EQ(e.Trabalhador.Contato.EmailAlternat, "");
       }},
      {"a contact with only an e-mail is read",
       veS01_03_00,
       [](TIni& ini) { ini["contato"].erase("fonePrinc"); },
       {},
       [](const TEvtAdmissao& e) {
         EXPECT_EQ(e.Trabalhador.Contato.EmailPrinc, "maria@example.com");
         EXPECT_THAT(e.XML(), HasSubstr("<contato><emailPrinc>maria@example.com</emailPrinc></contato>"));
       }},
      {"a deficiency other than the physical one is read",
       veS01_03_00,
       [](TIni& ini) {
         ini["infoDeficiencia"] = {{"defVisual", "S"}};
       },
       {},
       [](const TEvtAdmissao& e) {
         EXPECT_EQ(e.Trabalhador.InfoDeficiencia.DefVisual, tpSim);
         EXPECT_THAT(e.XML(), HasSubstr("<infoDeficiencia><defFisica>N</defFisica><defVisual>S</defVisual>"));
       }},
      {"an inscription without its kind takes kind 1",
       veS01_03_00,
       [](TIni& ini) {
         ini["ideEstabVinc"].erase("tpInsc");
         ini["localTrabGeral"].erase("tpInsc");
       },
       {},
       [](const TEvtAdmissao& e) {
         EXPECT_EQ(e.Vinculo.infoRegimeTrab.InfoCeletista.TrabTemporario.IdeEstabVinc.NrInsc, kCnpjEstab);
         EXPECT_EQ(e.Vinculo.infoContrato.LocalTrabalho.LocalTrabGeral.NrInsc, kCnpjEstab);
         EXPECT_THAT(e.XML(), HasSubstr("<ideEstabVinc><tpInsc>1</tpInsc><nrInsc>" + std::string(kCnpjEstab)));
         EXPECT_THAT(e.XML(), HasSubstr("<localTrabGeral><tpInsc>1</tpInsc><nrInsc>" + std::string(kCnpjEstab)));
       }},
      {"an absent estCiv is not informed",
       veS01_03_00,
       [](TIni& ini) { ini["trabalhador"].erase("estCiv"); },
       {},
       [](const TEvtAdmissao& e) {
         EXPECT_EQ(e.Trabalhador.EstCiv, 0);
         EXPECT_THAT(e.XML(), Not(HasSubstr("<estCiv>")));
       }},
      {"condIng 0 leaves trabImig unread",
       veS01_03_00,
       [](TIni& ini) {
         ini["trabImig"] = {{"condIng", "0"}, {"tmpResid", "1"}};
       },
       {},
       [](const TEvtAdmissao& e) { EXPECT_EQ(e.Trabalhador.trabImig.tmpResid, ttrNenhum); }},
  };
  for (const TCasoIni& caso : casos) {
    SCOPED_TRACE(caso.nome);
    esocialtest::TComponente c = esocialtest::NovoComponente();
    TIni ini = IniCeletista();
    caso.mudar(ini);
    TEvtAdmissao& e = esocialtest::NovoEvento<TS2200Collection>(c, caso.versao);
    if (caso.antes) caso.antes(e);
    const std::string mensagem = testsupport::MessageOf([&] { e.LerArqIni(esocialtest::TextoIni(ini)); });
    if (caso.versao == veS01_03_00) {
      EXPECT_EQ(mensagem, testsupport::kNoError);
    }
    caso.verificar(e);
  }
}

TEST(S2200Admission, IniWithATrainingCodeThatIsNoNumberRaisesBeforeWriting) {
  esocialtest::TComponente c = esocialtest::NovoComponente();
  TEvtAdmissao& e = esocialtest::NovoEvento<TS2200Collection>(c, veS01_03_00);
  e.LerArqIni(esocialtest::TextoIni(IniCeletista()));
  const std::string anterior = e.XML();
  TIni ini = IniCeletista();
  ini["treiCap02"]["codTreiCap"] = "37x0";
  EXPECT_THAT(testsupport::MessageOf<platform::EConvertError>([&] { e.LerArqIni(esocialtest::TextoIni(ini)); }),
              HasSubstr("37x0"));
  EXPECT_EQ(e.XML(), anterior);
}

TEST(S2200Admission, XmlReaderCases) {
  esocialtest::TComponente c = esocialtest::NovoComponente(false);
  TEvtAdmissao campos(c.eSocial.get());
  PreencherCeletista(campos);
  const std::string xml = esocialtest::ComAssinaturaFicticia(esocialtest::Escrito(campos));

  {
    SCOPED_TRACE("no evtAdmissao");
    TEvtAdmissao e(c.eSocial.get());
    e.Id = "ID-ANTES";
    e.SetXML(
        esocialtest::Trocar(esocialtest::Trocar(xml, "<evtAdmissao ", "<evtOutro "), "</evtAdmissao>", "</evtOutro>"));
    EXPECT_TRUE(e.LerXML());
    EXPECT_EQ(e.Id, "ID-ANTES");
    EXPECT_EQ(e.Trabalhador.NmTrab, "");
    EXPECT_EQ(e.Vinculo.matricula, "");
  }
  {
    SCOPED_TRACE("contato under the root");
    const std::string contato =
        "<contato><fonePrinc>11999998888</fonePrinc><emailPrinc>maria@example.com</emailPrinc>"
        "</contato>";
    const std::string movido =
        esocialtest::Trocar(esocialtest::Trocar(xml, contato, ""), "<vinculo>", contato + "<vinculo>");
    const TEvtAdmissao& e = esocialtest::Carregar<TS2200Collection>(c, movido);
    EXPECT_EQ(e.Trabalhador.Contato.FonePrinc, "11999998888");
    EXPECT_EQ(e.Trabalhador.Contato.EmailPrinc, "maria@example.com");
  }
  struct TTroca {
    std::string de, para, valor;
  };
  for (const TTroca& troca : {TTroca{"<codTreiCap>1006<", "<codTreiCap>10x6<", "10x6"},
                              TTroca{"<dtAdm>2024-01-02<", "<dtAdm>2024-13-02<", "2024-13-02"}}) {
    SCOPED_TRACE("a value that is no number or date raises: " + troca.valor);
    const int antes = c.Eventos().Count();
    EXPECT_THAT(testsupport::MessageOf<platform::EConvertError>(
                    [&] { c.Eventos().LoadFromString(esocialtest::Trocar(xml, troca.de, troca.para)); }),
                HasSubstr(troca.valor));
    EXPECT_EQ(c.Eventos().Count(), antes);
  }
  {
    SCOPED_TRACE("entities and the fields the writer alone wrote before");
    const TEvtAdmissao& e = esocialtest::Carregar<TS2200Collection>(c, xml);
    EXPECT_EQ(e.Trabalhador.NmTrab, "Maria da Silva & Souza");
    EXPECT_EQ(e.IdeEvento.NrRecibo, "1.1.0000000000000000001");
    EXPECT_DOUBLE_EQ(e.Vinculo.infoContrato.HorContratual.qtdHrsSem, 42.5);
    EXPECT_EQ(e.Vinculo.sucessaoVinc.nrInsc(), "12345678909");
    EXPECT_EQ(e.Trabalhador.Dependente.GetItem(0).descrDep, "Conjuge");
    EXPECT_EQ(e.Trabalhador.Dependente.GetItem(1).sexoDep, "F");
    EXPECT_EQ(e.Trabalhador.Dependente.GetItem(1).tpDep, tdNenhum);
  }
}
