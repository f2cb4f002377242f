#include "agent/dto_json.h"

#include <array>
#include <cmath>
#include <concepts>
#include <limits>
#include <nlohmann/json.hpp>
#include <span>
#include <stdexcept>
#include <string_view>
#include <type_traits>

namespace agent {

namespace {

using nlohmann::json;

// ---- enumerations by name ------------------------------------------------------------

template <class E>
struct EnumInfo;

#define NEMBO_ENUM_NAMES(E, ...)                               \
  template <>                                                  \
  struct EnumInfo<E> {                                         \
    static constexpr const char* Type = #E;                    \
    static constexpr std::string_view Names[] = {__VA_ARGS__}; \
  };

NEMBO_ENUM_NAMES(TEnumEventoLoteStatus, "PENDENTE", "GERANDO", "COM_XML", "ENVIADO", "AGUARDANDO_PROCESSAMENTO",
                 "PROCESSADO", "INCONSISTENTE", "PROCESSADO_COM_ADVERTENCIA")
NEMBO_ENUM_NAMES(TEnumEventoStatus, "PENDENTE", "EM_PROCESSAMENTO", "ENVIADO", "PROCESSADO",
                 "PROCESSADO_COM_ADVERTENCIA", "INCONSISTENTE", "CONFLITO", "EXCLUIDO")
NEMBO_ENUM_NAMES(TEnumTipoEvento, "evtTabela", "evtNaoPeriodico", "evtPeriodico")
NEMBO_ENUM_NAMES(TEnumTipoOperacaoEvento, "INCLUSAO", "ALTERACAO", "EXCLUSAO")
NEMBO_ENUM_NAMES(TEnumEventoLoteTipo, "LoteTRANSMISSAO", "LoteCONSULTA")
NEMBO_ENUM_NAMES(TEnumChaveEvento, "evtAdmissao", "evtAfastTemp", "evtCessao", "evtTSVInicio", "evtInfoEmpregador",
                 "evtTabEstab", "evtTabLotacao", "evtTabProcesso", "evtTabRubrica", "evtAltContratual",
                 "evtAltCadastral", "evtTSVAltContr", "evtCdBenIn", "evtCdBenAlt", "evtCdBenefIn", "evtCdBenefAlt",
                 "evtRemun", "evtRmnRPPS", "evtBenPrRP", "evtPgtos", "evtExclusao", "evtFechaEvPer", "evtDeslig",
                 "evtReabreEvPer", "evtTSVTermino")
#undef NEMBO_ENUM_NAMES

template <class E>
std::string_view EnumName(E value) {
  auto i = static_cast<std::size_t>(value);
  const auto& names = EnumInfo<E>::Names;
  if (i >= std::size(names)) throw std::runtime_error(std::string("value out of range for ") + EnumInfo<E>::Type);
  return names[i];
}

template <class E>
E EnumValue(const std::string& name) {
  const auto& names = EnumInfo<E>::Names;
  for (std::size_t i = 0; i < std::size(names); ++i)
    if (names[i] == name) return static_cast<E>(i);
  throw std::runtime_error("JSON: \"" + name + "\" is no value of " + EnumInfo<E>::Type);
}

// ---- the fields of each class, once, for writing and reading -------------------------

template <class D, class T>
concept Is = std::same_as<std::remove_const_t<D>, T>;

template <class D, class V>
requires Is<D, TEsocialLoteXmlDTO>
void Fields(D& d, V& v) {
  v("Id", d.Id);
  v("EventosPendentesXmlDTO", d.EventosPendentesXmlDTO);
  v("NumeroProtocolo", d.NumeroProtocolo);
  v("Status", d.Status);
  v("CodigoResposta", d.CodigoResposta);
  v("Descricao", d.Descricao);
  v("TempoEstimadoConclusao", d.TempoEstimadoConclusao);
  v("Ocorrencias", d.Ocorrencias);
  v("Consulting", d.Consulting);
  v("Xml", d.Xml);
  v("XmlRetornoConsulta", d.XmlRetornoConsulta);
  v("EmpresaRhId", d.EmpresaRhId);
  v("EmpregadorCTIId", d.EmpregadorCTIId);
}

template <class D, class V>
requires Is<D, TEventosPendentesXmlDTO>
void Fields(D& d, V& v) {
  v("Id", d.Id);
  v("Chave", d.Chave);
  v("TipoEvento", d.TipoEvento);
  v("CodigoEvento", d.CodigoEvento);
  v("DataHora", d.DataHora);
  v("TipoOperacao", d.TipoOperacao);
  v("ValidadeInicio", d.ValidadeInicio);
  v("ValidadeFim", d.ValidadeFim);
  v("VersaoApp", d.VersaoApp);
  v("Status", d.Status);
  v("Xml", d.Xml);
  v("XmlRetornoConsulta", d.XmlRetornoConsulta);
  v("ResultadoProcessamento", d.ResultadoProcessamento);
  v("NumeroRecibo", d.NumeroRecibo);
  v("HashRecibo", d.HashRecibo);
  v("Ocorrencias", d.Ocorrencias);
  v("CreatedAt", d.CreatedAt);
  v("StatusLote", d.StatusLote);
}

template <class D, class V>
requires Is<D, TEsocialLoteOcorrenciaDTO>
void Fields(D& d, V& v) {
  v("Id", d.Id);
  v("DataHora", d.DataHora);
  v("TipoEnvio", d.TipoEnvio);
  v("CodigoResposta", d.CodigoResposta);
  v("Descricao", d.Descricao);
  v("Xml", d.Xml);
}

template <class D, class V>
requires Is<D, TEsocialEventoOcorrenciaDTO>
void Fields(D& d, V& v) {
  v("Id", d.Id);
  v("Tipo", d.Tipo);
  v("Codigo", d.Codigo);
  v("Descricao", d.Descricao);
  v("Localizacao", d.Localizacao);
}

template <class T>
constexpr const char* ClassName();
template <>
constexpr const char* ClassName<TEsocialLoteXmlDTO>() {
  return "TEsocialLoteXmlDTO";
}
template <>
constexpr const char* ClassName<TEventosPendentesXmlDTO>() {
  return "TEventosPendentesXmlDTO";
}
template <>
constexpr const char* ClassName<TEsocialLoteOcorrenciaDTO>() {
  return "TEsocialLoteOcorrenciaDTO";
}
template <>
constexpr const char* ClassName<TEsocialEventoOcorrenciaDTO>() {
  return "TEsocialEventoOcorrenciaDTO";
}

// ---- writing -----------------------------------------------------------------------------

struct FieldWriter {
  TDtoJsonWriter& Dtos;
  platform::JsonWriter& Out;

