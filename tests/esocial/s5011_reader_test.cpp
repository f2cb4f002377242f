// The S-5011 reader: an S-1.03 document holding every group, an establishment without its own
// aliquots, the layout versions, and the government's reply that carries one.
#include "esocial/totalizers/s5011_reader.h"

#include <gtest/gtest.h>

#include "esocial/replies_batch_consult.h"
#include "event_writers_support.h"
#include "platform/strings.h"
#include "totalizer_test_support.h"

using namespace esocial;
using namespace esocial::s5011;
using esocialtest::Txt;

namespace {

std::string Documento() { return esocialtest::Fixture("s5011_every_group.xml"); }

}  // namespace

TEST(S5011Reader, AValidS103DocumentReadsFieldForField) {
  const std::string doc = Documento();
  ASSERT_EQ(esocialtest::TEscritor().ErroDeSchema(doc, "evtCS"), "");
  TS5011 leitor;
  leitor.SetXml(doc);
  TEvtCS& e = leitor.EvtCS();
  TInfoCS& cs = e.InfoCS;

  ASSERT_EQ(cs.ideEstab.Count(), 2);
  TideEstabCollectionItem& estab1 = cs.ideEstab.GetItem(0);
  TideEstabCollectionItem& estab2 = cs.ideEstab.GetItem(1);
  ASSERT_EQ(estab1.ideLotacao.Count(), 2);
  ASSERT_EQ(estab2.ideLotacao.Count(), 1);
  TideLotacaoCollectionItem& lotA = estab1.ideLotacao.GetItem(0);
  TideLotacaoCollectionItem& lotB = estab1.ideLotacao.GetItem(1);
  TideLotacaoCollectionItem& lotC = estab2.ideLotacao.GetItem(0);
  ASSERT_EQ(lotA.infoTercSusp.Count(), 2);
  ASSERT_EQ(lotA.basesremun.Count(), 2);
  ASSERT_EQ(lotA.infoSubstPatrOpPort.Count(), 1);
  EXPECT_EQ(lotB.infoTercSusp.Count() + lotB.basesremun.Count() + lotB.infoSubstPatrOpPort.Count(), 0);
  ASSERT_EQ(lotC.basesremun.Count(), 1);
  ASSERT_EQ(estab1.basesAquis.Count(), 2);
  ASSERT_EQ(estab1.basesComerc.Count(), 1);
  ASSERT_EQ(estab1.infoCREstab.Count(), 1);
  EXPECT_EQ(estab2.basesAquis.Count() + estab2.basesComerc.Count(), 0);
  ASSERT_EQ(estab2.infoCREstab.Count(), 1);
  ASSERT_EQ(cs.infoCRContrib.Count(), 2);

  TInfoPJ& pj = cs.InfoContrib.infoPJ;
  TInfoEstab& info = estab1.infoEstab;
  TInfoEmprParcial& parcial = lotA.InfoEmprParcial;
  TbasesremunCollectionItem& remun1 = lotA.basesremun.GetItem(0);
  TbasesremunCollectionItem& remun2 = lotA.basesremun.GetItem(1);
  TbasesCp& cp = remun1.basesCp;
  TbasesCp13& cp13 = remun1.basesCp13;
  TbasesAvNport& av = lotA.basesAvNPort;
  TbasesAquisCollectionItem& aquis = estab1.basesAquis.GetItem(0);
  TbasesComercCollectionItem& comerc = estab1.basesComerc.GetItem(0);
  const esocialtest::TValorLido valores[] = {
      {"Id", e.Id(), "ID1123456780000002025020312000000003"},
      {"VersaoDF", Txt(e.VersaoDF()), Txt(veS01_03_00)},
      {"IndApuracao", Txt(e.IdeEvento.IndApuracao), Txt(ipaAnual)},
      {"perApur", e.IdeEvento.perApur, "2024"},
      {"nrRecArqBase of ideEvento", e.IdeEvento.nrRecArqBase, ""},
      {"ideEmpregador.tpInsc", Txt(e.IdeEmpregador.TpInsc), Txt(tiCNPJ)},
      {"ideEmpregador.nrInsc", e.IdeEmpregador.NrInsc, "12345678"},
      {"infoCS.nrRecArqBase", cs.nrRecArqBase, "1.2.0000000000000000701"},
      {"infoCS.indExistInfo", Txt(cs.indExistInfo), "1"},
      {"infoCPSeg.vrDescCP", Txt(cs.InfoCpSeg.vrDescCP), "1100.1"},
      {"infoCPSeg.vrCpSeg", Txt(cs.InfoCpSeg.vrCpSeg), "2200.2"},
      {"classTrib", cs.InfoContrib.classTrib, "99"},
      {"infoPJ.indCoop", Txt(pj.indCoop), "1"},
      {"infoPJ.indConstr", Txt(pj.indConstr), "1"},
      {"infoPJ.indSubstPatr", Txt(pj.indSubstPatr), "2"},
      {"infoPJ.percRedContrib", Txt(pj.percRedContrib), "12.5"},
      {"infoPJ.percTransf", Txt(pj.percTransf), Txt(PTr60)},
      {"infoPJ.indTribFolhaPisPasep", Txt(pj.indTribFolhaPisPasep), Txt(snfSim)},
      {"infoAtConc.fatorMes", Txt(pj.infoAtConc.fatorMes), "45.25"},
      {"infoAtConc.fator13", Txt(pj.infoAtConc.fator13), "54.75"},
      {"ideEstab1.TpInsc", Txt(estab1.TpInsc), Txt(tiCNPJ)},
      {"ideEstab1.NrInsc", estab1.NrInsc, "12345678000195"},
      {"infoEstab.fap", Txt(info.fap), "0.95"},
      {"infoEstab.aliqRatAjust", Txt(info.aliqRatAjust), "1.9"},
      {"infoEstab.cnaePrep", info.cnaePrep, "6201501"},
      {"infoEstab.cnpjResp", info.cnpjResp, "11222333000181"},
      {"infoEstab.AliqRat", Txt(info.AliqRat), Txt(arat2)},
      {"infoEstabRef.aliqRat", Txt(info.infoEstabRef.aliqRat), Txt(arat3)},
      {"infoEstabRef.fap", Txt(info.infoEstabRef.fap), "1.2345"},
      {"infoEstabRef.aliqRatAjust", Txt(info.infoEstabRef.aliqRatAjust), "3.7035"},
      {"infoComplObra.indSubstPatrObra", Txt(info.infoComplObra.indSubstPatrObra), "1"},
      {"lotA.fpas", Txt(lotA.fpas), "515"},
      {"lotA.codLotacao", lotA.codLotacao, "LOT-A"},
      {"lotA.codTercs", lotA.codTercs, "0115"},
      {"lotA.codTercsSusp", lotA.codTercsSusp, "0079"},
      {"infoTercSusp1.codTerc", lotA.infoTercSusp.GetItem(0).codTerc, "0001"},
      {"infoTercSusp2.codTerc", lotA.infoTercSusp.GetItem(1).codTerc, "0002"},
      {"infoEmprParcial.tpInscContrat", Txt(parcial.tpInscContrat), "1"},
      {"infoEmprParcial.nrInscContrat", parcial.nrInscContrat, "33444555000172"},
      {"infoEmprParcial.tpInscProp", Txt(parcial.tpInscProp), "2"},
      {"infoEmprParcial.nrInscProp", parcial.nrInscProp, "98765432100"},
      {"infoEmprParcial.cnoObra", parcial.cnoObra, "112233445566"},
      {"lotA.cnoObra", lotA.cnoObra, ""},
      {"dadosOpPort.fap", Txt(lotA.dadosOpPort.fap), "1.1"},
      {"dadosOpPort.aliqRatAjust", Txt(lotA.dadosOpPort.aliqRatAjust), "1.1"},
      {"dadosOpPort.cnpjOpPortuario", lotA.dadosOpPort.cnpjOpPortuario, "44555666000190"},
      {"dadosOpPort.AliqRat", Txt(lotA.dadosOpPort.AliqRat), Txt(arat1)},
      {"basesRemun1.indIncid", Txt(remun1.indIncid), "1"},
      {"basesRemun1.codCateg", Txt(remun1.codCateg), "101"},
      {"basesCp.vrBcCp00", Txt(cp.vrBcCp00), "1.01"},
      {"basesCp.vrBcCp15", Txt(cp.vrBcCp15), "1.02"},
      {"basesCp.vrBcCp20", Txt(cp.vrBcCp20), "1.03"},
      {"basesCp.vrBcCp25", Txt(cp.vrBcCp25), "1.04"},
      {"basesCp.vrSuspBcCp00", Txt(cp.vrSuspBcCp00), "1.05"},
      {"basesCp.vrSuspBcCp15", Txt(cp.vrSuspBcCp15), "1.06"},
      {"basesCp.vrSuspBcCp20", Txt(cp.vrSuspBcCp20), "1.07"},
      {"basesCp.vrSuspBcCp25", Txt(cp.vrSuspBcCp25), "1.08"},
      {"basesCp.vrBcCp00VA", Txt(cp.vrBcCp00VA), "1.09"},
      {"basesCp.vrBcCp15VA", Txt(cp.vrBcCp15VA), "1.1"},
      {"basesCp.vrBcCp20VA", Txt(cp.vrBcCp20VA), "1.11"},
      {"basesCp.vrBcCp25VA", Txt(cp.vrBcCp25VA), "1.12"},
      {"basesCp.vrSuspBcCp00VA", Txt(cp.vrSuspBcCp00VA), "1.13"},
      {"basesCp.vrSuspBcCp15VA", Txt(cp.vrSuspBcCp15VA), "1.14"},
      {"basesCp.vrSuspBcCp20VA", Txt(cp.vrSuspBcCp20VA), "1.15"},
      {"basesCp.vrSuspBcCp25VA", Txt(cp.vrSuspBcCp25VA), "1.16"},
      {"basesCp.vrDescSest", Txt(cp.vrDescSest), "1.17"},
      {"basesCp.vrCalcSest", Txt(cp.vrCalcSest), "1.18"},
      {"basesCp.vrDescSenat", Txt(cp.vrDescSenat), "1.19"},
      {"basesCp.vrCalcSenat", Txt(cp.vrCalcSenat), "1.2"},
      {"basesCp.vrSalFam", Txt(cp.vrSalFam), "1.21"},
      {"basesCp.vrSalMat", Txt(cp.vrSalMat), "1.22"},
      {"basesCp.vrBcCpSM", Txt(cp.vrBcCpSM), "0"},
      {"basesCp13.vrBcCp00", Txt(cp13.vrBcCp00), "2.01"},
      {"basesCp13.vrBcCp15", Txt(cp13.vrBcCp15), "2.02"},
      {"basesCp13.vrBcCp20", Txt(cp13.vrBcCp20), "2.03"},
      {"basesCp13.vrBcCp25", Txt(cp13.vrBcCp25), "2.04"},
      {"basesCp13.vrSuspBcCp00", Txt(cp13.vrSuspBcCp00), "2.05"},
      {"basesCp13.vrSuspBcCp15", Txt(cp13.vrSuspBcCp15), "2.06"},
      {"basesCp13.vrSuspBcCp20", Txt(cp13.vrSuspBcCp20), "2.07"},
      {"basesCp13.vrSuspBcCp25", Txt(cp13.vrSuspBcCp25), "2.08"},
      {"basesRemun2.indIncid", Txt(remun2.indIncid), "2"},
      {"basesRemun2.codCateg", Txt(remun2.codCateg), "102"},
      {"basesRemun2.basesCp.vrBcCp00", Txt(remun2.basesCp.vrBcCp00), "3.01"},
      {"basesRemun2.basesCp.vrBcCp00VA", Txt(remun2.basesCp.vrBcCp00VA), "0"},
      {"basesRemun2.basesCp.vrSalMat", Txt(remun2.basesCp.vrSalMat), "3.22"},
      {"basesRemun2.basesCp13.vrBcCp00", Txt(remun2.basesCp13.vrBcCp00), "0"},
      {"basesAvNPort.vrBcCp25", Txt(av.vrBcCp25), "4.04"},
      {"basesAvNPort.vrBcCp15", Txt(av.vrBcCp15), "4.02"},
      {"basesAvNPort.vrBcCp00", Txt(av.vrBcCp00), "4.01"},
      {"basesAvNPort.vrBcCp20", Txt(av.vrBcCp20), "4.03"},
      {"basesAvNPort.vrBcCp13", Txt(av.vrBcCp13), "4.05"},
      {"basesAvNPort.vrDescCP", Txt(av.vrDescCP), "4.06"},
      {"basesAvNPort.vrBcFgts", Txt(av.vrBcFgts), "0"},
      {"infoSubstPatrOpPort.cnpjOpPortuario", lotA.infoSubstPatrOpPort.GetItem(0).cnpjOpPortuario, "55666777000105"},
      {"lotB.codLotacao", lotB.codLotacao, "LOT-B"},
      {"lotB.fpas", Txt(lotB.fpas), "507"},
      {"lotB.codTercs", lotB.codTercs, "0000"},
      {"lotB.codTercsSusp", lotB.codTercsSusp, ""},
      {"lotB.dadosOpPort.cnpjOpPortuario", lotB.dadosOpPort.cnpjOpPortuario, ""},
      {"basesAquis1.vrSenarCalc", Txt(aquis.vrSenarCalc), "5.1"},
      {"basesAquis1.vrCPNRet", Txt(aquis.vrCPNRet), "5.03"},
      {"basesAquis1.vrRatDescPR", Txt(aquis.vrRatDescPR), "5.07"},
      {"basesAquis1.vrRatCalcPR", Txt(aquis.vrRatCalcPR), "5.08"},
      {"basesAquis1.vrCPDescPR", Txt(aquis.vrCPDescPR), "5.02"},
      {"basesAquis1.vrSenarDesc", Txt(aquis.vrSenarDesc), "5.09"},
      {"basesAquis1.vrSenarNRet", Txt(aquis.vrSenarNRet), "5.05"},
      {"basesAquis1.vrCPCalcPR", Txt(aquis.vrCPCalcPR), "5.06"},
      {"basesAquis1.vrRatNRet", Txt(aquis.vrRatNRet), "5.04"},
      {"basesAquis1.vlrAquis", Txt(aquis.vlrAquis), "5.01"},
      {"basesAquis1.indAquis", Txt(aquis.indAquis), "1"},
      {"basesAquis2.indAquis", Txt(estab1.basesAquis.GetItem(1).indAquis), "4"},
      {"basesAquis2.vlrAquis", Txt(estab1.basesAquis.GetItem(1).vlrAquis), "6.01"},
      {"basesAquis2.vrSenarCalc", Txt(estab1.basesAquis.GetItem(1).vrSenarCalc), "6.1"},
      {"basesComerc.vrCPSusp", Txt(comerc.vrCPSusp), "7.02"},
      {"basesComerc.vrRatSusp", Txt(comerc.vrRatSusp), "7.03"},
      {"basesComerc.vrSenarSusp", Txt(comerc.vrSenarSusp), "7.04"},
      {"basesComerc.vrBcComPr", Txt(comerc.vrBcComPr), "7.01"},
      {"basesComerc.indComerc", Txt(comerc.indComerc), "2"},
      {"infoCREstab1.vrSuspCR", Txt(estab1.infoCREstab.GetItem(0).vrSuspCR), "10"},
      {"infoCREstab1.vrCR", Txt(estab1.infoCREstab.GetItem(0).vrCR), "300"},
      {"infoCREstab1.tpCR", estab1.infoCREstab.GetItem(0).tpCR, "108201"},
      {"basesPisPasep.vrBcPisPasep", Txt(estab1.basesPisPasep.vrBcPisPasep), "8.01"},
      {"basesPisPasep.vrBcPisPasepSusp", Txt(estab1.basesPisPasep.vrBcPisPasepSusp), "8.02"},
      {"ideEstab2.TpInsc", Txt(estab2.TpInsc), Txt(tiCNO)},
      {"ideEstab2.NrInsc", estab2.NrInsc, "123456789012"},
      {"ideEstab2.infoEstab.cnaePrep", estab2.infoEstab.cnaePrep, ""},
      {"ideEstab2.basesPisPasep.vrBcPisPasep", Txt(estab2.basesPisPasep.vrBcPisPasep), "0"},
      {"lotC.codLotacao", lotC.codLotacao, "LOT-C"},
      {"lotC.fpas", Txt(lotC.fpas), "582"},
      {"lotC.basesRemun.indIncid", Txt(lotC.basesremun.GetItem(0).indIncid), "9"},
      {"lotC.basesRemun.codCateg", Txt(lotC.basesremun.GetItem(0).codCateg), "721"},
      {"lotC.basesRemun.vrBcCp00", Txt(lotC.basesremun.GetItem(0).basesCp.vrBcCp00), "9.01"},
      {"infoCREstab2.tpCR", estab2.infoCREstab.GetItem(0).tpCR, "121802"},
      {"infoCREstab2.vrCR", Txt(estab2.infoCREstab.GetItem(0).vrCR), "90"},
      {"infoCREstab2.vrSuspCR", Txt(estab2.infoCREstab.GetItem(0).vrSuspCR), "0"},
      {"infoCRContrib1.tpCR", cs.infoCRContrib.GetItem(0).tpCR, "108201"},
      {"infoCRContrib1.vrCR", Txt(cs.infoCRContrib.GetItem(0).vrCR), "390"},
      {"infoCRContrib1.vrCRSusp", Txt(cs.infoCRContrib.GetItem(0).vrCRSusp), "10"},
      {"infoCRContrib2.tpCR", cs.infoCRContrib.GetItem(1).tpCR, "121802"},
      {"infoCRContrib2.vrCR", Txt(cs.infoCRContrib.GetItem(1).vrCR), "90"},
      {"infoCRContrib2.vrCRSusp", Txt(cs.infoCRContrib.GetItem(1).vrCRSusp), "0"},
  };
  for (const auto& v : valores) EXPECT_EQ(v.lido, v.esperado) << v.campo;
}

