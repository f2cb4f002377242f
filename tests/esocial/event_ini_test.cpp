// The INI reader under the units' LerArqIni: loading, the steps all units share, value
// conventions and the numbered-section loop.
#include "esocial/events/event_ini.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/convert_error.h"
#include "platform/date_time.h"
#include "platform/strings.h"
#include "support/esocial/esocial_test_support.h"
#include "support/message_of.h"
#include "support/peer.h"
#include "test_event.h"

using namespace esocial;
using testsupport::MessageOf;

namespace {

const std::string kIniExclusao =
    "[evtInfoEmpregador]\n"
    "Id=ID1123456780000002025010112000000009\n"
    "Sequencial=3\n"
    "ModoLancamento=exclusao\n"
    "[ideEvento]\n"
    "procEmi=1\n"
    "verProc=NEMBO INI\n"
    "[ideEmpregador]\n"
    "tpInsc=1\n"
    "nrInsc=12345678000195\n"
    "[idePeriodo]\n"
    "iniValid=2024-01\n";

}  // namespace

TEST(EventIni, LerArqIniFromTextOrFileReadsWritesAndSigns) {
  auto c = esocialtest::NovoComponente();
  const std::string arquivo = c.pastaSalvar + "/evento.ini";
  // A file: CR LF lines behind a UTF-8 byte-order mark.
  testsupport::WriteFile(arquivo, "\xEF\xBB\xBF" + platform::StringReplace(kIniExclusao, "\n", "\r\n"));
  for (const std::string& entrada : {kIniExclusao, arquivo}) {
    esocialtest::TEvtTeste evento(c.eSocial.get());
    EXPECT_TRUE(evento.LerArqIni(entrada));
    EXPECT_EQ(evento.Id, "ID1123456780000002025010112000000009");
    EXPECT_EQ(evento.Sequencial, 3);
    EXPECT_EQ(evento.ModoLancamento, mlExclusao);
    EXPECT_EQ(evento.IdeEvento.VerProc, "NEMBO INI");
    EXPECT_EQ(evento.IdeEmpregador.NrInsc, esocialtest::kEmpregador);
    std::string saida;
    EXPECT_TRUE(esocialtest::Xmlsec1Aceita(evento.XML(), &saida)) << saida;
  }
}

TEST(EventIni, NeitherTextNorFile) {
  for (auto [entrada, mensagem] : {
           std::pair<std::string, std::string>{"", "String INI informada não é válida."},
           {"  ", "String INI informada não é válida."},
           {"/nao/existe.ini", "Arquivo: /nao/existe.ini não encontrado."},
           // Without "=" a text is a file name.
           {"[evtInfoEmpregador]", "Arquivo: [evtInfoEmpregador] não encontrado."},
       })
    EXPECT_EQ(MessageOf([&texto = entrada] { TLeitorIniEvento ini(texto); }), mensagem) << entrada;
}

