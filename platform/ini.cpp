#include "platform/ini.h"

#include <charconv>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "platform/files.h"
#include "platform/strings.h"

namespace platform {

TIniFile::TIniFile(std::string fileName) : FFileName(std::move(fileName)) {
  std::error_code ec;
  if (!FFileName.empty() && std::filesystem::is_regular_file(FFileName, ec)) LoadFromFile(FFileName);
}

void TIniFile::LoadFromText(std::string_view text) {
  FSections.clear();
  Section* current = nullptr;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string line = Trim(text.substr(start, end - start));
    start = end + 1;
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line[0] == '[') {
      std::size_t close = line.find(']');
      std::string name = Trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
      current = Find(name);
      if (!current) {
        FSections.push_back({name, {}});
        current = &FSections.back();
      }
      continue;
    }
    if (!current) continue;
    std::size_t eq = line.find('=');
    std::string key = Trim(line.substr(0, eq));
    std::string value = eq == std::string::npos ? std::string() : Trim(line.substr(eq + 1));
    if (key.empty()) continue;
    bool replaced = false;
    for (auto& e : current->Entries)
      if (SameText(e.Key, key)) {
        e.Value = value;
        replaced = true;
        break;
      }
    if (!replaced) current->Entries.push_back({key, value});
  }
}

void TIniFile::LoadFromFile(const std::string& fileName) {
  LoadFromText(ReadFileBytes(fileName));
  FFileName = fileName;
}

std::string TIniFile::ToText() const {
  std::string out;
  for (const auto& s : FSections) {
    if (!out.empty()) out += '\n';
    out += '[' + s.Name + "]\n";
    for (const auto& e : s.Entries) out += e.Key + '=' + e.Value + '\n';
  }
  return out;
}

void TIniFile::SaveToFile(const std::string& fileName) const { WriteFileAtomically(fileName, ToText()); }

void TIniFile::UpdateFile() const {
  if (FFileName.empty()) throw std::runtime_error("INI sem nome de arquivo");
  SaveToFile(FFileName);
}

const TIniFile::Section* TIniFile::Find(std::string_view section) const {
  for (const auto& s : FSections)
    if (SameText(s.Name, section)) return &s;
  return nullptr;
}

TIniFile::Section* TIniFile::Find(std::string_view section) {
  return const_cast<Section*>(static_cast<const TIniFile*>(this)->Find(section));
}

const TIniFile::Entry* TIniFile::FindEntry(std::string_view section, std::string_view key) const {
  const Section* s = Find(section);
  if (!s) return nullptr;
  for (const auto& e : s->Entries)
    if (SameText(e.Key, key)) return &e;
  return nullptr;
}

bool TIniFile::SectionExists(std::string_view section) const { return Find(section) != nullptr; }

bool TIniFile::ValueExists(std::string_view section, std::string_view key) const {
  return FindEntry(section, key) != nullptr;
}

std::vector<std::string> TIniFile::ReadSections() const {
  std::vector<std::string> names;
  for (const auto& s : FSections) names.push_back(s.Name);
  return names;
}

std::vector<std::string> TIniFile::ReadSection(std::string_view section) const {
  std::vector<std::string> keys;
  if (const Section* s = Find(section))
    for (const auto& e : s->Entries) keys.push_back(e.Key);
  return keys;
}

void TIniFile::EraseSection(std::string_view section) {
  std::erase_if(FSections, [&](const Section& s) { return SameText(s.Name, section); });
}

void TIniFile::DeleteKey(std::string_view section, std::string_view key) {
  if (Section* s = Find(section)) std::erase_if(s->Entries, [&](const Entry& e) { return SameText(e.Key, key); });
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
  const Entry* e = FindEntry(section, key);
  return e ? e->Value : std::string(def);
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  auto hasBreak = [](std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; };
  std::string name = Trim(section), k = Trim(key);
  if (hasBreak(section) || hasBreak(key) || hasBreak(value) || name.find(']') != std::string::npos || k.empty() ||
      k.find('=') != std::string::npos)
    throw std::invalid_argument("INI: seção, chave ou valor inválido: [" + std::string(section) + "] " +
                                std::string(key));
  Section* s = Find(name);
  if (!s) {
    FSections.push_back({name, {}});
    s = &FSections.back();
  }
  // Values are trimmed on reading, so the stored form is trimmed too.
  std::string v = Trim(value);
  for (auto& e : s->Entries)
    if (SameText(e.Key, k)) {
      e.Value = v;
      return;
    }
  s->Entries.push_back({k, v});
}

std::int64_t TIniFile::ReadInteger(std::string_view section, std::string_view key, std::int64_t def) const {
  const Entry* e = FindEntry(section, key);
  return e ? StrToInt64Def(e->Value, def) : def;
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, std::int64_t value) {
  WriteString(section, key, std::to_string(value));
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
  const Entry* e = FindEntry(section, key);
  if (!e) return def;
  if (SameText(e->Value, "true")) return true;
  if (SameText(e->Value, "false")) return false;
  std::int64_t n = 0;
  return TryStrToInt64(e->Value, n) ? n != 0 : def;
}

void TIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

double TIniFile::ReadFloat(std::string_view section, std::string_view key, double def) const {
  const Entry* e = FindEntry(section, key);
  if (!e || e->Value.empty()) return def;
  std::string v = StringReplace(e->Value, ",", ".");
  double d = 0;
  auto [ptr, ec] = std::from_chars(v.data(), v.data() + v.size(), d);
  return ec == std::errc() && ptr == v.data() + v.size() ? d : def;
}

void TIniFile::WriteFloat(std::string_view section, std::string_view key, double value) {
  char buf[64];
  auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, value);
  WriteString(section, key, std::string_view(buf, ec == std::errc() ? ptr - buf : 0));
}

}  // namespace platform
