// The S-5013 reader: a valid S-1.03 document field for field, the shape each layout reads,
// amounts, and the failures.
#include "esocial/totalizers/s5013_reader.h"

#include <gtest/gtest.h>

#include "platform/strings.h"
#include "totalizer_test_support.h"

using namespace esocial;
using esocial::s5013::TEvtFGTS;
using esocialtest::Txt;
using platform::StringReplace;

namespace {

std::string Documento() { return esocialtest::FixtureValida("s5013.xml", "evtFGTS"); }

}  // namespace

TEST(S5013Reader, AValidS103DocumentReadsFieldForField) {
  TS5013 leitor;
  leitor.SetXml(Documento());
  TEvtFGTS& e = leitor.EvtFGTS();
  auto& info = e.infoFGTS;
  EXPECT_FALSE(info.InfoBaseFGTSInst());
  EXPECT_FALSE(info.InfoDpsFGTSInst());
  ASSERT_EQ(info.ideEstab().Count(), 2);
  auto& estab0 = info.ideEstab().GetItem(0);
  auto& estab1 = info.ideEstab().GetItem(1);
  ASSERT_EQ(estab0.ideLotacao().Count(), 2);
  ASSERT_EQ(estab1.ideLotacao().Count(), 1);
  auto& lotA1 = estab0.ideLotacao().GetItem(0);
  auto& lotA2 = estab0.ideLotacao().GetItem(1);
  auto& lotB1 = estab1.ideLotacao().GetItem(0);
  ASSERT_TRUE(lotA1.InfoBaseFGTSInst());
  EXPECT_FALSE(lotA2.InfoBaseFGTSInst());
  ASSERT_TRUE(lotB1.InfoBaseFGTSInst());
  auto& basesA1 = lotA1.infoBaseFGTS().basePerApur();
  ASSERT_EQ(basesA1.Count(), 2);
  // Each infoBasePerAntE of a lotação is an item with its own bases.
  auto& antA1 = lotA1.infoBaseFGTS().infoBasePerAntE();
  ASSERT_EQ(antA1.Count(), 2);
  ASSERT_EQ(antA1.GetItem(0).basePerAntE().Count(), 2);
  ASSERT_EQ(antA1.GetItem(1).basePerAntE().Count(), 1);
  EXPECT_FALSE(lotB1.infoBaseFGTS().InfoBasePerAntEInst());
  auto& basesB1 = lotB1.infoBaseFGTS().basePerApur();
  ASSERT_EQ(basesB1.Count(), 1);
  const auto& ant00 = antA1.GetItem(0).basePerAntE().GetItem(0);
  const auto& ant01 = antA1.GetItem(0).basePerAntE().GetItem(1);
  const auto& ant10 = antA1.GetItem(1).basePerAntE().GetItem(0);
  const esocialtest::TValorLido valores[] = {
      {"VersaoDF", Txt(VersaoeSocialToStr(e.VersaoDF())), "v_S_01_03_00"},
      {"Id", Txt(e.Id()), "ID1123456780000002025020112000005013"},
      {"ideEvento.indApuracao", Txt(IndApuracaoToStr(e.ideEvento.IndApuracao)), "2"},
      {"ideEvento.perApur", Txt(e.ideEvento.perApur), "2024"},
      {"ideEmpregador.tpInsc", Txt(TpInscToStr(e.ideEmpregador.TpInsc)), "2"},
      {"ideEmpregador.nrInsc", Txt(e.ideEmpregador.NrInsc), "12345678909"},
      {"infoFGTS.nrRecArqBase", Txt(info.nrRecArqBase), "1.2.0000000000000005013"},
      {"infoFGTS.indExistInfo", Txt(info.indExistInfo), "1"},
      {"ideEstab[0].tpInsc", Txt(TpInscToStr(estab0.tpInsc)), "3"},
      {"ideEstab[0].nrInsc", Txt(estab0.nrInsc), "12345678901234"},
      {"ideLotacao[0][0].codLotacao", Txt(lotA1.codLotacao), "LOT-A1"},
      {"ideLotacao[0][0].tpLotacao", Txt(lotA1.tpLotacao), "01"},
      // tpLotacao 01 has no inscription of its own: the one in the text is not read.
      {"ideLotacao[0][0].tpInsc", Txt(TpInscToStr(lotA1.tpInsc)), "1"},
      {"ideLotacao[0][0].nrInsc", Txt(lotA1.nrInsc), ""},
      {"basePerApur[0][0][0].tpValor", Txt(basesA1.GetItem(0).tpValor), "11"},
      {"basePerApur[0][0][0].indIncid", Txt(basesA1.GetItem(0).indIncid), "1"},
      {"basePerApur[0][0][0].baseFGTS", Txt(basesA1.GetItem(0).baseFGTS), "30000000"},
      {"basePerApur[0][0][0].vrFGTS", Txt(basesA1.GetItem(0).vrFGTS), "2400000"},
      {"basePerApur[0][0][1].tpValor", Txt(basesA1.GetItem(1).tpValor), "12"},
      {"basePerApur[0][0][1].indIncid", Txt(basesA1.GetItem(1).indIncid), "9"},
      {"basePerApur[0][0][1].baseFGTS", Txt(basesA1.GetItem(1).baseFGTS), "15005500"},
      {"basePerApur[0][0][1].vrFGTS", Txt(basesA1.GetItem(1).vrFGTS), "0"},
      {"infoBasePerAntE[0][0][0].perRef", Txt(antA1.GetItem(0).perRef), "2024-01"},
      {"infoBasePerAntE[0][0][0].tpAcConv", Txt(antA1.GetItem(0).tpAcConv), "E"},
      {"basePerAntE[0][0][0][0].tpValorE", Txt(ant00.tpValorE), "13"},
      {"basePerAntE[0][0][0][0].indIncidE", Txt(ant00.indIncidE), "1"},
      {"basePerAntE[0][0][0][0].baseFGTSE", Txt(ant00.baseFGTSE), "1000000"},
      {"basePerAntE[0][0][0][0].vrFGTSE", Txt(ant00.vrFGTSE), "80000"},
      {"basePerAntE[0][0][0][1].tpValorE", Txt(ant01.tpValorE), "14"},
      {"basePerAntE[0][0][0][1].indIncidE", Txt(ant01.indIncidE), "9"},
      {"basePerAntE[0][0][0][1].baseFGTSE", Txt(ant01.baseFGTSE), "2000100"},
      {"basePerAntE[0][0][0][1].vrFGTSE", Txt(ant01.vrFGTSE), "0"},
      {"infoBasePerAntE[0][0][1].perRef", Txt(antA1.GetItem(1).perRef), "2024-02"},
      {"infoBasePerAntE[0][0][1].tpAcConv", Txt(antA1.GetItem(1).tpAcConv), "H"},
      {"basePerAntE[0][0][1][0].tpValorE", Txt(ant10.tpValorE), "17"},
      {"basePerAntE[0][0][1][0].baseFGTSE", Txt(ant10.baseFGTSE), "3000000"},
      {"basePerAntE[0][0][1][0].vrFGTSE", Txt(ant10.vrFGTSE), "240000"},
      {"ideLotacao[0][1].codLotacao", Txt(lotA2.codLotacao), "LOT-A2"},
      {"ideLotacao[0][1].tpLotacao", Txt(lotA2.tpLotacao), "03"},
      {"ideLotacao[0][1].tpInsc", Txt(TpInscToStr(lotA2.tpInsc)), "4"},
      {"ideLotacao[0][1].nrInsc", Txt(lotA2.nrInsc), "123456789012"},
      {"ideEstab[1].tpInsc", Txt(TpInscToStr(estab1.tpInsc)), "4"},
      {"ideEstab[1].nrInsc", Txt(estab1.nrInsc), "210987654321"},
      {"ideLotacao[1][0].codLotacao", Txt(lotB1.codLotacao), "LOT-B1"},
      {"ideLotacao[1][0].tpLotacao", Txt(lotB1.tpLotacao), "02"},
      {"ideLotacao[1][0].tpInsc", Txt(TpInscToStr(lotB1.tpInsc)), "1"},
      {"ideLotacao[1][0].nrInsc", Txt(lotB1.nrInsc), "11222333000181"},
      {"basePerApur[1][0][0].tpValor", Txt(basesB1.GetItem(0).tpValor), "21"},
      {"basePerApur[1][0][0].baseFGTS", Txt(basesB1.GetItem(0).baseFGTS), "23500"},
      {"basePerApur[1][0][0].vrFGTS", Txt(basesB1.GetItem(0).vrFGTS), "1900"},
  };
  for (const auto& v : valores) EXPECT_EQ(v.lido, v.esperado) << v.campo;
}

