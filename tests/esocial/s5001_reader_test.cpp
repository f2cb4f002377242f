// The totalizer reader frame, through the S-5001 reader: version, root and Id, the setter
// rule, the failure cases, and the S-5001 reading order field for field.
#include "esocial/totalizers/s5001_reader.h"

#include <gtest/gtest.h>

#include "dfe/ssl.h"
#include "esocial/totalizers/totalizer_registry.h"
#include "platform/date_time.h"
#include "platform/strings.h"
#include "support/esocial/esocial_test_support.h"
#include "support/message_of.h"

using namespace esocial;
using esocial::s5001::TEvtBasesTrab;
using esocial::s5001::TS5001;
using testsupport::MessageOf;

namespace {

const std::string kId = "ID1123456780000002025010112000000001";

// Every group of the S-1.03 layout, each list once but infoInterm (twice: hrsTrab is optional).
const std::vector<std::string> kGrupos = {
    "<ideEvento><nrRecArqBase>1.2.0000000000000000001</nrRecArqBase><indApuracao>2</indApuracao>"
    "<perApur>2025</perApur></ideEvento>",
    "<ideEmpregador><tpInsc>1</tpInsc><nrInsc>12345678</nrInsc></ideEmpregador>",
    "<ideTrabalhador><cpfTrab>12345678909</cpfTrab><infoCompl>"
    "<sucessaoVinc><tpInsc>2</tpInsc><nrInsc>12345678909</nrInsc><matricAnt>M-01</matricAnt>"
    "<dtAdm>2020-02-03</dtAdm></sucessaoVinc>"
    "<infoInterm><dia>5</dia><hrsTrab>0830</hrsTrab></infoInterm><infoInterm><dia>6</dia></infoInterm>"
    "<infoComplCont><codCBO>252105</codCBO><natAtividade>2</natAtividade><qtdDiasTrab>20</qtdDiasTrab>"
    "</infoComplCont></infoCompl>"
    "<procJudTrab><nrProcJud>12345678901234567890</nrProcJud><codSusp>7</codSusp></procJudTrab></ideTrabalhador>",
    "<infoCpCalc><tpCR>108201</tpCR><vrCpSeg>123.45</vrCpSeg><vrDescSeg>120.00</vrDescSeg></infoCpCalc>",
    "<infoCp><classTrib>99</classTrib><ideEstabLot><tpInsc>3</tpInsc><nrInsc>12345678901234</nrInsc>"
    "<codLotacao>LOT-1</codLotacao><infoCategIncid><matricula>MAT-9</matricula><codCateg>101</codCateg>"
    "<indSimples>2</indSimples>"
    "<infoBaseCS><ind13>0</ind13><tpValor>11</tpValor><valor>3000.50</valor></infoBaseCS>"
    "<calcTerc><tpCR>121802</tpCR><vrCsSegTerc>55.10</vrCsSegTerc><vrDescTerc>5.00</vrDescTerc></calcTerc>"
    "<infoPerRef><perRef>2024-12</perRef><ideADC><dtAcConv>2024-11-20</dtAcConv><tpAcConv>B</tpAcConv>"
    "<dsc>Acordo coletivo</dsc><remunSuc>S</remunSuc></ideADC>"
    "<detInfoPerRef><ind13>0</ind13><tpVrPerRef>12</tpVrPerRef><vrPerRef>250.75</vrPerRef></detInfoPerRef>"
    "</infoPerRef></infoCategIncid></ideEstabLot></infoCp>",
    "<infoPisPasep><ideEstab><tpInsc>4</tpInsc><nrInsc>123456789012</nrInsc><infoCategPisPasep>"
    "<matricula>MAT-9</matricula><codCateg>101</codCateg><infoBasePisPasep><ind13>0</ind13>"
    "<tpValorPisPasep>11</tpValorPisPasep><valorPisPasep>3000.50</valorPisPasep></infoBasePisPasep>"
    "</infoCategPisPasep></ideEstab></infoPisPasep>"};

std::string Documento(const std::string& versao = "v_S_01_03_00") {
  return platform::StringReplace(esocialtest::Evento("evtBasesTrab", kId, kGrupos, true), "v_S_01_03_00", versao);
}

platform::TDateTime Dia(int y, int m, int d) { return platform::EncodeDate(y, m, d); }

}  // namespace

