// The S-5003 reader: an S-1.03 document holding every group, inscriptions that only a child
// holds, the shape chosen by the layout version, and the 2.x shape.
#include "esocial/totalizers/s5003_reader.h"

#include <gtest/gtest.h>

#include <functional>

#include "event_writers_support.h"
#include "platform/strings.h"
#include "totalizer_test_support.h"

using namespace esocial;
using namespace esocial::s5003;
using esocialtest::Dia;
using esocialtest::Txt;

namespace {

std::string Documento() { return esocialtest::Fixture("s5003_every_group.xml"); }

// The groups every S-1.03 document has before infoFGTS.
const std::vector<std::string> kIdentificacao = {
    "<ideEvento><nrRecArqBase>1.2.0000000000000000601</nrRecArqBase><indApuracao>1</indApuracao>"
    "<perApur>2025-01</perApur></ideEvento>",
    "<ideEmpregador><tpInsc>1</tpInsc><nrInsc>12345678</nrInsc></ideEmpregador>",
    "<ideTrabalhador><cpfTrab>12345678909</cpfTrab></ideTrabalhador>"};

// A document with this infoFGTS.
std::string ComInfoFGTS(const std::string& infoFGTS) {
  std::vector<std::string> grupos = kIdentificacao;
  grupos.push_back(infoFGTS);
  return esocialtest::Totalizador("evtBasesFGTS", grupos);
}

}  // namespace

