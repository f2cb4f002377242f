// The S-5503 reader: a valid S-1.03 document field for field, the same reading under every
// layout, and the failures.
#include "esocial/totalizers/s5503_reader.h"

#include <gtest/gtest.h>

#include "platform/strings.h"
#include "totalizer_test_support.h"

using namespace esocial;
using esocial::s5503::TevtFGTSProcTrab;
using esocialtest::Txt;
using platform::StringReplace;

namespace {

std::string Documento() { return esocialtest::FixtureValida("s5503.xml", "evtFGTSProcTrab"); }

}  // namespace

TEST(S5503Reader, AValidS103DocumentReadsFieldForField) {
  TS5503 leitor;
  leitor.SetXml(Documento());
  TevtFGTSProcTrab& e = leitor.evtFGTSProcTrab();
  ASSERT_EQ(e.infoTrabFGTS.Count(), 3);
  const auto& trab0 = e.infoTrabFGTS.GetItem(0);
  const auto& trab1 = e.infoTrabFGTS.GetItem(1);
  const auto& trab2 = e.infoTrabFGTS.GetItem(2);
  const auto& bases0 = trab0.infoFGTSProcTrab.ideEstab.basePerRef;
  const auto& bases1 = trab1.infoFGTSProcTrab.ideEstab.basePerRef;
  ASSERT_EQ(bases0.Count(), 2);
  ASSERT_EQ(bases1.Count(), 1);
  const esocialtest::TValorLido valores[] = {
      {"VersaoDF", Txt(VersaoeSocialToStr(e.VersaoDF())), "v_S_01_03_00"},
      {"Id", Txt(e.Id()), "ID1123456780000002025020112000005503"},
      {"ideEvento.nrRecArqBase", Txt(e.ideEvento.nrRecArqBase), "1.2.0000000000000005503"},
      {"ideEvento.perApur", Txt(e.ideEvento.perApur), "2025-01"},
      {"ideEmpregador.tpInsc", Txt(TpInscToStr(e.ideEmpregador.TpInsc)), "2"},
      {"ideEmpregador.nrInsc", Txt(e.ideEmpregador.NrInsc), "12345678909"},
      {"ideProc.origem", Txt(OrigemProcToStr(e.ideProc.origem)), "2"},
      {"ideProc.nrProcTrab", Txt(e.ideProc.nrProcTrab), "123456789012345"},
      {"ideTrabalhador.cpfTrab", Txt(e.IdeTrabalhador.cpfTrab), "98765432100"},
      {"infoTrabFGTS[0].matricula", Txt(trab0.matricula), "MAT-1"},
      {"infoTrabFGTS[0].codCateg", Txt(trab0.codCateg), "101"},
      {"infoTrabFGTS[0].categOrig", Txt(trab0.categOrig), "103"},
      {"infoTrabFGTS[0].totalFGTS", Txt(trab0.infoFGTSProcTrab.totalFGTS), "1234.56"},
      {"infoTrabFGTS[0].ideEstab.tpInsc", Txt(TpInscToStr(trab0.infoFGTSProcTrab.ideEstab.tpInsc)), "3"},
      {"infoTrabFGTS[0].ideEstab.nrInsc", Txt(trab0.infoFGTSProcTrab.ideEstab.nrInsc), "12345678901234"},
      {"basePerRef[0][0].perRef", Txt(bases0.GetItem(0).perRef), "2023-05"},
      {"basePerRef[0][0].codCateg", Txt(bases0.GetItem(0).codCateg), "102"},
      {"basePerRef[0][0].tpValorProcTrab", Txt(bases0.GetItem(0).tpValorProcTrab), "71"},
      {"basePerRef[0][0].remFGTSProcTrab", Txt(bases0.GetItem(0).remFGTSProcTrab), "1000.01"},
      {"basePerRef[0][0].dpsFGTSProcTrab", Txt(bases0.GetItem(0).dpsFGTSProcTrab), "80.02"},
      {"basePerRef[0][0].remFGTSSefip", Txt(bases0.GetItem(0).remFGTSSefip), "500.03"},
      {"basePerRef[0][0].dpsFGTSSefip", Txt(bases0.GetItem(0).dpsFGTSSefip), "40.04"},
      {"basePerRef[0][0].remFGTSDecAnt", Txt(bases0.GetItem(0).remFGTSDecAnt), "300.05"},
      {"basePerRef[0][0].dpsFGTSDecAnt", Txt(bases0.GetItem(0).dpsFGTSDecAnt), "24.06"},
      {"basePerRef[0][1].perRef", Txt(bases0.GetItem(1).perRef), "2023-06"},
      {"basePerRef[0][1].codCateg", Txt(bases0.GetItem(1).codCateg), "103"},
      {"basePerRef[0][1].tpValorProcTrab", Txt(bases0.GetItem(1).tpValorProcTrab), "72"},
      {"basePerRef[0][1].dpsFGTSProcTrab", Txt(bases0.GetItem(1).dpsFGTSProcTrab), "0"},
      {"infoTrabFGTS[1].matricula", Txt(trab1.matricula), "MAT-2"},
      // The worker has no codCateg of its own; its basePerRef's is not taken.
      {"infoTrabFGTS[1].codCateg", Txt(trab1.codCateg), "0"},
      {"infoTrabFGTS[1].categOrig", Txt(trab1.categOrig), "0"},
      {"infoTrabFGTS[1].totalFGTS", Txt(trab1.infoFGTSProcTrab.totalFGTS), "10"},
      {"infoTrabFGTS[1].ideEstab.tpInsc", Txt(TpInscToStr(trab1.infoFGTSProcTrab.ideEstab.tpInsc)), "4"},
      {"infoTrabFGTS[1].ideEstab.nrInsc", Txt(trab1.infoFGTSProcTrab.ideEstab.nrInsc), "123456789012"},
      {"basePerRef[1][0].perRef", Txt(bases1.GetItem(0).perRef), "2024-01"},
      {"basePerRef[1][0].codCateg", Txt(bases1.GetItem(0).codCateg), "101"},
      {"basePerRef[1][0].remFGTSProcTrab", Txt(bases1.GetItem(0).remFGTSProcTrab), "125"},
      // A worker without ideEstab keeps its total and takes nothing of the worker before it.
      {"infoTrabFGTS[2].codCateg", Txt(trab2.codCateg), "701"},
      {"infoTrabFGTS[2].totalFGTS", Txt(trab2.infoFGTSProcTrab.totalFGTS), "5"},
      {"infoTrabFGTS[2].ideEstab.nrInsc", Txt(trab2.infoFGTSProcTrab.ideEstab.nrInsc), ""},
      {"infoTrabFGTS[2].basePerRef", Txt(trab2.infoFGTSProcTrab.ideEstab.basePerRef.Count()), "0"},
  };
  for (const auto& v : valores) EXPECT_EQ(v.lido, v.esperado) << v.campo;
}

TEST(S5503Reader, EveryLayoutReadsTheSame) {
  const std::string valido = Documento();
  for (const std::string versao : {"v02_05_00", "v_S_01_00_00", "v_S_01_01_00", "v_S_01_02_00"}) {
    SCOPED_TRACE(versao);
    TS5503 leitor;
    leitor.SetXml(StringReplace(valido, "v_S_01_03_00", versao));
    TevtFGTSProcTrab& e = leitor.evtFGTSProcTrab();
    EXPECT_EQ(VersaoeSocialToStr(e.VersaoDF()), versao);
    EXPECT_EQ(e.ideProc.nrProcTrab, "123456789012345");
    ASSERT_EQ(e.infoTrabFGTS.Count(), 3);
    EXPECT_EQ(e.infoTrabFGTS.GetItem(0).infoFGTSProcTrab.ideEstab.basePerRef.Count(), 2);
  }
}