TEST(S5001Reader, AValidS103DocumentReadsFieldForField) {
  auto c = esocialtest::NovoComponente();
  const std::string assinado = c.eSocial->SSL().Assinar(Documento(), "eSocial", "evtBasesTrab", "", "", "", "ID");
  std::string erro;
  ASSERT_TRUE(c.eSocial->SSL().Validar(assinado, esocialtest::Schemas() + "evtBasesTrab-v_S_01_03_00.xsd", erro))
      << erro;

  TS5001 leitor;
  leitor.SetXml(assinado);
  TEvtBasesTrab& e = leitor.EvtBasesTrab();
  EXPECT_EQ(leitor.TipoEvento(), teS5001);
  EXPECT_EQ(leitor.Xml(), assinado);
  EXPECT_EQ(e.VersaoDF(), veS01_03_00);
  EXPECT_EQ(e.Id(), kId);

  EXPECT_EQ(e.IdeEvento.nrRecArqBase, "1.2.0000000000000000001");
  EXPECT_EQ(e.IdeEvento.IndApuracao, ipaAnual);
  EXPECT_EQ(e.IdeEvento.perApur, "2025");
  EXPECT_EQ(e.IdeEmpregador.TpInsc, tiCNPJ);
  EXPECT_EQ(e.IdeEmpregador.NrInsc, "12345678");

  auto& trab = e.IdeTrabalhador;
  EXPECT_EQ(trab.cpfTrab, "12345678909");
  ASSERT_TRUE(trab.InfoCompl.SucessaoVincInst());
  auto& suc = trab.InfoCompl.sucessaoVinc();
  EXPECT_EQ(suc.tpInsc, tiCPF);
  EXPECT_EQ(suc.nrInsc, "12345678909");
  EXPECT_EQ(suc.matricAnt, "M-01");
  EXPECT_EQ(suc.dtAdm, Dia(2020, 2, 3));
  auto& interm = trab.InfoCompl.infoInterm();
  ASSERT_EQ(interm.Count(), 2);
  EXPECT_EQ(interm.GetItem(0).dia, 5);
  EXPECT_EQ(interm.GetItem(0).hrsTrab, "0830");
  EXPECT_EQ(interm.GetItem(1).dia, 6);
  EXPECT_EQ(interm.GetItem(1).hrsTrab, "");
  auto& cont = trab.InfoCompl.infoComplCont();
  ASSERT_EQ(cont.Count(), 1);
  EXPECT_EQ(cont.GetItem(0).codCBO, "252105");
  EXPECT_EQ(cont.GetItem(0).natAtividade, navRural);
  EXPECT_EQ(cont.GetItem(0).qtdDiasTrab, 20);
  ASSERT_EQ(trab.procJudTrab.Count(), 1);
  EXPECT_EQ(trab.procJudTrab.GetItem(0).nrProcJud, "12345678901234567890");
  EXPECT_EQ(trab.procJudTrab.GetItem(0).codSusp, "7");

  ASSERT_EQ(e.InfoCpCalc.Count(), 1);
  EXPECT_EQ(e.InfoCpCalc.GetItem(0).tpCR, "108201");
  EXPECT_DOUBLE_EQ(e.InfoCpCalc.GetItem(0).vrCpSeg, 123.45);
  EXPECT_DOUBLE_EQ(e.InfoCpCalc.GetItem(0).vrDescSeg, 120.0);

  EXPECT_EQ(e.InfoCp.classTrib, ct99);
  ASSERT_EQ(e.InfoCp.IdeEstabLot.Count(), 1);
  auto& lot = e.InfoCp.IdeEstabLot.GetItem(0);
  EXPECT_EQ(lot.tpInsc, tiCAEPF);
  EXPECT_EQ(lot.nrInsc, "12345678901234");
  EXPECT_EQ(lot.codLotacao, "LOT-1");
  ASSERT_EQ(lot.InfoCategIncid.Count(), 1);
  auto& categ = lot.InfoCategIncid.GetItem(0);
  EXPECT_EQ(categ.matricula, "MAT-9");
  EXPECT_EQ(categ.codCateg, 101);
  EXPECT_EQ(categ.indSimples, idsNaosubstituida);
  ASSERT_EQ(categ.InfoBaseCS.Count(), 1);
  EXPECT_EQ(categ.InfoBaseCS.GetItem(0).ind13, 0);
  EXPECT_EQ(categ.InfoBaseCS.GetItem(0).tpValor, 11);
  EXPECT_DOUBLE_EQ(categ.InfoBaseCS.GetItem(0).valor, 3000.5);
  ASSERT_EQ(categ.CalcTerc.Count(), 1);
  EXPECT_EQ(categ.CalcTerc.GetItem(0).tpCR, 121802);
  EXPECT_DOUBLE_EQ(categ.CalcTerc.GetItem(0).vrCsSegTerc, 55.1);
  EXPECT_DOUBLE_EQ(categ.CalcTerc.GetItem(0).vrDescTerc, 5.0);
  ASSERT_EQ(categ.InfoPerRef.Count(), 1);
  auto& per = categ.InfoPerRef.GetItem(0);
  EXPECT_EQ(per.perRef, "2024-12");
  ASSERT_TRUE(per.IdeADCInst());
  ASSERT_EQ(per.ideADC().Count(), 1);
  EXPECT_EQ(per.ideADC().GetItem(0).dtAcConv, Dia(2024, 11, 20));
  EXPECT_EQ(per.ideADC().GetItem(0).tpAcConv, tacLegislacaoFederalEstadualMunicipalDistrital);
  EXPECT_EQ(per.ideADC().GetItem(0).dsc, "Acordo coletivo");
  EXPECT_EQ(per.ideADC().GetItem(0).remunSuc, snfSim);
  ASSERT_TRUE(per.DetInfoPerRefInst());
  ASSERT_EQ(per.detInfoPerRef().Count(), 1);
  EXPECT_EQ(per.detInfoPerRef().GetItem(0).tpVrPerRef(), 12);
  EXPECT_EQ(per.detInfoPerRef().GetItem(0).tpValor(), 12);
  EXPECT_DOUBLE_EQ(per.detInfoPerRef().GetItem(0).vrPerRef, 250.75);

  ASSERT_TRUE(e.infoPisPasepInst());
  ASSERT_EQ(e.infoPisPasep().ideEstab.Count(), 1);
  auto& estab = e.infoPisPasep().ideEstab.GetItem(0);
  EXPECT_EQ(estab.tpInsc, tiCNO);
  EXPECT_EQ(estab.nrInsc, "123456789012");
  ASSERT_EQ(estab.infoCategPisPasep.Count(), 1);
  auto& pis = estab.infoCategPisPasep.GetItem(0);
  EXPECT_EQ(pis.matricula, "MAT-9");
  EXPECT_EQ(pis.codCateg, 101);
  ASSERT_TRUE(pis.infoBasePisPasepInst());
  ASSERT_EQ(pis.infoBasePisPasep().Count(), 1);
  EXPECT_EQ(pis.infoBasePisPasep().GetItem(0).tpValorPisPasep, tpvBaseCalculoPISPASEP);
  EXPECT_DOUBLE_EQ(pis.infoBasePisPasep().GetItem(0).valorPisPasep, 3000.5);
}

