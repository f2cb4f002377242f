// The S-5002 reader: an S-1.03 document holding every group, the layout versions, the 2.x
// model and the government's reply that carries one.
#include "esocial/totalizers/s5002_reader.h"

#include <gtest/gtest.h>

#include "esocial/replies_batch_consult.h"
#include "event_writers_support.h"
#include "platform/strings.h"
#include "totalizer_test_support.h"

using namespace esocial;
using namespace esocial::s5002;
using esocialtest::Dia;
using esocialtest::Txt;

namespace {

std::string Documento() { return esocialtest::Fixture("s5002_every_group.xml"); }

}  // namespace

TEST(S5002Reader, AValidS103DocumentReadsFieldForField) {
  const std::string doc = Documento();
  ASSERT_EQ(esocialtest::TEscritor().ErroDeSchema(doc, "evtIrrfBenef"), "");
  TS5002 leitor;
  leitor.SetXml(doc);
  TEvtIrrfBenef& e = leitor.EvtirrfBenef();
  TideTrabalhador4& trab = e.IdeTrabalhador;

  // Every list with the items of its own element only.
  ASSERT_EQ(trab.dmDev().Count(), 2);
  TdmDevCollectionItem& dm1 = trab.dmDev().GetItem(0);
  TdmDevCollectionItem& dm2 = trab.dmDev().GetItem(1);
  ASSERT_EQ(dm1.infoIR().Count(), 2);
  ASSERT_EQ(dm1.infoIR().GetItem(0).infoProcJudRub().Count(), 2);
  EXPECT_FALSE(dm1.infoIR().GetItem(1).infoProcJudRubInst());
  ASSERT_EQ(dm1.totApurMen().Count(), 1);
  EXPECT_FALSE(dm1.totApurDiaInst());
  EXPECT_FALSE(dm1.infoPgtoExtInst());
  ASSERT_TRUE(dm1.infoRRAInst());
  TInfoRRA& rra = dm1.infoRRA();
  // Zero court costs still make the group.
  ASSERT_TRUE(rra.instDespProcJud());
  ASSERT_EQ(rra.ideAdv().Count(), 2);
  EXPECT_FALSE(dm2.infoIRInst());
  EXPECT_FALSE(dm2.totApurMenInst());
  EXPECT_FALSE(dm2.infoRRAInst());
  ASSERT_EQ(dm2.totApurDia().Count(), 2);
  ASSERT_TRUE(dm2.infoPgtoExtInst());
  ASSERT_TRUE(trab.totInfoIRInst());
  ASSERT_EQ(trab.totInfoIR().consolidApurMen().Count(), 2);
  ASSERT_EQ(trab.infoIRComplem().Count(), 2);
  TinfoIRComplemCollectionItem& compl1 = trab.infoIRComplem().GetItem(0);
  TinfoIRComplemCollectionItem& compl2 = trab.infoIRComplem().GetItem(1);
  ASSERT_EQ(compl1.ideDep().Count(), 2);
  ASSERT_EQ(compl1.infoIRCR().Count(), 2);
  TinfoIRCRCollectionItem& cr1 = compl1.infoIRCR().GetItem(0);
  TinfoIRCRCollectionItem& cr2 = compl1.infoIRCR().GetItem(1);
  ASSERT_EQ(cr1.dedDepen().Count(), 1);
  ASSERT_EQ(cr1.penAlim().Count(), 1);
  ASSERT_EQ(cr1.previdCompl().Count(), 1);
  ASSERT_EQ(cr1.infoProcRet().Count(), 1);
  EXPECT_FALSE(cr2.dedDepenInst() || cr2.penAlimInst() || cr2.previdComplInst() || cr2.infoProcRetInst());
  TinfoProcRetCollectionItem& proc = cr1.infoProcRet().GetItem(0);
  ASSERT_EQ(proc.infoValores().Count(), 2);
  TinfoValoresCollectionItem& val1 = proc.infoValores().GetItem(0);
  TinfoValoresCollectionItem& val2 = proc.infoValores().GetItem(1);
  ASSERT_EQ(val1.dedSusp().Count(), 1);
  ASSERT_EQ(val2.dedSusp().Count(), 1);
  ASSERT_EQ(val1.dedSusp().GetItem(0).benefPen().Count(), 2);
  EXPECT_FALSE(val2.dedSusp().GetItem(0).benefPenInst());
  ASSERT_EQ(compl1.planSaude().Count(), 2);
  ASSERT_EQ(compl1.planSaude().GetItem(0).infoDepSau().Count(), 1);
  EXPECT_FALSE(compl1.planSaude().GetItem(1).infoDepSauInst());
  ASSERT_EQ(compl1.infoReembMed().Count(), 1);
  TInfoReembMedCollectionItem& reemb = compl1.infoReembMed().GetItem(0);
  ASSERT_EQ(reemb.detReembTit().Count(), 1);
  ASSERT_EQ(reemb.infoReembDep().Count(), 1);
  ASSERT_EQ(reemb.infoReembDep().GetItem(0).detReembDep().Count(), 1);
  ASSERT_EQ(compl2.ideDep().Count(), 1);
  EXPECT_FALSE(compl2.infoIRCRInst() || compl2.planSaudeInst() || compl2.infoReembMedInst());
  // The 2.x model stays empty.
  EXPECT_EQ(e.InfoIrrf.Count(), 0);

  TInfoProcJudRubCollectionItem& jud2 = dm1.infoIR().GetItem(0).infoProcJudRub().GetItem(1);
  TtotApurMenCollectionItem& men = dm1.totApurMen().GetItem(0);
  TconsolidApurMenCollectionItem& cons1 = trab.totInfoIR().consolidApurMen().GetItem(0);
  TconsolidApurMenCollectionItem& cons2 = trab.totInfoIR().consolidApurMen().GetItem(1);
  TtotApurDiaCollectionItem& dia1 = dm2.totApurDia().GetItem(0);
  TtotApurDiaCollectionItem& dia2 = dm2.totApurDia().GetItem(1);
  TInfoPgtoExt& ext = dm2.infoPgtoExt();
  TideDepCollectionItem& dep1 = compl1.ideDep().GetItem(0);
  TdedSuspCollectionItem& ded1 = val1.dedSusp().GetItem(0);
  TdedSuspCollectionItem& ded2 = val2.dedSusp().GetItem(0);
  TprevidComplCollectionItem& prev = cr1.previdCompl().GetItem(0);
  TplanSaudeCollectionItem& plano = compl1.planSaude().GetItem(0);
  TDetReemb& tit = reemb.detReembTit().GetItem(0);
  TDetReemb& depReemb = reemb.infoReembDep().GetItem(0).detReembDep().GetItem(0);
  const esocialtest::TValorLido valores[] = {
      {"Id", e.Id(), "ID1123456780000002025020312000000001"},
      {"VersaoDF", Txt(e.VersaoDF()), Txt(veS01_03_00)},
      {"nrRecArqBase", e.IdeEvento.nrRecArqBase, "1.2.0000000000000000501"},
      {"perApur", e.IdeEvento.perApur, "2025-01"},
      {"ideEmpregador.tpInsc", Txt(e.IdeEmpregador.TpInsc), Txt(tiCNPJ)},
      {"ideEmpregador.nrInsc", e.IdeEmpregador.NrInsc, "12345678"},
      {"cpfBenef", trab.cpfBenef, "12345678909"},
      {"cpfTrab", trab.cpfTrab, ""},
      {"dmDev1.perRef", dm1.perRef, "2025-01"},
      {"dmDev1.ideDmDev", dm1.ideDmDev, "DM-1"},
      {"dmDev1.tpPgto", Txt(dm1.tpPgto), "1"},
      {"dmDev1.dtPgto", Dia(dm1.dtPgto), "2025-01-31"},
      {"dmDev1.codCateg", Txt(dm1.codCateg), "101"},
      {"infoIR1.tpInfoIR", Txt(dm1.infoIR().GetItem(0).tpInfoIR), "11"},
      {"infoIR1.valor", Txt(dm1.infoIR().GetItem(0).valor), "5000.1"},
      {"infoIR1.descRendimento", dm1.infoIR().GetItem(0).descRendimento, "Salario"},
      {"infoProcJudRub1.nrProc", dm1.infoIR().GetItem(0).infoProcJudRub().GetItem(0).nrProc, "12345678901234567890"},
      {"infoProcJudRub2.nrProc", jud2.nrProc, "09876543210987654321"},
      {"infoProcJudRub2.ufVara", jud2.ufVara, "RJ"},
      {"infoProcJudRub2.codMunic", Txt(jud2.codMunic), "3304557"},
      {"infoProcJudRub2.idVara", Txt(jud2.idVara), "7"},
      {"infoIR2.tpInfoIR", Txt(dm1.infoIR().GetItem(1).tpInfoIR), "31"},
      {"infoIR2.valor", Txt(dm1.infoIR().GetItem(1).valor), "-20.5"},
      {"infoIR2.descRendimento", dm1.infoIR().GetItem(1).descRendimento, ""},
      {"totApurMen.CRMen", men.CRMen, "056107"},
      {"totApurMen.vlrRendTrib", Txt(men.vlrRendTrib), "1001.01"},
      {"totApurMen.vlrRendTrib13", Txt(men.vlrRendTrib13), "1002.02"},
      {"totApurMen.vlrPrevOficial", Txt(men.vlrPrevOficial), "1003.03"},
      {"totApurMen.vlrPrevOficial13", Txt(men.vlrPrevOficial13), "1004.04"},
      {"totApurMen.vlrCRMen", Txt(men.vlrCRMen), "1005.05"},
      {"totApurMen.vlrCR13Men", Txt(men.vlrCR13Men), "1006.06"},
      {"totApurMen.vlrParcIsenta65", Txt(men.vlrParcIsenta65), "1007.07"},
      {"totApurMen.vlrParcIsenta65Dec", Txt(men.vlrParcIsenta65Dec), "1008.08"},
      {"totApurMen.vlrDiarias", Txt(men.vlrDiarias), "1009.09"},
      {"totApurMen.vlrAjudaCusto", Txt(men.vlrAjudaCusto), "1010.1"},
      {"totApurMen.vlrIndResContrato", Txt(men.vlrIndResContrato), "1011.11"},
      {"totApurMen.vlrAbonoPec", Txt(men.vlrAbonoPec), "1012.12"},
      {"totApurMen.vlrRendMoleGrave", Txt(men.vlrRendMoleGrave), "1013.13"},
      {"totApurMen.vlrRendMoleGrave13", Txt(men.vlrRendMoleGrave13), "1014.14"},
      {"totApurMen.vlrAuxMoradia", Txt(men.vlrAuxMoradia), "1015.15"},
      {"totApurMen.vlrBolsaMedico", Txt(men.vlrBolsaMedico), "1016.16"},
      {"totApurMen.vlrBolsaMedico13", Txt(men.vlrBolsaMedico13), "1017.17"},
      {"totApurMen.vlrJurosMora", Txt(men.vlrJurosMora), "1018.18"},
      {"totApurMen.vlrIsenOutros", Txt(men.vlrIsenOutros), "1019.19"},
      {"totApurMen.descRendimento", men.descRendimento, "Rendimentos do mes"},
      {"totApurMen.vlrCRMenSusp", Txt(men.vlrCRMenSusp), "0"},
      {"infoRRA.tpProcRRA", Txt(rra.tpProcRRA), Txt(tppJudicial)},
      {"infoRRA.nrProcRRA", rra.nrProcRRA, "12345678901234567"},
      {"infoRRA.descRRA", rra.descRRA, "Diferencas de 2023"},
      {"infoRRA.qtdMesesRRA", Txt(rra.qtdMesesRRA), "12.5"},
      {"despProcJud.vlrDespCustas", Txt(rra.despProcJud().vlrDespCustas), "0"},
      {"despProcJud.vlrDespAdvogados", Txt(rra.despProcJud().vlrDespAdvogados), "0"},
      {"ideAdv1.tpInsc", Txt(rra.ideAdv().GetItem(0).tpInsc), Txt(tiCPF)},
      {"ideAdv1.nrInsc", rra.ideAdv().GetItem(0).nrInsc, "98765432100"},
      {"ideAdv1.vlrAdv", Txt(rra.ideAdv().GetItem(0).vlrAdv), "300"},
      {"ideAdv2.tpInsc", Txt(rra.ideAdv().GetItem(1).tpInsc), Txt(tiCNPJ)},
      {"ideAdv2.nrInsc", rra.ideAdv().GetItem(1).nrInsc, "11222333000181"},
      {"ideAdv2.vlrAdv", Txt(rra.ideAdv().GetItem(1).vlrAdv), "0"},
      {"dmDev2.perRef", dm2.perRef, "2024-12"},
      {"dmDev2.ideDmDev", dm2.ideDmDev, "DM-2"},
      {"dmDev2.tpPgto", Txt(dm2.tpPgto), "2"},
      {"dmDev2.dtPgto", Dia(dm2.dtPgto), "2025-01-15"},
      {"dmDev2.codCateg", Txt(dm2.codCateg), "701"},
      {"totApurDia1.perApurDia", Txt(dia1.perApurDia), "15"},
      {"totApurDia1.CRDia", dia1.CRDia, "047301"},
      {"totApurDia1.frmTribut", Txt(dia1.frmTribut), "10"},
      {"totApurDia1.paisResidExt", Txt(dia1.paisResidExt), "63"},
      {"totApurDia1.vlrPagoDia", Txt(dia1.vlrPagoDia), "800"},
      {"totApurDia1.vlrCRDia", Txt(dia1.vlrCRDia), "120"},
      {"totApurDia1.vlrCRDiaSusp", Txt(dia1.vlrCRDiaSusp), "0"},
      {"totApurDia2.perApurDia", Txt(dia2.perApurDia), "20"},
      {"totApurDia2.frmTribut", Txt(dia2.frmTribut), "11"},
      {"totApurDia2.paisResidExt", Txt(dia2.paisResidExt), "105"},
      {"totApurDia2.vlrPagoDia", Txt(dia2.vlrPagoDia), "400"},
      {"totApurDia2.vlrCRDia", Txt(dia2.vlrCRDia), "60"},
      {"infoPgtoExt.paisResidExt", Txt(ext.paisResidExt), "249"},
      {"infoPgtoExt.indNIF", Txt(ext.indNIF), Txt(infDispensadoNIF)},
      {"infoPgtoExt.nifBenef", ext.nifBenef, "NIF-77"},
      {"infoPgtoExt.frmTribut", Txt(ext.frmTribut), "30"},
      {"endExt.endDscLograd", ext.endExt.endDscLograd, "Main Street"},
      {"endExt.endNrLograd", ext.endExt.endNrLograd, "100"},
      {"endExt.endComplem", ext.endExt.endComplem, "Apt 4"},
      {"endExt.endBairro", ext.endExt.endBairro, "Downtown"},
      {"endExt.endCidade", ext.endExt.endCidade, "Springfield"},
      {"endExt.endEstado", ext.endExt.endEstado, "Illinois"},
      {"endExt.endCodPostal", ext.endExt.endCodPostal, "62701"},
      {"endExt.telef", ext.endExt.telef, "12175550100"},
      {"consolidApurMen1.CRMen", cons1.CRMen, "056107"},
      {"consolidApurMen1.vlrRendTrib", Txt(cons1.vlrRendTrib), "2001.01"},
      {"consolidApurMen1.vlrRendTrib13", Txt(cons1.vlrRendTrib13), "2002.02"},
      {"consolidApurMen1.vlrPrevOficial", Txt(cons1.vlrPrevOficial), "2003.03"},
      {"consolidApurMen1.vlrPrevOficial13", Txt(cons1.vlrPrevOficial13), "2004.04"},
      {"consolidApurMen1.vlrCRMen", Txt(cons1.vlrCRMen), "2005.05"},
      {"consolidApurMen1.vlrCR13Men", Txt(cons1.vlrCR13Men), "2006.06"},
      {"consolidApurMen1.vlrParcIsenta65", Txt(cons1.vlrParcIsenta65), "2007.07"},
      {"consolidApurMen1.vlrParcIsenta65Dec", Txt(cons1.vlrParcIsenta65Dec), "2008.08"},
      {"consolidApurMen1.vlrDiarias", Txt(cons1.vlrDiarias), "2009.09"},
      {"consolidApurMen1.vlrAjudaCusto", Txt(cons1.vlrAjudaCusto), "2010.1"},
      {"consolidApurMen1.vlrIndResContrato", Txt(cons1.vlrIndResContrato), "2011.11"},
      {"consolidApurMen1.vlrAbonoPec", Txt(cons1.vlrAbonoPec), "2012.12"},
      {"consolidApurMen1.vlrRendMoleGrave", Txt(cons1.vlrRendMoleGrave), "2013.13"},
      {"consolidApurMen1.vlrRendMoleGrave13", Txt(cons1.vlrRendMoleGrave13), "2014.14"},
      {"consolidApurMen1.vlrAuxMoradia", Txt(cons1.vlrAuxMoradia), "2015.15"},
      {"consolidApurMen1.vlrBolsaMedico", Txt(cons1.vlrBolsaMedico), "2016.16"},
      {"consolidApurMen1.vlrBolsaMedico13", Txt(cons1.vlrBolsaMedico13), "2017.17"},
      {"consolidApurMen1.vlrJurosMora", Txt(cons1.vlrJurosMora), "2018.18"},
      {"consolidApurMen1.vlrIsenOutros", Txt(cons1.vlrIsenOutros), "2019.19"},
      {"consolidApurMen1.descRendimento", cons1.descRendimento, "Consolidado"},
      {"consolidApurMen2.CRMen", cons2.CRMen, "058806"},
      {"consolidApurMen2.vlrRendTrib", Txt(cons2.vlrRendTrib), "3001.01"},
      {"consolidApurMen2.vlrCRMen", Txt(cons2.vlrCRMen), "3005.05"},
      {"consolidApurMen2.vlrIsenOutros", Txt(cons2.vlrIsenOutros), "3019.19"},
      {"consolidApurMen2.descRendimento", cons2.descRendimento, ""},
      {"infoIRComplem1.dtLaudo", Dia(compl1.dtLaudo), "2020-05-06"},
      {"perAnt.perRefAjuste", compl1.perAnt.perRefAjuste, "2024-11"},
      {"perAnt.nrRec1210Orig", compl1.perAnt.nrRec1210Orig, "1.1.0000000000000000777"},
      {"ideDep1.cpfDep", dep1.cpfDep, "11144477735"},
      {"ideDep1.depIRRF", Txt(dep1.depIRRF), Txt(snfSim)},
      {"ideDep1.dtNascto", Dia(dep1.dtNascto), "2010-07-08"},
      {"ideDep1.nome", dep1.nome, "Maria Souza"},
      {"ideDep1.tpDep", Txt(dep1.tpDep), Txt(tdFilhoOuEnteado)},
      {"ideDep1.descrDep", dep1.descrDep, "Filha"},
      {"ideDep2.cpfDep", compl1.ideDep().GetItem(1).cpfDep, "22255588846"},
      {"ideDep2.nome", compl1.ideDep().GetItem(1).nome, ""},
      {"infoIRCR1.tpCR", cr1.tpCR, "056107"},
      {"dedDepen.tpRend", Txt(cr1.dedDepen().GetItem(0).tpRend), "11"},
      {"dedDepen.cpfDep", cr1.dedDepen().GetItem(0).cpfDep, "11144477735"},
      {"dedDepen.vlrDedDep", Txt(cr1.dedDepen().GetItem(0).vlrDedDep), "189.59"},
      {"penAlim.tpRend", Txt(cr1.penAlim().GetItem(0).tpRend), "12"},
      {"penAlim.cpfDep", cr1.penAlim().GetItem(0).cpfDep, "22255588846"},
      {"penAlim.vlrDedPenAlim", Txt(cr1.penAlim().GetItem(0).vlrDedPenAlim), "500"},
      {"previdCompl.tpPrev", Txt(prev.tpPrev), Txt(tprFAPI)},
      {"previdCompl.cnpjEntidPC", prev.cnpjEntidPC, "33444555000172"},
      {"previdCompl.vlrDedPC", Txt(prev.vlrDedPC), "150.01"},
      {"previdCompl.vlrDedPC13", Txt(prev.vlrDedPC13), "150.02"},
      {"previdCompl.vlrPatrocFunp", Txt(prev.vlrPatrocFunp), "10.03"},
      {"previdCompl.vlrPatrocFunp13", Txt(prev.vlrPatrocFunp13), "10.04"},
      {"infoProcRet.tpProcRet", Txt(proc.tpProcRet), Txt(tpprJudicial)},
      {"infoProcRet.nrProcRet", proc.nrProcRet, "12345678901234567890"},
      // Fourteen digits: beyond 32 bits.
      {"infoProcRet.codSusp", Txt(proc.codSusp), "98765432109876"},
      {"infoValores1.indApuracao", Txt(val1.indApuracao), Txt(iapuMensal)},
      {"infoValores1.vlrNRetido", Txt(val1.vlrNRetido), "11.01"},
      {"infoValores1.vlrDepJud", Txt(val1.vlrDepJud), "11.02"},
      {"infoValores1.vlrCmpAnoCal", Txt(val1.vlrCmpAnoCal), "11.03"},
      {"infoValores1.vlrCmpAnoAnt", Txt(val1.vlrCmpAnoAnt), "11.04"},
      {"infoValores1.vlrRendSusp", Txt(val1.vlrRendSusp), "11.05"},
      {"dedSusp1.indTpDeducao", Txt(ded1.indTpDeducao), Txt(tpdPensaoAlimenticia)},
      {"dedSusp1.vlrDedSusp", Txt(ded1.vlrDedSusp), "100"},
      {"dedSusp1.cnpjEntidPC", ded1.cnpjEntidPC, ""},
      {"dedSusp1.vlrPatrocFunp", Txt(ded1.vlrPatrocFunp), "0"},
      {"benefPen1.cpfDep", ded1.benefPen().GetItem(0).cpfDep, "11144477735"},
      {"benefPen1.vlrDepenSusp", Txt(ded1.benefPen().GetItem(0).vlrDepenSusp), "60"},
      {"benefPen2.cpfDep", ded1.benefPen().GetItem(1).cpfDep, "22255588846"},
      {"benefPen2.vlrDepenSusp", Txt(ded1.benefPen().GetItem(1).vlrDepenSusp), "40"},
      {"infoValores2.indApuracao", Txt(val2.indApuracao), Txt(ipaAnual)},
      {"infoValores2.vlrNRetido", Txt(val2.vlrNRetido), "0"},
      {"infoValores2.vlrRendSusp", Txt(val2.vlrRendSusp), "22.05"},
      {"dedSusp2.indTpDeducao", Txt(ded2.indTpDeducao), Txt(tpdPrevidenciaPrivada)},
      {"dedSusp2.vlrDedSusp", Txt(ded2.vlrDedSusp), "50"},
      {"dedSusp2.cnpjEntidPC", ded2.cnpjEntidPC, "33444555000172"},
      {"dedSusp2.vlrPatrocFunp", Txt(ded2.vlrPatrocFunp), "5"},
      {"infoIRCR2.tpCR", cr2.tpCR, "058806"},
      {"planSaude1.cnpjOper", plano.cnpjOper, "44555666000190"},
      {"planSaude1.regANS", plano.regANS, "123456"},
      {"planSaude1.vlrSaudeTit", Txt(plano.vlrSaudeTit), "250"},
      {"infoDepSau.cpfDep", plano.infoDepSau().GetItem(0).cpfDep, "11144477735"},
      {"infoDepSau.vlrSaudeDep", Txt(plano.infoDepSau().GetItem(0).vlrSaudeDep), "90"},
      {"planSaude2.cnpjOper", compl1.planSaude().GetItem(1).cnpjOper, "55666777000105"},
      {"planSaude2.regANS", compl1.planSaude().GetItem(1).regANS, ""},
      {"planSaude2.vlrSaudeTit", Txt(compl1.planSaude().GetItem(1).vlrSaudeTit), "80"},
      {"infoReembMed.indOrgReemb", reemb.indOrgReemb, "1"},
      {"infoReembMed.cnpjOper", reemb.cnpjOper, "44555666000190"},
      {"infoReembMed.regANS", reemb.regANS, "123456"},
      {"detReembTit.tpInsc", Txt(tit.tpInsc), Txt(tiCNPJ)},
      {"detReembTit.nrInsc", tit.nrInsc, "66777888000114"},
      {"detReembTit.vlrReemb", Txt(tit.vlrReemb), "70"},
      {"detReembTit.vlrReembAnt", Txt(tit.vlrReembAnt), "7"},
      {"infoReembDep.cpfBenef", reemb.infoReembDep().GetItem(0).cpfBenef, "11144477735"},
      {"detReembDep.tpInsc", Txt(depReemb.tpInsc), Txt(tiCPF)},
      {"detReembDep.nrInsc", depReemb.nrInsc, "33366699910"},
      {"detReembDep.vlrReemb", Txt(depReemb.vlrReemb), "35"},
      {"detReembDep.vlrReembAnt", Txt(depReemb.vlrReembAnt), "3.5"},
      {"infoIRComplem2.dtLaudo", Dia(compl2.dtLaudo), ""},
      {"infoIRComplem2.ideDep.cpfDep", compl2.ideDep().GetItem(0).cpfDep, "33366699910"},
      {"infoIRComplem2.ideDep.tpDep", Txt(compl2.ideDep().GetItem(0).tpDep), Txt(tdAgregadoOutros)},
      {"infoIRComplem2.ideDep.descrDep", compl2.ideDep().GetItem(0).descrDep, "Outro"},
  };
  for (const auto& v : valores) EXPECT_EQ(v.lido, v.esperado) << v.campo;
}

