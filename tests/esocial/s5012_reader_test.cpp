// The S-5012 reader: a valid S-1.03 document field for field, the lists each layout reads, a
// government reply of layout 2.04 and the failures.
#include "esocial/totalizers/s5012_reader.h"

#include <gtest/gtest.h>

#include "esocial/replies_batch_consult.h"
#include "platform/strings.h"
#include "totalizer_test_support.h"

using namespace esocial;
using esocial::s5012::TEvtIrrf;
using esocialtest::Txt;
using platform::StringReplace;

namespace {

std::string Documento() { return esocialtest::FixtureValida("s5012.xml", "evtIrrf"); }

}  // namespace

TEST(S5012Reader, AValidS103DocumentReadsFieldForField) {
  TS5012 leitor;
  leitor.SetXml(Documento());
  TEvtIrrf& e = leitor.EvtIrrf();
  ASSERT_EQ(e.InfoIRRF.InfoCRMen().Count(), 2);
  ASSERT_EQ(e.InfoIRRF.InfoCRDia().Count(), 1);
  const auto& men0 = e.InfoIRRF.InfoCRMen().GetItem(0);
  const auto& men1 = e.InfoIRRF.InfoCRMen().GetItem(1);
  const auto& dia = e.InfoIRRF.InfoCRDia().GetItem(0);
  const esocialtest::TValorLido valores[] = {
      {"VersaoDF", Txt(VersaoeSocialToStr(e.VersaoDF())), "v_S_01_03_00"},
      {"Id", Txt(e.Id()), "ID1123456780000002025020112000005012"},
      {"ideEvento.perApur", Txt(e.IdeEvento.perApur), "2025-01"},
      {"ideEmpregador.tpInsc", Txt(TpInscToStr(e.IdeEmpregador.TpInsc)), "2"},
      {"ideEmpregador.nrInsc", Txt(e.IdeEmpregador.NrInsc), "12345678909"},
      {"infoIRRF.nrRecArqBase", Txt(e.InfoIRRF.nrRecArqBase), "1.2.0000000000000005012"},
      {"infoIRRF.indExistInfo", Txt(e.InfoIRRF.indExistInfo), "1"},
      {"infoIRRF.infoCRContrib", Txt(e.InfoIRRF.InfoCRContrib.Count()), "0"},
      {"infoCRMen[0].CRMen", Txt(men0.CRMen), "056107"},
      {"infoCRMen[0].vrCRMen", Txt(men0.vrCRMen), "1234.56"},
      {"infoCRMen[0].vrCRMenSusp", Txt(men0.vrCRMenSusp), "0"},
      {"infoCRMen[1].CRMen", Txt(men1.CRMen), "058806"},
      {"infoCRMen[1].vrCRMen", Txt(men1.vrCRMen), "78.9"},
      {"infoCRDia[0].perApurDia", Txt(dia.perApurDia), "15"},
      {"infoCRDia[0].CRDia", Txt(dia.CRDia), "047301"},
      {"infoCRDia[0].vrCRDia", Txt(dia.vrCRDia), "45.67"},
      {"infoCRDia[0].vrCRDiaSusp", Txt(dia.vrCRDiaSusp), "0"},
  };
  for (const auto& v : valores) EXPECT_EQ(v.lido, v.esperado) << v.campo;
}

TEST(S5012Reader, TheVersionChoosesTheListsAndTheSuspendedAmounts) {
  // The fixture with what other layouts hold: an infoCRContrib (2.x) and the suspended amounts
  // (S-1.01).
  std::string base =
      StringReplace(Documento(), "<infoCRMen>",
                    "<infoCRContrib><tpCR>056107</tpCR><vrCR>10.50</vrCR></infoCRContrib><infoCRMen>", false);
  base = StringReplace(base, "</vrCRMen>", "</vrCRMen><vrCRMenSusp>5.25</vrCRMenSusp>");
  base = StringReplace(base, "</vrCRDia>", "</vrCRDia><vrCRDiaSusp>1.50</vrCRDiaSusp>");
  struct Caso {
    std::string versao;
    TVersaoeSocial esperada;
    bool contrib, listas, susp;
  };
  for (const auto& caso :
       {Caso{"v02_05_00", ve02_05_00, true, false, false}, Caso{"v_S_01_00_00", veS01_00_00, false, false, false},
        Caso{"v_S_01_01_00", veS01_01_00, false, true, true}, Caso{"v_S_01_02_00", veS01_02_00, false, true, false},
        Caso{"v_S_01_03_00", veS01_03_00, false, true, false}}) {
    SCOPED_TRACE(caso.versao);
    TS5012 leitor;
    leitor.SetXml(StringReplace(base, "v_S_01_03_00", caso.versao));
    auto& info = leitor.EvtIrrf().InfoIRRF;
    EXPECT_EQ(leitor.EvtIrrf().VersaoDF(), caso.esperada);
    EXPECT_EQ(info.indExistInfo, 1);
    ASSERT_EQ(info.InfoCRContrib.Count(), caso.contrib ? 1 : 0);
    if (caso.contrib) {
      EXPECT_EQ(info.InfoCRContrib.GetItem(0).tpCR, "056107");
      EXPECT_DOUBLE_EQ(info.InfoCRContrib.GetItem(0).vrCR, 10.5);
    }
    EXPECT_EQ(info.InfoCRMenInst(), caso.listas);
    EXPECT_EQ(info.InfoCRDiaInst(), caso.listas);
    if (!caso.listas) continue;
    ASSERT_EQ(info.InfoCRMen().Count(), 2);
    EXPECT_DOUBLE_EQ(info.InfoCRMen().GetItem(1).vrCRMenSusp, caso.susp ? 5.25 : 0);
    EXPECT_DOUBLE_EQ(info.InfoCRDia().GetItem(0).vrCRDiaSusp, caso.susp ? 1.5 : 0);
  }
}

TEST(S5012Reader, AGovernmentReplyOfLayout204IsReadByTheReplyReader) {
  auto leitor = esocialtest::TotalizadorDaAmostra<TS5012>("retorno-processamento/s5011-e-s5012.xml", "S5012");
  ASSERT_NE(leitor, nullptr);
  TEvtIrrf& e = leitor->EvtIrrf();
  EXPECT_EQ(e.VersaoDF(), ve02_04_02);
  EXPECT_EQ(e.Id(), "ID2005099680001481220181025010427976");
  EXPECT_EQ(e.IdeEvento.perApur, "2018-07");
  EXPECT_EQ(e.IdeEmpregador.NrInsc, "00509968000148");
  EXPECT_EQ(e.InfoIRRF.nrRecArqBase, "1.2.0000000000249108123");
  EXPECT_EQ(e.InfoIRRF.indExistInfo, 2);
  EXPECT_EQ(e.InfoIRRF.InfoCRContrib.Count(), 0);
  EXPECT_FALSE(e.InfoIRRF.InfoCRMenInst());
}