TEST(S5001Reader, TheVersionChoosesTheGroupsRead) {
  struct Caso {
    std::string versao;
    TVersaoeSocial esperada;
    bool infoCompl, hrsTrab, pisPasep;
  };
  for (const auto& caso :
       {Caso{"v02_05_00", ve02_05_00, false, false, false}, Caso{"v_S_01_00_00", veS01_00_00, true, false, false},
        Caso{"v_S_01_02_00", veS01_02_00, true, false, false}, Caso{"v_S_01_03_00", veS01_03_00, true, true, true}}) {
    TS5001 leitor;
    leitor.SetXml(Documento(caso.versao));
    TEvtBasesTrab& e = leitor.EvtBasesTrab();
    EXPECT_EQ(e.VersaoDF(), caso.esperada) << caso.versao;
    auto& compl_ = e.IdeTrabalhador.InfoCompl;
    EXPECT_EQ(compl_.SucessaoVincInst(), caso.infoCompl) << caso.versao;
    EXPECT_EQ(compl_.InfoIntermInst(), caso.infoCompl) << caso.versao;
    EXPECT_EQ(compl_.InfoComplContInst(), caso.infoCompl) << caso.versao;
    if (caso.infoCompl) {
      EXPECT_EQ(compl_.infoInterm().GetItem(0).hrsTrab, caso.hrsTrab ? "0830" : "") << caso.versao;
    }
    EXPECT_EQ(e.infoPisPasepInst(), caso.pisPasep) << caso.versao;
    // What every version reads.
    EXPECT_EQ(e.IdeTrabalhador.cpfTrab, "12345678909") << caso.versao;
    EXPECT_EQ(e.InfoCp.IdeEstabLot.GetItem(0).InfoCategIncid.GetItem(0).InfoPerRef.Count(), 1) << caso.versao;
  }
}