TEST(S5002Reader, TheVersionChoosesTheModelAndTheFieldsRead) {
  // The Susp fields of the S-1.0 and S-1.1 layouts are added to every version's text.
  std::string comSusp = platform::StringReplace(Documento(), "<descRendimento>Rendimentos do mes</descRendimento>",
                                                "<descRendimento>Rendimentos do mes</descRendimento>"
                                                "<vlrCRMenSusp>7.77</vlrCRMenSusp>");
  comSusp = platform::StringReplace(comSusp, "<vlrCRDia>120.00</vlrCRDia>",
                                    "<vlrCRDia>120.00</vlrCRDia><vlrCRDiaSusp>8.88</vlrCRDiaSusp>");
  struct Caso {
    std::string versao;
    bool s1, desdeS12, s13, susp;
  };
  for (const auto& caso :
       {Caso{"v_S_01_03_00", true, true, true, false}, Caso{"v_S_01_02_00", true, true, false, false},
        Caso{"v_S_01_01_00", true, false, false, true}, Caso{"v_S_01_00_00", true, false, false, true},
        Caso{"v02_05_00", false, false, false, false}}) {
    SCOPED_TRACE(caso.versao);
    TS5002 leitor;
    leitor.SetXml(platform::StringReplace(comSusp, "v_S_01_03_00", caso.versao));
    TEvtIrrfBenef& e = leitor.EvtirrfBenef();
    TideTrabalhador4& trab = e.IdeTrabalhador;
    EXPECT_EQ(e.IdeEvento.perApur, "2025-01");
    EXPECT_EQ(trab.cpfBenef, caso.s1 ? "12345678909" : "");
    EXPECT_EQ(trab.dmDevInst(), caso.s1);
    EXPECT_EQ(trab.infoIRComplemInst(), caso.s1);
    EXPECT_EQ(trab.totInfoIRInst(), caso.s13);
    if (!caso.s1) continue;
    TdmDevCollectionItem& dm1 = trab.dmDev().GetItem(0);
    TdmDevCollectionItem& dm2 = trab.dmDev().GetItem(1);
    EXPECT_EQ(dm1.infoIR().GetItem(0).infoProcJudRubInst(), caso.desdeS12);
    EXPECT_EQ(dm1.infoRRAInst(), caso.desdeS12);
    EXPECT_EQ(dm2.infoPgtoExtInst(), caso.desdeS12);
    const TtotApurMenCollectionItem& men = dm1.totApurMen().GetItem(0);
    EXPECT_DOUBLE_EQ(men.vlrCRMen, 1005.05);
    EXPECT_DOUBLE_EQ(men.vlrRendTrib, caso.s13 ? 1001.01 : 0);
    EXPECT_DOUBLE_EQ(men.vlrIsenOutros, caso.s13 ? 1019.19 : 0);
    EXPECT_EQ(men.descRendimento, caso.s13 ? "Rendimentos do mes" : "");
    EXPECT_DOUBLE_EQ(men.vlrCRMenSusp, caso.susp ? 7.77 : 0);
    const TtotApurDiaCollectionItem& dia = dm2.totApurDia().GetItem(0);
    EXPECT_DOUBLE_EQ(dia.vlrCRDia, 120);
    EXPECT_EQ(dia.frmTribut, caso.s13 ? 10 : 0);
    EXPECT_DOUBLE_EQ(dia.vlrPagoDia, caso.s13 ? 800 : 0);
    EXPECT_DOUBLE_EQ(dia.vlrCRDiaSusp, caso.susp ? 8.88 : 0);
    EXPECT_EQ(trab.infoIRComplem().GetItem(0).perAnt.perRefAjuste, caso.s13 ? "2024-11" : "");
  }
}