TEST(S5003Reader, AValidS103DocumentReadsFieldForField) {
  const std::string doc = Documento();
  ASSERT_EQ(esocialtest::TEscritor().ErroDeSchema(doc, "evtBasesFGTS"), "");
  TS5003 leitor;
  leitor.SetXml(doc);
  TEvtBasesFGTS& e = leitor.EvtBasesFGTS();
  TInfoFGTS& fgts = e.infoFGTS;

  EXPECT_FALSE(fgts.IdeEstabLotInst());
  EXPECT_FALSE(fgts.InfoDpsFGTSInst());
  ASSERT_EQ(fgts.IdeEstab().Count(), 2);
  TIdeEstabCollectionItem& estab1 = fgts.IdeEstab().GetItem(0);
  TIdeEstabCollectionItem& estab2 = fgts.IdeEstab().GetItem(1);
  ASSERT_EQ(estab1.ideLotacao().Count(), 2);
  ASSERT_EQ(estab2.ideLotacao().Count(), 1);
  TideLotacaoCOllectionItem& lotA = estab1.ideLotacao().GetItem(0);
  TideLotacaoCOllectionItem& lotB = estab1.ideLotacao().GetItem(1);
  TideLotacaoCOllectionItem& lotC = estab2.ideLotacao().GetItem(0);
  ASSERT_EQ(lotA.infoTrabFGTS().Count(), 2);
  ASSERT_EQ(lotB.infoTrabFGTS().Count(), 1);
  ASSERT_EQ(lotC.infoTrabFGTS().Count(), 1);
  TInfoTrabFGTSCollectionItem& trab1 = lotA.infoTrabFGTS().GetItem(0);
  TInfoTrabFGTSCollectionItem& trab2 = lotA.infoTrabFGTS().GetItem(1);
  TInfoBaseFGTS& bases = trab1.InfoBaseFGTS;
  ASSERT_EQ(bases.basePerApur().Count(), 2);
  TBasePerApurCollectionItem& per1 = bases.basePerApur().GetItem(0);
  ASSERT_EQ(per1.detRubrSusp().Count(), 2);
  ASSERT_EQ(per1.detRubrSusp().GetItem(0).ideProcessoFGTS().Count(), 2);
  ASSERT_EQ(per1.detRubrSusp().GetItem(1).ideProcessoFGTS().Count(), 1);
  EXPECT_FALSE(bases.basePerApur().GetItem(1).detRubrSuspInst());
  ASSERT_EQ(bases.infoBasePerAntE().Count(), 2);
  TinfoBasePerAntECollectionItem& ant1 = bases.infoBasePerAntE().GetItem(0);
  TinfoBasePerAntECollectionItem& ant2 = bases.infoBasePerAntE().GetItem(1);
  ASSERT_EQ(ant1.basePerAntE().Count(), 2);
  ASSERT_EQ(ant2.basePerAntE().Count(), 1);
  TBasePerAntECollectionItem& perAnt = ant1.basePerAntE().GetItem(0);
  ASSERT_EQ(perAnt.detRubrSusp().Count(), 1);
  ASSERT_EQ(perAnt.detRubrSusp().GetItem(0).ideProcessoFGTS().Count(), 1);
  EXPECT_FALSE(ant1.basePerAntE().GetItem(1).detRubrSuspInst());
  EXPECT_FALSE(ant2.basePerAntE().GetItem(0).detRubrSuspInst());
  ASSERT_EQ(trab1.eConsignado.Count(), 2);
  EXPECT_FALSE(trab2.InfoBaseFGTS.BasePerApurInst());
  EXPECT_EQ(trab2.eConsignado.Count(), 0);
  ASSERT_EQ(lotB.infoTrabFGTS().GetItem(0).InfoBaseFGTS.basePerApur().Count(), 1);
  ASSERT_EQ(lotC.infoTrabFGTS().GetItem(0).InfoBaseFGTS.basePerApur().Count(), 1);

  TdetRubrSuspCollectionItem& det2 = per1.detRubrSusp().GetItem(1);
  TBasePerAntECollectionItem& perAnt2 = ant1.basePerAntE().GetItem(1);
  TInfoTrabFGTSCollectionItem& trabB = lotB.infoTrabFGTS().GetItem(0);
  TInfoTrabFGTSCollectionItem& trabC = lotC.infoTrabFGTS().GetItem(0);
  const esocialtest::TValorLido valores[] = {
      {"Id", e.Id(), "ID1123456780000002025020312000000002"},
      {"VersaoDF", Txt(e.VersaoDF()), Txt(veS01_03_00)},
      {"nrRecArqBase", e.IdeEvento.nrRecArqBase, "1.2.0000000000000000601"},
      {"IndApuracao", Txt(e.IdeEvento.IndApuracao), Txt(iapuMensal)},
      {"perApur", e.IdeEvento.perApur, "2025-01"},
      {"ideEmpregador.tpInsc", Txt(e.IdeEmpregador.TpInsc), Txt(tiCNPJ)},
      {"ideEmpregador.nrInsc", e.IdeEmpregador.NrInsc, "12345678"},
      {"cpfTrab", e.IdeTrabalhador.cpfTrab, "12345678909"},
      {"nisTrab", e.IdeTrabalhador.nisTrab, ""},
      {"dtVenc", Dia(fgts.dtVenc), "2025-02-07"},
      {"classTrib", Txt(fgts.classTrib), Txt(ct04)},
      {"ideEstab1.tpInsc", Txt(estab1.tpInsc), Txt(tiCNPJ)},
      {"ideEstab1.nrInsc", estab1.nrInsc, "12345678000195"},
      {"lotA.codLotacao", lotA.codLotacao, "LOT-A"},
      {"lotA.tpLotacao", lotA.tpLotacao, "01"},
      {"lotA.tpInsc", Txt(lotA.tpInsc), Txt(tiCNPJ)},
      {"lotA.nrInsc", lotA.nrInsc, ""},
      {"trab1.matricula", trab1.matricula, "MAT-1"},
      {"trab1.codCateg", Txt(trab1.codCateg), "101"},
      {"trab1.categOrig", Txt(trab1.categOrig), "102"},
      {"trab1.tpRegTrab", Txt(trab1.tpRegTrab), Txt(trCLT)},
      {"trab1.remunSuc", Txt(trab1.remunSuc), Txt(snfSim)},
      {"trab1.dtDeslig", Dia(trab1.dtDeslig), "2025-01-20"},
      {"trab1.mtvDeslig", trab1.mtvDeslig, "02"},
      {"trab1.dtTerm", Dia(trab1.dtTerm), "2025-01-21"},
      {"trab1.mtvDesligTSV", trab1.mtvDesligTSV, "03"},
      {"trab1.dtAdm", Dia(trab1.dtAdm), ""},
      {"sucessaoVinc.tpInsc", Txt(trab1.sucessaoVinc.tpInsc), Txt(tiCNPJ)},
      {"sucessaoVinc.nrInsc", trab1.sucessaoVinc.nrInsc, "11222333000181"},
      {"sucessaoVinc.matricAnt", trab1.sucessaoVinc.matricAnt, "MAT-0"},
      {"sucessaoVinc.dtAdm", Dia(trab1.sucessaoVinc.dtAdm), "2019-03-04"},
      {"basePerApur1.tpValor", Txt(per1.tpValor), "11"},
      {"basePerApur1.indIncid", Txt(per1.indIncid), "1"},
      {"basePerApur1.remFGTS", Txt(per1.remFGTS), "3000"},
      {"basePerApur1.dpsFGTS", Txt(per1.dpsFGTS), "240"},
      {"detRubrSusp1.codRubr", per1.detRubrSusp().GetItem(0).codRubr, "R1"},
      {"detRubrSusp1.ideTabRubr", per1.detRubrSusp().GetItem(0).ideTabRubr, "T1"},
      {"detRubrSusp1.vrRubr", Txt(per1.detRubrSusp().GetItem(0).vrRubr), "100"},
      {"detRubrSusp1.processo1", per1.detRubrSusp().GetItem(0).ideProcessoFGTS().GetItem(0).nrProc,
       "11111111111111111111"},
      {"detRubrSusp1.processo2", per1.detRubrSusp().GetItem(0).ideProcessoFGTS().GetItem(1).nrProc,
       "22222222222222222222"},
      {"detRubrSusp2.codRubr", det2.codRubr, "R2"},
      {"detRubrSusp2.ideTabRubr", det2.ideTabRubr, "T2"},
      {"detRubrSusp2.vrRubr", Txt(det2.vrRubr), "200"},
      {"detRubrSusp2.processo", det2.ideProcessoFGTS().GetItem(0).nrProc, "33333333333333333333"},
      {"basePerApur2.tpValor", Txt(bases.basePerApur().GetItem(1).tpValor), "12"},
      {"basePerApur2.indIncid", Txt(bases.basePerApur().GetItem(1).indIncid), "9"},
      {"basePerApur2.remFGTS", Txt(bases.basePerApur().GetItem(1).remFGTS), "500"},
      {"basePerApur2.dpsFGTS", Txt(bases.basePerApur().GetItem(1).dpsFGTS), "0"},
      {"infoBasePerAntE1.perRef", ant1.perRef, "2024-01"},
      {"infoBasePerAntE1.tpAcConv", ant1.tpAcConv, "E"},
      {"basePerAntE1.tpValorE", Txt(perAnt.tpValorE), "13"},
      {"basePerAntE1.indIncidE", Txt(perAnt.indIncidE), "1"},
      {"basePerAntE1.remFGTSE", Txt(perAnt.remFGTSE), "210"},
      {"basePerAntE1.dpsFGTSE", Txt(perAnt.dpsFGTSE), "16.8"},
      {"basePerAntE1.detRubrSusp.codRubr", perAnt.detRubrSusp().GetItem(0).codRubr, "R3"},
      {"basePerAntE1.detRubrSusp.ideTabRubr", perAnt.detRubrSusp().GetItem(0).ideTabRubr, "T3"},
      {"basePerAntE1.detRubrSusp.vrRubr", Txt(perAnt.detRubrSusp().GetItem(0).vrRubr), "30"},
      // Level 10.
      {"basePerAntE1.detRubrSusp.processo", perAnt.detRubrSusp().GetItem(0).ideProcessoFGTS().GetItem(0).nrProc,
       "44444444444444444444"},
      {"basePerAntE2.tpValorE", Txt(perAnt2.tpValorE), "14"},
      {"basePerAntE2.indIncidE", Txt(perAnt2.indIncidE), "9"},
      {"basePerAntE2.remFGTSE", Txt(perAnt2.remFGTSE), "220"},
      {"basePerAntE2.dpsFGTSE", Txt(perAnt2.dpsFGTSE), "0"},
      {"infoBasePerAntE2.perRef", ant2.perRef, "2024-02"},
      {"infoBasePerAntE2.tpAcConv", ant2.tpAcConv, "H"},
      {"infoBasePerAntE2.basePerAntE.tpValorE", Txt(ant2.basePerAntE().GetItem(0).tpValorE), "17"},
      {"infoBasePerAntE2.basePerAntE.remFGTSE", Txt(ant2.basePerAntE().GetItem(0).remFGTSE), "230"},
      {"procCS.nrProcJud", trab1.ProcCS.nrProcJud, "55555555555555555555"},
      {"eConsignado1.instFinanc", trab1.eConsignado.GetItem(0).instFinanc, "001"},
      {"eConsignado1.nrContrato", trab1.eConsignado.GetItem(0).nrContrato, "CT-1"},
      {"eConsignado1.vreConsignado", Txt(trab1.eConsignado.GetItem(0).vreConsignado), "150"},
      {"eConsignado2.instFinanc", trab1.eConsignado.GetItem(1).instFinanc, "237"},
      {"eConsignado2.nrContrato", trab1.eConsignado.GetItem(1).nrContrato, "CT-2"},
      {"eConsignado2.vreConsignado", Txt(trab1.eConsignado.GetItem(1).vreConsignado), "75.5"},
      {"trab2.matricula", trab2.matricula, "MAT-2"},
      {"trab2.codCateg", Txt(trab2.codCateg), "721"},
      {"trab2.categOrig", Txt(trab2.categOrig), "0"},
      {"trab2.dtDeslig", Dia(trab2.dtDeslig), ""},
      {"trab2.sucessaoVinc.nrInsc", trab2.sucessaoVinc.nrInsc, ""},
      {"trab2.procCS", trab2.ProcCS.nrProcJud, ""},
      {"lotB.codLotacao", lotB.codLotacao, "LOT-B"},
      {"lotB.tpLotacao", lotB.tpLotacao, "03"},
      {"lotB.tpInsc", Txt(lotB.tpInsc), Txt(tiCNO)},
      {"lotB.nrInsc", lotB.nrInsc, "123456789012"},
      {"trabB.matricula", trabB.matricula, "MAT-3"},
      {"trabB.codCateg", Txt(trabB.codCateg), "103"},
      {"trabB.basePerApur.tpValor", Txt(trabB.InfoBaseFGTS.basePerApur().GetItem(0).tpValor), "13"},
      {"trabB.basePerApur.remFGTS", Txt(trabB.InfoBaseFGTS.basePerApur().GetItem(0).remFGTS), "1300"},
      {"ideEstab2.tpInsc", Txt(estab2.tpInsc), Txt(tiCAEPF)},
      {"ideEstab2.nrInsc", estab2.nrInsc, "12345678901234"},
      // Type 10 has no inscription of its own: the one the element carries is not read.
      {"lotC.codLotacao", lotC.codLotacao, "LOT-C"},
      {"lotC.tpLotacao", lotC.tpLotacao, "10"},
      {"lotC.tpInsc", Txt(lotC.tpInsc), Txt(tiCNPJ)},
      {"lotC.nrInsc", lotC.nrInsc, ""},
      {"trabC.matricula", trabC.matricula, "MAT-4"},
      {"trabC.basePerApur.tpValor", Txt(trabC.InfoBaseFGTS.basePerApur().GetItem(0).tpValor), "14"},
      {"trabC.basePerApur.remFGTS", Txt(trabC.InfoBaseFGTS.basePerApur().GetItem(0).remFGTS), "1400"},
  };
  for (const auto& v : valores) EXPECT_EQ(v.lido, v.esperado) << v.campo;
}

