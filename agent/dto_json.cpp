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
#include <unordered_map>
#include <utility>

#include "agent/json_text.h"

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

// One scalar value as the parser hands it over; a string can be taken (moved) from it.
struct Scalar {
  enum Kind { Null, Boolean, Integer, Unsigned, Float, String } Kind = Null;
  bool B = false;
  std::int64_t I = 0;
  std::uint64_t U = 0;
  std::string* S = nullptr;
};

// What the objects read from one reply take in memory, counted as they are made: the object,
// a string's buffer beyond the short ones kept inline, a list slot, an entry of the "$id" map,
// each with what the allocator adds.
class MemoryBudget {
 public:
  explicit MemoryBudget(std::size_t textSize)
      : FTextSize(textSize), FLimit(kDtoMemoryPerReplyByte * textSize + kDtoMemoryAllowance) {}
  void Spend(std::size_t bytes) {
    FSpent += bytes;
    if (FSpent > FLimit)
      throw std::runtime_error("JSON: the objects of a reply of " + std::to_string(FTextSize) +
                               " bytes would take more than " + std::to_string(FLimit) + " bytes of memory");
  }
  void SpendString(const std::string& s) {
    if (s.capacity() > 15) Spend(s.capacity() + 1 + kAllocationOverhead);
  }
  static constexpr std::size_t kAllocationOverhead = 16;

 private:
  std::size_t FTextSize, FLimit, FSpent = 0;
};

template <class Int>
Int ScalarInt(const char* n, const Scalar& v) {
  if (v.Kind == Scalar::Null) return 0;
  if (v.Kind == Scalar::Unsigned) {
    if (v.U <= static_cast<std::uint64_t>(std::numeric_limits<Int>::max())) return static_cast<Int>(v.U);
  } else if (v.Kind == Scalar::Integer) {
    if (v.I >= std::numeric_limits<Int>::min() && v.I <= std::numeric_limits<Int>::max()) return static_cast<Int>(v.I);
  } else {
    WrongType(n, "an integer");
  }
  throw std::runtime_error(std::string("JSON: member \"") + n + "\" is out of range");
}

std::string& ScalarString(const char* n, Scalar& v) {
  if (v.Kind != Scalar::String) WrongType(n, "a string");
  return *v.S;
}

// A field takes a scalar value: null gives its empty value, a value of another kind is an
// error.
void Assign(MemoryBudget& m, std::string& f, const char* n, Scalar& v) {
  if (v.Kind == Scalar::Null) {
    f.clear();
    return;
  }
  f = std::move(ScalarString(n, v));
  m.SpendString(f);
}
void Assign(MemoryBudget&, std::int32_t& f, const char* n, Scalar& v) { f = ScalarInt<std::int32_t>(n, v); }
void Assign(MemoryBudget&, std::uint8_t& f, const char* n, Scalar& v) { f = ScalarInt<std::uint8_t>(n, v); }
void Assign(MemoryBudget&, bool& f, const char* n, Scalar& v) {
  if (v.Kind != Scalar::Null && v.Kind != Scalar::Boolean) WrongType(n, "a boolean");
  f = v.Kind == Scalar::Boolean && v.B;
}
void Assign(MemoryBudget&, TDateTime& f, const char* n, Scalar& v) {
  f = v.Kind == Scalar::Null ? 0 : JsonTextToDateTime(ScalarString(n, v));
}
template <class E>
requires std::is_enum_v<E>
void Assign(MemoryBudget&, E& f, const char* n, Scalar& v) {
  f = v.Kind == Scalar::Null ? E{} : EnumValue<E>(ScalarString(n, v));
}
template <class T>
void Assign(MemoryBudget& m, std::optional<T>& f, const char* n, Scalar& v) {
  if (v.Kind == Scalar::Null) {
    f.reset();
    return;
  }
  T value{};
  Assign(m, value, n, v);
  f = std::move(value);
}
// A list keeps what it holds when null comes.
template <class T>
void Assign(MemoryBudget&, std::vector<T*>&, const char* n, Scalar& v) {
  if (v.Kind != Scalar::Null) WrongType(n, "an array");
}

// The kind of value a field takes, for the error when an object or an array comes instead.
template <class F>
constexpr const char* Expected() {
  if constexpr (std::is_same_v<F, std::int32_t> || std::is_same_v<F, std::uint8_t>)
    return "an integer";
  else if constexpr (std::is_same_v<F, bool>)
    return "a boolean";
  else
    return "a string";
}
template <class T>
struct ExpectedOf {
  static constexpr const char* Text = Expected<T>();
};
template <class T>
struct ExpectedOf<std::optional<T>> {
  static constexpr const char* Text = Expected<T>();
};