TEST(S5002Reader, The2xModelIsFoundInsideOrBesideIdeTrabalhador) {
  // infoDep inside ideTrabalhador, infoIrrf beside it; the second infoIrrf has no lists.
  const std::string doc = platform::StringReplace(
      esocialtest::Evento(
          "evtIrrfBenef", "ID1",
          {"<ideEvento><IndApuracao>2</IndApuracao><perApur>2018</perApur></ideEvento>",
           "<ideTrabalhador><cpfTrab>72568274077</cpfTrab><infoDep><vrDedDep>189.59</vrDedDep></infoDep>"
           "</ideTrabalhador>",
           "<infoIrrf><codCateg>101</codCateg><indResBr>N</indResBr>"
           "<basesIrrf><tpValor>11</tpValor><valor>3000.00</valor></basesIrrf>"
           "<basesIrrf><tpValor>13</tpValor><valor>200.00</valor></basesIrrf>"
           "<irrf><tpCR>056107</tpCR><vrIrrfDesc>95.20</vrIrrfDesc></irrf>"
           "<idePgtoExt><idePais><codPais>063</codPais><indNIF>3</indNIF><nifBenef>N-1</nifBenef></idePais>"
           "<endExt><dscLograd>Calle 1</dscLograd><nrLograd>5</nrLograd><complem>B</complem><bairro>Centro</bairro>"
           "<nmCid>Buenos Aires</nmCid><codPostal>C1000</codPostal></endExt></idePgtoExt></infoIrrf>",
           "<infoIrrf><codCateg>301</codCateg><indResBr>S</indResBr></infoIrrf>"}),
      "v_S_01_03_00", "v02_05_00");
  TS5002 leitor;
  leitor.SetXml(doc);
  TEvtIrrfBenef& e = leitor.EvtirrfBenef();
  EXPECT_EQ(e.IdeEvento.IndApuracao, ipaAnual);
  EXPECT_EQ(e.IdeTrabalhador.cpfTrab, "72568274077");
  EXPECT_DOUBLE_EQ(e.InfoDep.vrDedDep, 189.59);
  ASSERT_EQ(e.InfoIrrf.Count(), 2);
  TInfoIrrfCollectionItem& irrf = e.InfoIrrf.GetItem(0);
  EXPECT_EQ(irrf.CodCateg, 101);
  EXPECT_EQ(irrf.indResBr, "N");
  ASSERT_EQ(irrf.basesIrrf.Count(), 2);
  EXPECT_EQ(irrf.basesIrrf.GetItem(1).tpValor, 13);
  EXPECT_DOUBLE_EQ(irrf.basesIrrf.GetItem(1).valor, 200);
  ASSERT_EQ(irrf.irrf.Count(), 1);
  EXPECT_EQ(irrf.irrf.GetItem(0).tpCR, "056107");
  EXPECT_DOUBLE_EQ(irrf.irrf.GetItem(0).vrIrrfDesc, 95.2);
  EXPECT_EQ(irrf.idePgtoExt.idePais.codPais, "063");
  EXPECT_EQ(irrf.idePgtoExt.idePais.indNIF, infPaisnaoNIF);
  EXPECT_EQ(irrf.idePgtoExt.idePais.nifBenef, "N-1");
  const TEndExt& end = irrf.idePgtoExt.endExt;
  EXPECT_EQ(
      end.dscLograd + "|" + end.nrLograd + "|" + end.complem + "|" + end.bairro + "|" + end.nmCid + "|" + end.codPostal,
      "Calle 1|5|B|Centro|Buenos Aires|C1000");
  TInfoIrrfCollectionItem& segundo = e.InfoIrrf.GetItem(1);
  EXPECT_EQ(segundo.CodCateg, 301);
  EXPECT_EQ(segundo.basesIrrf.Count() + segundo.irrf.Count(), 0);
  EXPECT_EQ(segundo.idePgtoExt.idePais.codPais, "");
  EXPECT_FALSE(e.IdeTrabalhador.dmDevInst());
}