TEST(S5003Reader, AGroupWithoutItsOwnFieldsDoesNotTakeThoseOfItsChildren) {
  struct Caso {
    const char* nome;
    std::string infoFGTS;
    std::function<void(TInfoFGTS&)> conferir;
  };
  const Caso casos[] = {
      {"inscriptions only in the worker's sucessaoVinc",
       "<infoFGTS><ideEstab><ideLotacao><codLotacao>L1</codLotacao><tpLotacao>03</tpLotacao><infoTrabFGTS>"
       "<codCateg>101</codCateg><sucessaoVinc><tpInsc>2</tpInsc><nrInsc>98765432100</nrInsc>"
       "<dtAdm>2020-01-02</dtAdm></sucessaoVinc></infoTrabFGTS></ideLotacao></ideEstab></infoFGTS>",
       [](TInfoFGTS& f) {
         TIdeEstabCollectionItem& estab = f.IdeEstab().GetItem(0);
         EXPECT_EQ(estab.tpInsc, tiCNPJ);
         EXPECT_EQ(estab.nrInsc, "");
         TideLotacaoCOllectionItem& lot = estab.ideLotacao().GetItem(0);
         EXPECT_EQ(lot.tpInsc, tiCNPJ);
         EXPECT_EQ(lot.nrInsc, "");
         EXPECT_EQ(lot.infoTrabFGTS().GetItem(0).sucessaoVinc.tpInsc, tiCPF);
         EXPECT_EQ(lot.infoTrabFGTS().GetItem(0).sucessaoVinc.nrInsc, "98765432100");
       }},
      {"an inscription only in the lotacao",
       "<infoFGTS><ideEstab><ideLotacao><tpLotacao>02</tpLotacao><tpInsc>4</tpInsc><nrInsc>123456789012</nrInsc>"
       "<infoTrabFGTS><codCateg>101</codCateg></infoTrabFGTS></ideLotacao></ideEstab></infoFGTS>",
       [](TInfoFGTS& f) {
         TIdeEstabCollectionItem& estab = f.IdeEstab().GetItem(0);
         EXPECT_EQ(estab.tpInsc, tiCNPJ);
         EXPECT_EQ(estab.nrInsc, "");
         EXPECT_EQ(estab.ideLotacao().GetItem(0).tpInsc, tiCNO);
         EXPECT_EQ(estab.ideLotacao().GetItem(0).nrInsc, "123456789012");
       }},
      {"a procCS without infoBaseFGTS",
       "<infoFGTS><ideEstab><ideLotacao><infoTrabFGTS><codCateg>101</codCateg><procCS>"
       "<nrProcJud>55555555555555555555</nrProcJud></procCS></infoTrabFGTS></ideLotacao></ideEstab></infoFGTS>",
       [](TInfoFGTS& f) {
         TInfoTrabFGTSCollectionItem& trab = f.IdeEstab().GetItem(0).ideLotacao().GetItem(0).infoTrabFGTS().GetItem(0);
         EXPECT_EQ(trab.ProcCS.nrProcJud, "55555555555555555555");
         EXPECT_FALSE(trab.InfoBaseFGTS.BasePerApurInst());
       }},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.nome);
    const std::string doc = ComInfoFGTS(caso.infoFGTS);
    ASSERT_EQ(esocialtest::TEscritor().ErroDeSchema(doc, "evtBasesFGTS"), "");
    TS5003 leitor;
    leitor.SetXml(doc);
    caso.conferir(leitor.EvtBasesFGTS().infoFGTS);
  }
}

