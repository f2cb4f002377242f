#include <string>
#include <vector>

#include "dfe/enum_tables.h"
#include "esocial/event_types.h"
#include "platform/strings.h"
#include "platform/xml_text.h"

namespace esocial {

namespace {

// Searched from the first row: where two rows could answer, the earlier one wins.
// clang-format off
constexpr TRecMatrixEventoInfo kMatrix[] = {
    {teS2555, "S-2555", veS01_03_00, veS01_03_00, "", "evtConsolidContProc", schEvtConsolidContProc, "evtConsolidContProc", "", true},
    {teS2221, "S-2221", veS01_02_00, veS01_03_00, "", "evtToxic", schEvtToxic, "evtToxic", "", true},
    {teS2500, "S-2500", veS01_01_00, veS01_03_00, "", "evtProcTrab", schevtProcTrab, "evtProcTrab", "", true},
    {teS2501, "S-2501", veS01_01_00, veS01_03_00, "", "evtContProc", schevtContProc, "evtContProc", "", true},
    {teS3500, "S-3500", veS01_01_00, veS01_03_00, "", "evtExcProcTrab", schevtExcProcTrab, "evtExcProcTrab", "", true},
    {teS1000, "S-1000", veS01_00_00, veS01_03_00, "", "evtInfoEmpregador", schevtInfoEmpregador, "evtInfoEmpregador", "", true},
    {teS1005, "S-1005", veS01_00_00, veS01_03_00, "", "evtTabEstab", schevtTabEstab, "evtTabEstab", "", true},
    {teS1010, "S-1010", veS01_00_00, veS01_03_00, "", "evtTabRubrica", schevtTabRubrica, "evtTabRubrica", "", true},
    {teS1020, "S-1020", veS01_00_00, veS01_03_00, "", "evtTabLotacao", schevtTabLotacao, "evtTabLotacao", "", true},
    {teS1070, "S-1070", veS01_00_00, veS01_03_00, "", "evtTabProcesso", schevtTabProcesso, "evtTabProcesso", "", true},
    {teS1200, "S-1200", veS01_00_00, veS01_03_00, "", "evtRemun", schevtRemun, "evtRemun", "", true},
    {teS1202, "S-1202", veS01_00_00, veS01_03_00, "", "evtRmnRPPS", schevtRmnRPPS, "evtRmnRPPS", "", true},
    {teS1207, "S-1207", veS01_00_00, veS01_03_00, "", "evtBenPrRP", schevtBenPrRP, "evtBenPrRP", "Até a v2.5 a tag era evtCdBenPrRP", true},
    {teS1210, "S-1210", veS01_00_00, veS01_03_00, "", "evtPgtos", schevtPgtos, "evtPgtos", "", true},
    {teS1260, "S-1260", veS01_00_00, veS01_03_00, "", "evtComProd", schevtComProd, "evtComProd", "", true},
    {teS1270, "S-1270", veS01_00_00, veS01_03_00, "", "evtContratAvNP", schevtContratAvNP, "evtContratAvNP", "", true},
    {teS1280, "S-1280", veS01_00_00, veS01_03_00, "", "evtInfoComplPer", schevtInfoComplPer, "evtInfoComplPer", "", true},
    {teS1298, "S-1298", veS01_00_00, veS01_03_00, "", "evtReabreEvPer", schevtReabreEvper, "evtReabreEvPer", "", true},
    {teS1299, "S-1299", veS01_00_00, veS01_03_00, "", "evtFechaEvPer", schevtFechaEvPer, "evtFechaEvPer", "", true},
    {teS2190, "S-2190", veS01_00_00, veS01_03_00, "", "evtAdmPrelim", schevtAdmPrelim, "evtAdmPrelim", "", true},
    {teS2200, "S-2200", veS01_00_00, veS01_03_00, "", "evtAdmissao", schevtAdmissao, "evtAdmissao", "", true},
    {teS2205, "S-2205", veS01_00_00, veS01_03_00, "", "evtAltCadastral", schevtAltCadastral, "evtAltCadastral", "", true},
    {teS2206, "S-2206", veS01_00_00, veS01_03_00, "", "evtAltContratual", schevtAltContratual, "evtAltContratual", "", true},
    {teS2210, "S-2210", veS01_00_00, veS01_03_00, "", "evtCAT", schevtCAT, "evtCAT", "", true},
    {teS2220, "S-2220", veS01_00_00, veS01_03_00, "", "evtMonit", schevtMonit, "evtMonit", "", true},
    {teS2230, "S-2230", veS01_00_00, veS01_03_00, "", "evtAfastTemp", schevtAfastTemp, "evtAfastTemp", "", true},
    {teS2231, "S-2231", veS01_00_00, veS01_03_00, "", "evtCessao", schevtCessao, "evtCessao", "", true},
    {teS2240, "S-2240", veS01_00_00, veS01_03_00, "", "evtExpRisco", schevtExpRisco, "evtExpRisco", "", true},
    {teS2298, "S-2298", veS01_00_00, veS01_03_00, "", "evtReintegr", schevtReintegr, "evtReintegr", "", true},
    {teS2299, "S-2299", veS01_00_00, veS01_03_00, "", "evtDeslig", schevtDeslig, "evtDeslig", "", true},
    {teS2300, "S-2300", veS01_00_00, veS01_03_00, "", "evtTSVInicio", schevtTSVInicio, "evtTSVInicio", "", true},
    {teS2306, "S-2306", veS01_00_00, veS01_03_00, "", "evtTSVAltContr", schevtTSVAltContr, "evtTSVAltContr", "", true},
    {teS2399, "S-2399", veS01_00_00, veS01_03_00, "", "evtTSVTermino", schevtTSVTermino, "evtTSVTermino", "", true},
    {teS2400, "S-2400", veS01_00_00, veS01_03_00, "", "evtCdBenefIn", schevtCdBenefIn, "evtCdBenefIn", "", true},
    {teS2405, "S-2405", veS01_00_00, veS01_03_00, "", "evtCdBenefAlt", schevtCdBenefAlt, "evtCdBenefAlt", "", true},
    {teS2410, "S-2410", veS01_00_00, veS01_03_00, "", "evtCdBenIn", schevtCdBenIn, "evtCdBenIn", "", true},
    {teS2416, "S-2416", veS01_00_00, veS01_03_00, "", "evtCdBenAlt", schevtCdBenAlt, "evtCdBenAlt", "", true},
    {teS2418, "S-2418", veS01_00_00, veS01_03_00, "", "evtReativBen", schevtReativBen, "evtReativBen", "", true},
    {teS2420, "S-2420", veS01_00_00, veS01_03_00, "", "evtCdBenTerm", schevtCdBenTerm, "evtCdBenTerm", "", true},
    {teS3000, "S-3000", veS01_00_00, veS01_03_00, "", "evtExclusao", schevtExclusao, "evtExclusao", "", true},
    {teS8299, "S-8299", veS01_00_00, veS01_03_00, "", "evtBaixa", schNaoIdentificado, "evtBaixa", "", false},
    {teS1220, "S-1220", veS01_00_00, veS01_03_00, "", "S-1220", schNaoIdentificado, "S-1220", "Evento não identificado", false},
    {teS2100, "S-2100", veS01_00_00, veS01_03_00, "", "S-2100", schNaoIdentificado, "S-2100", "Evento não identificado", false},
    {teS2305, "S-2305", veS01_00_00, veS01_03_00, "", "S-2305", schNaoIdentificado, "S-2305", "Evento não identificado", false},
    {teS4000, "S-4000", veS01_00_00, veS01_03_00, "", "NI", schNaoIdentificado, "S-4000", "Evento não identificado", false},
    {teS4999, "S-4999", veS01_00_00, veS01_03_00, "", "NI", schNaoIdentificado, "S-4999", "Evento não identificado", false},
    {teS5001, "S-5001", veS01_00_00, veS01_03_00, "", "evtBasesTrab", schevtBasesTrab, "S-5001", "TeventoString <> StrEventoToTipoEvento", false},
    {teS5002, "S-5002", veS01_00_00, veS01_03_00, "", "evtIrrfBenef", schevtIrrfBenef, "S-5002", "TeventoString <> StrEventoToTipoEvento", false},
    {teS5003, "S-5003", veS01_00_00, veS01_03_00, "", "evtBasesFGTS", schNaoIdentificado, "S-5003", "TeventoString <> StrEventoToTipoEvento", false},
    {teS5011, "S-5011", veS01_00_00, veS01_03_00, "", "evtCS", schevtCS, "S-5011", "TeventoString <> StrEventoToTipoEvento", false},
    {teS5013, "S-5013", veS01_00_00, veS01_03_00, "", "evtFGTS", schNaoIdentificado, "S-5013", "TeventoString <> StrEventoToTipoEvento", false},
    {teASO, "S-EVTASO", veS01_00_00, veS01_03_00, "", "evtASO", schNaoIdentificado, "evtASO", "Evento não identificado", false},
    {teAdesao, "S-EVTADESAO", veS01_00_00, veS01_03_00, "", "evtAdesao", schevtAdesao, "evtAdesao", "Evento não identificado", false},
    {teCadInicial, "S-EVTCADINICIAL", veS01_00_00, veS01_03_00, "", "evtCadInicial", schevtCadInicial, "evtCadInicial", "Evento não identificado", false},
    {teConsultaIdentEventos, "S-CONSULTAIDENTEVENTOS", veS01_00_00, veS01_03_00, "", "evtConsultaIdentEventos", schConsultaIdentEventos, "evtConsultaIdentEventos", "Evento operacional", false},
    {teConsultaLoteEventos, "S-CONSULTALOTEEVENTOS", veS01_00_00, veS01_03_00, "", "evtConsultaLoteEventos", schConsultaLoteEventos, "evtConsultaLoteEventos", "Evento operacional", false},
    {teDownloadEventos, "S-DOWNLOADEVENTOS", veS01_00_00, veS01_03_00, "", "evtDownloadEventos", schDownloadEventos, "evtDownloadEventos", "Evento operacional", false},
    {teEnvioLoteEventos, "S-ENVIOLOTEEVENTOS", veS01_00_00, veS01_03_00, "", "evtEnvioLoteEventos", schEnvioLoteEventos, "evtEnvioLoteEventos", "Evento operacional", false},
    {teErro, "S-ERRO", veS01_00_00, veS01_03_00, "", "evtErro", schErro, "evtErro", "Evento operacional", false},
    {teInsApo, "S-EVTINSAPO", veS01_00_00, veS01_03_00, "", "evtInsApo", schevtInsApo, "evtInsApo", "Evento não identificado", false},
    {teRetornoEnvioLoteEventos, "S-RETORNOENVIOLOTEEVENTOS", veS01_00_00, veS01_03_00, "", "evtRetornoEnvioLoteEventos", schRetornoEnvioLoteEventos, "evtRetornoEnvioLoteEventos", "Evento operacional", false},
    {teRetornoEvento, "S-RETORNOEVENTO", veS01_00_00, veS01_03_00, "", "evtRetornoEvento", schRetornoEvento, "evtRetornoEvento", "Evento operacional", false},
    {teRetornoProcessamentoLote, "S-RETORNOPROCESSAMENTOLOTE", veS01_00_00, veS01_03_00, "", "evtRetornoProcessamentoLote", schRetornoProcessamentoLote, "evtRetornoProcessamentoLote", "Evento operacional", false},
    {teS1030, "S-1030", ve02_05_00, ve02_05_00, "", "evtTabCargo", schevtTabCargo, "evtTabCargo", "", true},
    {teS1035, "S-1035", ve02_05_00, ve02_05_00, "", "evtTabCarreira", schevtTabCarreira, "evtTabCarreira", "", true},
    {teS1040, "S-1040", ve02_05_00, ve02_05_00, "", "evtTabFuncao", schevtTabFuncao, "evtTabFuncao", "", true},
    {teS1050, "S-1050", ve02_05_00, ve02_05_00, "", "evtTabHorTur", schevtTabHorTur, "evtTabHorContratual", "TeventoString <> StrEventoToTipoEvento", true},
    {teS1060, "S-1060", ve02_05_00, ve02_05_00, "", "evtTabAmbiente", schevtTabAmbiente, "evtTabAmbiente", "", true},
    {teS1080, "S-1080", ve02_05_00, ve02_05_00, "", "evtTabOperPort", schevtTabOperPort, "evtTabOperPortuario", "TeventoString <> StrEventoToTipoEvento", true},
    {teS1207, "S-1207", ve02_05_00, ve02_05_00, "", "evtCdBenPrRP", schevtCdBenPrRP, "evtCdBenPrRP", "", true},
    {teS1250, "S-1250", ve02_05_00, ve02_05_00, "", "evtAqProd", schevtAqProd, "evtAqProd", "", true},
    {teS1295, "S-1295", ve02_05_00, ve02_05_00, "", "evtTotConting", schevtTotConting, "evtTotConting", "", true},
    {teS1300, "S-1300", ve02_05_00, ve02_05_00, "", "evtContrSindPatr", schevtContrSindPatr, "evtContrSindPatr", "", true},
    {teS2245, "S-2245", ve02_05_00, ve02_05_00, "", "evtTreiCap", schEvtTreiCap, "evtTreiCap", "", true},
    {teS2250, "S-2250", ve02_05_00, ve02_05_00, "", "evtAvPrevio", schevtAvPrevio, "evtAvPrevio", "", true},
    {teS2260, "S-2260", ve02_05_00, ve02_05_00, "", "evtConvInterm", schevtConvInterm, "evtConvInterm", "", true},
    {teS5012, "S-5012", ve02_05_00, ve02_05_00, "", "evtIRRF", schevtIrrf, "S-5012", "TeventoString <> StrEventoToTipoEvento", false},
};
// clang-format on
static_assert(std::size(kMatrix) == 77);

constexpr TRecMatrixEventoInfo kLinhaPadrao{teErro, "", veS01_00_00, veS01_00_00, "", "", schErro, "", "", false};

// Value names, for the key kinds that name an enumeration value and for the schema stems.
constexpr std::string_view kNomesTipoEvento[] = {"teS1000",
                                                 "teS1005",
                                                 "teS1010",
                                                 "teS1020",
                                                 "teS1030",
                                                 "teS1035",
                                                 "teS1040",
                                                 "teS1050",
                                                 "teS1060",
                                                 "teS1070",
                                                 "teS1080",
                                                 "teS2100",
                                                 "teS1200",
                                                 "teS1202",
                                                 "teS1207",
                                                 "teS1210",
                                                 "teS1220",
                                                 "teS1250",
                                                 "teS1260",
                                                 "teS1270",
                                                 "teS1280",
                                                 "teS1295",
                                                 "teS1298",
                                                 "teS1299",
                                                 "teS1300",
                                                 "teS2190",
                                                 "teS2200",
                                                 "teS2205",
                                                 "teS2206",
                                                 "teS2210",
                                                 "teS2220",
                                                 "teS2230",
                                                 "teS2240",
                                                 "teS2245",
                                                 "teS2250",
                                                 "teS2260",
                                                 "teS2298",
                                                 "teS2299",
                                                 "teS2300",
                                                 "teS2305",
                                                 "teS2306",
                                                 "teS2399",
                                                 "teS2400",
                                                 "teS3000",
                                                 "teS4000",
                                                 "teS4999",
                                                 "teS2231",
                                                 "teS5002",
                                                 "teS5003",
                                                 "teS5011",
                                                 "teS5012",
                                                 "teS5013",
                                                 "teS2221",
                                                 "teS2405",
                                                 "teS2410",
                                                 "teS5001",
                                                 "teS2416",
                                                 "teS2418",
                                                 "teS2420",
                                                 "teS2500",
                                                 "teS2501",
                                                 "teS2555",
                                                 "teS3500",
                                                 "teS5501",
                                                 "teS5503",
                                                 "teS8299",
                                                 "teConsultaIdentEventos",
                                                 "teConsultaLoteEventos",
                                                 "teDownloadEventos",
                                                 "teEnvioLoteEventos",
                                                 "teErro",
                                                 "teRetornoEnvioLoteEventos",
                                                 "teRetornoEvento",
                                                 "teRetornoProcessamentoLote",
                                                 "teInsApo",
                                                 "teAdesao",
                                                 "teCadInicial",
                                                 "teASO",
                                                 "teNaoIdentificado"};
static_assert(std::size(kNomesTipoEvento) == teNaoIdentificado + 1);

constexpr std::string_view kNomesSchema[] = {"schErro",
                                             "schConsultaLoteEventos",
                                             "schEnvioLoteEventos",
                                             "schevtAdesao",
                                             "schevtAdmissao",
                                             "schevtAdmPrelim",
                                             "schevtAfastTemp",
                                             "schevtAltCadastral",
                                             "schevtAltContratual",
                                             "schevtAqProd",
                                             "schevtAvPrevio",
                                             "schevtBasesTrab",
                                             "schevtCdBenefIn",
                                             "schevtCadInicial",
                                             "schevtCAT",
                                             "schevtBenPrRP",
                                             "schevtComProd",
                                             "schevtContratAvNP",
                                             "schevtContrSindPatr",
                                             "schevtConvInterm",
                                             "schevtCS",
                                             "schevtDeslig",
                                             "schevtExclusao",
                                             "schevtExpRisco",
                                             "schevtFechaEvPer",
                                             "schevtInfoComplPer",
                                             "schevtInfoEmpregador",
                                             "schevtInsApo",
                                             "schevtIrrf",
                                             "schevtIrrfBenef",
                                             "schevtMonit",
                                             "schevtPgtos",
                                             "schevtReabreEvper",
                                             "schevtReintegr",
                                             "schevtRemun",
                                             "schevtRmnRPPS",
                                             "schevtTabAmbiente",
                                             "schevtTabCargo",
                                             "schevtTabCarreira",
                                             "schevtTabEstab",
                                             "schevtTabFuncao",
                                             "schevtTabHorTur",
                                             "schevtTabLotacao",
                                             "schevtTabOperPort",
                                             "schevtTabProcesso",
                                             "schevtTabRubrica",
                                             "schevtTotConting",
                                             "schevtTSVAltContr",
                                             "schevtTSVInicio",
                                             "schevtTSVTermino",
                                             "schRetornoEnvioLoteEventos",
                                             "schRetornoEvento",
                                             "schRetornoProcessamentoLote",
                                             "schConsultaIdentEventos",
                                             "schDownloadEventos",
                                             "schEvtToxic",
                                             "schEvtTreiCap",
                                             "schevtCdBenefAlt",
                                             "schevtCdBenIn",
                                             "schevtCessao",
                                             "schevtCdBenAlt",
                                             "schevtReativBen",
                                             "schevtCdBenTerm",
                                             "schNaoIdentificado",
                                             "schevtProcTrab",
                                             "schevtContProc",
                                             "schEvtConsolidContProc",
                                             "schevtInfoIR",
                                             "schevtExcProcTrab",
                                             "schevtCdBenPrRP"};
static_assert(std::size(kNomesSchema) == schevtCdBenPrRP + 1);

template <typename E>
bool NomeIgual(dfe::CodeList nomes, E valor, std::string_view nome) {
  auto i = static_cast<std::size_t>(valor);
  return i < nomes.size() && nomes[i] == nome;
}

}  // namespace

std::span<const TRecMatrixEventoInfo> MatrixEventos() { return kMatrix; }

TRecMatrixEventoInfo GetMatrixEventoInfo(int tipoChave, std::string_view chave, TVersaoeSocial versao) {
  for (const auto& linha : kMatrix) {
    bool chaveIgual = false;
    switch (tipoChave) {
      case chTipoEvento:
        chaveIgual = NomeIgual(kNomesTipoEvento, linha.TipoEvento, chave);
        break;
      case chTipoEventoString:
        chaveIgual = linha.TipoEventoString == chave;
        break;
      case chVersao:
        chaveIgual = linha.Versao == chave;
        break;
      case chEventoString:
        chaveIgual = linha.EventoString == chave;
        break;
      case chSchema:
        chaveIgual = NomeIgual(kNomesSchema, linha.Schema, chave);
        break;
      case chStrEventoToTipoEvento:
      case chStrEventoToTipoEvento2:
        chaveIgual = linha.StrEventoToTipoEvento == chave;
        break;
      default:
        return kLinhaPadrao;
    }
    if (chaveIgual && linha.VersaoeSocialDe <= versao && versao <= linha.VersaoeSocialAte) return linha;
  }
  return kLinhaPadrao;
}

std::string TipoEventoToEventoString(TTipoEvento tipo, TVersaoeSocial versao) {
  auto i = static_cast<std::size_t>(tipo);
  if (i >= std::size(kNomesTipoEvento)) return {};
  return std::string(GetMatrixEventoInfo(chTipoEvento, kNomesTipoEvento[i], versao).EventoString);
}

namespace {

// The type of the element the name stands for. Recognition never raises: a document whose
// name cannot be read is teNaoIdentificado with ok false.
template <typename ExtrairNome>
TTipoEvento TipoDoNome(bool& ok, TVersaoeSocial versao, ExtrairNome extrairNome) {
  ok = false;
  TTipoEvento result = teNaoIdentificado;
  try {
    std::string nome = extrairNome();
    if (nome.empty()) return result;
    ok = true;
    result = GetMatrixEventoInfo(chEventoString, nome, versao).TipoEvento;
  } catch (...) {
    ok = false;
  }
  return result;
}

}  // namespace

TTipoEvento XMLToTipoEvento(bool& ok, std::string_view xml, TVersaoeSocial versao) {
  return TipoDoNome(ok, versao, [xml]() -> std::string {
    // Id attributes inside the signature (Reference URI and the like) do not name the event.
    std::string_view texto = xml;
    auto assinatura = texto.rfind("<Signature ");
    if (assinatura != std::string_view::npos) texto = texto.substr(0, assinatura);
    // Only an attribute counts: "Id=" in a text field, a comment or a value names nothing.
    const std::vector<std::size_t> ids = platform::PosicoesEmTagsDeAbertura(texto, "Id=\"");
    if (ids.empty() || ids.back() == 0) return {};
    const std::size_t p = ids.back();
    auto q = texto.rfind('<', p - 1);
    if (q == std::string_view::npos) return {};
    return platform::Trim(texto.substr(q + 1, p - q - 1));
  });
}

TTipoEvento IniToTipoEvento(bool& ok, std::string_view ini, TVersaoeSocial versao) {
  return TipoDoNome(ok, versao, [ini]() -> std::string {
    auto fecha = ini.find(']');
    auto abre = ini.find('[');
    if (fecha == std::string_view::npos || abre == std::string_view::npos || fecha < abre) return {};
    return platform::Trim(ini.substr(abre + 1, fecha - abre - 1));
  });
}

TeSocialSchema TipoEventoToeSocialSchema(TTipoEvento tipo, TVersaoeSocial versao) {
  // S-1207 changed its element and schema with the S-1 layouts.
  if (tipo == teS1207) return versao >= veS01_00_00 ? schevtBenPrRP : schevtCdBenPrRP;
  // S-1220 has a schema although its rows are placeholders.
  if (tipo == teS1220) return schevtInfoIR;
  for (const auto& linha : kMatrix)
    if (linha.LinhaDeEvento && linha.TipoEvento == tipo) return linha.Schema;
  return schErro;
}

std::string eSocialSchemaToStr(TeSocialSchema schema) {
  auto i = static_cast<std::size_t>(schema);
  if (i >= std::size(kNomesSchema)) return {};
  return std::string(kNomesSchema[i].substr(3));
}

}  // namespace esocial