TEST(S5002Reader, TheGovernmentsReplyReachesItThroughTheBatchReply) {
  auto leitor = esocialtest::TotalizadorDaAmostra<TS5002>("retorno-processamento/s5002-1servidor.xml", "S5002");
  ASSERT_NE(leitor, nullptr);
  TEvtIrrfBenef& e = leitor->EvtirrfBenef();
  EXPECT_EQ(e.VersaoDF(), ve02_04_02);
  EXPECT_EQ(e.Id(), "ID2725682740770000220181024080815497");
  EXPECT_EQ(e.IdeEvento.nrRecArqBase, "1.2.0000000000248317040");
  EXPECT_EQ(e.IdeEvento.perApur, "2018-07");
  EXPECT_EQ(e.IdeEmpregador.NrInsc, "00509968000148");
  EXPECT_EQ(e.IdeTrabalhador.cpfTrab, "72568274077");
  EXPECT_DOUBLE_EQ(e.InfoDep.vrDedDep, 100);
  ASSERT_EQ(e.InfoIrrf.Count(), 1);
  const TInfoIrrfCollectionItem& irrf = e.InfoIrrf.GetItem(0);
  EXPECT_EQ(irrf.CodCateg, 301);
  EXPECT_EQ(irrf.indResBr, "S");
  ASSERT_EQ(irrf.basesIrrf.Count(), 1);
  EXPECT_EQ(irrf.basesIrrf.GetItem(0).tpValor, 1);
  EXPECT_DOUBLE_EQ(irrf.basesIrrf.GetItem(0).valor, 1234);
  EXPECT_EQ(irrf.irrf.Count(), 0);
  EXPECT_FALSE(e.IdeTrabalhador.dmDevInst());
}
