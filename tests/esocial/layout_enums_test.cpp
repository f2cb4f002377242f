#include "esocial/layout_enums.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <typeinfo>
#include <vector>

#include "dfe/exceptions.h"
#include "platform/strings.h"

using namespace esocial;

namespace {

// One by-position or by-value conversion pair, with its values reduced to ordinals.
struct ConversionPair {
  std::string name;
  int count;      // number of values
  int uncovered;  // first value without a code (count when all have one)
  std::function<std::string(int)> toStr;
  std::function<int(bool&, std::string_view)> strTo;
};

template <typename E>
ConversionPair Pair(E last, std::string (*toStr)(E), E (*strTo)(bool&, std::string_view), int uncovered = -1) {
  return {std::to_string(static_cast<int>(last)) + " values ending at " + toStr(last), static_cast<int>(last) + 1,
          uncovered < 0 ? static_cast<int>(last) + 1 : uncovered, [toStr](int i) { return toStr(static_cast<E>(i)); },
          [strTo](bool& ok, std::string_view s) { return static_cast<int>(strTo(ok, s)); }};
}

const std::vector<ConversionPair>& AllPairs() {
  static const std::vector<ConversionPair> pairs = {
      Pair(peAplicGovDispMoveis, ProcEmiToStr, StrToProcEmi),
      Pair(tiCEI, TpInscToStr, StrToTpInsc),
      Pair(prpNenhum, PlanRPToStr, StrToPlanRP),
      Pair(trEstatutario, TpRegTrabToStr, StrToTpRegTrab),
      Pair(rpSPSMFA, TpRegPrevToStr, StrToTpRegPrev),
      Pair(rpfRPPE2, TpRegPrevFacultativoToStr, StrToTpRegPrevFacultativo),
      Pair(iaDecorrenteDecisaoJudicial, TpIndAdmissaoToStr, StrToTpIndAdmissao),
      Pair(rjTeletrabalhoPrevistoIncisoIIIArt62CLT, TpRegJorToStr, StrToTpRegJor),
      Pair(ofNaoOptante, OpcFGTSToStr, StrToOpcFGTS),
      Pair(ipDecorrenteDecisaoJudicial, IndProvimToStr, StrToIndProvim),
      Pair(tpOutros, TpProvToStr, StrToTpProv),
      Pair(impOutros, IndMatProcToStr, StrToIndMatProc),
      Pair(sfNaoaplicavel, UndSalFixoToStr, StrToUndSalFixo),
      Pair(PrazoNaoAplicavel, TpContrToStr, StrToTpContr),
      Pair(tjDemaisTiposJornada, TpJornadaToStr, StrToTpJornada),
      Pair(diDiaVariavel, TpDiaToStr, StrToTpDia),
      Pair(taDemissional, TpExameOcupToStr, StrToTpExameOcup),
      Pair(raNaoInformado, ResAsoToStr, StrToResAso, raNaoInformado),
      Pair(orNaoInformado, OrdExameToStr, StrToOrdExame, orNaoInformado),
      Pair(irNaoInformado, IndResultToStr, StrToIndResult, irNaoInformado),
      Pair(tcComunicacaoObito, TpCatToStr, StrToTpCat),
      Pair(icDeterminacaoOrgaoFiscalizador, IniciatCATToStr, StrToIniciatCAT),
      Pair(laAmbas, LateralidadeToStr, StrToLateralidade),
      Pair(spAnexoII_MP1202, IndSubstPatrToStr, StrToIndSubstPatr, spAnexoI_MP1202),
      Pair(iaAquiProducaoProdutorRuralPessoaJurEntPAAProdIsenta, IdAquisToStr, StrToIdAquis),
      Pair(tpNao, SimNaoToStr, StrToSimNao),
      Pair(snfNao, SimNaoFacultativoToStr, StrToSimNaoFacultativo),
      Pair(icComProdMercadoExterno, IndComercToStr, StrToIndComerc),
      Pair(icOutrasCooperativas, IndCoopToStr, StrToIndCoop),
      Pair(iconEmpresaConstrutora, IndConstrToStr, StrToIndConstr),
      Pair(idfMunEnquadrado, IndDesFolhaToStr, StrToIndDesFolha),
      Pair(iorOptoupeloregistro, IndOptRegEletronToStr, StrToIndOptRegEletron),
      Pair(icpNenhum, IndOpcCPToStr, StrToIndOpcCP, icpNenhum),
      Pair(arat3, AliqRatToStr, StrToAliqRat),
      Pair(tpFAP, TpProcToStr, StrToTpProc),
      Pair(iaiComacordo, IndAcordoIsencaoMultaToStr, StrToIndAcordoIsencaoMulta),
      Pair(cicIncidExclusivaEmpregadorSalMaternidade13oSalario, CodIncCPToStr, StrToCodIncCP),
      Pair(tlOutros, TpLocalToStr, StrToTpLocal),
      Pair(trOutros, TpReintToStr, StrToTpReint),
      Pair(ciiCompensacaoJudicialAnosAnteriores, CodIncIRRFToStr, StrToCodIncIRRF),
      Pair(cdfIncidenciadecisaoJudicial, CodIncFGTSToStr, StrToCodIncFGTS),
      Pair(cicpNenhum, CodIncCPRPToStr, StrToCodIncCPRP),
      Pair(ciPISPASEPNenhum, CodIncPISPASEPToStr, StrToCodIncPISPASEP),
      Pair(siSemSuspensaoDaExigibilidade, IndSuspToStr, StrToIndSusp),
      Pair(edContribPatronaisSegurados, ExtDecisaoToStr, StrToExtDecisao),
      Pair(icCPF, TpInscContratanteToStr, StrToTpInscContratante),
      Pair(tpCPF, TpInscPropToStr, StrToTpInscProp),
      Pair(ispPatronalNaoSubstituida, IndSubstPatronalObraToStr, StrToIndSubstPatronalObra),
      Pair(iaOutraEntidade, IndAutoriaToStr, StrToIndAutoria),
      Pair(ireRetificacao, IndRetificacaoToStr, StrToIndRetificacao),
      Pair(ipaAnual, IndApuracaoToStr, StrToIndApuracao),
      Pair(imvSobrelimite, IndMVToStr, StrToIndMV),
      Pair(idsConcomitante, IndSimplesToStr, StrToIndSimples),
      Pair(navRural, NatAtividadeToStr, StrToNatAtividade),
      Pair(tptContribSind, TpTributoToStr, StrToTpTributo),
      Pair(tiaiSituacaoEspecialIRRF, IndApurIRToStr, StrToIndApurIR),
      Pair(ge4, GrauExpToStr, StrToGrauExp),
      Pair(taTransfEmpresaConsideradaInapta, TpAdmissaoToStr, StrToTpAdmissao),
      Pair(infPaisnaoNIF, IndNIFToStr, StrToIndNIF),
      Pair(tppJudicial, TpProcRRAToStr, StrToTpProcRRA),
      Pair(tpprJudicial, TpProcRetToStr, StrToTpProcRet),
      Pair(cnAE, CnhToStr, StrToCnh),
      Pair(ctVazio, ClassTrabEstrangToStr, StrToClassTrabEstrang),
      Pair(tdNenhum, TpDepToStr, StrToTpDep),
      Pair(tpInformativaDedutora, TpRubrToStr, StrToTpRubr),
      Pair(acTecCientifico, AcumCargoToStr, StrToAcumCargo),
      Pair(ceAtividadedeRisco, ContagemEspToStr, StrToContagemEsp),
      Pair(uEPCImplementa, UtilizEPCToStr, StrToUtilizEPC),
      Pair(uEPIUtilizado, UtilizEPIToStr, StrToUtilizEPI),
      Pair(laPrestInstalacaoTerceiro, LocalAmbToStr, StrToLocalAmb),
      Pair(tacParcelasComplementares, TpAcConvToStr, StrToTpAcConv),
      Pair(neNaoObrigatorio, NatEstagioToStr, StrToNatEstagio),
      Pair(tcSegEspecial, CaepfToStr, StrToCaepf),
      Pair(tpPgtoBenefPrev1207, TpPgtoToStr, StrToTpPgto),
      Pair(nvMaeSocial, NivelEstagioToStr, StrToNivelEstagio),
      Pair(cpaAvisoprevioIndenizadoNaoExigivel, CumprParcialAvisoToStr, StrToCumprParcialAviso),
      Pair(tpatNao, TpAcidTransitoToStr, StrToTpAcidTransito),
      Pair(mtvNenhum, MotivosAfastamentoToStr, StrToMotivosAfastamento),
      Pair(ocCedenteCessionario, InfOnusToStr, StrToInfOnus),
      Pair(orEmpregadorSindicato, OnusRemunToStr, StrToOnusRemun),
      Pair(tpaQualitativo, TpAvalToStr, StrToTpAval),
      Pair(mtcSemipresencial, ModTreiCapToStr, StrToModTreiCap),
      Pair(ttcOutros, TpTreiCapToStr, StrToTpTreiCap),
      Pair(ttpProfissionalSemVinculo, TpProfToStr, StrToTpProf),
      Pair(ttpProfissionalEstrangeiro, NacProfToStr, StrToNacProf),
      Pair(ttrPrazoDeterminado, TmpResidToStr, StrToTmpResid),
      Pair(tciOutraCondicao, CondIngToStr, StrToCondIng),
      Pair(mtvOutrosMotivosDeSuspensao, MtvSuspensaoToStr, StrToMtvSuspensao),
      Pair(ireAposentadoriaServidor, IndRemunToStr, StrToIndRemun),
      Pair(Ninter, TpCCPToStr, StrToTpCCP),
      Pair(TrabalhadorCujosContratosForamUnificados, TpContrS2500ToStr, StrToTpContrS2500),
      Pair(repDecisaoSemPagamentoDeVerbasDeNaturezaRemuneratoria, RepercProcToStr, StrToRepercProc),
      Pair(oprDemandaSubmetidaACCPOuAoNINTER, OrigemProcToStr, StrToOrigemProc),
      Pair(tprFunpresp, TpPrevToStr, StrToTpPrev),
      Pair(tiapContrIndireta, IndAprendToStr, StrToIndAprend),
      Pair(tpdDependentes, IndTpDeducaoToStr, StrToIndTpDeducao),
      Pair(tpdtDependentes, IndTpDeducaoTToStr, StrToIndTpDeducaoT),
      Pair(tpNenhum, TmpParcToStr, StrToTmpParc),
      Pair(ct99, ClassTribToStr, StrToClassTrib),
  };
  return pairs;
}

}  // namespace

