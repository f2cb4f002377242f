#pragma once
// JSON forms of the DTOs: objects carry "$id" and "@xdata.type" before their fields; an
// object met again in the same body is written as {"$ref": id}. Enumerations travel by
// name, optional fields without value as null, date-times as local text without zone.
#include <nlohmann/json_fwd.hpp>
#include <string>
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

// Reads DTOs into objects made by the owner; resolves "$ref" to objects read earlier in the
// same reply. A member that names no field is an error.
class TDtoJsonReader {
 public:
  explicit TDtoJsonReader(TDtoOwner& owner) : FOwner(owner) {}
  TEsocialLoteXmlDTO* ReadLote(const nlohmann::json& value);
  std::vector<TEsocialLoteXmlDTO*> ReadLoteList(const nlohmann::json& value);

  template <class T>
  T* Read(const nlohmann::json& value);

 private:
  TDtoOwner& FOwner;
  std::unordered_map<long long, TDtoObject*> FIds;
};

// The JSON body of one batch object alone.
std::string LoteJson(const TEsocialLoteXmlDTO* dto);

}  // namespace agent
