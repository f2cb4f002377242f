// What the totalizer readers do with a text they cannot read (false, keeping what was read
// before the failure), with one that ends early and with a text given twice, over each
// reader's full document.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "esocial/totalizers/s5002_reader.h"
#include "esocial/totalizers/s5003_reader.h"
#include "esocial/totalizers/s5011_reader.h"
#include "esocial/totalizers/s5012_reader.h"
#include "esocial/totalizers/s5013_reader.h"
#include "esocial/totalizers/s5501_reader.h"
#include "esocial/totalizers/s5503_reader.h"
#include "esocial/totalizers/totalizer_registry.h"
#include "platform/strings.h"
#include "totalizer_test_support.h"

using namespace esocial;
using esocial::totalizers::TConteudoTotalizador;

namespace {

struct TLeitorTotalizadorTabela {
  std::string tipo;
  TTipoEvento tipoEvento;
  std::string fixture, raiz;
  std::function<TConteudoTotalizador&(IEventoeSocial&)> conteudo;
  // The items of the reader's outermost list: what a reading got to; itensNoDocumento in its
  // fixture.
  std::function<int(IEventoeSocial&)> itens;
  int itensNoDocumento = 2;
  bool comVersao = true;  // false: the reader takes no version, so no namespace stops it
};

s5002::TEvtIrrfBenef& S5002(IEventoeSocial& l) { return dynamic_cast<TS5002&>(l).EvtirrfBenef(); }
s5003::TEvtBasesFGTS& S5003(IEventoeSocial& l) { return dynamic_cast<TS5003&>(l).EvtBasesFGTS(); }
s5011::TEvtCS& S5011(IEventoeSocial& l) { return dynamic_cast<TS5011&>(l).EvtCS(); }
s5012::TEvtIrrf& S5012(IEventoeSocial& l) { return dynamic_cast<s5012::TS5012&>(l).EvtIrrf(); }
s5013::TEvtFGTS& S5013(IEventoeSocial& l) { return dynamic_cast<s5013::TS5013&>(l).EvtFGTS(); }
s5501::TEvtTribProcTrab& S5501(IEventoeSocial& l) { return dynamic_cast<s5501::TS5501&>(l).evtTribProcTrab(); }
s5503::TevtFGTSProcTrab& S5503(IEventoeSocial& l) { return dynamic_cast<s5503::TS5503&>(l).evtFGTSProcTrab(); }

const TLeitorTotalizadorTabela kLeitores[] = {
    {"S5002", teS5002, "s5002_every_group.xml", "evtIrrfBenef", S5002,
     [](IEventoeSocial& l) {
       auto& trab = S5002(l).IdeTrabalhador;
       return trab.dmDevInst() ? trab.dmDev().Count() : 0;
     }},
    {"S5003", teS5003, "s5003_every_group.xml", "evtBasesFGTS", S5003,
     [](IEventoeSocial& l) {
       auto& fgts = S5003(l).infoFGTS;
       return fgts.IdeEstabInst() ? fgts.IdeEstab().Count() : 0;
     }},
    {"S5011", teS5011, "s5011_every_group.xml", "evtCS", S5011,
     [](IEventoeSocial& l) { return S5011(l).InfoCS.ideEstab.Count(); }},
    {"S5012", teS5012, "s5012.xml", "evtIrrf", S5012,
     [](IEventoeSocial& l) {
       auto& irrf = S5012(l).InfoIRRF;
       return irrf.InfoCRMenInst() ? irrf.InfoCRMen().Count() : 0;
     }},
    {"S5013", teS5013, "s5013.xml", "evtFGTS", S5013,
     [](IEventoeSocial& l) {
       auto& fgts = S5013(l).infoFGTS;
       return fgts.IdeEstabInst() ? fgts.ideEstab().Count() : 0;
     }},
    {"S5501", teS5501, "s5501.xml", "evtTribProcTrab", S5501,
     [](IEventoeSocial& l) {
       auto& proc = S5501(l).ideProc;
       return proc.instInfoTributos() ? proc.infoTributos().Count() : 0;
     },
     2, false},
    {"S5503", teS5503, "s5503.xml", "evtFGTSProcTrab", S5503,
     [](IEventoeSocial& l) { return S5503(l).infoTrabFGTS.Count(); }, 3},
};

// Reads Xml into a new reader of the row's tipo; Resultado receives LerXML's result.
std::shared_ptr<IEventoeSocial> Ler(const TLeitorTotalizadorTabela& linha, const std::string& Xml, bool& Resultado) {
  auto leitor = CriarLeitorTotalizador(linha.tipo);
  TConteudoTotalizador& c = linha.conteudo(*leitor);
  c.Leitor().Arquivo = Xml;
  Resultado = c.LerXML();
  return leitor;
}

}  // namespace