TEST(S5003Reader, TheVersionAloneChoosesTheShape) {
  // The S-1 document with the 2.x groups added: each version reads only its own shape.
  const std::string ambos = platform::StringReplace(
      Documento(), "<classTrib>04</classTrib>",
      "<classTrib>04</classTrib><ideEstabLot><tpInsc>1</tpInsc><nrInsc>12345678000195</nrInsc>"
      "<codLotacao>L-2X</codLotacao><infoTrabFGTS><matricula>M-2X</matricula><codCateg>101</codCateg>"
      "<dtAdm>2018-01-02</dtAdm><basePerApur><tpValor>11</tpValor><remFGTS>900.00</remFGTS></basePerApur>"
      "</infoTrabFGTS></ideEstabLot><infoDpsFGTS><infoTrabDps><matricula>M-2X</matricula><codCateg>101</codCateg>"
      "<dpsPerApur><tpDps>51</tpDps><dpsFGTS>72.00</dpsFGTS></dpsPerApur></infoTrabDps></infoDpsFGTS>");
  for (const char* versao : {"v_S_01_03_00", "v_S_01_02_00", "v_S_01_01_00", "v_S_01_00_00", "v02_05_00"}) {
    SCOPED_TRACE(versao);
    const bool s1 = std::string(versao) != "v02_05_00";
    TS5003 leitor;
    leitor.SetXml(platform::StringReplace(ambos, "v_S_01_03_00", versao));
    TEvtBasesFGTS& e = leitor.EvtBasesFGTS();
    EXPECT_EQ(e.IdeTrabalhador.cpfTrab, "12345678909");
    EXPECT_EQ(Dia(e.infoFGTS.dtVenc), "2025-02-07");
    EXPECT_EQ(e.infoFGTS.classTrib, s1 ? ct04 : ct00);
    EXPECT_EQ(e.infoFGTS.IdeEstabInst(), s1);
    EXPECT_EQ(e.infoFGTS.IdeEstabLotInst(), !s1);
    EXPECT_EQ(e.infoFGTS.InfoDpsFGTSInst(), !s1);
    if (s1) {
      EXPECT_EQ(e.infoFGTS.IdeEstab().Count(), 2);
      EXPECT_EQ(e.infoFGTS.IdeEstab().GetItem(0).ideLotacao().GetItem(0).infoTrabFGTS().GetItem(0).ProcCS.nrProcJud,
                "55555555555555555555");
    } else {
      ASSERT_EQ(e.infoFGTS.IdeEstabLot().Count(), 1);
      TInfoTrabFGTSCollectionItem& trab = e.infoFGTS.IdeEstabLot().GetItem(0).InfoTrabFGTS().GetItem(0);
      EXPECT_EQ(Dia(trab.dtAdm), "2018-01-02");
      EXPECT_EQ(trab.InfoBaseFGTS.basePerApur().Count(), 1);
      EXPECT_EQ(e.infoFGTS.infoDpsFGTS().infoTrabDps().Count(), 1);
    }
  }
}

