#pragma once
// What an eSocial document is: event types, layout versions, schemas, services, and the event
// matrix that says under which versions each event exists, its element name and its schema.
#include <span>
#include <string>
#include <string_view>

namespace esocial {

// The ordinal order is fixed: it indexes the code texts.
enum TTipoEvento : int {
  teS1000,
  teS1005,
  teS1010,
  teS1020,
  teS1030,
  teS1035,
  teS1040,
  teS1050,
  teS1060,
  teS1070,
  teS1080,
  teS2100,
  teS1200,
  teS1202,
  teS1207,
  teS1210,
  teS1220,
  teS1250,
  teS1260,
  teS1270,
  teS1280,
  teS1295,
  teS1298,
  teS1299,
  teS1300,
  teS2190,
  teS2200,
  teS2205,
  teS2206,
  teS2210,
  teS2220,
  teS2230,
  teS2240,
  teS2245,
  teS2250,
  teS2260,
  teS2298,
  teS2299,
  teS2300,
  teS2305,
  teS2306,
  teS2399,
  teS2400,
  teS3000,
  teS4000,
  teS4999,
  teS2231,
  teS5002,
  teS5003,
  teS5011,
  teS5012,
  teS5013,
  teS2221,
  teS2405,
  teS2410,
  teS5001,
  teS2416,
  teS2418,
  teS2420,
  teS2500,
  teS2501,
  teS2555,
  teS3500,
  teS5501,
  teS5503,
  teS8299,
  teConsultaIdentEventos,
  teConsultaLoteEventos,
  teDownloadEventos,
  teEnvioLoteEventos,
  teErro,
  teRetornoEnvioLoteEventos,
  teRetornoEvento,
  teRetornoProcessamentoLote,
  teInsApo,
  teAdesao,
  teCadInicial,
  teASO,
  teNaoIdentificado
};

// Declared oldest first; layout-version conditions compare by ordinal.
enum TVersaoeSocial : int { ve02_04_01, ve02_04_02, ve02_05_00, veS01_00_00, veS01_01_00, veS01_02_00, veS01_03_00 };

// The letter case after "sch" is part of the schema file name.
enum TeSocialSchema : int {
  schErro,
  schConsultaLoteEventos,
  schEnvioLoteEventos,
  schevtAdesao,
  schevtAdmissao,
  schevtAdmPrelim,
  schevtAfastTemp,
  schevtAltCadastral,
  schevtAltContratual,
  schevtAqProd,
  schevtAvPrevio,
  schevtBasesTrab,
  schevtCdBenefIn,
  schevtCadInicial,
  schevtCAT,
  schevtBenPrRP,
  schevtComProd,
  schevtContratAvNP,
  schevtContrSindPatr,
  schevtConvInterm,
  schevtCS,
  schevtDeslig,
  schevtExclusao,
  schevtExpRisco,
  schevtFechaEvPer,
  schevtInfoComplPer,
  schevtInfoEmpregador,
  schevtInsApo,
  schevtIrrf,
  schevtIrrfBenef,
  schevtMonit,
  schevtPgtos,
  schevtReabreEvper,
  schevtReintegr,
  schevtRemun,
  schevtRmnRPPS,
  schevtTabAmbiente,
  schevtTabCargo,
  schevtTabCarreira,
  schevtTabEstab,
  schevtTabFuncao,
  schevtTabHorTur,
  schevtTabLotacao,
  schevtTabOperPort,
  schevtTabProcesso,
  schevtTabRubrica,
  schevtTotConting,
  schevtTSVAltContr,
  schevtTSVInicio,
  schevtTSVTermino,
  schRetornoEnvioLoteEventos,
  schRetornoEvento,
  schRetornoProcessamentoLote,
  schConsultaIdentEventos,
  schDownloadEventos,
  schEvtToxic,
  schEvtTreiCap,
  schevtCdBenefAlt,
  schevtCdBenIn,
  schevtCessao,
  schevtCdBenAlt,
  schevtReativBen,
  schevtCdBenTerm,
  schNaoIdentificado,
  schevtProcTrab,
  schevtContProc,
  schEvtConsolidContProc,
  schevtInfoIR,
  schevtExcProcTrab,
  schevtCdBenPrRP
};

// The eSocial services.
enum TLayOut : int { LayEnvioLoteEventos, LayConsultaLoteEventos, LayConsultaIdentEventos, LayDownloadEventos };

// One row of the event matrix. The texts refer to constant storage and stay valid for the
// life of the program.
struct TRecMatrixEventoInfo {
  TTipoEvento TipoEvento;
  std::string_view TipoEventoString;
  TVersaoeSocial VersaoeSocialDe;
  TVersaoeSocial VersaoeSocialAte;
  std::string_view Versao;
  std::string_view EventoString;  // the element that carries the Id attribute and is signed
  TeSocialSchema Schema;
  std::string_view StrEventoToTipoEvento;
  std::string_view Observacao;
  // An event's own row, where TipoEventoToeSocialSchema takes the type's schema from; the
  // placeholders, totalizers and messages are not.
  bool LinhaDeEvento;
};

// The matrix rows in search order.
std::span<const TRecMatrixEventoInfo> MatrixEventos();

// What the key of GetMatrixEventoInfo is compared with.
enum TTipoChaveMatrix : int {
  chTipoEvento,             // the TTipoEvento value name
  chTipoEventoString,       // TipoEventoString
  chVersao,                 // Versao
  chEventoString,           // EventoString
  chSchema,                 // the TeSocialSchema value name
  chStrEventoToTipoEvento,  // StrEventoToTipoEvento
  chStrEventoToTipoEvento2  // StrEventoToTipoEvento too
};

// First row whose key matches and whose version range holds `versao`; the default row
// (teErro, schErro, empty texts) when none does. A kind outside TTipoChaveMatrix matches
// nothing. Comparisons are exact.
TRecMatrixEventoInfo GetMatrixEventoInfo(int tipoChave, std::string_view chave, TVersaoeSocial versao);

// The element to sign; empty when the type has no row for the version.
std::string TipoEventoToEventoString(TTipoEvento tipo, TVersaoeSocial versao);
// The type named by the element that carries the last Id attribute before the signature:
// teNaoIdentificado with ok false when there is no such element, teErro when the matrix does
// not list it under the version.
TTipoEvento XMLToTipoEvento(bool& ok, std::string_view xml, TVersaoeSocial versao);
// The same from the first [section] of an INI text.
TTipoEvento IniToTipoEvento(bool& ok, std::string_view ini, TVersaoeSocial versao);

std::string TipoEventoToStr(TTipoEvento tipo);
TTipoEvento StrToTipoEvento(bool& ok, std::string_view s);

TeSocialSchema TipoEventoToeSocialSchema(TTipoEvento tipo, TVersaoeSocial versao);
// The schema file stem: the value name without "sch", letter case kept.
std::string eSocialSchemaToStr(TeSocialSchema schema);

std::string VersaoeSocialToStr(TVersaoeSocial versao);
// Exact comparison; an unknown text raises dfe::ETrivoException.
TVersaoeSocial StrToVersaoeSocial(std::string_view s);
double VersaoeSocialToFloat(TVersaoeSocial versao);

std::string LayOutToStr(TLayOut layOut);
TLayOut StrToLayOut(bool& ok, std::string_view s);
TeSocialSchema LayOutToeSocialSchema(TLayOut layOut);

}  // namespace esocial
