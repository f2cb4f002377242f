#include "platform/json_writer.h"

namespace platform {

std::string JsonEscape(std::string_view text) {
  static constexpr char hex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size() + 8);
  for (char ch : text) {
    unsigned char c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case 8:
        out += "\\b";
        break;
      case 9:
        out += "\\t";
        break;
      case 10:
        out += "\\n";
        break;
      case 12:
        out += "\\f";
        break;
      case 13:
        out += "\\r";
        break;
      default:
        if (c < 32) {
          out += "\\u00";
          out += hex[c >> 4];
          out += hex[c & 15];
        } else {
          out += ch;
        }
    }
  }
  return out;
}

void JsonWriter::BeforeValue() {
  if (FAfterKey) {
    FAfterKey = false;
    return;
  }
  if (!FFilled.empty()) {
    if (FFilled.back()) FOut += ',';
    FFilled.back() = true;
  }
}

JsonWriter& JsonWriter::BeginObject() {
  BeforeValue();
  FOut += '{';
  FFilled.push_back(false);
  return *this;
}

JsonWriter& JsonWriter::EndObject() {
  FOut += '}';
  FFilled.pop_back();
  return *this;
}

JsonWriter& JsonWriter::BeginArray() {
  BeforeValue();
  FOut += '[';
  FFilled.push_back(false);
  return *this;
}

JsonWriter& JsonWriter::EndArray() {
  FOut += ']';
  FFilled.pop_back();
  return *this;
}

JsonWriter& JsonWriter::Key(std::string_view name) {
  BeforeValue();
  FOut += '"';
  FOut += JsonEscape(name);
  FOut += "\":";
  FAfterKey = true;
  return *this;
}

JsonWriter& JsonWriter::String(std::string_view value) {
  BeforeValue();
  FOut += '"';
  FOut += JsonEscape(value);
  FOut += '"';
  return *this;
}

JsonWriter& JsonWriter::Int(std::int64_t value) {
  BeforeValue();
  FOut += std::to_string(value);
  return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
  BeforeValue();
  FOut += value ? "true" : "false";
  return *this;
}

JsonWriter& JsonWriter::Null() {
  BeforeValue();
  FOut += "null";
  return *this;
}

}  // namespace platform
