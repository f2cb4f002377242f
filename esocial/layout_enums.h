#pragma once
// The coded fields of the eSocial layout: each is an enumeration in memory and a short code
// text in the XML. Every ...ToStr / StrTo... pair walks one constant code list; StrTo... of a
// code that the list does not hold gives the first value with ok false, except the exact
// conversions (no ok flag), which raise dfe::ETrivoException.
// The enumerations have a fixed underlying type so that any ordinal, even one outside the
// declared values, is a valid value: such an ordinal converts to the empty text.
#include <string>
#include <string_view>

namespace esocial {

enum TpProcEmi : int {
  peAplicEmpregador,
  peAplicGovernamental,
  peAplicGovWeb,
  peAplicGovSimplPJ,
  peAplicGovEvtJud,
  peAplicGovIntegJuntaCom,
  peAplicGovDispMoveis
};
std::string ProcEmiToStr(TpProcEmi value);
TpProcEmi StrToProcEmi(bool& ok, std::string_view s);

enum tpTpInsc : int { tiCNPJ, tiCPF, tiCAEPF, tiCNO, tiCGC, tiCEI };
std::string TpInscToStr(tpTpInsc value);
tpTpInsc StrToTpInsc(bool& ok, std::string_view s);

enum tpPlanRP : int {
  prpSemSegregacaoDaMassa,
  prpFundoEmCapitalizacao,
  prpFundoEmReparticao,
  prpMantidoPeloTesouro,
  prpNenhum
};
std::string PlanRPToStr(tpPlanRP value);
tpPlanRP StrToPlanRP(bool& ok, std::string_view s);

enum tpTpRegTrab : int { trNenhum, trCLT, trEstatutario };
std::string TpRegTrabToStr(tpTpRegTrab value);
tpTpRegTrab StrToTpRegTrab(bool& ok, std::string_view s);

enum tpTpRegPrev : int { rpNenhum, rpRGPS, rpRPPS, rpRPPE, rpSPSMFA };
std::string TpRegPrevToStr(tpTpRegPrev value);
tpTpRegPrev StrToTpRegPrev(bool& ok, std::string_view s);

enum tpTpRegPrevFacultativo : int { rpfNenhum, rpfRGPS, rpfRPPS, rpfRPPE2 };
std::string TpRegPrevFacultativoToStr(tpTpRegPrevFacultativo value);
tpTpRegPrevFacultativo StrToTpRegPrevFacultativo(bool& ok, std::string_view s);

enum tpTpIndAdmissao : int { iaNormal, iaDecorrenteAcaoFiscal, iaDecorrenteDecisaoJudicial };
std::string TpIndAdmissaoToStr(tpTpIndAdmissao value);
tpTpIndAdmissao StrToTpIndAdmissao(bool& ok, std::string_view s);

enum tpTpRegJor : int {
  rjSubmetidosHorarioTrabalho,
  rjAtividadeExtEspecificadaIncisoIArt62CLT,
  rjFuncoesEspecificadasIncisoIIArt62CLT,
  rjTeletrabalhoPrevistoIncisoIIIArt62CLT
};
std::string TpRegJorToStr(tpTpRegJor value);
tpTpRegJor StrToTpRegJor(bool& ok, std::string_view s);

enum tpOpcFGTS : int { ofOptante, ofNaoOptante };
std::string OpcFGTSToStr(tpOpcFGTS value);
tpOpcFGTS StrToOpcFGTS(bool& ok, std::string_view s);

enum tpIndProvim : int { ipNormal, ipDecorrenteDecisaoJudicial };
std::string IndProvimToStr(tpIndProvim value);
tpIndProvim StrToIndProvim(bool& ok, std::string_view s);

enum tpTpProv : int {
  tpNomeacaoCargoEfetivo,
  tpNomeacaoExcluvivamenteCargoComissao,
  tpIncorporacaoMatriculaOuNomeacao,
  tpMatricula,
  tpRedistribuicao,
  tpDiplomacao,
  tpContratacaoPorTempoDeterminado,
  tpRemocao,
  tpDesignacao,
  tpMudancaDeCpf,
  tpEstabilizados,
  tpOutros
};
std::string TpProvToStr(tpTpProv value);
tpTpProv StrToTpProv(bool& ok, std::string_view s);

enum tpIndMatProc : int {
  impTributaria,
  impAutorizacaoTrabalhadorMenor,
  impDispensaPCD,
  impDispensaAprendiz,
  impSegurancaoeSaudeTrabalhador,
  impConversaoLicencaSaudeAcidenteTrabalho,
  impFGTS,
  impContribuicaoSindical,
  impOutros
};
std::string IndMatProcToStr(tpIndMatProc value);
tpIndMatProc StrToIndMatProc(bool& ok, std::string_view s);

enum tpUndSalFixo : int { sfPorHora, sfPorDia, sfPorSemana, sfPorQuinzena, sfPorMes, sfPorTarefa, sfNaoaplicavel };
std::string UndSalFixoToStr(tpUndSalFixo value);
tpUndSalFixo StrToUndSalFixo(bool& ok, std::string_view s);

enum tpTpContr : int { PrazoIndeterminado, PrazoDeterminado, PrazoDeterminadoVincOcDeUmFato, PrazoNaoAplicavel };
std::string TpContrToStr(tpTpContr value);
tpTpContr StrToTpContr(bool& ok, std::string_view s);

enum tpTpJornada : int {
  tjJornadaComHorarioDiarioFolgaFixos,
  tjJornada12x36,
  tjJornadaComHorarioDiarioFixoFolgaVariavel,
  tjJornadaComHorarioDiarioFixoEFolgaFixaDomingo,
  tjJornadaComHorarioDiarioFixoEFolgaFixaExcetoDomingo,
  tjJornadaComHorarioDiarioFixoEFolhaFixaOutroDiaDaSemana,
  tjTurnoIninterruptoDeRevezamento,
  tjDemaisTiposJornada
};
std::string TpJornadaToStr(tpTpJornada value);
tpTpJornada StrToTpJornada(bool& ok, std::string_view s);

enum tpTpDia : int {
  diSegundaFeira,
  diTercaFeira,
  diQuartaFeira,
  diQuintaFeira,
  diSextaFeira,
  diSabado,
  diDomingo,
  diDiaVariavel
};
std::string TpDiaToStr(tpTpDia value);
tpTpDia StrToTpDia(bool& ok, std::string_view s);

enum tpTpExameOcup : int {
  taAdmissional,
  taPeriodico,
  taRetornoAoTrabalho,
  taMudancaDeFuncao,
  taMonitoracaoPontual,
  taDemissional
};
std::string TpExameOcupToStr(tpTpExameOcup value);
tpTpExameOcup StrToTpExameOcup(bool& ok, std::string_view s);

enum tpResAso : int { raApto, raInapto, raNaoInformado };
std::string ResAsoToStr(tpResAso value);
tpResAso StrToResAso(bool& ok, std::string_view s);

enum tpOrdExame : int { orReferencial, oeSequencial, orNaoInformado };
std::string OrdExameToStr(tpOrdExame value);
tpOrdExame StrToOrdExame(bool& ok, std::string_view s);

enum tpIndResult : int { irNormal, irAlterado, irEstavel, irAgravamento, irNaoInformado };
std::string IndResultToStr(tpIndResult value);
tpIndResult StrToIndResult(bool& ok, std::string_view s);

enum tpTpCat : int { tcInicial, tcReabertura, tcComunicacaoObito };
std::string TpCatToStr(tpTpCat value);
tpTpCat StrToTpCat(bool& ok, std::string_view s);

enum tpIniciatCAT : int { icIniciativaEmpregador, icOrdemJudicial, icDeterminacaoOrgaoFiscalizador };
std::string IniciatCATToStr(tpIniciatCAT value);
tpIniciatCAT StrToIniciatCAT(bool& ok, std::string_view s);

enum tpLateralidade : int { laNaoAplicavel, laEsquerda, laDireita, laAmbas };
std::string LateralidadeToStr(tpLateralidade value);
tpLateralidade StrToLateralidade(bool& ok, std::string_view s);

enum tpIndSubstPatr : int {
  spVazio,
  spIntegralmenteSubstituida,
  spParcialmenteSubstituida,
  spAnexoI_MP1202,
  spAnexoII_MP1202
};
std::string IndSubstPatrToStr(tpIndSubstPatr value);
tpIndSubstPatr StrToIndSubstPatr(bool& ok, std::string_view s);

enum tpIdAquis : int {
  iaAquiProducaoProdutorRuralPessoaFisSegEspGeral,
  iaAquiProducaoProdutorRuralPessoaFisSegEspGeralEntPAA,
  iaAquiProducaoProdutorRuralPessoaJurEntPAA,
  iaAquiProducaoProdutorRuralPessoaFisSegEspGeralProdIsenta,
  iaAquiProducaoProdutorRuralPessoaFisSegEspGeralEntPAAProdIsenta,
  iaAquiProducaoProdutorRuralPessoaJurEntPAAProdIsenta
};
std::string IdAquisToStr(tpIdAquis value);
tpIdAquis StrToIdAquis(bool& ok, std::string_view s);

enum tpSimNao : int { tpSim, tpNao };
std::string SimNaoToStr(tpSimNao value);
tpSimNao StrToSimNao(bool& ok, std::string_view s);

enum tpSimNaoFacultativo : int { snfNada, snfSim, snfNao };
std::string SimNaoFacultativoToStr(tpSimNaoFacultativo value);
tpSimNaoFacultativo StrToSimNaoFacultativo(bool& ok, std::string_view s);

enum tpSimFacultativo : int { sfNada, sfSim };
std::string SimFacultativoToStr(tpSimFacultativo value);
tpSimFacultativo StrToSimFacultativo(bool& ok, std::string_view s);

enum tpIndComerc : int {
  icComProdPorProdRuralPFInclusiveSegEspEfetuadaDirVarejoConsFinal,
  icComProdPorProdRuralPFSegEspVendasPJOuIntermPF,
  icComProdPorProdIsenta,
  icComProdPorPFSegEspEntProgAquiAliPAA,
  icComProdMercadoExterno
};
std::string IndComercToStr(tpIndComerc value);
tpIndComerc StrToIndComerc(bool& ok, std::string_view s);

enum TpIndCoop : int { icNaoecooperativa, icCooperativadeTrabalho, icCooperativadeProducao, icOutrasCooperativas };
std::string IndCoopToStr(TpIndCoop value);
TpIndCoop StrToIndCoop(bool& ok, std::string_view s);

enum TpIndConstr : int { iconNaoeConstrutora, iconEmpresaConstrutora };
std::string IndConstrToStr(TpIndConstr value);
TpIndConstr StrToIndConstr(bool& ok, std::string_view s);

enum TpIndDesFolha : int { idfNaoAplicavel, idfEmpresaenquadradanosArt7_9, idfMunEnquadrado };
std::string IndDesFolhaToStr(TpIndDesFolha value);
TpIndDesFolha StrToIndDesFolha(bool& ok, std::string_view s);

enum TpIndOptRegEletron : int { iorNaooptou, iorOptoupeloregistro };
std::string IndOptRegEletronToStr(TpIndOptRegEletron value);
TpIndOptRegEletron StrToIndOptRegEletron(bool& ok, std::string_view s);

enum TpIndOpcCP : int { icpComercializacao, icpFolhaPagamento, icpNenhum };
std::string IndOpcCPToStr(TpIndOpcCP value);
TpIndOpcCP StrToIndOpcCP(bool& ok, std::string_view s);

enum tpAliqRat : int { arat1, arat2, arat3 };
std::string AliqRatToStr(tpAliqRat value);
tpAliqRat StrToAliqRat(bool& ok, std::string_view s);

enum tpTpProc : int { tpAdministrativo, tpJudicial, tpINSS, tpFAP };
std::string TpProcToStr(tpTpProc value);
tpTpProc StrToTpProc(bool& ok, std::string_view s);

enum tpIndAcordoIsencaoMulta : int { iaiSemacordo, iaiComacordo };
std::string IndAcordoIsencaoMultaToStr(tpIndAcordoIsencaoMulta value);
tpIndAcordoIsencaoMulta StrToIndAcordoIsencaoMulta(bool& ok, std::string_view s);

enum tpCodIncCP : int {
  cicNaoeBasedeCalculo,
  cicNaoeBasedeCalculoAcordoInternacionalPrevidenciaSocial,
  cicBasedeCalculodoSalariodeContribuicaoMensal,
  cicBasedeCalculodaContribPrevsobre13oSalario,
  cicBasedeCalculodaContribExclusivaEmpregadorMensal,
  cicBasedeCalculodaContribExclusivaEmpregador13oSalario,
  cicBasedeCalculodaContribExclusivaSeguradoMensal,
  cicBasedeCalculodaContribExclusivaSegurado13oSalario,
  cicBasedeCalculodaContribPrevSalMaternidade,
  cicBasedeCalculodaContribPrevSalMaternidade13oSalario,
  ciBasedeCalcContribPrevAuxilioDoencaRegPropriodePrevSocial,
  ciBasedeCalcContribPrevAuxDoenca13oSalDoencaRegPropPrevSocial,
  cicBasedeCalculodaContribMaternidadeINSS,
  cicBasedeCalculodaContribMaternidade13INSS,
  cicContribuicaoDescontadadoSegurado,
  cicContribuicaoDescontadadoSegurado13oSalario,
  cicContribuicaoDescontadadoSeguradoSEST,
  cicContribuicaoDescontadadoSeguradoSENAT,
  cicSalarioFamilia,
  ciComplementodeSalMinRegimePropriodePrevSocial,
  cicIncidsuspensajudicialBCSCMensal,
  cicIncidsuspensajudicialBC13oSalario,
  cicIncidsuspensajudicialBCSalMaternidade,
  cicIncidsuspensajudicialBCSalMaternidade13oSalario,
  cicIncidExclusivaEmpregadorMensal,
  cicIncidExclusivaEmpregador13osalario,
  cicIncidExclusivaEmpregadorSalMaternidade,
  cicIncidExclusivaEmpregadorSalMaternidade13oSalario
};
std::string CodIncCPToStr(tpCodIncCP value);
tpCodIncCP StrToCodIncCP(bool& ok, std::string_view s);

enum tpTpLocal : int {
  tlEstabEmpregadorBrasil,
  tlEstabEmpregadorExterior,
  tlEmpresaOndeEmpregadorPrestaServico,
  tlViaPublica,
  tlAreaRural,
  tlEmbarcacao,
  tlOutros
};
std::string TpLocalToStr(tpTpLocal value);
tpTpLocal StrToTpLocal(bool& ok, std::string_view s);

enum tpTpReint : int {
  trReintegracaoDecisaoJudicial,
  trReintegracaoAnistiaLegal,
  trReversaoServidorPublico,
  trReconducaoServidorPublico,
  trReinclusoMilitar,
  trRevisaoReformaMilitar,
  trOutros
};
std::string TpReintToStr(tpTpReint value);
tpTpReint StrToTpReint(bool& ok, std::string_view s);

enum tpCodIncIRRF : int {
  ciiNaoeBasedeCalculo,
  ciiNaoeBasedeCalculoAcordoInternacional,
  ciiOutrasVerbasNaoConsideradas,
  ciiBasedeCalculoIRRFRemMensal,
  ciiBasedeCalculoIRRF13oSalario,
  ciiBasedeCalculoIRRFFerias,
  ciiBasedeCalculoIRRFPLR,
  ciiBasedeCalculoIRRFRRA,
  ciiValorIRRFRemMensal,
  ciiValorIRRF13oSalario,
  ciiValorIRRFFerias,
  ciiValorIRRFPLR,
  ciiValorIRRFPLRRRA,
  ciPrevSocialOficialRemMensal,
  ciPrevSocialOficial13Salario,
  ciPrevSocialOficialFerias,
  ciPrevSocialOficialRRA,
  ciPrevPrivadaSalarioMensal,
  ciPrevPrivada13Salario,
  ciPrevPrivadaFerias,
  ciPensaoAlimenticiaRemMensal,
  ciPensaoAlimenticia13Salario,
  ciPensaoAlimenticiaFerias,
  ciPensaoAlimenticiaPLR,
  ciPensaoAlimenticiaRRA,
  ciFundoAposentadoriaProgIndFAPIRemMensal,
  ciFundoAposentadoriaProgIndFAPI13Salario,
  ciFundacaoPrevCompServidorPubFederalFunprespRemMensal,
  ciFundacaoPrevCompServidorPubFederalFunpresp13Salario,
  ciFundacaoPrevCompServidorPublicoFerias,
  ciFundoDeAposentadoriaProgramadaIndividualFAPIFerias,
  ciPlanoPrivadoColetivoAssistenciaSaude,
  ciDescontoSimplificadoMensal,
  ciParcelaIsenta65AnosRemMensal,
  ciParcelaIsenta65Anos13Salario,
  ciDiaria,
  ciAjudaDeCusto,
  ciIndenizacaoRescisaoContratoInclusiveAtituloPDV,
  ciAbonoPecuniario,
  ciPensaoAposOureformaPorMolestiaGraveOuAcidServicoRemMensal,
  ciPensaoAposOureformaPorMolestiaGraveOuAcidServico13Salario,
  ciValPagosATitOuSocioMicroEmpOuEmpPeqPorteExcProLaboreEAlugueis,
  ciOutros,
  ciDepositoJudicial,
  ciCompJudicialAnoCalendario,
  ciCompJudicialAnosAnteriores,
  ciiIncidenciasuspensajudicialBCIRRF,
  ciiIncidenciasuspensajudicialBCIRRF13Salario,
  ciiIncidenciasuspensajudicialBCIRRFFerias,
  ciiIncidenciasuspensajudicialBCIRRFPLR,
  ciiIncidenciasuspensajudicialBCIRRFRRA,
  ciiRendimentoIsentoAuxilioMoradia,
  ciiRendimentoParteNaoTributavelDoValorDeServicoDeTransporte,
  ciiRendimentoTributavelExigibilidadeSuspensaRemuneracaoMensal,
  ciiRendimentoTributavelExigibilidadeSuspensaDecimoTerceiro,
  ciiRendimentoTributavelExigibilidadeSuspensaFerias,
  ciiRendimentoTributavelExigibilidadeSuspensaPLR,
  ciiExigSuspensaRetencaoIRRFRemuneracaoMensal,
  ciiExigSuspensaRetencaoIRRFDecimoTerceiro,
  ciiExigSuspensaRetencaoIRRFFerias,
  ciiExigSuspensaRetencaoIRRFPLR,
  ciiExigSuspRetencaoIRRFDepositoJudicialMensal,
  ciiExigSuspRetencaoIRRFDepositoJudicialDecimoTerceiro,
  ciiExigSuspRetencaoIRRFDepositoJudicialFerias,
  ciiExigSuspRetencaoIRRFDepositoJudicialPLR,
  ciiExigSuspDeducaoBaseIRRFPSORemuneracaoMensal,
  ciiExigSuspDeducaoBaseIRRFPSODecimoTerceiro,
  ciiExigSuspDeducaoBaseIRRFPSOFerias,
  ciiExigSuspDeducaoBaseIRRFPrevPrivadaSalarioMensal,
  ciiExigSuspDeducaoBaseIRRFPrevPrivadaDecimoTerceiro,
  ciiExigSuspDeducaoBaseIRRFPrevPrivadaFerias,
  ciiExigSuspDeducaoBaseIRRFPensaoRemuneracaoMensal,
  ciiExigSuspDeducaoBaseIRRFPensaoDecimoTerceiro,
  ciiExigSuspDeducaoBaseIRRFPensaoFerias,
  ciiExigSuspDeducaoBaseIRRFPensaoPLR,
  ciiExigSuspDeducaoBaseIRRFFundoAposProgIndFAPIRemuneracaoMensal,
  ciiExigSuspDeducaoBaseIRRFFundoAposProgIndFAPIDecimoTerceiro,
  ciiExigSuspDeducaoBaseIRRFFundoPrevComplServPublRemuneracaoMensal,
  ciiExigSuspDeducaoBaseIRRFFundoPrevComplServPublDecimoTerceiro,
  ciiExigSuspDeducaoBaseIRRFFundoPrevComplServPublFerias,
  ciiExigSuspDeducaoBaseIRRFFundoAposProgIndFAPIFerias,
  ciiExigSuspDeducaoBaseIRRFPlanoPrivadoColetivoDeAssistenciaASaude,
  ciiCompensacaoJudicialAnoCalendario,
  ciiCompensacaoJudicialAnosAnteriores
};
std::string CodIncIRRFToStr(tpCodIncIRRF value);
tpCodIncIRRF StrToCodIncIRRF(bool& ok, std::string_view s);

enum tpCodIncFGTS : int {
  cdfNaoeBasedeCalculo,
  cdfBasedeCalculoFGTS,
  cdfBasedeCalculoFGTS13Sal,
  cdfBasedeCalculoFGTSRescisorio,
  cdfDescontoeConsignado,
  cdfIncidenciadecisaoJudicialFGTSMensal,
  cdfIncidenciadecisaoJudicialFGTS13Sal,
  cdfIncidenciadecisaoJudicial
};
std::string CodIncFGTSToStr(tpCodIncFGTS value);
tpCodIncFGTS StrToCodIncFGTS(bool& ok, std::string_view s);

enum tpCodIncCPRP : int {
  cicpNaoeBasedeCalculodeContribuicoesDevidasaoRPPSRegimeMilitar,
  cicpBasedeCalculodeContribuicoesDevidasaoRPPSRegimeMilitar,
  cicpBasedeCalculodeContribuicoesDevidasaoRPPSRegimeMilitarDecimo,
  cicpContribuicaoDescontadadoSeguradoeBeneficiario,
  cicpContribuicaoDescontadadoSeguradoeBeneficiarioDecimo,
  cicpSuspensaodeIncidenciaemDecorrenciadeDecisaoJudicial,
  cicpSuspensaodeIncidenciaemDecorrenciadeDecisaoJudicialDecimo,
  cicpNenhum
};
std::string CodIncCPRPToStr(tpCodIncCPRP value);
tpCodIncCPRP StrToCodIncCPRP(bool& ok, std::string_view s);

enum tpCodIncPISPASEP : int {
  ciPISPASEPNaoeBasedeCalculodo,
  ciPISPASEPBasedeCalculodoMensal,
  ciPISPASEPBasedeCalculodoDecimo,
  ciPISPASEPSuspensaodeIncidenciaemDecorrenciadeDecisaoJudicial,
  ciPISPASEPSuspensaodeIncidenciaemDecorrenciadeDecisaoJudicialDecimo,
  ciPISPASEPNenhum
};
std::string CodIncPISPASEPToStr(tpCodIncPISPASEP value);
tpCodIncPISPASEP StrToCodIncPISPASEP(bool& ok, std::string_view s);

enum tpIndSusp : int {
  siLiminarMandadoSeguranca,
  siDepositoJudicial,
  siDepositoAdministrativo,
  siAntecipacaoTutela,
  siLiminarMedidaCautelar,
  siSentencaMandadoSegurancaFavoravelContribuinte,
  siSentencaAcaoOrdinariaFavContribuinteConfirmadaPeloTRF,
  siAcordaoTRFFavoravelContribuinte,
  siAcordaoSTJRecursoEspecialFavoravelContribuinte,
  siAcordaoSTFRecursoExtraordinarioFavoravelContribuinte,
  siSentenca1instanciaNaoTransitadaJulgadoEfeitoSusp,
  siContestacaoAdministrativaFAP,
  siDecisaoDefinitivaAFavorDoContribuinte,
  siSemSuspensaoDaExigibilidade
};
std::string IndSuspToStr(tpIndSusp value);
tpIndSusp StrToIndSusp(bool& ok, std::string_view s);

enum tpExtDecisao : int { edContribPatronais, edContribPatronaisSegurados };
std::string ExtDecisaoToStr(tpExtDecisao value);
tpExtDecisao StrToExtDecisao(bool& ok, std::string_view s);

enum TptpInscContratante : int { icCNPJ, icCPF };
std::string TpInscContratanteToStr(TptpInscContratante value);
TptpInscContratante StrToTpInscContratante(bool& ok, std::string_view s);

enum TpTpInscProp : int { tpCNPJ, tpCPF };
std::string TpInscPropToStr(TpTpInscProp value);
TpTpInscProp StrToTpInscProp(bool& ok, std::string_view s);

enum tpIndSubstPatronalObra : int { ispVazio, ispPatronalSubstituida, ispPatronalNaoSubstituida };
std::string IndSubstPatronalObraToStr(tpIndSubstPatronalObra value);
tpIndSubstPatronalObra StrToIndSubstPatronalObra(bool& ok, std::string_view s);

enum tpindAutoria : int { iaProprioContribuinte, iaOutraEntidade };
std::string IndAutoriaToStr(tpindAutoria value);
tpindAutoria StrToIndAutoria(bool& ok, std::string_view s);

enum tpIndRetificacao : int { ireOriginal, ireRetificacao };
std::string IndRetificacaoToStr(tpIndRetificacao value);
tpIndRetificacao StrToIndRetificacao(bool& ok, std::string_view s);

enum tpIndApuracao : int { iapuMensal, ipaAnual };
std::string IndApuracaoToStr(tpIndApuracao value);
tpIndApuracao StrToIndApuracao(bool& ok, std::string_view s);

enum tpIndMV : int { imvDescontadaempregador, imvDescontadaoutras, imvSobrelimite };
std::string IndMVToStr(tpIndMV value);
tpIndMV StrToIndMV(bool& ok, std::string_view s);

enum tpIndSimples : int { idsNenhum, idsIntegralmente, idsNaosubstituida, idsConcomitante };
std::string IndSimplesToStr(tpIndSimples value);
tpIndSimples StrToIndSimples(bool& ok, std::string_view s);

enum tpNatAtividade : int { navNaoInformar, navUrbano, navRural };
std::string NatAtividadeToStr(tpNatAtividade value);
tpNatAtividade StrToNatAtividade(bool& ok, std::string_view s);

enum tpTpTributo : int { tptIRRF, tptPrevidenciaria, tptFGTS, tptContribSind };
std::string TpTributoToStr(tpTpTributo value);
tpTpTributo StrToTpTributo(bool& ok, std::string_view s);

enum tpIndApurIR : int { tiaiNenhum, tiaiNormal, tiaiSituacaoEspecialIRRF };
std::string IndApurIRToStr(tpIndApurIR value);
tpIndApurIR StrToIndApurIR(bool& ok, std::string_view s);

enum tpGrauExp : int { ge1, ge2, ge3, ge4 };
std::string GrauExpToStr(tpGrauExp value);
tpGrauExp StrToGrauExp(bool& ok, std::string_view s);

enum tpTpAdmissao : int {
  taAdmissao,
  taTransfEmpresaMesmoGrupoEconomico,
  taTransfEmpresaConsorciadaOuDeConsorcio,
  taTransfPorMotivoSucessaoIncorporacaoCisaoOuFuso,
  taTransfEmpregadoDomesticoParaOutroRepresentanteMesmaFamiliar,
  taMudancaDeCPF,
  taTransfEmpresaConsideradaInapta
};
std::string TpAdmissaoToStr(tpTpAdmissao value);
tpTpAdmissao StrToTpAdmissao(bool& ok, std::string_view s);

enum tpIndNIF : int { infBeneficiaNIF, infDispensadoNIF, infPaisnaoNIF };
std::string IndNIFToStr(tpIndNIF value);
tpIndNIF StrToIndNIF(bool& ok, std::string_view s);

enum tpTpProcRRA : int { tppAdministrativo, tppJudicial };
std::string TpProcRRAToStr(tpTpProcRRA value);
tpTpProcRRA StrToTpProcRRA(bool& ok, std::string_view s);

enum tpTpProcRet : int { tpprAdministrativo, tpprJudicial };
std::string TpProcRetToStr(tpTpProcRet value);
tpTpProcRet StrToTpProcRet(bool& ok, std::string_view s);

enum tpCnh : int { cnA, cnB, cnC, cnD, cnE, cnAB, cnAC, cnAD, cnAE };
std::string CnhToStr(tpCnh value);
tpCnh StrToCnh(bool& ok, std::string_view s);

enum tpClassTrabEstrang : int {
  ctVistoPermanente,
  ctVistoTemporario,
  ctAsilado,
  ctRefugiado,
  ctSolicitanteRefugio,
  ctResidentePaisFrontBrasil,
  ctDefFisicoMais51Anos,
  ctComResidenciaProvAnistiadoSituacaoIrregular,
  ctPermanenciaBrasilRazaoFilhosOuConjugeBras,
  ctBeneficiadoAcordoPaisesMercosul,
  ctDependenteAgenteDiplomaticoOuConsular,
  ctBeneficiadoTratadoAmizade,
  ctVazio
};
std::string ClassTrabEstrangToStr(tpClassTrabEstrang value);
tpClassTrabEstrang StrToClassTrabEstrang(bool& ok, std::string_view s);

enum tpTpDep : int {
  tdConjuge,
  tdCompanheiroComFilhoOuVivaMais5Anos,
  tdFilhoOuEnteado,
  tdFilhoOuEnteadoUniverOuEscolaTec,
  tdIrmaoNetoBisnetoGuardaJudicial,
  tdIrmaoNetoBisnetoUniverOuEscolaTecGuardaJudicial,
  tdPaisAvosBisavos,
  tdMenorPobreGuardaJudicial,
  tdPessoaIncapazTutorOuCurador,
  tdExConjuge,
  tdAgregadoOutros,
  tdNenhum
};
std::string TpDepToStr(tpTpDep value);
tpTpDep StrToTpDep(bool& ok, std::string_view s);

enum tpTpRubr : int { tpVencimento, tpDesconto, tpInformativa, tpInformativaDedutora };
std::string TpRubrToStr(tpTpRubr value);
tpTpRubr StrToTpRubr(bool& ok, std::string_view s);

enum tpAcumCargo : int { acNaoAcumulavel, acProfSaude, acProfessor, acTecCientifico };
std::string AcumCargoToStr(tpAcumCargo value);
tpAcumCargo StrToAcumCargo(bool& ok, std::string_view s);

enum tpContagemEsp : int {
  ceNao,
  ceProfInfantilFundamentalMedio,
  ceProfEnsSuperiorMagistradoMembroMinisPublicoTribContas,
  ceAtividadedeRisco
};
std::string ContagemEspToStr(tpContagemEsp value);
tpContagemEsp StrToContagemEsp(bool& ok, std::string_view s);

enum tpUtilizEPC : int { uEPCNaoAplica, uEPCNaoImplementa, uEPCImplementa };
std::string UtilizEPCToStr(tpUtilizEPC value);
tpUtilizEPC StrToUtilizEPC(bool& ok, std::string_view s);

enum tpUtilizEPI : int { uEPINaoAplica, uEPINaoUtilizado, uEPIUtilizado };
std::string UtilizEPIToStr(tpUtilizEPI value);
tpUtilizEPI StrToUtilizEPI(bool& ok, std::string_view s);

enum tpLocalAmb : int { laEstabProprioEmpregador, laEstabTerceiro, laPrestInstalacaoTerceiro };
std::string LocalAmbToStr(tpLocalAmb value);
tpLocalAmb StrToLocalAmb(bool& ok, std::string_view s);

enum tpTpAcConv : int {
  tacAcordoColTrab,
  tacLegislacaoFederalEstadualMunicipalDistrital,
  tacConvencaoColTrab,
  tacSetencNormativa,
  tacConversaoLicenSaudeAcidTrabalho,
  tacOutrasVerbas,
  tacAntecipacaoDif,
  tacDeclaracaoBaseCalcFGTSAntAoInicFGTSDigital,
  tacSentencJudicial,
  tacParcelasComplementares
};
std::string TpAcConvToStr(tpTpAcConv value);
tpTpAcConv StrToTpAcConv(bool& ok, std::string_view s);

enum tpNatEstagio : int { neObrigatiorio, neNaoObrigatorio };
std::string NatEstagioToStr(tpNatEstagio value);
tpNatEstagio StrToNatEstagio(bool& ok, std::string_view s);

enum tpCaepf : int { tcVazio, tcContrIndividual, tcProdRural, tcSegEspecial };
std::string CaepfToStr(tpCaepf value);
tpCaepf StrToCaepf(bool& ok, std::string_view s);

enum tpTpPgto : int { tpPgtoRemun1200, tpPgtoResc2299, tpPgtoResc2399, tpPgtoRemun1202, tpPgtoBenefPrev1207 };
std::string TpPgtoToStr(tpTpPgto value);
tpTpPgto StrToTpPgto(bool& ok, std::string_view s);

enum tpNivelEstagio : int { nvFundamental, nvMedio, nvEnsinoProfis, nvSuperior, nvEspecial, nvMaeSocial };
std::string NivelEstagioToStr(tpNivelEstagio value);
tpNivelEstagio StrToNivelEstagio(bool& ok, std::string_view s);

enum tpPensaoAlim : int {
  paNaoExistePensaoAlimenticia,
  paPercentualDePensaoAlimenticia,
  paValorDePensaoAlimenticia,
  paPercentualeValordePensaoAlimenticia,
  paNenhum
};
std::string PensaoAlimToStr(tpPensaoAlim value);
tpPensaoAlim StrToPensaoAlim(bool& ok, std::string_view s);
tpPensaoAlim StrToPensaoAlimExato(std::string_view s);

enum tpCumprParcialAviso : int {
  cpaCumprimentoTotal,
  cpaCumprimentoParcialNovoEmprego,
  cpaCumprimentoParcialEmpregador,
  cpaOutrasCumprimentoParcial,
  cpaAvisoprevioIndenizadoNaoExigivel
};
std::string CumprParcialAvisoToStr(tpCumprParcialAviso value);
tpCumprParcialAviso StrToCumprParcialAviso(bool& ok, std::string_view s);

enum TModoLancamento : int { mlInclusao, mlAlteracao, mlExclusao };
std::string ModoLancamentoToStr(TModoLancamento value);
TModoLancamento StrToModoLancamento(bool& ok, std::string_view s);

enum tpTpAcidTransito : int { tpatAtropelamento, tpatColisao, tpatOutros, tpatNao };
std::string TpAcidTransitoToStr(tpTpAcidTransito value);
tpTpAcidTransito StrToTpAcidTransito(bool& ok, std::string_view s);

enum tpMotivosAfastamento : int {
  mtvAcidenteDoencaTrabalho,
  mtvAcidenteDoencaNaoTrabalho,
  mtvAfastLicencaRegimeProprioSemRemuneracao,
  mtvAposentadoriaInvalidez,
  mtvAcompanhamentoFamiliaEnfermo,
  mtvAfastamentoEmpregadoConCuradorFGTS,
  mtvAfastLicencaRegimeProprioComRemuneracao,
  mtvCarcere,
  mtvCargoEletivoCeletistasGeral,
  mtvCargoEletivoServidorPublico,
  mtvCessaoRequisicao,
  mtvGozoFeriasRecesso,
  mtvLicencaRemunerada,
  mtvLicencaMaternidade120Dias,
  mtvLicencaMaternidadeEmpresaCidada,
  mtvLicencaMaternidadeAbortoNaoCriminoso,
  mtvLicencaMaternidadeAdocaoGuardaJudicial,
  mtvLicencaNaoRemunerada,
  mtvMandatoEleitoralSemRemuneracao,
  mtvMandatoEleitoralComRemuneracao,
  mtvMandatoSindical,
  mtvMulherVitimaViolencia,
  mtvParticipacaoCNPS,
  mtvQualificacao,
  mtvRepresentanteSindical,
  mtvServicoMilitar,
  mtvSuspensaoDisciplinar,
  mtvServidorPublicoDisponibilidade,
  mtvLicencaMaternidade180Dias,
  mtvInatividadetrabalhadorAvulso90Dias,
  mtvLicencaMaternidadeAntecipacaoProrrogacao,
  mtvAfastamentoTemporarioMandatoCargoComissao,
  mtvSuspensaoTemporariaContratoTrabalhoNosTermosMP936_2020,
  mtvImpedimentoConcorrenciaEscalaTrabalhoAvulso,
  mtvSuspensaoPagamentoServidorNaoRecadastrado,
  mtvExercicioOutroOrgaoEmpregadoCedido,
  mtvQualificacaoAfastamentoSuspencaoArt17_MP1116_2022,
  mtvQualificacaoAfastamentoSuspencaoArt19_MP1116_2022,
  // No reason given: written as an empty text.
  mtvNenhum
};
std::string MotivosAfastamentoToStr(tpMotivosAfastamento value);
tpMotivosAfastamento StrToMotivosAfastamento(bool& ok, std::string_view s);

enum tpInfOnus : int { ocCedente, ocCessionario, ocCedenteCessionario };
std::string InfOnusToStr(tpInfOnus value);
tpInfOnus StrToInfOnus(bool& ok, std::string_view s);

enum tpOnusRemun : int { orEmpregador, orSindicato, orEmpregadorSindicato };
std::string OnusRemunToStr(tpOnusRemun value);
tpOnusRemun StrToOnusRemun(bool& ok, std::string_view s);

enum tpTpAval : int { tpaQuantitativo, tpaQualitativo };
std::string TpAvalToStr(tpTpAval value);
tpTpAval StrToTpAval(bool& ok, std::string_view s);

enum tpModTreiCap : int { mtcPresencial, mtcEaD, mtcSemipresencial };
std::string ModTreiCapToStr(tpModTreiCap value);
tpModTreiCap StrToModTreiCap(bool& ok, std::string_view s);

enum tpTpTreiCap : int { ttcInicial, ttcPeriodico, ttcReciclagem, ttcEventual, ttcOutros };
std::string TpTreiCapToStr(tpTpTreiCap value);
tpTpTreiCap StrToTpTreiCap(bool& ok, std::string_view s);

enum tpTpProf : int { ttpProfissionalEmpregado, ttpProfissionalSemVinculo };
std::string TpProfToStr(tpTpProf value);
tpTpProf StrToTpProf(bool& ok, std::string_view s);

enum tpNacProf : int { ttpProfissionalBrasileiro, ttpProfissionalEstrangeiro };
std::string NacProfToStr(tpNacProf value);
tpNacProf StrToNacProf(bool& ok, std::string_view s);

enum tpTmpResid : int { ttrNenhum, ttrPrazoIndeterminado, ttrPrazoDeterminado };
std::string TmpResidToStr(tpTmpResid value);
tpTmpResid StrToTmpResid(bool& ok, std::string_view s);

enum tpCondIng : int {
  tciNenhum,
  tciRefugiado,
  tciSolicitanteDeRefugio,
  tciPermanenciaNoBrasilReuniaoFamiliar,
  tciBeneficiadopeloAcordoEntrePaisesDoMercosul,
  tciDependenteDeAgenteDiplomatico,
  tciBeneficiadoPeloTratadoDeAmizade,
  tciOutraCondicao
};
std::string CondIngToStr(tpCondIng value);
tpCondIng StrToCondIng(bool& ok, std::string_view s);

enum tpMtvSuspensao : int { mtvNada, mtvSuspensaoPorNaoRecadastramento, mtvOutrosMotivosDeSuspensao };
std::string MtvSuspensaoToStr(tpMtvSuspensao value);
tpMtvSuspensao StrToMtvSuspensao(bool& ok, std::string_view s);

enum tpIndRemun : int {
  ireNaoInformado,
  ireQuarentena,
  ireDesligamentoReconhecidoJudicialmente,
  ireAposentadoriaServidor
};
std::string IndRemunToStr(tpIndRemun value);
tpIndRemun StrToIndRemun(bool& ok, std::string_view s);

enum tpTpCCP : int { CCPAmbitoEmpresa, CCPAmbitoSindicato, Ninter };
std::string TpCCPToStr(tpTpCCP value);
tpTpCCP StrToTpCCP(bool& ok, std::string_view s);

enum tpPercTransf : int { PTr20, PTr40, PTr60, PTr80, PTr100 };
tpPercTransf StrToPercTransf(bool& ok, std::string_view s);

enum tpTpContrS2500 : int {
  TrabalhadorComVinculoFormalizadoSemAlteracaoNasDatasDeAdmissaoEDeDesligamento,
  TrabalhadorComVinculoFormalizadoComAlteracaoNaDataDeAdmissao,
  TrabalhadorComVinculoFormalizadoComInclusaoOuAlteracaoDeDataDeDesligamento,
  TrabalhadorComVinculoFormalizadoComAlteracaoNasDatasDeAdmissaoEDeDesligamento,
  EmpregadoComReconhecimentoDeVinculo,
  TrabalhadorSemVinculoDeEmpregoOuEstatutarioSemReconhecimentoDeVinculoEmpregaticio,
  TrabalhadorComVinculoDeEmpregoFormalizadoEmPeriodoAnteriorAoeSocial,
  ResponsabilidadeIndireta,
  TrabalhadorCujosContratosForamUnificados
};
std::string TpContrS2500ToStr(tpTpContrS2500 value);
tpTpContrS2500 StrToTpContrS2500(bool& ok, std::string_view s);

enum tpRepercProc : int {
  repDecisaoComPagamentoDeVerbasDeNaturezaRemuneratoria,
  repDecisaoSemPagamentoDeVerbasDeNaturezaRemuneratoria
};
std::string RepercProcToStr(tpRepercProc value);
tpRepercProc StrToRepercProc(bool& ok, std::string_view s);

enum tpIndReperc : int {
  repDecisaoComRepercussaoTributariaEOuFGTS,
  repDecisaoSemRepercussaoTributariaOuFGTS,
  repDecisaoComRepercussaoExclusivaParaDeclaracaoDeRendimentos,
  repDecisaoComRepercussaoExclusivaParaDeclaracaoDeRendimentosDepositoJudicial,
  repDecisaoComRepercussaoTributariaEOuFGTSDepositoJudicial
};
std::string IndRepercToStr(tpIndReperc value);
tpIndReperc StrToIndReperc(bool& ok, std::string_view s);

enum tpOrigemProc : int { oprProcessoJudicial, oprDemandaSubmetidaACCPOuAoNINTER };
std::string OrigemProcToStr(tpOrigemProc value);
tpOrigemProc StrToOrigemProc(bool& ok, std::string_view s);

enum tpRelDep : int {
  relNetoBisneto,
  relIrmao,
  relConjugeCompanheiro,
  relFilho,
  relPaisAvosEBisavos,
  relEnteado,
  relSogro,
  relAgregadoOutros
};
std::string RelDepToStr(tpRelDep value);

enum tpTpPrev : int { tprPrivada, tprFAPI, tprFunpresp };
std::string TpPrevToStr(tpTpPrev value);
tpTpPrev StrToTpPrev(bool& ok, std::string_view s);

enum tpIndAprend : int { tiapContrDireta, tiapContrIndireta };
std::string IndAprendToStr(tpIndAprend value);
tpIndAprend StrToIndAprend(bool& ok, std::string_view s);

enum tpIndTpDeducao : int {
  tpdPrevidenciaOficial,
  tpdPrevidenciaPrivada,
  tpdFundoDeAposentadoriaFAPI,
  tpdFundoDePrevidenciaComplementarFunPresp,
  tpdPensaoAlimenticia,
  tpdDependentes
};
std::string IndTpDeducaoToStr(tpIndTpDeducao value);
tpIndTpDeducao StrToIndTpDeducao(bool& ok, std::string_view s);

enum tpIndTpDeducaoT : int { tpdtPrevidenciaOficial, tpdtPensaoAlimenticia, tpdtDependentes };
std::string IndTpDeducaoTToStr(tpIndTpDeducaoT value);
tpIndTpDeducaoT StrToIndTpDeducaoT(bool& ok, std::string_view s);

enum tpTmpParc : int {
  tpNaoeTempoParcial,
  tpLimitado25HorasSemanais,
  tpLimitado30HorasSemanais,
  tpLimitado26HorasSemanais,
  tpNenhum
};
std::string TmpParcToStr(tpTmpParc value);
tpTmpParc StrToTmpParc(bool& ok, std::string_view s);

enum tpClassTrib : int {
  ct00,
  ct01,
  ct02,
  ct03,
  ct04,
  ct06,
  ct07,
  ct08,
  ct09,
  ct10,
  ct11,
  ct13,
  ct14,
  ct21,
  ct22,
  ct60,
  ct70,
  ct80,
  ct85,
  ct99
};
std::string ClassTribToStr(tpClassTrib value);
tpClassTrib StrToClassTrib(bool& ok, std::string_view s);

enum tpIdeOC : int { idNenhum, idCRM, idCRO, idRMS, idCREA, idOutros };
std::string IdeOCToStr(tpIdeOC value);
tpIdeOC StrToIdeOC(std::string_view s);

enum tpTpPenMorte : int { pmNada, pmVitalicia, pmTemporaria };
std::string TpPenMorteToStr(tpTpPenMorte value);
tpTpPenMorte StrToTpPenMorte(std::string_view s);

enum tpMotCessBenef : int {
  tmcbNenhum,
  tmcbObito,
  tmcbReversao,
  tmcbPorDecisaoJudicial,
  tmcbCassacao,
  tmcbTerminoDoPrazoDoBeneficio,
  tmcbExtincaoDeQuota,
  tmcbNaoHomologadoPeloTribunalDeContas,
  tmcbRenunciaExpressa,
  tmcbTransferenciaDeOrgaoAdministrador,
  tmcbMudancaDeCPFDoBeneficiario,
  tmcbNaoRecadastramento
};
std::string MotCessBenefToStr(tpMotCessBenef value);
tpMotCessBenef StrToMotCessBenef(std::string_view s);

enum TtpDesc : int { tpdNaoInformado, tpdeConsignado };
std::string TpDescToStr(TtpDesc value);
TtpDesc StrToTpDesc(std::string_view s);

enum TtpValorPisPasep : int { tpvBaseCalculoPISPASEP, tpvIncidenciaSuspensaPISPASEP };
TtpValorPisPasep StrToTpValorPisPasep(std::string_view s);

// Enumerations without code texts.
enum TEmpregador : int {
  tePessoaJuridica,
  teOrgaoPublico,
  tePessoaFisica,
  teOrgaoPublicoExecutivoFederal,
  teOrgaoPublicoLegislativoFederal,
  teOrgaoPublicoJudiciarioFederal,
  teOrgaoPublicoAutonomoFederal
};
enum TStatusTrivoeSocial : int { stIdle, stEnvLoteEventos, stConsultaLote, stConsultaIdentEvt, stDownloadEvt };
enum TeSocialEventos : int {
  eseEnvioLote,
  eseRetornoLote,
  eseEnvioConsulta,
  eseRetornoConsulta,
  eseEnvioConsultaIdentEvt,
  eseRetornoConsultaIdentEvt,
  eseEnvioDownloadEvt,
  eseRetornoDownloadEvt
};
enum tpConsulta : int { tcEmpregador, tcTabela, tcTrabalhador };
enum tpIndSitBenef : int {
  tpisbNenhum,
  tpisbBeneficioConcedidoPeloProprioOrgaoDeclarante,
  tpisbBeneficioTransferidoDeOutroOrgao,
  tpisbMudandaDeCPFDoBeneficiario
};
enum tpMtvAlt : int { maPromocao, maReadaptacao, maAproveitamento, maOutros };
enum tpOrigemAltAfast : int { oaaPorIniciativaDoEmpregador, oaaRevisaoAdministrativa, oaaDeterminacaoJudicial };

// True for the worker categories that have no registration number.
bool CodCategSemMatricula(int codCateg);

}  // namespace esocial