TEST(S5003Reader, The2xShapeFindsBasesInAnyWrapperAndJoinsTheDeposits) {
  const std::string infoFGTS =
      "<infoFGTS><dtVenc>2018-08-07</dtVenc>"
      "<ideEstabLot><tpInsc>1</tpInsc><nrInsc>00509968000148</nrInsc><codLotacao>L1</codLotacao>"
      "<infoTrabFGTS><matricula>M1</matricula><codCateg>101</codCateg><dtAdm>2015-02-03</dtAdm>"
      "<dtDeslig>2018-07-30</dtDeslig><mtvDeslig>02</mtvDeslig>"
      "<basePerApur><tpValor>11</tpValor><remFGTS>1000.00</remFGTS></basePerApur>"
      "<basePerApur><tpValor>12</tpValor><remFGTS>100.00</remFGTS></basePerApur></infoTrabFGTS>"
      "<infoTrabFGTS><matricula>M2</matricula><codCateg>701</codCateg><dtInicio>2017-04-05</dtInicio>"
      "<dtTerm>2018-07-31</dtTerm><mtvDesligTSV>01</mtvDesligTSV>"
      "<infoBaseFGTS><basePerApur><tpValor>13</tpValor><remFGTS>2000.00</remFGTS></basePerApur></infoBaseFGTS>"
      "</infoTrabFGTS></ideEstabLot>"
      "<infoDpsFGTS><infoTrabDps><matricula>M1</matricula><codCateg>101</codCateg>"
      "<dpsPerApur><tpDps>51</tpDps><dpsFGTS>80.00</dpsFGTS></dpsPerApur>"
      "<dpsPerApur><tpDps>52</tpDps><dpsFGTS>8.00</dpsFGTS></dpsPerApur></infoTrabDps></infoDpsFGTS>"
      "<infoDpsFGTS><infoTrabDps><matricula>M2</matricula><codCateg>701</codCateg>"
      "<dpsPerApur><tpDps>53</tpDps><dpsFGTS>160.00</dpsFGTS></dpsPerApur></infoTrabDps></infoDpsFGTS>"
      "</infoFGTS>";
  TS5003 leitor;
  leitor.SetXml(platform::StringReplace(
      esocialtest::Evento("evtBasesFGTS", "ID1",
                          {"<ideTrabalhador><cpfTrab>72568274077</cpfTrab><nisTrab>12345678901</nisTrab>"
                           "</ideTrabalhador>",
                           infoFGTS}),
      "v_S_01_03_00", "v02_04_02"));
  TEvtBasesFGTS& e = leitor.EvtBasesFGTS();
  EXPECT_EQ(e.IdeTrabalhador.nisTrab, "12345678901");
  ASSERT_EQ(e.infoFGTS.IdeEstabLot().Count(), 1);
  TIdeEstabLot2CollectionItem& estab = e.infoFGTS.IdeEstabLot().GetItem(0);
  EXPECT_EQ(estab.codLotacao, "L1");
  ASSERT_EQ(estab.InfoTrabFGTS().Count(), 2);
  TInfoTrabFGTSCollectionItem& m1 = estab.InfoTrabFGTS().GetItem(0);
  TInfoTrabFGTSCollectionItem& m2 = estab.InfoTrabFGTS().GetItem(1);
  EXPECT_EQ(Dia(m1.dtAdm) + "|" + Dia(m1.dtDeslig) + "|" + m1.mtvDeslig, "2015-02-03|2018-07-30|02");
  EXPECT_EQ(Dia(m2.dtInicio) + "|" + Dia(m2.dtTerm) + "|" + m2.mtvDesligTSV, "2017-04-05|2018-07-31|01");
  ASSERT_EQ(m1.InfoBaseFGTS.basePerApur().Count(), 2);
  EXPECT_EQ(m1.InfoBaseFGTS.basePerApur().GetItem(1).tpValor, 12);
  ASSERT_EQ(m2.InfoBaseFGTS.basePerApur().Count(), 1);
  EXPECT_DOUBLE_EQ(m2.InfoBaseFGTS.basePerApur().GetItem(0).remFGTS, 2000);

  TInfoTrabDpsCollection& dps = e.infoFGTS.infoDpsFGTS().infoTrabDps();
  ASSERT_EQ(dps.Count(), 2);
  EXPECT_EQ(dps.GetItem(0).matricula, "M1");
  ASSERT_EQ(dps.GetItem(0).dpsPerApur().Count(), 2);
  EXPECT_DOUBLE_EQ(dps.GetItem(0).dpsPerApur().GetItem(1).dpsFGTS, 8);
  EXPECT_EQ(dps.GetItem(1).codCateg, 701);
  ASSERT_EQ(dps.GetItem(1).dpsPerApur().Count(), 1);
  EXPECT_EQ(dps.GetItem(1).dpsPerApur().GetItem(0).tpDps, 53);
}
