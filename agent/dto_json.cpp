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
    static constexpr const char* type = #E;                    \
    static constexpr std::string_view names[] = {__VA_ARGS__}; \
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
std::string_view enumName(E value) {
  auto i = static_cast<std::size_t>(value);
  const auto& names = EnumInfo<E>::names;
  if (i >= std::size(names)) throw std::runtime_error(std::string("value out of range for ") + EnumInfo<E>::type);
  return names[i];
}

template <class E>
E enumValue(const std::string& name) {
  const auto& names = EnumInfo<E>::names;
  for (std::size_t i = 0; i < std::size(names); ++i)
    if (names[i] == name) return static_cast<E>(i);
  throw std::runtime_error("JSON: \"" + name + "\" is no value of " + EnumInfo<E>::type);
}

// ---- the fields of each class, once, for writing and reading -------------------------

template <class D, class T>
concept Is = std::same_as<std::remove_const_t<D>, T>;

template <class D, class V>
requires Is<D, TEsocialLoteXmlDTO>
void fields(D& d, V& v) {
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
void fields(D& d, V& v) {
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
void fields(D& d, V& v) {
  v("Id", d.Id);
  v("DataHora", d.DataHora);
  v("TipoEnvio", d.TipoEnvio);
  v("CodigoResposta", d.CodigoResposta);
  v("Descricao", d.Descricao);
  v("Xml", d.Xml);
}

template <class D, class V>
requires Is<D, TEsocialEventoOcorrenciaDTO>
void fields(D& d, V& v) {
  v("Id", d.Id);
  v("Tipo", d.Tipo);
  v("Codigo", d.Codigo);
  v("Descricao", d.Descricao);
  v("Localizacao", d.Localizacao);
}

template <class T>
constexpr const char* className();
template <>
constexpr const char* className<TEsocialLoteXmlDTO>() {
  return "TEsocialLoteXmlDTO";
}
template <>
constexpr const char* className<TEventosPendentesXmlDTO>() {
  return "TEventosPendentesXmlDTO";
}
template <>
constexpr const char* className<TEsocialLoteOcorrenciaDTO>() {
  return "TEsocialLoteOcorrenciaDTO";
}
template <>
constexpr const char* className<TEsocialEventoOcorrenciaDTO>() {
  return "TEsocialEventoOcorrenciaDTO";
}

// ---- writing -----------------------------------------------------------------------------

struct FieldWriter {
  TDtoJsonWriter& dtos;
  platform::JsonWriter& out;

  void operator()(const char* n, const std::string& v) { out.Key(n).String(v); }
  void operator()(const char* n, std::int32_t v) { out.Key(n).Int(v); }
  void operator()(const char* n, std::uint8_t v) { out.Key(n).Int(v); }
  void operator()(const char* n, bool v) { out.Key(n).Bool(v); }
  void operator()(const char* n, TDateTime v) { out.Key(n).String(DateTimeToJsonText(v)); }
  template <class E>
  requires std::is_enum_v<E>
  void operator()(const char* n, E v) { out.Key(n).String(enumName(v)); }
  template <class T>
  void operator()(const char* n, const std::optional<T>& v) {
    if (v) {
      (*this)(n, *v);
    } else {
      out.Key(n).Null();
    }
  }
  template <class T>
  void operator()(const char* n, const std::vector<T*>& list) {
    out.Key(n);
    dtos.WriteList(list);
  }
};

// ---- reading -----------------------------------------------------------------------------

[[noreturn]] void wrongType(const char* name, const char* expected) {
  throw std::runtime_error(std::string("JSON: member \"") + name + "\" is not " + expected);
}

template <class Int>
Int readInt(const char* n, const json& j) {
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
  wrongType(n, "an integer");
}

struct FieldReader {
  TDtoJsonReader& dtos;
  const json& obj;
  std::size_t matched = 0;

  const json* find(const char* n) {
    auto it = obj.find(n);
    if (it == obj.end()) return nullptr;
    ++matched;
    return &*it;
  }

  void operator()(const char* n, std::string& v) {
    if (const json* j = find(n)) v = readString(n, *j);
  }
  void operator()(const char* n, std::int32_t& v) {
    if (const json* j = find(n)) v = readInt<std::int32_t>(n, *j);
  }
  void operator()(const char* n, std::uint8_t& v) {
    if (const json* j = find(n)) v = readInt<std::uint8_t>(n, *j);
  }
  void operator()(const char* n, bool& v) {
    if (const json* j = find(n)) {
      if (j->is_null())
        v = false;
      else if (j->is_boolean())
        v = j->get<bool>();
      else
        wrongType(n, "a boolean");
    }
  }
  void operator()(const char* n, TDateTime& v) {
    if (const json* j = find(n)) v = j->is_null() ? 0 : JsonTextToDateTime(readString(n, *j));
  }
  template <class E>
  requires std::is_enum_v<E>
  void operator()(const char* n, E& v) {
    if (const json* j = find(n)) v = j->is_null() ? E{} : enumValue<E>(readString(n, *j));
  }
  template <class T>
  void operator()(const char* n, std::optional<T>& v) {
    auto it = obj.find(n);
    if (it == obj.end()) return;
    if (it->is_null()) {
      ++matched;
      v.reset();
      return;
    }
    T value{};
    (*this)(n, value);
    v = value;
  }
  template <class T>
  void operator()(const char* n, std::vector<T*>& list) {
    const json* j = find(n);
    if (!j || j->is_null()) return;
    if (!j->is_array()) wrongType(n, "an array");
    list.clear();
    for (const auto& item : *j) list.push_back(dtos.Read<T>(item));
  }

  static std::string readString(const char* n, const json& j) {
    if (j.is_null()) return {};
    if (!j.is_string()) wrongType(n, "a string");
    return j.get<std::string>();
  }
};

int twoDigits(std::string_view s, std::size_t at) {
  if (at + 2 > s.size() || !isdigit(static_cast<unsigned char>(s[at])) ||
      !isdigit(static_cast<unsigned char>(s[at + 1])))
    return -1;
  return (s[at] - '0') * 10 + (s[at + 1] - '0');
}

// "hh:nn[:ss[.zzz]]" from position at to the end.
bool parseTime(std::string_view s, std::size_t at, platform::DateTimeParts& p) {
  p.hour = twoDigits(s, at);
  if (p.hour < 0 || at + 2 >= s.size() || s[at + 2] != ':') return false;
  p.minute = twoDigits(s, at + 3);
  if (p.minute < 0) return false;
  std::size_t i = at + 5;
  if (i == s.size()) return true;
  if (s[i] != ':') return false;
  p.second = twoDigits(s, i + 1);
  if (p.second < 0) return false;
  i += 3;
  if (i == s.size()) return true;
  if (s[i] != '.' || i + 1 == s.size() || s.size() - i - 1 > 3) return false;
  int ms = 0, digits = 0;
  for (++i; i < s.size(); ++i, ++digits) {
    if (!isdigit(static_cast<unsigned char>(s[i]))) return false;
    ms = ms * 10 + (s[i] - '0');
  }
  while (digits++ < 3) ms *= 10;
  p.millisecond = ms;
  return true;
}

}  // namespace

std::string DateTimeToJsonText(TDateTime value) {
  auto p = platform::DecodeDateTime(value);
  char date[16], time[24];
  std::snprintf(date, sizeof date, "%04d-%02d-%02d", p.year, p.month, p.day);
  if (p.millisecond != 0)
    std::snprintf(time, sizeof time, "%02d:%02d:%02d.%03d", p.hour, p.minute, p.second, p.millisecond);
  else if (p.second != 0)
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", p.hour, p.minute, p.second);
  else
    std::snprintf(time, sizeof time, "%02d:%02d", p.hour, p.minute);
  bool midnight = p.hour == 0 && p.minute == 0 && p.second == 0 && p.millisecond == 0;
  if (midnight) return date;
  if (p.year == 1899 && p.month == 12 && p.day == 30) return time;
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
    p.year = y;
    p.month = twoDigits(s, 5);
    p.day = twoDigits(s, 8);
    ok = ok && p.month >= 0 && p.day >= 0;
    if (ok && s.size() > 10) ok = s[10] == 'T' && parseTime(s, 11, p);
  } else {
    ok = parseTime(s, 0, p);
  }
  TDateTime out = 0;
  if (!ok || !platform::TryEncodeDateTime(p, out))
    throw std::runtime_error("JSON: \"" + text + "\" is not a date-time");
  return out;
}

