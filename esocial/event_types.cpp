#include "esocial/event_types.h"

#include "dfe/enum_tables.h"
#include "esocial/layout_code_lists.h"

namespace esocial {

namespace {

// Indexed by TTipoEvento: the code text names saved event files and the event type fields.
constexpr std::string_view kTiposEvento[] = {"S-1000",
                                             "S-1005",
                                             "S-1010",
                                             "S-1020",
                                             "S-1030",
                                             "S-1035",
                                             "S-1040",
                                             "S-1050",
                                             "S-1060",
                                             "S-1070",
                                             "S-1080",
                                             "S-2100",
                                             "S-1200",
                                             "S-1202",
                                             "S-1207",
                                             "S-1210",
                                             "S-1220",
                                             "S-1250",
                                             "S-1260",
                                             "S-1270",
                                             "S-1280",
                                             "S-1295",
                                             "S-1298",
                                             "S-1299",
                                             "S-1300",
                                             "S-2190",
                                             "S-2200",
                                             "S-2205",
                                             "S-2206",
                                             "S-2210",
                                             "S-2220",
                                             "S-2230",
                                             "S-2240",
                                             "S-2245",
                                             "S-2250",
                                             "S-2260",
                                             "S-2298",
                                             "S-2299",
                                             "S-2300",
                                             "S-2305",
                                             "S-2306",
                                             "S-2399",
                                             "S-2400",
                                             "S-3000",
                                             "S-4000",
                                             "S-4999",
                                             "S-2231",
                                             "S-5002",
                                             "S-5003",
                                             "S-5011",
                                             "S-5012",
                                             "S-5013",
                                             "S-2221",
                                             "S-2405",
                                             "S-2410",
                                             "S-5001",
                                             "S-2416",
                                             "S-2418",
                                             "S-2420",
                                             "S-2500",
                                             "S-2501",
                                             "S-2555",
                                             "S-3500",
                                             "S-5501",
                                             "S-5503",
                                             "S-8299",
                                             "S-CONSULTAIDENTEVENTOS",
                                             "S-CONSULTALOTEEVENTOS",
                                             "S-DOWNLOADEVENTOS",
                                             "S-ENVIOLOTEEVENTOS",
                                             "S-ERRO",
                                             "S-RETORNOENVIOLOTEEVENTOS",
                                             "S-RETORNOEVENTO",
                                             "S-RETORNOPROCESSAMENTOLOTE",
                                             "S-EVTINSAPO",
                                             "S-EVTADESAO",
                                             "S-EVTCADINICIAL",
                                             "S-EVTASO",
                                             ""};
static_assert(std::size(kTiposEvento) == teNaoIdentificado + 1);

constexpr std::string_view kVersoes[] = {"v02_04_01",    "v02_04_02",    "v02_05_00",   "v_S_01_00_00",
                                         "v_S_01_01_00", "v_S_01_02_00", "v_S_01_03_00"};
static_assert(std::size(kVersoes) == veS01_03_00 + 1);
constexpr double kNumerosVersao[] = {2.0401, 2.0402, 2.05, 10.0, 10.1, 10.2, 10.3};
static_assert(std::size(kNumerosVersao) == veS01_03_00 + 1);

constexpr std::string_view kLayOuts[] = {"EnviarLoteEventos", "ConsultarLoteEventos", "ConsultarIdentificadoresEventos",
                                         "DownloadEventos"};
static_assert(std::size(kLayOuts) == LayDownloadEventos + 1);
constexpr TeSocialSchema kSchemasLayOut[] = {schEnvioLoteEventos, schConsultaLoteEventos, schConsultaIdentEventos,
                                             schDownloadEventos};
static_assert(std::size(kSchemasLayOut) == LayDownloadEventos + 1);

}  // namespace

std::string TipoEventoToStr(TTipoEvento tipo) { return dfe::EnumToStr(tipo, kTiposEvento); }
TTipoEvento StrToTipoEvento(bool& ok, std::string_view s) { return dfe::StrToEnum<TTipoEvento>(ok, s, kTiposEvento); }

std::string VersaoeSocialToStr(TVersaoeSocial versao) { return dfe::EnumToStr(versao, kVersoes); }
TVersaoeSocial StrToVersaoeSocial(std::string_view s) {
  return static_cast<TVersaoeSocial>(StrToEnumExato(s, kVersoes, "TVersaoeSocial"));
}
double VersaoeSocialToFloat(TVersaoeSocial versao) {
  auto i = static_cast<std::size_t>(versao);
  return i < std::size(kNumerosVersao) ? kNumerosVersao[i] : 0.0;
}

std::string LayOutToStr(TLayOut layOut) { return dfe::EnumToStr(layOut, kLayOuts, Ordinais<std::size(kLayOuts)>); }
TLayOut StrToLayOut(bool& ok, std::string_view s) {
  return dfe::StrToEnum<TLayOut>(ok, s, kLayOuts, Ordinais<std::size(kLayOuts)>);
}
TeSocialSchema LayOutToeSocialSchema(TLayOut layOut) {
  auto i = static_cast<std::size_t>(layOut);
  return i < std::size(kSchemasLayOut) ? kSchemasLayOut[i] : schErro;
}

}  // namespace esocial
