#pragma once
// JSON forms of the DTOs: objects carry "$id" and "@xdata.type" before their fields; an
// object met again in the same body is written as {"$ref": id}. Enumerations travel by
// name, optional fields without value as null, date-times as local text without zone.
#include <cstddef>
#include <nlohmann/json_fwd.hpp>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "agent/dto.h"
#include "platform/json_writer.h"

namespace agent {

// Shortest of yyyy-mm-dd, yyyy-mm-ddThh:nn, ...:ss, ...:ss.zzz; the time alone when the
// date part is zero and the time is not.
std::string DateTimeToJsonText(TDateTime value);
// Accepts the forms above; throws std::runtime_error for anything else.
TDateTime JsonTextToDateTime(const std::string& text);

// Writes the objects of one body; counts "$id" across everything it writes.
class TDtoJsonWriter {
 public:
  explicit TDtoJsonWriter(platform::JsonWriter& out) : FOut(out) {}
  void Write(const TEsocialLoteXmlDTO* dto);
  void Write(const TEventosPendentesXmlDTO* dto);
  void Write(const TEsocialLoteOcorrenciaDTO* dto);
  void Write(const TEsocialEventoOcorrenciaDTO* dto);

  template <class T>
  void WriteList(const std::vector<T*>& list) {
    FOut.BeginArray();
    for (const T* item : list) Write(item);
    FOut.EndArray();
  }

 private:
  // False when the object was written before (its "$ref" has been written instead).
  bool Begin(const TDtoObject* dto, const char* className);

  platform::JsonWriter& FOut;
  std::unordered_map<const TDtoObject*, int> FIds;
};

// What the objects read from one reply may take in memory: this many times the reply's size,
// plus the allowance, so that a reply of millions of tiny objects is refused as it is read.
constexpr std::size_t kDtoMemoryPerReplyByte = 2;
constexpr std::size_t kDtoMemoryAllowance = std::size_t{4} << 20;

// Reads DTOs from the JSON text of a reply as the parser goes (no parsed copy of the text is
// made; bytes that are not UTF-8 are read as Windows-1252) into objects made by the owner;
// resolves "$ref" to objects read earlier in the same reply. A member that names no field is an
// error, and so are objects over the memory bound above. Malformed text throws nlohmann's
// parse error; the text's shape is not checked here (CheckJsonShape).
class TDtoJsonReader {
 public:
  explicit TDtoJsonReader(TDtoOwner& owner) : FOwner(owner) {}
  // The text holds one batch, or null (nullptr).
  TEsocialLoteXmlDTO* ReadLote(std::string_view text);
  // The text holds an object whose member "value" lists batches; its other members are skipped.
  std::vector<TEsocialLoteXmlDTO*> ReadLoteList(std::string_view text);

 private:
  TDtoOwner& FOwner;
};

// The JSON body of one batch object alone.
std::string LoteJson(const TEsocialLoteXmlDTO* dto);

}  // namespace agent
