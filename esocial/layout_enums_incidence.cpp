// Incidence codes, suspension indicators and leave reasons: the longest code lists.
#include "esocial/layout_code_lists.h"
#include "esocial/layout_enums.h"

namespace esocial {

constexpr std::string_view kCodIncCP[] = {"00", "01", "11", "12", "13", "14", "15", "16", "21", "22",
                                          "23", "24", "25", "26", "31", "32", "34", "35", "51", "61",
                                          "91", "92", "93", "94", "95", "96", "97", "98"};
static_assert(std::size(kCodIncCP) == cicIncidExclusivaEmpregadorSalMaternidade13oSalario + 1);
std::string CodIncCPToStr(tpCodIncCP value) { return dfe::EnumToStr(value, kCodIncCP); }
tpCodIncCP StrToCodIncCP(bool& ok, std::string_view s) { return dfe::StrToEnum<tpCodIncCP>(ok, s, kCodIncCP); }

constexpr std::string_view kCodIncIRRF[] = {
    "00",   "01",   "09",   "11",   "12",   "13",   "14",   "15",   "31",   "32",   "33",   "34",   "35",   "41",
    "42",   "43",   "44",   "46",   "47",   "48",   "51",   "52",   "53",   "54",   "55",   "61",   "62",   "63",
    "64",   "65",   "66",   "67",   "68",   "70",   "71",   "72",   "73",   "74",   "75",   "76",   "77",   "78",
    "79",   "81",   "82",   "83",   "91",   "92",   "93",   "94",   "95",   "700",  "701",  "9011", "9012", "9013",
    "9014", "9031", "9032", "9033", "9034", "9831", "9832", "9833", "9834", "9041", "9042", "9043", "9046", "9047",
    "9048", "9051", "9052", "9053", "9054", "9061", "9062", "9063", "9064", "9065", "9066", "9067", "9082", "9083"};
static_assert(std::size(kCodIncIRRF) == ciiCompensacaoJudicialAnosAnteriores + 1);
std::string CodIncIRRFToStr(tpCodIncIRRF value) { return dfe::EnumToStr(value, kCodIncIRRF); }
tpCodIncIRRF StrToCodIncIRRF(bool& ok, std::string_view s) { return dfe::StrToEnum<tpCodIncIRRF>(ok, s, kCodIncIRRF); }

constexpr std::string_view kCodIncFGTS[] = {"00", "11", "12", "21", "31", "91", "92", "93"};
static_assert(std::size(kCodIncFGTS) == cdfIncidenciadecisaoJudicial + 1);
std::string CodIncFGTSToStr(tpCodIncFGTS value) { return dfe::EnumToStr(value, kCodIncFGTS); }
tpCodIncFGTS StrToCodIncFGTS(bool& ok, std::string_view s) { return dfe::StrToEnum<tpCodIncFGTS>(ok, s, kCodIncFGTS); }

constexpr std::string_view kCodIncCPRP[] = {"00", "11", "12", "31", "32", "91", "92", "99"};
static_assert(std::size(kCodIncCPRP) == cicpNenhum + 1);
std::string CodIncCPRPToStr(tpCodIncCPRP value) { return dfe::EnumToStr(value, kCodIncCPRP); }
tpCodIncCPRP StrToCodIncCPRP(bool& ok, std::string_view s) { return dfe::StrToEnum<tpCodIncCPRP>(ok, s, kCodIncCPRP); }

constexpr std::string_view kCodIncPISPASEP[] = {"00", "11", "12", "91", "92", "99"};
static_assert(std::size(kCodIncPISPASEP) == ciPISPASEPNenhum + 1);
std::string CodIncPISPASEPToStr(tpCodIncPISPASEP value) { return dfe::EnumToStr(value, kCodIncPISPASEP); }
tpCodIncPISPASEP StrToCodIncPISPASEP(bool& ok, std::string_view s) {
  return dfe::StrToEnum<tpCodIncPISPASEP>(ok, s, kCodIncPISPASEP);
}

constexpr std::string_view kIndSusp[] = {"01", "02", "03", "04", "05", "08", "09",
                                         "10", "11", "12", "13", "14", "90", "92"};
static_assert(std::size(kIndSusp) == siSemSuspensaoDaExigibilidade + 1);
std::string IndSuspToStr(tpIndSusp value) { return dfe::EnumToStr(value, kIndSusp); }
tpIndSusp StrToIndSusp(bool& ok, std::string_view s) { return dfe::StrToEnum<tpIndSusp>(ok, s, kIndSusp); }

constexpr std::string_view kMotivosAfastamento[] = {"01", "03", "05", "06", "07", "08", "10", "11", "12", "13",
                                                    "14", "15", "16", "17", "18", "19", "20", "21", "22", "23",
                                                    "24", "25", "26", "27", "28", "29", "30", "31", "33", "34",
                                                    "35", "36", "37", "38", "39", "40", "41", "42", ""};
static_assert(std::size(kMotivosAfastamento) == mtvNenhum + 1);
std::string MotivosAfastamentoToStr(tpMotivosAfastamento value) { return dfe::EnumToStr(value, kMotivosAfastamento); }
tpMotivosAfastamento StrToMotivosAfastamento(bool& ok, std::string_view s) {
  return dfe::StrToEnum<tpMotivosAfastamento>(ok, s, kMotivosAfastamento);
}
}  // namespace esocial