  void operator()(const char* n, const std::string& v) { Out.Key(n).String(v); }
  void operator()(const char* n, std::int32_t v) { Out.Key(n).Int(v); }
  void operator()(const char* n, std::uint8_t v) { Out.Key(n).Int(v); }
  void operator()(const char* n, bool v) { Out.Key(n).Bool(v); }
  void operator()(const char* n, TDateTime v) { Out.Key(n).String(DateTimeToJsonText(v)); }
  template <class E>
  requires std::is_enum_v<E>
  void operator()(const char* n, E v) { Out.Key(n).String(EnumName(v)); }
  template <class T>
  void operator()(const char* n, const std::optional<T>& v) {
    if (v) {
      (*this)(n, *v);
    } else {
      Out.Key(n).Null();
    }
  }
  template <class T>
  void operator()(const char* n, const std::vector<T*>& list) {
    Out.Key(n);
    Dtos.WriteList(list);
  }
};

// ---- reading -----------------------------------------------------------------------------

[[noreturn]] void WrongType(const char* name, const char* expected) {
  throw std::runtime_error(std::string("JSON: member \"") + name + "\" is not " + expected);
}

template <class Int>
Int ReadInt(const char* n, const json& j) {
  if (j.is_null()) return 0;
  if (j.is_number_integer()) {
    if (j.is_number_unsigned()) {
      auto u = j.get<std::uint64_t>();
      if (u <= static_cast<std::uint64_t>(std::numeric_limits<Int>::max())) return static_cast<Int>(u);
    } else {
      auto s = j.get<std::int64_t>();
      if (s >= std::numeric_limits<Int>::min() && s <= std::numeric_limits<Int>::max()) return static_cast<Int>(s);
    }
    throw std::runtime_error(std::string("JSON: member \"") + n + "\" is out of range");
  }
  WrongType(n, "an integer");
}

struct FieldReader {
  TDtoJsonReader& Dtos;
  const json& Obj;
  std::size_t Matched = 0;

  const json* Find(const char* n) {
    auto it = Obj.find(n);
    if (it == Obj.end()) return nullptr;
    ++Matched;
    return &*it;
  }