TEST(S5011Reader, AnEstablishmentWithoutItsOwnFapDoesNotTakeThatOfItsReference) {
  const std::string doc =
      platform::StringReplace(Documento(), "<fap>0.9500</fap>\n          <aliqRatAjust>1.9000</aliqRatAjust>\n", "");
  ASSERT_NE(doc, Documento());
  ASSERT_EQ(esocialtest::TEscritor().ErroDeSchema(doc, "evtCS"), "");
  TS5011 leitor;
  leitor.SetXml(doc);
  TInfoEstab& info = leitor.EvtCS().InfoCS.ideEstab.GetItem(0).infoEstab;
  EXPECT_DOUBLE_EQ(info.fap, 0);
  EXPECT_DOUBLE_EQ(info.aliqRatAjust, 0);
  EXPECT_EQ(info.AliqRat, arat2);
  EXPECT_DOUBLE_EQ(info.infoEstabRef.fap, 1.2345);
  EXPECT_DOUBLE_EQ(info.infoEstabRef.aliqRatAjust, 3.7035);
  EXPECT_EQ(info.infoEstabRef.aliqRat, arat3);
}

TEST(S5011Reader, TheVersionChoosesTheFieldsRead) {
  // The fields of the 2.x layouts are added to every version's text.
  std::string doc = platform::StringReplace(Documento(), "<vrSalMat>1.22</vrSalMat>",
                                            "<vrSalMat>1.22</vrSalMat><vrBcCpSM>1.23</vrBcCpSM>");
  doc = platform::StringReplace(doc, "<vrDescCP>4.06</vrDescCP>", "<vrDescCP>4.06</vrDescCP><vrBcFgts>4.07</vrBcFgts>");
  struct Caso {
    std::string versao;
    bool s1, s13;
  };
  for (const auto& caso :
       {Caso{"v_S_01_03_00", true, true}, Caso{"v_S_01_02_00", true, false}, Caso{"v_S_01_01_00", true, false},
        Caso{"v_S_01_00_00", true, false}, Caso{"v02_05_00", false, false}}) {
    SCOPED_TRACE(caso.versao);
    TS5011 leitor;
    leitor.SetXml(platform::StringReplace(doc, "v_S_01_03_00", caso.versao));
    TInfoCS& cs = leitor.EvtCS().InfoCS;
    EXPECT_EQ(cs.InfoContrib.infoPJ.indTribFolhaPisPasep, caso.s13 ? snfSim : snfNada);
    TideEstabCollectionItem& estab = cs.ideEstab.GetItem(0);
    EXPECT_DOUBLE_EQ(estab.basesPisPasep.vrBcPisPasep, caso.s13 ? 8.01 : 0);
    TideLotacaoCollectionItem& lot = estab.ideLotacao.GetItem(0);
    const TbasesCp& cp = lot.basesremun.GetItem(0).basesCp;
    EXPECT_DOUBLE_EQ(cp.vrBcCp00, 1.01);
    EXPECT_DOUBLE_EQ(cp.vrBcCp00VA, caso.s1 ? 1.09 : 0);
    EXPECT_DOUBLE_EQ(cp.vrSuspBcCp25VA, caso.s1 ? 1.16 : 0);
    EXPECT_DOUBLE_EQ(cp.vrSalMat, 1.22);
    EXPECT_DOUBLE_EQ(cp.vrBcCpSM, caso.s1 ? 0 : 1.23);
    EXPECT_DOUBLE_EQ(lot.basesAvNPort.vrBcFgts, caso.s1 ? 0 : 4.07);
    // 2.x: the lotação's cnoObra is the one inside infoEmprParcial, whose own stays empty.
    EXPECT_EQ(lot.InfoEmprParcial.cnoObra, caso.s1 ? "112233445566" : "");
    EXPECT_EQ(lot.cnoObra, caso.s1 ? "" : "112233445566");
    EXPECT_EQ(estab.ideLotacao.GetItem(1).cnoObra, "");
  }
}