struct FieldSink;

// Where a list's objects go, type-erased: a DTO's list or the list of batches.
struct Slot {
  void* Target = nullptr;
  void (*Put)(void* target, TDtoObject* dto) = nullptr;
};

template <class T>
Slot SlotOf(std::vector<T*>& list) {
  return {&list, [](void* t, TDtoObject* d) { static_cast<std::vector<T*>*>(t)->push_back(static_cast<T*>(d)); }};
}

// A DTO class as the reader needs it.
struct DtoClass {
  const char* Name;
  std::size_t Size;
  TDtoObject* (*Make)(TDtoOwner&);
  bool (*Is)(TDtoObject*);
  // The field of that name of the object, as a sink for its value; false when none has it.
  bool (*Field)(TDtoObject*, const std::string& key, FieldSink& sink);
};

template <class T>
const DtoClass& ClassOf();

// A field of a DTO waiting for its value.
struct FieldSink {
  const char* Name = nullptr;
  void* Field = nullptr;
  void (*SetScalar)(MemoryBudget&, void* field, const char* name, Scalar& v) = nullptr;
  // For a list field: empties the list and gives the slot and class of its objects.
  void (*OpenList)(void* field, Slot& slot, const DtoClass*& cls) = nullptr;
  const char* Expected = nullptr;
};

template <class F>
FieldSink SinkOf(const char* name, F& field) {
  FieldSink s;
  s.Name = name;
  s.Field = &field;
  s.SetScalar = [](MemoryBudget& m, void* f, const char* n, Scalar& v) { Assign(m, *static_cast<F*>(f), n, v); };
  s.Expected = ExpectedOf<F>::Text;
  return s;
}

template <class T>
FieldSink SinkOf(const char* name, std::vector<T*>& field) {
  FieldSink s;
  s.Name = name;
  s.Field = &field;
  s.SetScalar = [](MemoryBudget& m, void* f, const char* n, Scalar& v) {
    Assign(m, *static_cast<std::vector<T*>*>(f), n, v);
  };
  s.OpenList = [](void* f, Slot& slot, const DtoClass*& cls) {
    auto& list = *static_cast<std::vector<T*>*>(f);
    list.clear();
    slot = SlotOf(list);
    cls = &ClassOf<T>();
  };
  s.Expected = "an array";
  return s;
}

template <class T>
const DtoClass& ClassOf() {
  static const DtoClass cls{ClassName<T>(), sizeof(T), [](TDtoOwner& o) -> TDtoObject* { return o.New<T>(); },
                            [](TDtoObject* d) { return dynamic_cast<T*>(d) != nullptr; },
                            [](TDtoObject* d, const std::string& key, FieldSink& sink) {
                              bool found = false;
                              auto find = [&](const char* n, auto& field) {
                                if (!found && key == n) {
                                  sink = SinkOf(n, field);
                                  found = true;
                                }
                              };
                              Fields(*static_cast<T*>(d), find);
                              return found;
                            }};
  return cls;
}

// Reads DTOs from the parser's events as they come (nlohmann's SAX interface), with a frame per
// open object or array.
class DtoSaxReader {
 public:
  DtoSaxReader(TDtoOwner& owner, std::size_t textSize) : FOwner(owner), FMemory(textSize) {}

  // The text is one batch or null.
  void ExpectLote(TEsocialLoteXmlDTO** result) {
    FRoot.Kind = Expect::Object;
    FRoot.Class = &ClassOf<TEsocialLoteXmlDTO>();
    FRoot.Target = {result, [](void* t, TDtoObject* d) {
                      *static_cast<TEsocialLoteXmlDTO**>(t) = static_cast<TEsocialLoteXmlDTO*>(d);
                    }};
    FRoot.NullAllowed = true;
  }
  // The text is an object whose member "value" lists batches.
  void ExpectLoteList(std::vector<TEsocialLoteXmlDTO*>* result) {
    FRoot.Kind = Expect::ReplyObject;
    FBatches = result;
  }

  bool null() { return Value(Scalar{}); }
  bool boolean(bool b) {
    Scalar v;
    v.Kind = Scalar::Boolean;
    v.B = b;
    return Value(v);
  }
  bool number_integer(std::int64_t i) {
    Scalar v;
    v.Kind = Scalar::Integer;
    v.I = i;
    return Value(v);
  }
  bool number_unsigned(std::uint64_t u) {
    Scalar v;
    v.Kind = Scalar::Unsigned;
    v.U = u;
    return Value(v);
  }
  bool number_float(double, const std::string&) {
    Scalar v;
    v.Kind = Scalar::Float;
    return Value(v);
  }
  bool string(std::string& s) {
    Scalar v;
    v.Kind = Scalar::String;
    v.S = &s;
    return Value(v);
  }
  bool binary(json::binary_t&) { return Value(Scalar{}); }