// Every coded value reads back as itself, in any letter case; the values a list does not
// cover and ordinals outside the enumeration give the empty text; unknown codes give the
// first value with ok false.
TEST(LayoutEnums, EveryPairRoundTrips) {
  ASSERT_EQ(AllPairs().size(), 99u);
  for (std::size_t n = 0; n < AllPairs().size(); ++n) {
    const auto& p = AllPairs()[n];
    SCOPED_TRACE("pair #" + std::to_string(n) + ": " + p.name);
    for (int i = 0; i < p.count; ++i) {
      std::string code = p.toStr(i);
      if (i >= p.uncovered) {
        EXPECT_EQ(code, "") << "ordinal " << i;
        continue;
      }
      for (const std::string& text : {code, platform::UpperCase(code), platform::LowerCase(code)}) {
        bool ok = false;
        EXPECT_EQ(p.strTo(ok, text), i) << "code '" << text << "'";
        EXPECT_TRUE(ok) << "code '" << text << "'";
      }
    }
    EXPECT_EQ(p.toStr(p.count), "");
    EXPECT_EQ(p.toStr(-1), "");
    EXPECT_EQ(p.toStr(1000000), "");
    bool ok = true;
    int first = p.strTo(ok, "#?");
    EXPECT_FALSE(ok);
    EXPECT_EQ(first, 0);
  }
}