bool TDtoJsonWriter::Begin(const TDtoObject* dto, const char* name) {
  if (!dto) {
    out_.Null();
    return false;
  }
  int id = static_cast<int>(ids_.size()) + 1;
  if (auto [seen, added] = ids_.emplace(dto, id); !added) {
    out_.BeginObject().Key("$ref").Int(seen->second).EndObject();
    return false;
  }
  out_.BeginObject().Key("$id").Int(id).Key("@xdata.type").String(std::string("Esocial.Entidades.DTO.") + name);
  return true;
}

namespace {
template <class T>
void writeObject(TDtoJsonWriter& self, platform::JsonWriter& out, const T& dto) {
  FieldWriter w{self, out};
  fields(dto, w);
  out.EndObject();
}
}  // namespace

void TDtoJsonWriter::Write(const TEsocialLoteXmlDTO* d) {
  if (Begin(d, className<TEsocialLoteXmlDTO>())) writeObject(*this, out_, *d);
}
void TDtoJsonWriter::Write(const TEventosPendentesXmlDTO* d) {
  if (Begin(d, className<TEventosPendentesXmlDTO>())) writeObject(*this, out_, *d);
}
void TDtoJsonWriter::Write(const TEsocialLoteOcorrenciaDTO* d) {
  if (Begin(d, className<TEsocialLoteOcorrenciaDTO>())) writeObject(*this, out_, *d);
}
void TDtoJsonWriter::Write(const TEsocialEventoOcorrenciaDTO* d) {
  if (Begin(d, className<TEsocialEventoOcorrenciaDTO>())) writeObject(*this, out_, *d);
}

