#pragma once
// An INI file held in memory: case-insensitive sections and keys, file order kept (sections,
// and keys within a section, stay where they were first written). Nothing touches the disk
// until SaveToFile / UpdateFile.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class TIniFile {
 public:
  TIniFile() = default;
  // Loads the file when it exists; a missing file gives an empty INI bound to that name.
  explicit TIniFile(std::string fileName);

  const std::string& FileName() const { return FFileName; }

  // Replaces the whole content. Lines end with LF or CR LF; blank lines and lines starting
  // with ';' or '#' are skipped; "key=value" splits at the first '=' and both sides are
  // trimmed; keys before any section header are dropped.
  void LoadFromText(std::string_view text);
  // Throws std::runtime_error when the file cannot be read.
  void LoadFromFile(const std::string& fileName);
  std::string ToText() const;
  // Written through a temporary file and renamed into place.
  void SaveToFile(const std::string& fileName) const;
  // Saves to FileName().
  void UpdateFile() const;

  bool SectionExists(std::string_view section) const;
  bool ValueExists(std::string_view section, std::string_view key) const;
  std::vector<std::string> ReadSections() const;
  std::vector<std::string> ReadSection(std::string_view section) const;  // the keys
  void EraseSection(std::string_view section);
  void DeleteKey(std::string_view section, std::string_view key);
  void Clear() { FSections.clear(); }

  std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
  // Line breaks in a section, key or value would change the file's structure: they raise
  // std::invalid_argument, as does an empty key or a section holding ']'.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);

  // A value that is not a whole decimal number gives the default.
  std::int64_t ReadInteger(std::string_view section, std::string_view key, std::int64_t def) const;
  void WriteInteger(std::string_view section, std::string_view key, std::int64_t value);
  // Written "1" / "0"; read as "0" or "false" false, any other number or "true" true, else default.
  bool ReadBool(std::string_view section, std::string_view key, bool def) const;
  void WriteBool(std::string_view section, std::string_view key, bool value);
  // Written in the shortest form that reads back exactly, '.' as decimal separator; reads
  // accept ',' too.
  double ReadFloat(std::string_view section, std::string_view key, double def) const;
  void WriteFloat(std::string_view section, std::string_view key, double value);

 private:
  struct Entry {
    std::string Key, Value;
  };
  struct Section {
    std::string Name;
    std::vector<Entry> Entries;
  };
  const Section* Find(std::string_view section) const;
  Section* Find(std::string_view section);
  const Entry* FindEntry(std::string_view section, std::string_view key) const;

  std::string FFileName;
  std::vector<Section> FSections;
};

}  // namespace platform