TEST(S5001Reader, FailuresReturnFalseAndKeepWhatWasRead) {
  const std::string valido = Documento();
  struct Caso {
    const char* nome;
    std::string xml;
    TVersaoeSocial versao;      // kept from the earlier reading when the version is not known
    bool idLido, pisPasepLido;  // read before the failure
  };
  const Caso casos[] = {
      {"no namespace path", platform::StringReplace(valido, "/evt/evtBasesTrab/", "/evt/outro/"), ve02_05_00, false,
       false},
      {"single quotes", platform::StringReplace(valido, "v_S_01_03_00\"", "v_S_01_03_00'"), ve02_05_00, false, false},
      {"unknown version", platform::StringReplace(valido, "v_S_01_03_00", "v_S_01_09_00"), ve02_05_00, false, false},
      {"missing root", platform::StringReplace(valido, "evtBasesTrab Id", "evtOutro Id"), veS01_03_00, false, false},
      {"unknown tpValorPisPasep", platform::StringReplace(valido, "<tpValorPisPasep>11<", "<tpValorPisPasep>12<"),
       veS01_03_00, true, true},
      {"absent tpValorPisPasep", platform::StringReplace(valido, "<tpValorPisPasep>11</tpValorPisPasep>", ""),
       veS01_03_00, true, true},
  };
  for (const auto& caso : casos) {
    TS5001 leitor;
    TEvtBasesTrab& e = leitor.EvtBasesTrab();
    // An earlier reading of an older layout, which only the version distinguishes.
    leitor.SetXml(Documento("v02_05_00"));
    ASSERT_EQ(e.VersaoDF(), ve02_05_00);
    e.Leitor().Arquivo = caso.xml;
    EXPECT_EQ(MessageOf([&] { EXPECT_FALSE(e.LerXML()) << caso.nome; }), testsupport::kNoError) << caso.nome;
    EXPECT_EQ(e.XML(), caso.xml) << caso.nome;
    EXPECT_EQ(e.VersaoDF(), caso.versao) << caso.nome;
    // The first reading's lists grow only when the groups were read again.
    EXPECT_EQ(e.InfoCpCalc.Count(), caso.idLido ? 2 : 1) << caso.nome;
    EXPECT_EQ(e.infoPisPasepInst(), caso.pisPasepLido) << caso.nome;
    if (caso.pisPasepLido) {
      // The item of the failing code stays, with what came before the code.
      auto& pis = e.infoPisPasep().ideEstab.GetItem(0).infoCategPisPasep.GetItem(0);
      ASSERT_EQ(pis.infoBasePisPasep().Count(), 1) << caso.nome;
      EXPECT_DOUBLE_EQ(pis.infoBasePisPasep().GetItem(0).valorPisPasep, 0) << caso.nome;
    }
  }
  // The conversion's own message, which the reading swallows.
  EXPECT_EQ(MessageOf([] { StrToTpValorPisPasep("12"); }), "Valor string inválido para TtpValorPisPasep: 12");
}