TEST(LayoutEnums, CodesThatMatter) {
  bool ok = false;
  EXPECT_EQ(StrToTpInsc(ok, "1"), tiCNPJ);
  EXPECT_TRUE(ok);
  EXPECT_EQ(StrToTpInsc(ok, "7"), tiCNPJ);
  EXPECT_FALSE(ok);
  EXPECT_EQ(StrToTpInsc(ok, " 1"), tiCNPJ);
  EXPECT_FALSE(ok);
  EXPECT_EQ(StrToTpInsc(ok, "01"), tiCNPJ);  // codes compare as texts
  EXPECT_FALSE(ok);
  EXPECT_EQ(TpInscToStr(tiCEI), "6");

  EXPECT_EQ(StrToCodIncIRRF(ok, "9011"), ciiRendimentoTributavelExigibilidadeSuspensaRemuneracaoMensal);
  EXPECT_EQ(static_cast<int>(ciiRendimentoTributavelExigibilidadeSuspensaRemuneracaoMensal), 53);
  EXPECT_EQ(CodIncIRRFToStr(ciiNaoeBasedeCalculo), "00");
  EXPECT_EQ(CodIncIRRFToStr(ciiRendimentoIsentoAuxilioMoradia), "700");
  EXPECT_EQ(CodIncIRRFToStr(ciiExigSuspRetencaoIRRFDepositoJudicialPLR), "9834");
  EXPECT_EQ(CodIncIRRFToStr(ciiExigSuspDeducaoBaseIRRFPSORemuneracaoMensal), "9041");
  EXPECT_EQ(CodIncIRRFToStr(ciiCompensacaoJudicialAnosAnteriores), "9083");
  EXPECT_EQ(CodIncCPToStr(cicSalarioFamilia), "51");
  EXPECT_EQ(CodIncCPToStr(cicIncidExclusivaEmpregadorSalMaternidade13oSalario), "98");
  EXPECT_EQ(MotivosAfastamentoToStr(mtvAcidenteDoencaNaoTrabalho), "03");
  EXPECT_EQ(MotivosAfastamentoToStr(mtvLicencaMaternidade180Dias), "33");
  EXPECT_EQ(MotivosAfastamentoToStr(mtvQualificacaoAfastamentoSuspencaoArt19_MP1116_2022), "42");
  EXPECT_EQ(IndSuspToStr(siSemSuspensaoDaExigibilidade), "92");
  EXPECT_EQ(ProcEmiToStr(peAplicGovDispMoveis), "22");
  EXPECT_EQ(TpDepToStr(tdNenhum), "");
  EXPECT_EQ(CnhToStr(cnAE), "AE");

  EXPECT_EQ(StrToTpAcConv(ok, "a"), tacAcordoColTrab);
  EXPECT_TRUE(ok);
  EXPECT_EQ(StrToModoLancamento(ok, "ALTERACAO"), mlAlteracao);
  EXPECT_TRUE(ok);
  EXPECT_EQ(StrToModoLancamento(ok, "excluir"), mlInclusao);
  EXPECT_FALSE(ok);

  // The empty text is a code like any other.
  EXPECT_EQ(StrToSimNaoFacultativo(ok, ""), snfNada);
  EXPECT_TRUE(ok);
  EXPECT_EQ(StrToSimNao(ok, ""), tpSim);
  EXPECT_FALSE(ok);
  EXPECT_EQ(SimFacultativoToStr(sfNada), "");
  EXPECT_EQ(SimFacultativoToStr(sfSim), "S");
  EXPECT_EQ(StrToSimFacultativo(ok, "s"), sfSim);
  EXPECT_TRUE(ok);
  EXPECT_EQ(StrToSimFacultativo(ok, "N"), sfNada);
  EXPECT_FALSE(ok);

  EXPECT_EQ(StrToPercTransf(ok, "5"), PTr100);
  EXPECT_TRUE(ok);
  EXPECT_EQ(IndRepercToStr(repDecisaoComRepercussaoTributariaEOuFGTSDepositoJudicial), "5");
  EXPECT_EQ(StrToIndReperc(ok, "4"), repDecisaoComRepercussaoExclusivaParaDeclaracaoDeRendimentosDepositoJudicial);
  EXPECT_TRUE(ok);
  EXPECT_EQ(RelDepToStr(relSogro), "07");
  EXPECT_EQ(RelDepToStr(relAgregadoOutros), "99");

  EXPECT_TRUE(CodCategSemMatricula(901));
  EXPECT_TRUE(CodCategSemMatricula(201));
  EXPECT_TRUE(CodCategSemMatricula(904));
  EXPECT_FALSE(CodCategSemMatricula(101));
  EXPECT_FALSE(CodCategSemMatricula(0));
}