  bool start_object(std::size_t) {
    Expect e = Take();
    switch (e.Kind) {
      case Expect::Field:
        WrongType(e.Sink.Name, e.Sink.Expected);
      case Expect::Object:
        FFrames.emplace_back(Frame::Object, e.Class, e.Target);
        return true;
      case Expect::Batches:
        NotBatchList();
      case Expect::ReplyObject:
        FFrames.emplace_back(Frame::Reply, nullptr, Slot{});
        return true;
      default:
        return Open(e);
    }
  }
  bool start_array(std::size_t) {
    Expect e = Take();
    switch (e.Kind) {
      case Expect::Field: {
        if (!e.Sink.OpenList) WrongType(e.Sink.Name, e.Sink.Expected);
        Frame f(Frame::Array, nullptr, Slot{});
        e.Sink.OpenList(e.Sink.Field, f.Target, f.Class);
        FFrames.push_back(f);
        return true;
      }
      case Expect::Object:
        NotAnObject(*e.Class);
      case Expect::Batches: {
        FBatches->clear();
        FFrames.emplace_back(Frame::Array, &ClassOf<TEsocialLoteXmlDTO>(), SlotOf(*FBatches));
        return true;
      }
      case Expect::ReplyObject:
        NoValueMember();
      default:
        return Open(e);
    }
  }
  bool key(std::string& k) {
    Frame& f = FFrames.back();
    if (f.Kind == Frame::Reply) {
      if (k == "value") {
        f.ValueSeen = true;
        f.Next.Kind = Expect::Batches;
      } else {
        f.Next.Kind = Expect::Skip;
      }
      return true;
    }
    if (f.Kind != Frame::Object) return true;
    const bool isRef = k == "$ref";
    if (f.IsRef != isRef && (f.IsRef || f.Members > 0)) RefNotAlone();
    ++f.Members;
    if (isRef) {
      f.IsRef = true;
      f.Next.Kind = Expect::Ref;
      return true;
    }
    Make(f);
    if (k == "$id") {
      f.Next.Kind = Expect::Id;
    } else if (k == "@xdata.type") {
      f.Next.Kind = Expect::Skip;
    } else if (f.Class->Field(f.Dto, k, f.Next.Sink)) {
      f.Next.Kind = Expect::Field;
    } else {
      throw std::runtime_error("JSON: member \"" + k + "\" matches no field of " + f.Class->Name);
    }
    return true;
  }
  bool end_object() {
    Frame f = std::move(FFrames.back());
    FFrames.pop_back();
    if (f.Kind == Frame::Reply && !f.ValueSeen) NoValueMember();
    if (f.Kind != Frame::Object) return true;
    if (!f.IsRef) {
      Make(f);
      return true;
    }
    auto seen = FIds.find(f.RefId);
    if (seen == FIds.end()) throw std::runtime_error("JSON: \"$ref\" " + f.RefText + " names no object read before");
    if (!f.Class->Is(seen->second))
      throw std::runtime_error("JSON: \"$ref\" " + std::to_string(seen->first) + " is no " + f.Class->Name);
    Put(f.Target, seen->second);
    return true;
  }
  bool end_array() {
    FFrames.pop_back();
    return true;
  }
  template <class Exception>
  bool parse_error(std::size_t, const std::string&, const Exception& ex) {
    throw ex;
  }

 private:
  // What the next value feeds.
  struct Expect {
    enum Kinds { None, Field, Object, Id, Ref, Skip, Batches, ReplyObject };
    Expect() = default;
    explicit Expect(Kinds k) : Kind(k) {}
    Kinds Kind = None;
    FieldSink Sink;                   // Field
    const DtoClass* Class = nullptr;  // Object
    Slot Target;                      // Object: where it goes
    bool NullAllowed = false;         // Object: null stands for no object (the batch by protocol)
  };
  struct Frame {
    enum Kinds { Object, Array, Skip, Reply };
    Frame(Kinds k, const DtoClass* c, Slot t) : Kind(k), Class(c), Target(t) {}
    Kinds Kind;
    const DtoClass* Class;  // Object: its class; Array: its objects' class
    Slot Target;            // Object: where it goes; Array: where its objects go
    Expect Next;            // Object, Reply: what the current member's value feeds
    TDtoObject* Dto = nullptr;
    int Members = 0;
    bool IsRef = false;
    long long RefId = 0;
    std::string RefText;
    bool ValueSeen = false;
  };