TEST(EventIni, CommonSectionsAndTheirDefaults) {
  auto c = esocialtest::NovoComponente(false);
  TeSocialEvento evento(c.eSocial.get());
  {
    TLeitorIniEvento ini("[EVTINFOEMPREGADOR]\nid=X\n[IdeEvento]\nprocEmi=3\n[ideEmpregador]\ntpInsc=4\n");
    ini.LerIdentificacao(evento, "evtInfoEmpregador");
    EXPECT_EQ(evento.Id, "X");  // section and key names in any letter case
    EXPECT_EQ(evento.Sequencial, 0);
    TIdeEvento ide;
    ini.LerIdeEvento(ide);
    EXPECT_EQ(ide.ProcEmi, peAplicGovWeb);
    TIdeEmpregador emp;
    ini.LerIdeEmpregador(emp, evento);
    EXPECT_EQ(emp.TpInsc, tiCNO);
  }
  // Missing keys take their defaults; codes outside their lists the first value.
  TLeitorIniEvento ini("[x]\ny=1\n[ideEvento]\nindApuracao=7\n");
  EXPECT_EQ(ini.ModoLancamento("evtTabRubrica"), mlInclusao);
  TIdeEvento2 ide2;
  ide2.indRetif = ireRetificacao;
  ide2.indGuia = "1";
  ini.LerIdeEvento2(ide2);
  EXPECT_EQ(ide2.indRetif, ireOriginal);
  EXPECT_EQ(ide2.indGuia, "1");  // not read unless the unit asks
  ini.LerIdeEvento2(ide2, true);
  EXPECT_EQ(ide2.indGuia, "");
  TIdeEvento4 ide4;
  ide4.IndApuracao = ipaAnual;
  ini.LerIdeEvento4(ide4, false);
  EXPECT_EQ(ide4.IndApuracao, iapuMensal);
  TIdeEmpregador emp;
  emp.NrInsc = "9";
  ini.LerIdeEmpregador(emp, evento);
  EXPECT_EQ(emp.TpInsc, tiCNPJ);
  EXPECT_EQ(emp.NrInsc, "");

  // OrgaoPublico comes from the configured employer kind, unless the unit keeps it.
  for (auto [tipo, orgao] : {std::pair{teOrgaoPublico, true}, std::pair{tePessoaJuridica, false},
                             std::pair{teOrgaoPublicoExecutivoFederal, false}}) {
    c.eSocial->Configuracoes().Geral->SetTipoEmpregador(tipo);
    emp.OrgaoPublico = !orgao;
    ini.LerIdeEmpregador(emp, evento);
    EXPECT_EQ(emp.OrgaoPublico, orgao);
    ini.LerIdeEmpregador(emp, evento, false);
    EXPECT_EQ(emp.OrgaoPublico, orgao);
  }
  c.eSocial->Configuracoes().Geral->SetTipoEmpregador(teOrgaoPublico);
  emp.OrgaoPublico = false;
  ini.LerIdeEmpregador(emp, evento, false);
  EXPECT_FALSE(emp.OrgaoPublico);
}

TEST(EventIni, DatesAndDecimals) {
  TLeitorIniEvento ini(
      "[d]\nbarra=05/03/2024\ntraco=5-3-2024\nponto=05.03.24\nzero=0\nvazio=\n"
      "inexistente=31/02/2024\ntexto=amanhã\nmisto=2024-03-05\n"
      "[n]\nvirgula=1,5\nponto=2.25\ntexto=x\n");
  const platform::TDateTime data = platform::EncodeDate(2024, 3, 5);
  for (const char* chave : {"barra", "traco", "ponto"}) EXPECT_EQ(ini.Data("d", chave), data) << chave;
  for (const char* chave : {"zero", "vazio", "ausente"}) EXPECT_EQ(ini.Data("d", chave), 0) << chave;
  for (const char* chave : {"inexistente", "texto", "misto"})
    EXPECT_THROW(ini.Data("d", chave), platform::EConvertError) << chave;
  EXPECT_EQ(ini.Decimal("n", "virgula"), 1.5);
  EXPECT_EQ(ini.Decimal("n", "ponto"), 2.25);
  EXPECT_EQ(ini.Decimal("n", "texto"), 0);
  EXPECT_EQ(ini.Decimal("n", "ausente"), 0);

  // The strict reads: only a text that is no number raises.
  EXPECT_EQ(ini.DecimalEstrito("n", "virgula"), 1.5);
  EXPECT_EQ(ini.DecimalEstrito("n", "ausente"), 0);
  EXPECT_THAT(MessageOf([&] { ini.DecimalEstrito("n", "texto"); }), testing::HasSubstr("\"x\""));
  EXPECT_EQ(ini.InteiroExato<int>("d", "zero"), 0);
  EXPECT_EQ(ini.InteiroExato<int>("d", "vazio"), 0);
  EXPECT_EQ(MessageOf([&] { ini.InteiroExato<int>("n", "virgula"); }), "INI: valor inválido em [n] virgula: \"1,5\"");
  EXPECT_THROW(ini.InteiroExato<int>("d", "barra"), std::runtime_error);
}

