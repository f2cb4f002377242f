// Code lists of the by-position family.
#include "esocial/layout_enums.h"

#include "esocial/layout_code_lists.h"

namespace esocial {

constexpr std::string_view kProcEmi[] = {"1", "2", "3", "4", "8", "9", "22"};
static_assert(std::size(kProcEmi) == peAplicGovDispMoveis + 1);
std::string ProcEmiToStr(TpProcEmi value) { return dfe::EnumToStr(value, kProcEmi); }
TpProcEmi StrToProcEmi(bool& ok, std::string_view s) { return dfe::StrToEnum<TpProcEmi>(ok, s, kProcEmi); }

static_assert(std::size(Codigos1a6) == tiCEI + 1);
std::string TpInscToStr(tpTpInsc value) { return dfe::EnumToStr(value, Codigos1a6); }
tpTpInsc StrToTpInsc(bool& ok, std::string_view s) { return dfe::StrToEnum<tpTpInsc>(ok, s, Codigos1a6); }

constexpr std::string_view kPlanRP[] = {"0", "1", "2", "3", ""};
static_assert(std::size(kPlanRP) == prpNenhum + 1);
std::string PlanRPToStr(tpPlanRP value) { return dfe::EnumToStr(value, kPlanRP); }
tpPlanRP StrToPlanRP(bool& ok, std::string_view s) { return dfe::StrToEnum<tpPlanRP>(ok, s, kPlanRP); }

static_assert(std::size(Codigos0a2) == trEstatutario + 1);
std::string TpRegTrabToStr(tpTpRegTrab value) { return dfe::EnumToStr(value, Codigos0a2); }
tpTpRegTrab StrToTpRegTrab(bool& ok, std::string_view s) { return dfe::StrToEnum<tpTpRegTrab>(ok, s, Codigos0a2); }

// The layout codes the military protection system (rpSPSMFA) as "4".
constexpr std::string_view kTpRegPrev[] = {"0", "1", "2", "3", "4"};
static_assert(std::size(kTpRegPrev) == rpSPSMFA + 1);
std::string TpRegPrevToStr(tpTpRegPrev value) { return dfe::EnumToStr(value, kTpRegPrev); }
tpTpRegPrev StrToTpRegPrev(bool& ok, std::string_view s) { return dfe::StrToEnum<tpTpRegPrev>(ok, s, kTpRegPrev); }

static_assert(std::size(Codigos0a3) == rpfRPPE2 + 1);
std::string TpRegPrevFacultativoToStr(tpTpRegPrevFacultativo value) { return dfe::EnumToStr(value, Codigos0a3); }
tpTpRegPrevFacultativo StrToTpRegPrevFacultativo(bool& ok, std::string_view s) {
  return dfe::StrToEnum<tpTpRegPrevFacultativo>(ok, s, Codigos0a3);
}

static_assert(std::size(Codigos1a3) == iaDecorrenteDecisaoJudicial + 1);
std::string TpIndAdmissaoToStr(tpTpIndAdmissao value) { return dfe::EnumToStr(value, Codigos1a3); }
tpTpIndAdmissao StrToTpIndAdmissao(bool& ok, std::string_view s) {
  return dfe::StrToEnum<tpTpIndAdmissao>(ok, s, Codigos1a3);
}

static_assert(std::size(Codigos1a4) == rjTeletrabalhoPrevistoIncisoIIIArt62CLT + 1);
std::string TpRegJorToStr(tpTpRegJor value) { return dfe::EnumToStr(value, Codigos1a4); }
tpTpRegJor StrToTpRegJor(bool& ok, std::string_view s) { return dfe::StrToEnum<tpTpRegJor>(ok, s, Codigos1a4); }

static_assert(std::size(Codigos1a2) == ofNaoOptante + 1);
std::string OpcFGTSToStr(tpOpcFGTS value) { return dfe::EnumToStr(value, Codigos1a2); }
tpOpcFGTS StrToOpcFGTS(bool& ok, std::string_view s) { return dfe::StrToEnum<tpOpcFGTS>(ok, s, Codigos1a2); }

static_assert(std::size(Codigos1a2) == ipDecorrenteDecisaoJudicial + 1);
std::string IndProvimToStr(tpIndProvim value) { return dfe::EnumToStr(value, Codigos1a2); }
tpIndProvim StrToIndProvim(bool& ok, std::string_view s) { return dfe::StrToEnum<tpIndProvim>(ok, s, Codigos1a2); }

constexpr std::string_view kTpProv[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "99"};
static_assert(std::size(kTpProv) == tpOutros + 1);
std::string TpProvToStr(tpTpProv value) { return dfe::EnumToStr(value, kTpProv); }
tpTpProv StrToTpProv(bool& ok, std::string_view s) { return dfe::StrToEnum<tpTpProv>(ok, s, kTpProv); }

constexpr std::string_view kIndMatProc[] = {"1", "2", "3", "4", "5", "6", "7", "8", "99"};
static_assert(std::size(kIndMatProc) == impOutros + 1);
std::string IndMatProcToStr(tpIndMatProc value) { return dfe::EnumToStr(value, kIndMatProc); }
tpIndMatProc StrToIndMatProc(bool& ok, std::string_view s) { return dfe::StrToEnum<tpIndMatProc>(ok, s, kIndMatProc); }

static_assert(std::size(Codigos1a7) == sfNaoaplicavel + 1);
std::string UndSalFixoToStr(tpUndSalFixo value) { return dfe::EnumToStr(value, Codigos1a7); }
tpUndSalFixo StrToUndSalFixo(bool& ok, std::string_view s) { return dfe::StrToEnum<tpUndSalFixo>(ok, s, Codigos1a7); }

static_assert(std::size(Codigos1a4) == PrazoNaoAplicavel + 1);
std::string TpContrToStr(tpTpContr value) { return dfe::EnumToStr(value, Codigos1a4); }
tpTpContr StrToTpContr(bool& ok, std::string_view s) { return dfe::StrToEnum<tpTpContr>(ok, s, Codigos1a4); }

constexpr std::string_view kTpJornada[] = {"1", "2", "3", "4", "5", "6", "7", "9"};
static_assert(std::size(kTpJornada) == tjDemaisTiposJornada + 1);
std::string TpJornadaToStr(tpTpJornada value) { return dfe::EnumToStr(value, kTpJornada); }
tpTpJornada StrToTpJornada(bool& ok, std::string_view s) { return dfe::StrToEnum<tpTpJornada>(ok, s, kTpJornada); }

constexpr std::string_view kTpDia[] = {"1", "2", "3", "4", "5", "6", "7", "8"};
static_assert(std::size(kTpDia) == diDiaVariavel + 1);
std::string TpDiaToStr(tpTpDia value) { return dfe::EnumToStr(value, kTpDia); }
tpTpDia StrToTpDia(bool& ok, std::string_view s) { return dfe::StrToEnum<tpTpDia>(ok, s, kTpDia); }

constexpr std::string_view kTpExameOcup[] = {"0", "1", "2", "3", "4", "9"};
static_assert(std::size(kTpExameOcup) == taDemissional + 1);
std::string TpExameOcupToStr(tpTpExameOcup value) { return dfe::EnumToStr(value, kTpExameOcup); }
tpTpExameOcup StrToTpExameOcup(bool& ok, std::string_view s) {
  return dfe::StrToEnum<tpTpExameOcup>(ok, s, kTpExameOcup);
}

static_assert(std::size(Codigos1a2) == raNaoInformado);  // raNaoInformado has no code
std::string ResAsoToStr(tpResAso value) { return dfe::EnumToStr(value, Codigos1a2); }
tpResAso StrToResAso(bool& ok, std::string_view s) { return dfe::StrToEnum<tpResAso>(ok, s, Codigos1a2); }

static_assert(std::size(Codigos1a2) == orNaoInformado);  // orNaoInformado has no code
std::string OrdExameToStr(tpOrdExame value) { return dfe::EnumToStr(value, Codigos1a2); }
tpOrdExame StrToOrdExame(bool& ok, std::string_view s) { return dfe::StrToEnum<tpOrdExame>(ok, s, Codigos1a2); }

static_assert(std::size(Codigos1a4) == irNaoInformado);  // irNaoInformado has no code
std::string IndResultToStr(tpIndResult value) { return dfe::EnumToStr(value, Codigos1a4); }
tpIndResult StrToIndResult(bool& ok, std::string_view s) { return dfe::StrToEnum<tpIndResult>(ok, s, Codigos1a4); }

static_assert(std::size(Codigos1a3) == tcComunicacaoObito + 1);
std::string TpCatToStr(tpTpCat value) { return dfe::EnumToStr(value, Codigos1a3); }
tpTpCat StrToTpCat(bool& ok, std::string_view s) { return dfe::StrToEnum<tpTpCat>(ok, s, Codigos1a3); }

static_assert(std::size(Codigos1a3) == icDeterminacaoOrgaoFiscalizador + 1);
std::string IniciatCATToStr(tpIniciatCAT value) { return dfe::EnumToStr(value, Codigos1a3); }
tpIniciatCAT StrToIniciatCAT(bool& ok, std::string_view s) { return dfe::StrToEnum<tpIniciatCAT>(ok, s, Codigos1a3); }

static_assert(std::size(Codigos0a3) == laAmbas + 1);
std::string LateralidadeToStr(tpLateralidade value) { return dfe::EnumToStr(value, Codigos0a3); }
tpLateralidade StrToLateralidade(bool& ok, std::string_view s) {
  return dfe::StrToEnum<tpLateralidade>(ok, s, Codigos0a3);
}

static_assert(std::size(Codigos0a2) == spAnexoI_MP1202);  // spAnexoI_MP1202, spAnexoII_MP1202 has no code
std::string IndSubstPatrToStr(tpIndSubstPatr value) { return dfe::EnumToStr(value, Codigos0a2); }
tpIndSubstPatr StrToIndSubstPatr(bool& ok, std::string_view s) {
  return dfe::StrToEnum<tpIndSubstPatr>(ok, s, Codigos0a2);
}

static_assert(std::size(Codigos1a6) == iaAquiProducaoProdutorRuralPessoaJurEntPAAProdIsenta + 1);
std::string IdAquisToStr(tpIdAquis value) { return dfe::EnumToStr(value, Codigos1a6); }
tpIdAquis StrToIdAquis(bool& ok, std::string_view s) { return dfe::StrToEnum<tpIdAquis>(ok, s, Codigos1a6); }

constexpr std::string_view kSimNao[] = {"S", "N"};
static_assert(std::size(kSimNao) == tpNao + 1);
std::string SimNaoToStr(tpSimNao value) { return dfe::EnumToStr(value, kSimNao); }
tpSimNao StrToSimNao(bool& ok, std::string_view s) { return dfe::StrToEnum<tpSimNao>(ok, s, kSimNao); }

constexpr std::string_view kSimNaoFacultativo[] = {"", "S", "N"};
static_assert(std::size(kSimNaoFacultativo) == snfNao + 1);
std::string SimNaoFacultativoToStr(tpSimNaoFacultativo value) { return dfe::EnumToStr(value, kSimNaoFacultativo); }
tpSimNaoFacultativo StrToSimNaoFacultativo(bool& ok, std::string_view s) {
  return dfe::StrToEnum<tpSimNaoFacultativo>(ok, s, kSimNaoFacultativo);
}

constexpr std::string_view kSimFacultativo[] = {"", "S"};
static_assert(std::size(kSimFacultativo) == sfSim + 1);
std::string SimFacultativoToStr(tpSimFacultativo value) { return dfe::EnumToStr(value, kSimFacultativo); }
tpSimFacultativo StrToSimFacultativo(bool& ok, std::string_view s) {
  return dfe::StrToEnum<tpSimFacultativo>(ok, s, kSimFacultativo);
}

constexpr std::string_view kIndComerc[] = {"2", "3", "7", "8", "9"};
static_assert(std::size(kIndComerc) == icComProdMercadoExterno + 1);
std::string IndComercToStr(tpIndComerc value) { return dfe::EnumToStr(value, kIndComerc); }
tpIndComerc StrToIndComerc(bool& ok, std::string_view s) { return dfe::StrToEnum<tpIndComerc>(ok, s, kIndComerc); }

static_assert(std::size(Codigos0a3) == icOutrasCooperativas + 1);
std::string IndCoopToStr(TpIndCoop value) { return dfe::EnumToStr(value, Codigos0a3); }
TpIndCoop StrToIndCoop(bool& ok, std::string_view s) { return dfe::StrToEnum<TpIndCoop>(ok, s, Codigos0a3); }

static_assert(std::size(Codigos0a1) == iconEmpresaConstrutora + 1);
std::string IndConstrToStr(TpIndConstr value) { return dfe::EnumToStr(value, Codigos0a1); }
TpIndConstr StrToIndConstr(bool& ok, std::string_view s) { return dfe::StrToEnum<TpIndConstr>(ok, s, Codigos0a1); }

static_assert(std::size(Codigos0a2) == idfMunEnquadrado + 1);
std::string IndDesFolhaToStr(TpIndDesFolha value) { return dfe::EnumToStr(value, Codigos0a2); }
TpIndDesFolha StrToIndDesFolha(bool& ok, std::string_view s) {
  return dfe::StrToEnum<TpIndDesFolha>(ok, s, Codigos0a2);
}

static_assert(std::size(Codigos0a1) == iorOptoupeloregistro + 1);
std::string IndOptRegEletronToStr(TpIndOptRegEletron value) { return dfe::EnumToStr(value, Codigos0a1); }
TpIndOptRegEletron StrToIndOptRegEletron(bool& ok, std::string_view s) {
  return dfe::StrToEnum<TpIndOptRegEletron>(ok, s, Codigos0a1);
}

static_assert(std::size(Codigos1a2) == icpNenhum);  // icpNenhum has no code
std::string IndOpcCPToStr(TpIndOpcCP value) { return dfe::EnumToStr(value, Codigos1a2); }
TpIndOpcCP StrToIndOpcCP(bool& ok, std::string_view s) { return dfe::StrToEnum<TpIndOpcCP>(ok, s, Codigos1a2); }

static_assert(std::size(Codigos1a3) == arat3 + 1);
std::string AliqRatToStr(tpAliqRat value) { return dfe::EnumToStr(value, Codigos1a3); }
tpAliqRat StrToAliqRat(bool& ok, std::string_view s) { return dfe::StrToEnum<tpAliqRat>(ok, s, Codigos1a3); }

static_assert(std::size(Codigos1a4) == tpFAP + 1);
std::string TpProcToStr(tpTpProc value) { return dfe::EnumToStr(value, Codigos1a4); }
tpTpProc StrToTpProc(bool& ok, std::string_view s) { return dfe::StrToEnum<tpTpProc>(ok, s, Codigos1a4); }

static_assert(std::size(Codigos0a1) == iaiComacordo + 1);
std::string IndAcordoIsencaoMultaToStr(tpIndAcordoIsencaoMulta value) { return dfe::EnumToStr(value, Codigos0a1); }
tpIndAcordoIsencaoMulta StrToIndAcordoIsencaoMulta(bool& ok, std::string_view s) {
  return dfe::StrToEnum<tpIndAcordoIsencaoMulta>(ok, s, Codigos0a1);
}

constexpr std::string_view kTpLocal[] = {"1", "2", "3", "4", "5", "6", "9"};
static_assert(std::size(kTpLocal) == tlOutros + 1);
std::string TpLocalToStr(tpTpLocal value) { return dfe::EnumToStr(value, kTpLocal); }
tpTpLocal StrToTpLocal(bool& ok, std::string_view s) { return dfe::StrToEnum<tpTpLocal>(ok, s, kTpLocal); }

constexpr std::string_view kTpReint[] = {"1", "2", "3", "4", "5", "6", "9"};
static_assert(std::size(kTpReint) == trOutros + 1);
std::string TpReintToStr(tpTpReint value) { return dfe::EnumToStr(value, kTpReint); }
tpTpReint StrToTpReint(bool& ok, std::string_view s) { return dfe::StrToEnum<tpTpReint>(ok, s, kTpReint); }

static_assert(std::size(Codigos1a2) == edContribPatronaisSegurados + 1);
std::string ExtDecisaoToStr(tpExtDecisao value) { return dfe::EnumToStr(value, Codigos1a2); }
tpExtDecisao StrToExtDecisao(bool& ok, std::string_view s) { return dfe::StrToEnum<tpExtDecisao>(ok, s, Codigos1a2); }

static_assert(std::size(Codigos1a2) == icCPF + 1);
std::string TpInscContratanteToStr(TptpInscContratante value) { return dfe::EnumToStr(value, Codigos1a2); }
TptpInscContratante StrToTpInscContratante(bool& ok, std::string_view s) {
  return dfe::StrToEnum<TptpInscContratante>(ok, s, Codigos1a2);
}

static_assert(std::size(Codigos1a2) == tpCPF + 1);
std::string TpInscPropToStr(TpTpInscProp value) { return dfe::EnumToStr(value, Codigos1a2); }
TpTpInscProp StrToTpInscProp(bool& ok, std::string_view s) { return dfe::StrToEnum<TpTpInscProp>(ok, s, Codigos1a2); }

static_assert(std::size(Codigos0a2) == ispPatronalNaoSubstituida + 1);
std::string IndSubstPatronalObraToStr(tpIndSubstPatronalObra value) { return dfe::EnumToStr(value, Codigos0a2); }
tpIndSubstPatronalObra StrToIndSubstPatronalObra(bool& ok, std::string_view s) {
  return dfe::StrToEnum<tpIndSubstPatronalObra>(ok, s, Codigos0a2);
}

static_assert(std::size(Codigos1a2) == iaOutraEntidade + 1);
std::string IndAutoriaToStr(tpindAutoria value) { return dfe::EnumToStr(value, Codigos1a2); }
tpindAutoria StrToIndAutoria(bool& ok, std::string_view s) { return dfe::StrToEnum<tpindAutoria>(ok, s, Codigos1a2); }

static_assert(std::size(Codigos1a2) == ireRetificacao + 1);
std::string IndRetificacaoToStr(tpIndRetificacao value) { return dfe::EnumToStr(value, Codigos1a2); }
tpIndRetificacao StrToIndRetificacao(bool& ok, std::string_view s) {
  return dfe::StrToEnum<tpIndRetificacao>(ok, s, Codigos1a2);
}

static_assert(std::size(Codigos1a2) == ipaAnual + 1);
std::string IndApuracaoToStr(tpIndApuracao value) { return dfe::EnumToStr(value, Codigos1a2); }
tpIndApuracao StrToIndApuracao(bool& ok, std::string_view s) {
  return dfe::StrToEnum<tpIndApuracao>(ok, s, Codigos1a2);
}

static_assert(std::size(Codigos1a3) == imvSobrelimite + 1);
std::string IndMVToStr(tpIndMV value) { return dfe::EnumToStr(value, Codigos1a3); }
tpIndMV StrToIndMV(bool& ok, std::string_view s) { return dfe::StrToEnum<tpIndMV>(ok, s, Codigos1a3); }

static_assert(std::size(Codigos0a3) == idsConcomitante + 1);
std::string IndSimplesToStr(tpIndSimples value) { return dfe::EnumToStr(value, Codigos0a3); }
tpIndSimples StrToIndSimples(bool& ok, std::string_view s) { return dfe::StrToEnum<tpIndSimples>(ok, s, Codigos0a3); }

static_assert(std::size(Codigos0a2) == navRural + 1);
std::string NatAtividadeToStr(tpNatAtividade value) { return dfe::EnumToStr(value, Codigos0a2); }
tpNatAtividade StrToNatAtividade(bool& ok, std::string_view s) {
  return dfe::StrToEnum<tpNatAtividade>(ok, s, Codigos0a2);
}

static_assert(std::size(Codigos1a4) == tptContribSind + 1);
std::string TpTributoToStr(tpTpTributo value) { return dfe::EnumToStr(value, Codigos1a4); }
tpTpTributo StrToTpTributo(bool& ok, std::string_view s) { return dfe::StrToEnum<tpTpTributo>(ok, s, Codigos1a4); }

constexpr std::string_view kIndApurIR[] = {"", "0", "1"};
static_assert(std::size(kIndApurIR) == tiaiSituacaoEspecialIRRF + 1);
std::string IndApurIRToStr(tpIndApurIR value) { return dfe::EnumToStr(value, kIndApurIR); }
tpIndApurIR StrToIndApurIR(bool& ok, std::string_view s) { return dfe::StrToEnum<tpIndApurIR>(ok, s, kIndApurIR); }

static_assert(std::size(Codigos1a4) == ge4 + 1);
std::string GrauExpToStr(tpGrauExp value) { return dfe::EnumToStr(value, Codigos1a4); }
tpGrauExp StrToGrauExp(bool& ok, std::string_view s) { return dfe::StrToEnum<tpGrauExp>(ok, s, Codigos1a4); }

static_assert(std::size(Codigos1a7) == taTransfEmpresaConsideradaInapta + 1);
std::string TpAdmissaoToStr(tpTpAdmissao value) { return dfe::EnumToStr(value, Codigos1a7); }
tpTpAdmissao StrToTpAdmissao(bool& ok, std::string_view s) { return dfe::StrToEnum<tpTpAdmissao>(ok, s, Codigos1a7); }

static_assert(std::size(Codigos1a3) == infPaisnaoNIF + 1);
std::string IndNIFToStr(tpIndNIF value) { return dfe::EnumToStr(value, Codigos1a3); }
tpIndNIF StrToIndNIF(bool& ok, std::string_view s) { return dfe::StrToEnum<tpIndNIF>(ok, s, Codigos1a3); }

static_assert(std::size(Codigos1a2) == tppJudicial + 1);
std::string TpProcRRAToStr(tpTpProcRRA value) { return dfe::EnumToStr(value, Codigos1a2); }
tpTpProcRRA StrToTpProcRRA(bool& ok, std::string_view s) { return dfe::StrToEnum<tpTpProcRRA>(ok, s, Codigos1a2); }

static_assert(std::size(Codigos1a2) == tpprJudicial + 1);
std::string TpProcRetToStr(tpTpProcRet value) { return dfe::EnumToStr(value, Codigos1a2); }
tpTpProcRet StrToTpProcRet(bool& ok, std::string_view s) { return dfe::StrToEnum<tpTpProcRet>(ok, s, Codigos1a2); }

constexpr std::string_view kCnh[] = {"A", "B", "C", "D", "E", "AB", "AC", "AD", "AE"};
static_assert(std::size(kCnh) == cnAE + 1);
std::string CnhToStr(tpCnh value) { return dfe::EnumToStr(value, kCnh); }
tpCnh StrToCnh(bool& ok, std::string_view s) { return dfe::StrToEnum<tpCnh>(ok, s, kCnh); }

constexpr std::string_view kClassTrabEstrang[] = {"01", "02", "03", "04", "05", "06", "07",
                                                  "08", "09", "10", "11", "12", "99"};
static_assert(std::size(kClassTrabEstrang) == ctVazio + 1);
std::string ClassTrabEstrangToStr(tpClassTrabEstrang value) { return dfe::EnumToStr(value, kClassTrabEstrang); }
tpClassTrabEstrang StrToClassTrabEstrang(bool& ok, std::string_view s) {
  return dfe::StrToEnum<tpClassTrabEstrang>(ok, s, kClassTrabEstrang);
}

constexpr std::string_view kTpDep[] = {"01", "02", "03", "04", "06", "07", "09", "10", "11", "12", "99", ""};
static_assert(std::size(kTpDep) == tdNenhum + 1);
std::string TpDepToStr(tpTpDep value) { return dfe::EnumToStr(value, kTpDep); }
tpTpDep StrToTpDep(bool& ok, std::string_view s) { return dfe::StrToEnum<tpTpDep>(ok, s, kTpDep); }

static_assert(std::size(Codigos1a4) == tpInformativaDedutora + 1);
std::string TpRubrToStr(tpTpRubr value) { return dfe::EnumToStr(value, Codigos1a4); }
tpTpRubr StrToTpRubr(bool& ok, std::string_view s) { return dfe::StrToEnum<tpTpRubr>(ok, s, Codigos1a4); }

static_assert(std::size(Codigos1a4) == acTecCientifico + 1);
std::string AcumCargoToStr(tpAcumCargo value) { return dfe::EnumToStr(value, Codigos1a4); }
tpAcumCargo StrToAcumCargo(bool& ok, std::string_view s) { return dfe::StrToEnum<tpAcumCargo>(ok, s, Codigos1a4); }

static_assert(std::size(Codigos1a4) == ceAtividadedeRisco + 1);
std::string ContagemEspToStr(tpContagemEsp value) { return dfe::EnumToStr(value, Codigos1a4); }
tpContagemEsp StrToContagemEsp(bool& ok, std::string_view s) {
  return dfe::StrToEnum<tpContagemEsp>(ok, s, Codigos1a4);
}

static_assert(std::size(Codigos0a2) == uEPCImplementa + 1);
std::string UtilizEPCToStr(tpUtilizEPC value) { return dfe::EnumToStr(value, Codigos0a2); }
tpUtilizEPC StrToUtilizEPC(bool& ok, std::string_view s) { return dfe::StrToEnum<tpUtilizEPC>(ok, s, Codigos0a2); }

static_assert(std::size(Codigos0a2) == uEPIUtilizado + 1);
std::string UtilizEPIToStr(tpUtilizEPI value) { return dfe::EnumToStr(value, Codigos0a2); }
tpUtilizEPI StrToUtilizEPI(bool& ok, std::string_view s) { return dfe::StrToEnum<tpUtilizEPI>(ok, s, Codigos0a2); }

static_assert(std::size(Codigos1a3) == laPrestInstalacaoTerceiro + 1);
std::string LocalAmbToStr(tpLocalAmb value) { return dfe::EnumToStr(value, Codigos1a3); }
tpLocalAmb StrToLocalAmb(bool& ok, std::string_view s) { return dfe::StrToEnum<tpLocalAmb>(ok, s, Codigos1a3); }

constexpr std::string_view kTpAcConv[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"};
static_assert(std::size(kTpAcConv) == tacParcelasComplementares + 1);
std::string TpAcConvToStr(tpTpAcConv value) { return dfe::EnumToStr(value, kTpAcConv); }
tpTpAcConv StrToTpAcConv(bool& ok, std::string_view s) { return dfe::StrToEnum<tpTpAcConv>(ok, s, kTpAcConv); }

constexpr std::string_view kNatEstagio[] = {"O", "N"};
static_assert(std::size(kNatEstagio) == neNaoObrigatorio + 1);
std::string NatEstagioToStr(tpNatEstagio value) { return dfe::EnumToStr(value, kNatEstagio); }
tpNatEstagio StrToNatEstagio(bool& ok, std::string_view s) { return dfe::StrToEnum<tpNatEstagio>(ok, s, kNatEstagio); }

static_assert(std::size(Codigos0a3) == tcSegEspecial + 1);
std::string CaepfToStr(tpCaepf value) { return dfe::EnumToStr(value, Codigos0a3); }
tpCaepf StrToCaepf(bool& ok, std::string_view s) { return dfe::StrToEnum<tpCaepf>(ok, s, Codigos0a3); }

constexpr std::string_view kTpPgto[] = {"1", "2", "3", "4", "5"};
static_assert(std::size(kTpPgto) == tpPgtoBenefPrev1207 + 1);
std::string TpPgtoToStr(tpTpPgto value) { return dfe::EnumToStr(value, kTpPgto); }
tpTpPgto StrToTpPgto(bool& ok, std::string_view s) { return dfe::StrToEnum<tpTpPgto>(ok, s, kTpPgto); }

constexpr std::string_view kNivelEstagio[] = {"1", "2", "3", "4", "8", "9"};
static_assert(std::size(kNivelEstagio) == nvMaeSocial + 1);
std::string NivelEstagioToStr(tpNivelEstagio value) { return dfe::EnumToStr(value, kNivelEstagio); }
tpNivelEstagio StrToNivelEstagio(bool& ok, std::string_view s) {
  return dfe::StrToEnum<tpNivelEstagio>(ok, s, kNivelEstagio);
}

constexpr std::string_view kCumprParcialAviso[] = {"0", "1", "2", "3", "4"};
static_assert(std::size(kCumprParcialAviso) == cpaAvisoprevioIndenizadoNaoExigivel + 1);
std::string CumprParcialAvisoToStr(tpCumprParcialAviso value) { return dfe::EnumToStr(value, kCumprParcialAviso); }
tpCumprParcialAviso StrToCumprParcialAviso(bool& ok, std::string_view s) {
  return dfe::StrToEnum<tpCumprParcialAviso>(ok, s, kCumprParcialAviso);
}

constexpr std::string_view kModoLancamento[] = {"inclusao", "alteracao", "exclusao"};
static_assert(std::size(kModoLancamento) == mlExclusao + 1);
std::string ModoLancamentoToStr(TModoLancamento value) { return dfe::EnumToStr(value, kModoLancamento); }
TModoLancamento StrToModoLancamento(bool& ok, std::string_view s) {
  return dfe::StrToEnum<TModoLancamento>(ok, s, kModoLancamento);
}

static_assert(std::size(Codigos1a4) == tpatNao + 1);
std::string TpAcidTransitoToStr(tpTpAcidTransito value) { return dfe::EnumToStr(value, Codigos1a4); }
tpTpAcidTransito StrToTpAcidTransito(bool& ok, std::string_view s) {
  return dfe::StrToEnum<tpTpAcidTransito>(ok, s, Codigos1a4);
}

static_assert(std::size(Codigos1a3) == ocCedenteCessionario + 1);
std::string InfOnusToStr(tpInfOnus value) { return dfe::EnumToStr(value, Codigos1a3); }
tpInfOnus StrToInfOnus(bool& ok, std::string_view s) { return dfe::StrToEnum<tpInfOnus>(ok, s, Codigos1a3); }

static_assert(std::size(Codigos1a3) == orEmpregadorSindicato + 1);
std::string OnusRemunToStr(tpOnusRemun value) { return dfe::EnumToStr(value, Codigos1a3); }
tpOnusRemun StrToOnusRemun(bool& ok, std::string_view s) { return dfe::StrToEnum<tpOnusRemun>(ok, s, Codigos1a3); }

static_assert(std::size(Codigos1a2) == tpaQualitativo + 1);
std::string TpAvalToStr(tpTpAval value) { return dfe::EnumToStr(value, Codigos1a2); }
tpTpAval StrToTpAval(bool& ok, std::string_view s) { return dfe::StrToEnum<tpTpAval>(ok, s, Codigos1a2); }

static_assert(std::size(Codigos1a3) == mtcSemipresencial + 1);
std::string ModTreiCapToStr(tpModTreiCap value) { return dfe::EnumToStr(value, Codigos1a3); }
tpModTreiCap StrToModTreiCap(bool& ok, std::string_view s) { return dfe::StrToEnum<tpModTreiCap>(ok, s, Codigos1a3); }

static_assert(std::size(Codigos1a5) == ttcOutros + 1);
std::string TpTreiCapToStr(tpTpTreiCap value) { return dfe::EnumToStr(value, Codigos1a5); }
tpTpTreiCap StrToTpTreiCap(bool& ok, std::string_view s) { return dfe::StrToEnum<tpTpTreiCap>(ok, s, Codigos1a5); }

static_assert(std::size(Codigos1a2) == ttpProfissionalSemVinculo + 1);
std::string TpProfToStr(tpTpProf value) { return dfe::EnumToStr(value, Codigos1a2); }
tpTpProf StrToTpProf(bool& ok, std::string_view s) { return dfe::StrToEnum<tpTpProf>(ok, s, Codigos1a2); }

static_assert(std::size(Codigos1a2) == ttpProfissionalEstrangeiro + 1);
std::string NacProfToStr(tpNacProf value) { return dfe::EnumToStr(value, Codigos1a2); }
tpNacProf StrToNacProf(bool& ok, std::string_view s) { return dfe::StrToEnum<tpNacProf>(ok, s, Codigos1a2); }

static_assert(std::size(Codigos0a2) == ttrPrazoDeterminado + 1);
std::string TmpResidToStr(tpTmpResid value) { return dfe::EnumToStr(value, Codigos0a2); }
tpTmpResid StrToTmpResid(bool& ok, std::string_view s) { return dfe::StrToEnum<tpTmpResid>(ok, s, Codigos0a2); }

constexpr std::string_view kCondIng[] = {"0", "1", "2", "3", "4", "5", "6", "7"};
static_assert(std::size(kCondIng) == tciOutraCondicao + 1);
std::string CondIngToStr(tpCondIng value) { return dfe::EnumToStr(value, kCondIng); }
tpCondIng StrToCondIng(bool& ok, std::string_view s) { return dfe::StrToEnum<tpCondIng>(ok, s, kCondIng); }

static_assert(std::size(Codigos0a3) == ireAposentadoriaServidor + 1);
std::string IndRemunToStr(tpIndRemun value) { return dfe::EnumToStr(value, Codigos0a3); }
tpIndRemun StrToIndRemun(bool& ok, std::string_view s) { return dfe::StrToEnum<tpIndRemun>(ok, s, Codigos0a3); }

static_assert(std::size(Codigos1a3) == Ninter + 1);
std::string TpCCPToStr(tpTpCCP value) { return dfe::EnumToStr(value, Codigos1a3); }
tpTpCCP StrToTpCCP(bool& ok, std::string_view s) { return dfe::StrToEnum<tpTpCCP>(ok, s, Codigos1a3); }

static_assert(std::size(Codigos1a5) == PTr100 + 1);
tpPercTransf StrToPercTransf(bool& ok, std::string_view s) { return dfe::StrToEnum<tpPercTransf>(ok, s, Codigos1a5); }

constexpr std::string_view kTpContrS2500[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};
static_assert(std::size(kTpContrS2500) == TrabalhadorCujosContratosForamUnificados + 1);
std::string TpContrS2500ToStr(tpTpContrS2500 value) { return dfe::EnumToStr(value, kTpContrS2500); }
tpTpContrS2500 StrToTpContrS2500(bool& ok, std::string_view s) {
  return dfe::StrToEnum<tpTpContrS2500>(ok, s, kTpContrS2500);
}

static_assert(std::size(Codigos1a2) == repDecisaoSemPagamentoDeVerbasDeNaturezaRemuneratoria + 1);
std::string RepercProcToStr(tpRepercProc value) { return dfe::EnumToStr(value, Codigos1a2); }
tpRepercProc StrToRepercProc(bool& ok, std::string_view s) { return dfe::StrToEnum<tpRepercProc>(ok, s, Codigos1a2); }

static_assert(std::size(Codigos1a5) == repDecisaoComRepercussaoTributariaEOuFGTSDepositoJudicial + 1);
std::string IndRepercToStr(tpIndReperc value) { return dfe::EnumToStr(value, Codigos1a5); }
tpIndReperc StrToIndReperc(bool& ok, std::string_view s) { return dfe::StrToEnum<tpIndReperc>(ok, s, Codigos1a5); }

static_assert(std::size(Codigos1a2) == oprDemandaSubmetidaACCPOuAoNINTER + 1);
std::string OrigemProcToStr(tpOrigemProc value) { return dfe::EnumToStr(value, Codigos1a2); }
tpOrigemProc StrToOrigemProc(bool& ok, std::string_view s) { return dfe::StrToEnum<tpOrigemProc>(ok, s, Codigos1a2); }

constexpr std::string_view kRelDep[] = {"01", "02", "03", "04", "05", "06", "07", "99"};
static_assert(std::size(kRelDep) == relAgregadoOutros + 1);
std::string RelDepToStr(tpRelDep value) { return dfe::EnumToStr(value, kRelDep); }

constexpr std::string_view kTpPrev[] = {"1", "2", "3"};
static_assert(std::size(kTpPrev) == tprFunpresp + 1);
std::string TpPrevToStr(tpTpPrev value) { return dfe::EnumToStr(value, kTpPrev); }
tpTpPrev StrToTpPrev(bool& ok, std::string_view s) { return dfe::StrToEnum<tpTpPrev>(ok, s, kTpPrev); }

static_assert(std::size(Codigos1a2) == tiapContrIndireta + 1);
std::string IndAprendToStr(tpIndAprend value) { return dfe::EnumToStr(value, Codigos1a2); }
tpIndAprend StrToIndAprend(bool& ok, std::string_view s) { return dfe::StrToEnum<tpIndAprend>(ok, s, Codigos1a2); }

constexpr std::string_view kIndTpDeducao[] = {"1", "2", "3", "4", "5", "7"};
static_assert(std::size(kIndTpDeducao) == tpdDependentes + 1);
std::string IndTpDeducaoToStr(tpIndTpDeducao value) { return dfe::EnumToStr(value, kIndTpDeducao); }
tpIndTpDeducao StrToIndTpDeducao(bool& ok, std::string_view s) {
  return dfe::StrToEnum<tpIndTpDeducao>(ok, s, kIndTpDeducao);
}

constexpr std::string_view kIndTpDeducaoT[] = {"1", "5", "7"};
static_assert(std::size(kIndTpDeducaoT) == tpdtDependentes + 1);
std::string IndTpDeducaoTToStr(tpIndTpDeducaoT value) { return dfe::EnumToStr(value, kIndTpDeducaoT); }
tpIndTpDeducaoT StrToIndTpDeducaoT(bool& ok, std::string_view s) {
  return dfe::StrToEnum<tpIndTpDeducaoT>(ok, s, kIndTpDeducaoT);
}
}  // namespace esocial