  void operator()(const char* n, std::string& v) {
    if (const json* j = Find(n)) v = ReadString(n, *j);
  }
  void operator()(const char* n, std::int32_t& v) {
    if (const json* j = Find(n)) v = ReadInt<std::int32_t>(n, *j);
  }
  void operator()(const char* n, std::uint8_t& v) {
    if (const json* j = Find(n)) v = ReadInt<std::uint8_t>(n, *j);
  }
  void operator()(const char* n, bool& v) {
    if (const json* j = Find(n)) {
      if (j->is_null())
        v = false;
      else if (j->is_boolean())
        v = j->get<bool>();
      else
        WrongType(n, "a boolean");
    }
  }
  void operator()(const char* n, TDateTime& v) {
    if (const json* j = Find(n)) v = j->is_null() ? 0 : JsonTextToDateTime(ReadString(n, *j));
  }
  template <class E>
  requires std::is_enum_v<E>
  void operator()(const char* n, E& v) {
    if (const json* j = Find(n)) v = j->is_null() ? E{} : EnumValue<E>(ReadString(n, *j));
  }
  template <class T>
  void operator()(const char* n, std::optional<T>& v) {
    auto it = Obj.find(n);
    if (it == Obj.end()) return;
    if (it->is_null()) {
      ++Matched;
      v.reset();
      return;
    }
    T value{};
    (*this)(n, value);
    v = value;
  }
  template <class T>
  void operator()(const char* n, std::vector<T*>& list) {
    const json* j = Find(n);
    if (!j || j->is_null()) return;
    if (!j->is_array()) WrongType(n, "an array");
    list.clear();
    for (const auto& item : *j) list.push_back(Dtos.Read<T>(item));
  }