// A code of a unit's own keys: absent or empty it is not informed; outside its list it raises
// with the key, not falling back on the list's first code.
TEST(EventIni, ValidCodesAndGivenKeys) {
  TLeitorIniEvento ini("[s]\ntpInsc=3\nvazio=\nerrado=9\n");
  EXPECT_EQ(ini.CodigoEstrito("s", "tpInsc", "", StrToTpInsc), tiCAEPF);
  EXPECT_EQ(ini.CodigoEstrito("s", "vazio", "", StrToTpInsc), kCodigoNaoInformado<tpTpInsc>);
  EXPECT_EQ(TpInscToStr(kCodigoNaoInformado<tpTpInsc>), "");
  EXPECT_EQ(ini.CodigoEstrito("s", "ausente", "", StrToTpDep, tdNenhum), tdNenhum);
  EXPECT_EQ(MessageOf([&] { ini.CodigoEstrito("s", "errado", "", StrToTpInsc); }),
            "INI: valor inválido em [s] errado: \"9\"");
  EXPECT_TRUE(ini.AlgumaChave("s", {"outra", "tpInsc"}));
  EXPECT_FALSE(ini.AlgumaChave("s", {"vazio", "ausente"}));
  EXPECT_FALSE(ini.AlgumaChave("nenhuma", {"tpInsc"}));
}

TEST(EventIni, NumberedSectionsEndAtTheirSentinel) {
  auto secoes = [](int de, int ate, int largura, const std::string& extra = "") {
    std::string texto;
    for (int i = de; i <= ate; ++i)
      texto += "[" + TLeitorIniEvento::NomeSecao("obs", i, largura) + "]\nobservacao=o" + std::to_string(i) + "\n";
    return texto + extra;
  };
  struct Caso {
    std::string nome, ini;
    int largura;
    std::vector<int> itens;
  };
  for (const auto& caso : {
           Caso{"FIM ends the list", secoes(1, 2, 2, "[obs03]\nobservacao=FIM\n[obs04]\nobservacao=o4\n"), 2, {1, 2}},
           Caso{
               "an empty first key ends it", secoes(1, 1, 2, "[obs02]\nobservacao=\n[obs03]\nobservacao=o3\n"), 2, {1}},
           Caso{"fim in other letters is a value", secoes(1, 1, 1, "[obs2]\nobservacao=fim\n"), 1, {1, 2}},
           Caso{"a missing first section gives no items", secoes(2, 3, 2), 2, {}},
           // Every number the width can name: the list stops after the last one.
           Caso{"full width", secoes(1, 9, 1), 1, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
       }) {
    TLeitorIniEvento ini(caso.ini);
    std::vector<int> lidos;
    ini.LerLista("obs", caso.largura, "observacao",
                 [&](int numero, const std::string& secao, const std::string& valor) {
                   EXPECT_EQ(secao, TLeitorIniEvento::NomeSecao("obs", numero, caso.largura));
                   EXPECT_EQ(valor, ini.Texto(secao, "observacao"));
                   lidos.push_back(numero);
                 });
    EXPECT_EQ(lidos, caso.itens) << caso.nome;
  }

  // A list inside a list item: its sections carry the outer number, then its own.
  TLeitorIniEvento ini("[ideEstabLot01]\ncodLotacao=L1\n[detVerbas01001]\ncodRubr=R1\n[detVerbas01002]\ncodRubr=R2\n");
  std::vector<std::string> rubricas;
  ini.LerLista("ideEstabLot", 2, "codLotacao", [&](int n, const std::string&, const std::string&) {
    ini.LerLista(TLeitorIniEvento::NomeSecao("detVerbas", n, 2), 3, "codRubr",
                 [&](int, const std::string&, const std::string& valor) { rubricas.push_back(valor); });
  });
  EXPECT_EQ(rubricas, (std::vector<std::string>{"R1", "R2"}));
}