template <class T>
T* TDtoJsonReader::Read(const json& value) {
  if (!value.is_object()) throw std::runtime_error(std::string("JSON: ") + className<T>() + " is not an object");
  if (auto ref = value.find("$ref"); ref != value.end()) {
    if (value.size() != 1 || !ref->is_number_integer())
      throw std::runtime_error("JSON: \"$ref\" must stand alone and be a number");
    if (auto seen = ids_.find(ref->get<long long>()); seen != ids_.end()) {
      if (auto* typed = dynamic_cast<T*>(seen->second)) return typed;
      throw std::runtime_error("JSON: \"$ref\" " + std::to_string(seen->first) + " is no " + className<T>());
    }
    throw std::runtime_error("JSON: \"$ref\" " + ref->dump() + " names no object read before");
  }
  T* dto = owner_.New<T>();
  std::size_t meta = 0;
  if (auto id = value.find("$id"); id != value.end()) {
    if (!id->is_number_integer()) throw std::runtime_error("JSON: \"$id\" is not a number");
    ids_.emplace(id->get<long long>(), dto);
    ++meta;
  }
  if (value.contains("@xdata.type")) ++meta;
  FieldReader r{*this, value};
  fields(*dto, r);
  if (r.matched + meta != value.size()) {
    for (const auto& member : value.items()) {
      const std::string& key = member.key();
      if (key == "$id" || key == "@xdata.type") continue;
      bool known = false;
      auto probe = [&](const char* n, auto&) { known = known || key == n; };
      fields(*dto, probe);
      if (!known) throw std::runtime_error("JSON: member \"" + key + "\" matches no field of " + className<T>());
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