  static std::string ReadString(const char* n, const json& j) {
    if (j.is_null()) return {};
    if (!j.is_string()) WrongType(n, "a string");
    return j.get<std::string>();
  }
};

int TwoDigits(std::string_view s, std::size_t at) {
  if (at + 2 > s.size() || !isdigit(static_cast<unsigned char>(s[at])) ||
      !isdigit(static_cast<unsigned char>(s[at + 1])))
    return -1;
  return (s[at] - '0') * 10 + (s[at + 1] - '0');
}

// "hh:nn[:ss[.zzz]]" from position at to the end.
bool ParseTime(std::string_view s, std::size_t at, platform::DateTimeParts& p) {
  p.Hour = TwoDigits(s, at);
  if (p.Hour < 0 || at + 2 >= s.size() || s[at + 2] != ':') return false;
  p.Minute = TwoDigits(s, at + 3);
  if (p.Minute < 0) return false;
  std::size_t i = at + 5;
  if (i == s.size()) return true;
  if (s[i] != ':') return false;
  p.Second = TwoDigits(s, i + 1);
  if (p.Second < 0) return false;
  i += 3;
  if (i == s.size()) return true;
  if (s[i] != '.' || i + 1 == s.size() || s.size() - i - 1 > 3) return false;
  int ms = 0, digits = 0;
  for (++i; i < s.size(); ++i, ++digits) {
    if (!isdigit(static_cast<unsigned char>(s[i]))) return false;
    ms = ms * 10 + (s[i] - '0');
  }
  while (digits++ < 3) ms *= 10;
  p.Millisecond = ms;
  return true;
}

}  // namespace

std::string DateTimeToJsonText(TDateTime value) {
  auto p = platform::DecodeDateTime(value);
  char date[16], time[24];
  std::snprintf(date, sizeof date, "%04d-%02d-%02d", p.Year, p.Month, p.Day);
  if (p.Millisecond != 0)
    std::snprintf(time, sizeof time, "%02d:%02d:%02d.%03d", p.Hour, p.Minute, p.Second, p.Millisecond);
  else if (p.Second != 0)
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", p.Hour, p.Minute, p.Second);
  else
    std::snprintf(time, sizeof time, "%02d:%02d", p.Hour, p.Minute);
  bool midnight = p.Hour == 0 && p.Minute == 0 && p.Second == 0 && p.Millisecond == 0;
  if (midnight) return date;
  if (p.Year == 1899 && p.Month == 12 && p.Day == 30) return time;
  return std::string(date) + "T" + time;
}

TDateTime JsonTextToDateTime(const std::string& text) {
  std::string_view s = text;
  platform::DateTimeParts p;
  bool ok;
  if (s.size() >= 10 && s[4] == '-' && s[7] == '-') {
    int y = 0;
    ok = true;
    for (int i = 0; i < 4; ++i) {
      if (!isdigit(static_cast<unsigned char>(s[i]))) ok = false;
      y = y * 10 + (s[i] - '0');
    }
    p.Year = y;
    p.Month = TwoDigits(s, 5);
    p.Day = TwoDigits(s, 8);
    ok = ok && p.Month >= 0 && p.Day >= 0;
    if (ok && s.size() > 10) ok = s[10] == 'T' && ParseTime(s, 11, p);
  } else {
    ok = ParseTime(s, 0, p);
  }
  TDateTime out = 0;
  if (!ok || !platform::TryEncodeDateTime(p, out))
    throw std::runtime_error("JSON: \"" + text + "\" is not a date-time");
  return out;
}

bool TDtoJsonWriter::Begin(const TDtoObject* dto, const char* name) {
  if (!dto) {
    FOut.Null();
    return false;
  }
  int id = static_cast<int>(FIds.size()) + 1;
  if (auto [seen, added] = FIds.emplace(dto, id); !added) {
    FOut.BeginObject().Key("$ref").Int(seen->second).EndObject();
    return false;
  }
  FOut.BeginObject().Key("$id").Int(id).Key("@xdata.type").String(std::string("Esocial.Entidades.DTO.") + name);
  return true;
}

namespace {
template <class T>
void WriteObject(TDtoJsonWriter& self, platform::JsonWriter& out, const T& dto) {
  FieldWriter w{self, out};
  Fields(dto, w);
  out.EndObject();
}
}  // namespace

void TDtoJsonWriter::Write(const TEsocialLoteXmlDTO* d) {
  if (Begin(d, ClassName<TEsocialLoteXmlDTO>())) WriteObject(*this, FOut, *d);
}
void TDtoJsonWriter::Write(const TEventosPendentesXmlDTO* d) {
  if (Begin(d, ClassName<TEventosPendentesXmlDTO>())) WriteObject(*this, FOut, *d);
}
void TDtoJsonWriter::Write(const TEsocialLoteOcorrenciaDTO* d) {
  if (Begin(d, ClassName<TEsocialLoteOcorrenciaDTO>())) WriteObject(*this, FOut, *d);
}
void TDtoJsonWriter::Write(const TEsocialEventoOcorrenciaDTO* d) {
  if (Begin(d, ClassName<TEsocialEventoOcorrenciaDTO>())) WriteObject(*this, FOut, *d);
}

template <class T>
T* TDtoJsonReader::Read(const json& value) {
  if (!value.is_object()) throw std::runtime_error(std::string("JSON: ") + ClassName<T>() + " is not an object");
  if (auto ref = value.find("$ref"); ref != value.end()) {
    if (value.size() != 1 || !ref->is_number_integer())
      throw std::runtime_error("JSON: \"$ref\" must stand alone and be a number");
    if (auto seen = FIds.find(ref->get<long long>()); seen != FIds.end()) {
      if (auto* typed = dynamic_cast<T*>(seen->second)) return typed;
      throw std::runtime_error("JSON: \"$ref\" " + std::to_string(seen->first) + " is no " + ClassName<T>());
    }
    throw std::runtime_error("JSON: \"$ref\" " + ref->dump() + " names no object read before");
  }
  T* dto = FOwner.New<T>();
  std::size_t meta = 0;
  if (auto id = value.find("$id"); id != value.end()) {
    if (!id->is_number_integer()) throw std::runtime_error("JSON: \"$id\" is not a number");
    FIds.emplace(id->get<long long>(), dto);
    ++meta;
  }
  if (value.contains("@xdata.type")) ++meta;
  FieldReader r{*this, value};
  Fields(*dto, r);
  if (r.Matched + meta != value.size()) {
    for (const auto& member : value.items()) {
      const std::string& key = member.key();
      if (key == "$id" || key == "@xdata.type") continue;
      bool known = false;
      auto probe = [&](const char* n, auto&) { known = known || key == n; };
      Fields(*dto, probe);
      if (!known) throw std::runtime_error("JSON: member \"" + key + "\" matches no field of " + ClassName<T>());
    }
  }
  return dto;
}

template TEsocialLoteXmlDTO* TDtoJsonReader::Read<TEsocialLoteXmlDTO>(const json&);
template TEventosPendentesXmlDTO* TDtoJsonReader::Read<TEventosPendentesXmlDTO>(const json&);
template TEsocialLoteOcorrenciaDTO* TDtoJsonReader::Read<TEsocialLoteOcorrenciaDTO>(const json&);
template TEsocialEventoOcorrenciaDTO* TDtoJsonReader::Read<TEsocialEventoOcorrenciaDTO>(const json&);

TEsocialLoteXmlDTO* TDtoJsonReader::ReadLote(const json& value) {
  if (value.is_null()) return nullptr;
  return Read<TEsocialLoteXmlDTO>(value);
}

std::vector<TEsocialLoteXmlDTO*> TDtoJsonReader::ReadLoteList(const json& value) {
  if (!value.is_array()) throw std::runtime_error("JSON: the list of batches is not an array");
  std::vector<TEsocialLoteXmlDTO*> list;
  for (const auto& item : value) list.push_back(Read<TEsocialLoteXmlDTO>(item));
  return list;
}

std::string LoteJson(const TEsocialLoteXmlDTO* dto) {
  platform::JsonWriter out;
  TDtoJsonWriter(out).Write(dto);
  return out.Text();
}

}  // namespace agent
