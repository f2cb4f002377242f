// The S-5501 reader: a valid S-1.03 document field for field, the same reading under every
// namespace, and the failures.
#include "esocial/totalizers/s5501_reader.h"

#include <gtest/gtest.h>

#include "platform/strings.h"
#include "totalizer_test_support.h"

using namespace esocial;
using esocial::s5501::TEvtTribProcTrab;
using esocialtest::Txt;
using platform::StringReplace;

namespace {

std::string Documento() { return esocialtest::FixtureValida("s5501.xml", "evtTribProcTrab"); }

}  // namespace

TEST(S5501Reader, AValidS103DocumentReadsFieldForField) {
  TS5501 leitor;
  leitor.SetXml(Documento());
  TEvtTribProcTrab& e = leitor.evtTribProcTrab();
  auto& proc = e.ideProc;
  ASSERT_TRUE(proc.instInfoTributos());
  ASSERT_EQ(proc.infoTributos().Count(), 2);
  auto& trib0 = proc.infoTributos().GetItem(0);
  auto& trib1 = proc.infoTributos().GetItem(1);
  ASSERT_EQ(trib0.infoCRContrib().Count(), 2);
  ASSERT_EQ(trib1.infoCRContrib().Count(), 1);
  ASSERT_TRUE(proc.instInfoCRIRRF());
  ASSERT_EQ(proc.infoCRIRRF().Count(), 2);
  const esocialtest::TValorLido valores[] = {
      // This reader takes no version from the document.
      {"VersaoDF", Txt(VersaoeSocialToStr(e.VersaoDF())), "v02_04_01"},
      {"id", Txt(e.id()), "ID1123456780000002025020112000005501"},
      {"ideEvento.nrRecArqBase", Txt(e.ideEvento.nrRecArqBase), "1.2.0000000000000005501"},
      {"ideEvento.perApur", Txt(e.ideEvento.perApur), ""},
      {"ideEmpregador.tpInsc", Txt(TpInscToStr(e.ideEmpregador.TpInsc)), "2"},
      {"ideEmpregador.nrInsc", Txt(e.ideEmpregador.NrInsc), "12345678909"},
      {"ideProc.nrProcTrab", Txt(proc.nrProcTrab), "12345678901234567890"},
      {"ideProc.perApur", Txt(proc.perApur), "2025-01"},
      {"infoTributos[0].perRef", Txt(trib0.perRef), "2024-11"},
      {"infoCRContrib[0][0].tpCR", Txt(trib0.infoCRContrib().GetItem(0).tpCR), "113851"},
      {"infoCRContrib[0][0].vrCR", Txt(trib0.infoCRContrib().GetItem(0).vrCR), "100.1"},
      {"infoCRContrib[0][1].tpCR", Txt(trib0.infoCRContrib().GetItem(1).tpCR), "164651"},
      {"infoCRContrib[0][1].vrCR", Txt(trib0.infoCRContrib().GetItem(1).vrCR), "200.2"},
      {"infoTributos[1].perRef", Txt(trib1.perRef), "2024-12"},
      {"infoCRContrib[1][0].tpCR", Txt(trib1.infoCRContrib().GetItem(0).tpCR), "113852"},
      {"infoCRContrib[1][0].vrCR", Txt(trib1.infoCRContrib().GetItem(0).vrCR), "300.3"},
      {"infoCRIRRF[0].tpCR", Txt(proc.infoCRIRRF().GetItem(0).tpCR), "593656"},
      {"infoCRIRRF[0].vrCR", Txt(proc.infoCRIRRF().GetItem(0).vrCR), "400.4"},
      {"infoCRIRRF[1].tpCR", Txt(proc.infoCRIRRF().GetItem(1).tpCR), "056152"},
      {"infoCRIRRF[1].vrCR", Txt(proc.infoCRIRRF().GetItem(1).vrCR), "0"},
  };
  for (const auto& v : valores) EXPECT_EQ(v.lido, v.esperado) << v.campo;
}

TEST(S5501Reader, EveryNamespaceReadsTheSame) {
  const std::string valido = Documento();
  for (const std::string ns : {"v02_05_00", "v_S_01_00_00", "v_S_01_01_00", "v_S_01_02_00"}) {
    SCOPED_TRACE(ns);
    TS5501 leitor;
    TEvtTribProcTrab& e = leitor.evtTribProcTrab();
    EXPECT_TRUE(esocialtest::LerXMLDe(e, StringReplace(valido, "v_S_01_03_00", ns)));
    EXPECT_EQ(e.VersaoDF(), ve02_04_01);
    EXPECT_EQ(e.id(), "ID1123456780000002025020112000005501");
    EXPECT_EQ(e.ideProc.infoTributos().Count(), 2);
    EXPECT_EQ(e.ideProc.infoCRIRRF().Count(), 2);
  }
}