TEST(S5013Reader, AnEstablishmentWithoutItsOwnInscriptionTakesNoneFromItsLotacao) {
  // Not a valid document: the establishment's inscription is required. The reading keeps to
  // the establishment's own fields all the same.
  const std::string xml = StringReplace(Documento(), "<tpInsc>3</tpInsc>\n        <nrInsc>12345678901234</nrInsc>", "");
  TS5013 leitor;
  leitor.SetXml(xml);
  auto& estab = leitor.EvtFGTS().infoFGTS.ideEstab().GetItem(0);
  EXPECT_EQ(estab.tpInsc, tiCNPJ);
  EXPECT_EQ(estab.nrInsc, "");
  EXPECT_EQ(estab.ideLotacao().GetItem(1).nrInsc, "123456789012");
}

TEST(S5013Reader, TheVersionAloneChoosesTheShape) {
  // The fixture with the employer-wide deposits of the 2.x layouts.
  const std::string base = StringReplace(
      Documento(), "<ideEstab>",
      "<infoDpsFGTS><dpsPerApur><tpDps>1</tpDps><vrFGTS>9.99</vrFGTS></dpsPerApur></infoDpsFGTS><ideEstab>", false);
  for (const std::string versao : {"v02_05_00", "v_S_01_00_00", "v_S_01_01_00", "v_S_01_02_00", "v_S_01_03_00"}) {
    SCOPED_TRACE(versao);
    TS5013 leitor;
    leitor.SetXml(StringReplace(base, "v_S_01_03_00", versao));
    TEvtFGTS& e = leitor.EvtFGTS();
    auto& info = e.infoFGTS;
    EXPECT_EQ(VersaoeSocialToStr(e.VersaoDF()), versao);
    EXPECT_EQ(info.nrRecArqBase, "1.2.0000000000000005013");
    EXPECT_EQ(e.ideEvento.perApur, "2024");
    const bool s1 = versao != "v02_05_00";
    EXPECT_EQ(e.ideEvento.IndApuracao, s1 ? ipaAnual : iapuMensal);
    EXPECT_EQ(info.IdeEstabInst(), s1);
    EXPECT_EQ(info.InfoDpsFGTSInst(), !s1);
    EXPECT_EQ(info.InfoBaseFGTSInst(), !s1);
    if (s1) {
      EXPECT_EQ(info.ideEstab().Count(), 2);
    } else {
      ASSERT_EQ(info.infoDpsFGTS().dpsPerApur().Count(), 1);
      EXPECT_EQ(info.infoDpsFGTS().dpsPerApur().GetItem(0).tpDps, 1);
      EXPECT_EQ(info.infoDpsFGTS().dpsPerApur().GetItem(0).vrFGTS, 99900);
      // The 2.x shape looks for infoBaseFGTS anywhere in infoFGTS, and reads only the fields
      // of its own layout.
      auto& bases = info.infoBaseFGTS().basePerApur();
      ASSERT_EQ(bases.Count(), 2);
      EXPECT_EQ(bases.GetItem(0).tpValor, 11);
      EXPECT_EQ(bases.GetItem(0).baseFGTS, 30000000);
      EXPECT_EQ(bases.GetItem(0).indIncid, 0);
      EXPECT_EQ(bases.GetItem(0).vrFGTS, 0);
      EXPECT_FALSE(info.infoBaseFGTS().InfoBasePerAntEInst());
    }
  }
}

TEST(S5013Reader, AmountsAreHeldInTenThousandthsRounded) {
  struct Caso {
    const char* texto;
    std::int64_t valor;
  };
  for (const auto& caso : {Caso{"2.34567", 23457}, Caso{"2.34564", 23456}, Caso{"", 0}, Caso{"abc", 0},
                           Caso{"999999999999.99", 9999999999999900}}) {
    TS5013 leitor;
    leitor.SetXml(StringReplace(Documento(), "<baseFGTS>2.35<", std::string("<baseFGTS>") + caso.texto + "<"));
    EXPECT_EQ(leitor.EvtFGTS()
                  .infoFGTS.ideEstab()
                  .GetItem(1)
                  .ideLotacao()
                  .GetItem(0)
                  .infoBaseFGTS()
                  .basePerApur()
                  .GetItem(0)
                  .baseFGTS,
              caso.valor)
        << caso.texto;
  }
}