// Values that their code list does not reach convert to the empty text; the military
// protection regime has the layout's code "4".
TEST(LayoutEnums, ValuesBeyondTheirList) {
  EXPECT_EQ(ResAsoToStr(raNaoInformado), "");
  EXPECT_EQ(OrdExameToStr(orNaoInformado), "");
  EXPECT_EQ(IndResultToStr(irNaoInformado), "");
  EXPECT_EQ(IndOpcCPToStr(icpNenhum), "");
  EXPECT_EQ(IndSubstPatrToStr(spAnexoI_MP1202), "");
  EXPECT_EQ(IndSubstPatrToStr(spAnexoII_MP1202), "");
  EXPECT_EQ(TpRegPrevToStr(rpSPSMFA), "4");
  bool ok = false;
  EXPECT_EQ(StrToTpRegPrev(ok, "4"), rpSPSMFA);
  EXPECT_TRUE(ok);
  EXPECT_EQ(StrToResAso(ok, ""), raApto);
  EXPECT_FALSE(ok);
}

TEST(LayoutEnums, ByValueFamily) {
  bool ok = false;
  EXPECT_EQ(StrToTmpParc(ok, ""), tpNenhum);
  EXPECT_TRUE(ok);
  EXPECT_EQ(StrToTmpParc(ok, "4"), tpNaoeTempoParcial);
  EXPECT_FALSE(ok);
  EXPECT_EQ(StrToClassTrib(ok, "05"), ct00);
  EXPECT_FALSE(ok);
  EXPECT_EQ(StrToClassTrib(ok, "85"), ct85);
  EXPECT_TRUE(ok);
  EXPECT_EQ(ClassTribToStr(ct22), "22");
  EXPECT_EQ(StrToMtvSuspensao(ok, "99"), mtvOutrosMotivosDeSuspensao);
  EXPECT_TRUE(ok);
  EXPECT_EQ(StrToMtvSuspensao(ok, "02"), mtvNada);
  EXPECT_FALSE(ok);
}

