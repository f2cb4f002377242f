// The by-value and exact conversion families, and the pension pair that has both kinds.
#include "esocial/layout_code_lists.h"
#include "esocial/layout_enums.h"

namespace esocial {

constexpr std::string_view kPensaoAlim[] = {"0", "1", "2", "3", ""};
static_assert(std::size(kPensaoAlim) == paNenhum + 1);
std::string PensaoAlimToStr(tpPensaoAlim value) { return dfe::EnumToStr(value, kPensaoAlim); }
tpPensaoAlim StrToPensaoAlim(bool& ok, std::string_view s) { return dfe::StrToEnum<tpPensaoAlim>(ok, s, Codigos0a3); }
tpPensaoAlim StrToPensaoAlimExato(std::string_view s) {
  return static_cast<tpPensaoAlim>(StrToEnumExato(s, kPensaoAlim, "tpPensaoAlim"));
}

constexpr std::string_view kMtvSuspensao[] = {"00", "01", "99"};
static_assert(std::size(kMtvSuspensao) == mtvOutrosMotivosDeSuspensao + 1);
std::string MtvSuspensaoToStr(tpMtvSuspensao value) { return dfe::EnumToStr(value, kMtvSuspensao); }
tpMtvSuspensao StrToMtvSuspensao(bool& ok, std::string_view s) {
  return dfe::StrToEnum<tpMtvSuspensao>(ok, s, kMtvSuspensao, Ordinais<std::size(kMtvSuspensao)>);
}

constexpr std::string_view kTmpParc[] = {"0", "1", "2", "3", ""};
static_assert(std::size(kTmpParc) == tpNenhum + 1);
std::string TmpParcToStr(tpTmpParc value) { return dfe::EnumToStr(value, kTmpParc, Ordinais<std::size(kTmpParc)>); }
tpTmpParc StrToTmpParc(bool& ok, std::string_view s) {
  return dfe::StrToEnum<tpTmpParc>(ok, s, kTmpParc, Ordinais<std::size(kTmpParc)>);
}

constexpr std::string_view kClassTrib[] = {"00", "01", "02", "03", "04", "06", "07", "08", "09", "10",
                                           "11", "13", "14", "21", "22", "60", "70", "80", "85", "99"};
static_assert(std::size(kClassTrib) == ct99 + 1);
std::string ClassTribToStr(tpClassTrib value) {
  return dfe::EnumToStr(value, kClassTrib, Ordinais<std::size(kClassTrib)>);
}
tpClassTrib StrToClassTrib(bool& ok, std::string_view s) {
  return dfe::StrToEnum<tpClassTrib>(ok, s, kClassTrib, Ordinais<std::size(kClassTrib)>);
}

constexpr std::string_view kIdeOC[] = {"0", "1", "2", "3", "4", "9"};
static_assert(std::size(kIdeOC) == idOutros + 1);
std::string IdeOCToStr(tpIdeOC value) { return dfe::EnumToStr(value, kIdeOC); }
tpIdeOC StrToIdeOC(std::string_view s) { return static_cast<tpIdeOC>(StrToEnumExato(s, kIdeOC, "tpIdeOC")); }

constexpr std::string_view kTpPenMorte[] = {"", "1", "2"};
static_assert(std::size(kTpPenMorte) == pmTemporaria + 1);
std::string TpPenMorteToStr(tpTpPenMorte value) { return dfe::EnumToStr(value, kTpPenMorte); }
tpTpPenMorte StrToTpPenMorte(std::string_view s) {
  return static_cast<tpTpPenMorte>(StrToEnumExato(s, kTpPenMorte, "tpTpPenMorte"));
}

constexpr std::string_view kMotCessBenef[] = {"", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11"};
static_assert(std::size(kMotCessBenef) == tmcbNaoRecadastramento + 1);
std::string MotCessBenefToStr(tpMotCessBenef value) { return dfe::EnumToStr(value, kMotCessBenef); }
tpMotCessBenef StrToMotCessBenef(std::string_view s) {
  return static_cast<tpMotCessBenef>(StrToEnumExato(s, kMotCessBenef, "tpMotCessBenef"));
}

constexpr std::string_view kTpDesc[] = {"", "1"};
static_assert(std::size(kTpDesc) == tpdeConsignado + 1);
std::string TpDescToStr(TtpDesc value) { return dfe::EnumToStr(value, kTpDesc); }
TtpDesc StrToTpDesc(std::string_view s) { return static_cast<TtpDesc>(StrToEnumExato(s, kTpDesc, "TtpDesc")); }

constexpr std::string_view kTpValorPisPasep[] = {"11", "91"};
static_assert(std::size(kTpValorPisPasep) == tpvIncidenciaSuspensaPISPASEP + 1);
TtpValorPisPasep StrToTpValorPisPasep(std::string_view s) {
  return static_cast<TtpValorPisPasep>(StrToEnumExato(s, kTpValorPisPasep, "TtpValorPisPasep"));
}
}  // namespace esocial