TEST(S5011Reader, TheGovernmentsReplyReachesItThroughTheBatchReply) {
  auto leitor = esocialtest::TotalizadorDaAmostra<TS5011>("retorno-processamento/s5011-e-s5012.xml", "S5011");
  ASSERT_NE(leitor, nullptr);
  TEvtCS& e = leitor->EvtCS();
  EXPECT_EQ(e.VersaoDF(), ve02_04_02);
  EXPECT_EQ(e.Id(), "ID2005099680001481120181025010427992");
  EXPECT_EQ(e.IdeEvento.IndApuracao, iapuMensal);
  EXPECT_EQ(e.IdeEvento.perApur, "2018-07");
  EXPECT_EQ(e.IdeEmpregador.NrInsc, "00509968000148");
  EXPECT_EQ(e.InfoCS.nrRecArqBase, "1.2.0000000000249108123");
  EXPECT_EQ(e.InfoCS.indExistInfo, 2);
  EXPECT_DOUBLE_EQ(e.InfoCS.InfoCpSeg.vrCpSeg, 0);
  EXPECT_EQ(e.InfoCS.InfoContrib.classTrib, "85");
  EXPECT_EQ(e.InfoCS.InfoContrib.infoPJ.indCoop, 0);
  EXPECT_EQ(e.InfoCS.InfoContrib.infoPJ.indConstr, 0);
  EXPECT_EQ(e.InfoCS.ideEstab.Count(), 0);
  EXPECT_EQ(e.InfoCS.infoCRContrib.Count(), 0);
}