TEST(TotalizerReaders, EachTipoMakesItsReader) {
  for (const auto& linha : kLeitores) {
    SCOPED_TRACE(linha.tipo);
    auto leitor = CriarLeitorTotalizador(linha.tipo);
    ASSERT_NE(leitor, nullptr);
    EXPECT_EQ(leitor->TipoEvento(), linha.tipoEvento);
    EXPECT_NO_THROW(linha.conteudo(*leitor));
  }
}

TEST(TotalizerReaders, ATextWithoutRootOrKnownVersionReadsNothing) {
  for (const auto& linha : kLeitores) {
    const std::string doc = esocialtest::Fixture(linha.fixture);
    const std::string semRaiz = platform::StringReplace(platform::StringReplace(doc, "<" + linha.raiz + " ", "<outro "),
                                                        "</" + linha.raiz + ">", "</outro>");
    const std::string aspasSimples = platform::StringReplace(
        platform::StringReplace(doc, "xmlns=\"http", "xmlns='http"), "v_S_01_03_00\"", "v_S_01_03_00'");
    struct Caso {
      const char* nome;
      std::string xml;
      bool resultado;
      TVersaoeSocial versao;
      bool semVersao;  // no version can be read from the namespace
    };
    for (const auto& caso : {Caso{"the whole document", doc, true, veS01_03_00, false},
                             Caso{"no root", semRaiz, false, veS01_03_00, false},
                             Caso{"an unknown version", platform::StringReplace(doc, "v_S_01_03_00", "v_S_01_09_00"),
                                  false, ve02_04_01, true},
                             Caso{"single quotes", aspasSimples, false, ve02_04_01, true}}) {
      SCOPED_TRACE(linha.tipo + ": " + caso.nome);
      // A reader that takes no version reads every namespace and keeps the first version.
      const bool esperado = caso.resultado || (caso.semVersao && !linha.comVersao);
      bool resultado = !esperado;
      auto leitor = Ler(linha, caso.xml, resultado);
      EXPECT_EQ(resultado, esperado);
      TConteudoTotalizador& c = linha.conteudo(*leitor);
      EXPECT_EQ(c.XML(), caso.xml);
      EXPECT_EQ(c.VersaoDF(), linha.comVersao ? caso.versao : ve02_04_01);
      EXPECT_EQ(c.Id().empty(), !esperado);
      EXPECT_EQ(linha.itens(*leitor), esperado ? linha.itensNoDocumento : 0);
    }
  }
}

TEST(TotalizerReaders, TheSameTextIsReadOnceAndAnEmptyOneNotAtAll) {
  for (const auto& linha : kLeitores) {
    SCOPED_TRACE(linha.tipo);
    auto leitor = CriarLeitorTotalizador(linha.tipo);
    leitor->SetXml("");
    EXPECT_EQ(linha.conteudo(*leitor).VersaoDF(), ve02_04_01);
    EXPECT_EQ(linha.conteudo(*leitor).Id(), "");
    EXPECT_EQ(linha.itens(*leitor), 0);
    const std::string doc = esocialtest::Fixture(linha.fixture);
    leitor->SetXml(doc);
    leitor->SetXml(doc);
    EXPECT_EQ(leitor->Xml(), doc);
    EXPECT_EQ(linha.itens(*leitor), linha.itensNoDocumento);
  }
}