// The exact family compares case-sensitively and raises on a text it does not hold.
TEST(LayoutEnums, ExactFamily) {
  struct Exact {
    std::function<std::string(int)> toStr;  // empty when the enumeration has none
    std::function<int(std::string_view)> strTo;
    int count;
    const char* message;  // of a failed "x" conversion
  };
  const Exact cases[] = {
      {[](int i) { return IdeOCToStr(static_cast<tpIdeOC>(i)); },
       [](std::string_view s) { return static_cast<int>(StrToIdeOC(s)); }, idOutros + 1,
       "Valor string inválido para tpIdeOC: x"},
      {[](int i) { return TpPenMorteToStr(static_cast<tpTpPenMorte>(i)); },
       [](std::string_view s) { return static_cast<int>(StrToTpPenMorte(s)); }, pmTemporaria + 1,
       "Valor string inválido para tpTpPenMorte: x"},
      {[](int i) { return MotCessBenefToStr(static_cast<tpMotCessBenef>(i)); },
       [](std::string_view s) { return static_cast<int>(StrToMotCessBenef(s)); }, tmcbNaoRecadastramento + 1,
       "Valor string inválido para tpMotCessBenef: x"},
      {[](int i) { return TpDescToStr(static_cast<TtpDesc>(i)); },
       [](std::string_view s) { return static_cast<int>(StrToTpDesc(s)); }, tpdeConsignado + 1,
       "Valor string inválido para TtpDesc: x"},
      {[](int i) { return PensaoAlimToStr(static_cast<tpPensaoAlim>(i)); },
       [](std::string_view s) { return static_cast<int>(StrToPensaoAlimExato(s)); }, paNenhum + 1,
       "Valor string inválido para tpPensaoAlim: x"},
      {[](int i) {
         return std::string(i == 0 ? "11" : i == 1 ? "91" : "");
       },
       [](std::string_view s) { return static_cast<int>(StrToTpValorPisPasep(s)); }, 2,
       "Valor string inválido para TtpValorPisPasep: x"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    for (int i = 0; i < c.count; ++i) EXPECT_EQ(c.strTo(c.toStr(i)), i);
    EXPECT_EQ(c.toStr(c.count), "");
    try {
      c.strTo("x");
      ADD_FAILURE() << "no exception";
    } catch (const dfe::ETrivoException& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
  EXPECT_EQ(StrToTpPenMorte("1"), pmVitalicia);
  EXPECT_EQ(StrToTpPenMorte(""), pmNada);
  try {
    StrToTpPenMorte("3");
    ADD_FAILURE() << "no exception";
  } catch (const dfe::ETrivoException& e) {
    // The framework's base class itself, not one of the DFe or eSocial kinds.
    EXPECT_EQ(typeid(e), typeid(dfe::ETrivoException));
    EXPECT_STREQ(e.what(), "Valor string inválido para tpTpPenMorte: 3");
  }
  EXPECT_EQ(StrToMotCessBenef(""), tmcbNenhum);
  EXPECT_EQ(StrToTpDesc(""), tpdNaoInformado);

  EXPECT_EQ(PensaoAlimToStr(paNenhum), "");
  bool ok = true;
  EXPECT_EQ(StrToPensaoAlim(ok, ""), paNaoExistePensaoAlimenticia);
  EXPECT_FALSE(ok);
  EXPECT_EQ(StrToPensaoAlimExato(""), paNenhum);
  EXPECT_EQ(StrToPensaoAlimExato("3"), paPercentualeValordePensaoAlimenticia);
}