TEST(S5001Reader, TheSameTextIsReadOnce) {
  TS5001 leitor;
  TEvtBasesTrab& e = leitor.EvtBasesTrab();
  leitor.SetXml("");
  EXPECT_EQ(e.VersaoDF(), ve02_04_01);
  EXPECT_EQ(e.Id(), "");

  const std::string doc = Documento();
  leitor.SetXml(doc);
  leitor.SetXml(doc);
  EXPECT_EQ(e.InfoCp.IdeEstabLot.Count(), 1);
  EXPECT_EQ(e.IdeTrabalhador.procJudTrab.Count(), 1);

  // A text that differs in a blank is read again into the same objects: lists grow, single
  // values stay.
  leitor.SetXml(doc + " ");
  EXPECT_EQ(e.InfoCp.IdeEstabLot.Count(), 2);
  EXPECT_EQ(e.IdeTrabalhador.procJudTrab.Count(), 2);
  EXPECT_EQ(e.IdeTrabalhador.InfoCompl.infoInterm().Count(), 4);
  EXPECT_EQ(e.IdeEvento.perApur, "2025");
}

TEST(S5001Reader, ListsNestInDocumentOrderAndAbsentGroupsStayAbsent) {
  auto categ = [](int n) {
    return "<infoCategIncid><matricula>M" + std::to_string(n) + "</matricula><codCateg>10" + std::to_string(n) +
           "</codCateg></infoCategIncid>";
  };
  std::string lotes;
  for (int l = 1; l <= 3; ++l)
    lotes += "<ideEstabLot><codLotacao>L" + std::to_string(l) + "</codLotacao>" + categ(2 * l - 1) + categ(2 * l) +
             "</ideEstabLot>";
  // indApuracao in another letter case; an infoPisPasep without ideEstab.
  TS5001 leitor;
  leitor.SetXml(esocialtest::Evento(
      "evtBasesTrab", kId,
      {"<ideEvento><IndApuracao>2</IndApuracao></ideEvento>", "<ideTrabalhador><cpfTrab>1</cpfTrab></ideTrabalhador>",
       "<infoCp>" + lotes + "</infoCp>", "<infoPisPasep></infoPisPasep>"}));
  TEvtBasesTrab& e = leitor.EvtBasesTrab();
  EXPECT_EQ(e.IdeEvento.IndApuracao, ipaAnual);
  ASSERT_EQ(e.InfoCp.IdeEstabLot.Count(), 3);
  for (int l = 0; l < 3; ++l) {
    auto& lot = e.InfoCp.IdeEstabLot.GetItem(l);
    EXPECT_EQ(lot.codLotacao, "L" + std::to_string(l + 1));
    ASSERT_EQ(lot.InfoCategIncid.Count(), 2);
    EXPECT_EQ(lot.InfoCategIncid.GetItem(0).matricula, "M" + std::to_string(2 * l + 1));
    EXPECT_EQ(lot.InfoCategIncid.GetItem(1).codCateg, 100 + 2 * l + 2);
    EXPECT_EQ(lot.InfoCategIncid.GetItem(1).InfoPerRef.Count(), 0);
  }
  EXPECT_FALSE(e.infoPisPasepInst());
  EXPECT_FALSE(e.IdeTrabalhador.InfoCompl.SucessaoVincInst());
  EXPECT_EQ(e.IdeEmpregador.NrInsc, "");
  EXPECT_EQ(e.InfoCpCalc.Count(), 0);
}

TEST(TotalizerRegistry, MakesTheReaderOfARegisteredTipoOnly) {
  auto leitor = CriarLeitorTotalizador("S5001");
  ASSERT_NE(leitor, nullptr);
  EXPECT_EQ(leitor->TipoEvento(), teS5001);
  EXPECT_NE(dynamic_cast<TS5001*>(&leitor->GetEvento()), nullptr);
  EXPECT_NE(CriarLeitorTotalizador("S5001"), leitor);
  for (const char* tipo : {"S5099", "s5001", "S-5001", "S5001 ", ""}) EXPECT_EQ(CriarLeitorTotalizador(tipo), nullptr);
}