TEST(TotalizerReaders, AReadingThatStopsEarlyKeepsWhatCameBefore) {
  struct Caso {
    const char* nome;
    int leitor;  // row of kLeitores
    std::string de, para;
    bool resultado;
    std::function<void(IEventoeSocial&)> conferir;
  };
  const Caso casos[] = {
      {"S-5012 without infoIRRF", 3, "infoIRRF>", "outroIRRF>", true,
       [](IEventoeSocial& l) {
         EXPECT_EQ(S5012(l).IdeEvento.perApur, "2025-01");
         EXPECT_EQ(S5012(l).IdeEmpregador.NrInsc, "12345678909");
         EXPECT_EQ(S5012(l).InfoIRRF.nrRecArqBase, "");
       }},
      {"S-5013 without infoFGTS", 4, "infoFGTS>", "outroFGTS>", true,
       [](IEventoeSocial& l) {
         EXPECT_EQ(S5013(l).ideEvento.perApur, "2024");
         EXPECT_EQ(S5013(l).infoFGTS.nrRecArqBase, "");
       }},
      {"S-5501 without ideProc", 5, "ideProc>", "outroProc>", true,
       [](IEventoeSocial& l) {
         EXPECT_EQ(S5501(l).ideEvento.nrRecArqBase, "1.2.0000000000000005501");
         EXPECT_EQ(S5501(l).ideProc.nrProcTrab, "");
         EXPECT_FALSE(S5501(l).ideProc.instInfoCRIRRF());
       }},
      {"S-5503 without infoTrabFGTS", 6, "infoTrabFGTS>", "outroTrabFGTS>", true,
       [](IEventoeSocial& l) { EXPECT_EQ(S5503(l).IdeTrabalhador.cpfTrab, "98765432100"); }},
      // Without the group of their information the identification is all there is.
      {"S-5003 without infoFGTS", 1, "infoFGTS>", "outroFGTS>", true,
       [](IEventoeSocial& l) {
         EXPECT_EQ(S5003(l).IdeTrabalhador.cpfTrab, "12345678909");
         EXPECT_EQ(S5003(l).infoFGTS.dtVenc, 0);
         EXPECT_FALSE(S5003(l).infoFGTS.IdeEstabInst());
       }},
      {"S-5011 without infoCS", 2, "infoCS>", "outroCS>", true,
       [](IEventoeSocial& l) {
         EXPECT_EQ(S5011(l).IdeEmpregador.NrInsc, "12345678");
         EXPECT_EQ(S5011(l).InfoCS.nrRecArqBase, "");
         EXPECT_EQ(S5011(l).InfoCS.ideEstab.Count(), 0);
       }},
      {"S-5002 malformed dtPgto of the second dmDev", 0, "<dtPgto>2025-01-15</dtPgto>", "<dtPgto>15/01/2025</dtPgto>",
       false,
       [](IEventoeSocial& l) {
         auto& trab = S5002(l).IdeTrabalhador;
         ASSERT_EQ(trab.dmDev().Count(), 2);
         EXPECT_TRUE(trab.dmDev().GetItem(0).infoRRAInst());
         EXPECT_EQ(trab.dmDev().GetItem(1).ideDmDev, "DM-2");
         EXPECT_EQ(trab.dmDev().GetItem(1).codCateg, 0);
         EXPECT_FALSE(trab.infoIRComplemInst());
       }},
      {"S-5003 malformed dtVenc", 1, "<dtVenc>2025-02-07</dtVenc>", "<dtVenc>2025-02-30</dtVenc>", false,
       [](IEventoeSocial& l) {
         EXPECT_EQ(S5003(l).IdeTrabalhador.cpfTrab, "12345678909");
         EXPECT_FALSE(S5003(l).infoFGTS.IdeEstabInst());
       }},
      {"S-5003 tpLotacao X1 in the second lotacao", 1, "<tpLotacao>03</tpLotacao>", "<tpLotacao>X1</tpLotacao>", false,
       [](IEventoeSocial& l) {
         auto& estab = S5003(l).infoFGTS.IdeEstab();
         ASSERT_EQ(estab.Count(), 1);
         ASSERT_EQ(estab.GetItem(0).ideLotacao().Count(), 2);
         EXPECT_EQ(estab.GetItem(0).ideLotacao().GetItem(0).infoTrabFGTS().Count(), 2);
         auto& lot = estab.GetItem(0).ideLotacao().GetItem(1);
         EXPECT_EQ(lot.codLotacao, "LOT-B");
         EXPECT_EQ(lot.nrInsc, "");
         EXPECT_FALSE(lot.infoTrabFGTSInst());
       }},
      {"S-5003 empty tpLotacao", 1, "<tpLotacao>03</tpLotacao>", "<tpLotacao></tpLotacao>", true,
       [](IEventoeSocial& l) {
         auto& lot = S5003(l).infoFGTS.IdeEstab().GetItem(0).ideLotacao().GetItem(1);
         EXPECT_EQ(lot.tpInsc, tiCNPJ);
         EXPECT_EQ(lot.nrInsc, "");
         EXPECT_EQ(lot.infoTrabFGTS().Count(), 1);
       }},
      // In S-5013 a tpLotacao that is no number, empty included, stops the reading at its lotacao.
      {"S-5013 empty tpLotacao in the second establishment", 4, "<tpLotacao>02</tpLotacao>", "<tpLotacao></tpLotacao>",
       false,
       [](IEventoeSocial& l) {
         auto& estabs = S5013(l).infoFGTS.ideEstab();
         ASSERT_EQ(estabs.Count(), 2);
         EXPECT_EQ(estabs.GetItem(0).ideLotacao().GetItem(0).infoBaseFGTS().infoBasePerAntE().Count(), 2);
         ASSERT_EQ(estabs.GetItem(1).ideLotacao().Count(), 1);
         auto& lot = estabs.GetItem(1).ideLotacao().GetItem(0);
         EXPECT_EQ(lot.codLotacao, "LOT-B1");
         EXPECT_EQ(lot.nrInsc, "");
         EXPECT_FALSE(lot.InfoBaseFGTSInst());
       }},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.nome);
    const TLeitorTotalizadorTabela& linha = kLeitores[caso.leitor];
    const std::string doc = platform::StringReplace(esocialtest::Fixture(linha.fixture), caso.de, caso.para);
    ASSERT_NE(doc.find(caso.para), std::string::npos);
    bool resultado = !caso.resultado;
    auto leitor = Ler(linha, doc, resultado);
    EXPECT_EQ(resultado, caso.resultado);
    caso.conferir(*leitor);
  }
}