  [[noreturn]] static void NotAnObject(const DtoClass& c) {
    throw std::runtime_error(std::string("JSON: ") + c.Name + " is not an object");
  }
  [[noreturn]] static void RefNotAlone() {
    throw std::runtime_error("JSON: \"$ref\" must stand alone and be a number");
  }
  [[noreturn]] static void NotBatchList() { throw std::runtime_error("JSON: the list of batches is not an array"); }
  [[noreturn]] static void NoValueMember() { throw std::runtime_error("JSON: reply holds no member \"value\""); }

  Expect Take() {
    if (FFrames.empty()) return std::exchange(FRoot, Expect{});
    Frame& f = FFrames.back();
    switch (f.Kind) {
      case Frame::Array: {
        Expect e;
        e.Kind = Expect::Object;
        e.Class = f.Class;
        e.Target = f.Target;
        return e;
      }
      case Frame::Skip:
        return Expect(Expect::Skip);
      default:
        return std::exchange(f.Next, Expect{});
    }
  }

  // A container where a scalar or nothing was expected: skipped, or the error it is.
  bool Open(const Expect& e) {
    switch (e.Kind) {
      case Expect::Id:
        throw std::runtime_error("JSON: \"$id\" is not a number");
      case Expect::Ref:
        RefNotAlone();
      default:
        FFrames.emplace_back(Frame::Skip, nullptr, Slot{});
        return true;
    }
  }

  bool Value(Scalar v) {
    Expect e = Take();
    switch (e.Kind) {
      case Expect::Field:
        e.Sink.SetScalar(FMemory, e.Sink.Field, e.Sink.Name, v);
        return true;
      case Expect::Object:
        if (!(e.NullAllowed && v.Kind == Scalar::Null)) NotAnObject(*e.Class);
        return true;
      case Expect::Id: {
        if (v.Kind != Scalar::Integer && v.Kind != Scalar::Unsigned)
          throw std::runtime_error("JSON: \"$id\" is not a number");
        FIds.emplace(v.Kind == Scalar::Integer ? v.I : static_cast<long long>(v.U), FFrames.back().Dto);
        FMemory.Spend(kIdEntryBytes);
        return true;
      }
      case Expect::Ref: {
        if (v.Kind != Scalar::Integer && v.Kind != Scalar::Unsigned) RefNotAlone();
        Frame& f = FFrames.back();
        f.RefId = v.Kind == Scalar::Integer ? v.I : static_cast<long long>(v.U);
        f.RefText = v.Kind == Scalar::Integer ? std::to_string(v.I) : std::to_string(v.U);
        return true;
      }
      case Expect::Batches:
        NotBatchList();
      case Expect::ReplyObject:
        NoValueMember();
      default:
        return true;
    }
  }

  // The frame's object, made at its first member (or its end, when it has none) and put where
  // it goes at once, so that lists keep their order.
  void Make(Frame& f) {
    if (f.Dto) return;
    f.Dto = f.Class->Make(FOwner);
    FMemory.Spend(f.Class->Size + kObjectOverheadBytes);
    Put(f.Target, f.Dto);
  }
  void Put(const Slot& s, TDtoObject* dto) {
    s.Put(s.Target, dto);
    FMemory.Spend(kSlotBytes);
  }

  // The allocator's share and the owner's pointer to it; a list slot with room to grow; a node
  // of the "$id" map.
  static constexpr std::size_t kObjectOverheadBytes = 32;
  static constexpr std::size_t kSlotBytes = 16;
  static constexpr std::size_t kIdEntryBytes = 48;

  TDtoOwner& FOwner;
  MemoryBudget FMemory;
  Expect FRoot;
  std::vector<TEsocialLoteXmlDTO*>* FBatches = nullptr;
  std::vector<Frame> FFrames;
  std::unordered_map<long long, TDtoObject*> FIds;
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

TEsocialLoteXmlDTO* TDtoJsonReader::ReadLote(std::string_view text) {
  TEsocialLoteXmlDTO* lote = nullptr;
  DtoSaxReader reader(FOwner, text.size());
  reader.ExpectLote(&lote);
  ParseJsonSax(text, reader);
  return lote;
}

std::vector<TEsocialLoteXmlDTO*> TDtoJsonReader::ReadLoteList(std::string_view text) {
  std::vector<TEsocialLoteXmlDTO*> list;
  DtoSaxReader reader(FOwner, text.size());
  reader.ExpectLoteList(&list);
  ParseJsonSax(text, reader);
  return list;
}

std::string LoteJson(const TEsocialLoteXmlDTO* dto) {
  platform::JsonWriter out;
  TDtoJsonWriter(out).Write(dto);
  return out.Text();
}

}  // namespace agent
