#pragma once
// The XML reader: values are read out of an XML text by scanning for tag texts, not by
// parsing. A caller walks down by extracting a child element of the level above
// (rExtrai), which becomes the current group, and reads fields (rCampo) and attributes
// (rAtributo) of that group. Absent elements, fields and attributes give empty text or 0.
#include <array>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "dfe/field_conversions.h"
#include "platform/variant.h"

namespace dfe {

class TLeitor {
 public:
  static constexpr int kNiveis = 11;  // level 0 is the whole document, 1 to 10 are extracted

  std::string Arquivo;  // the whole document
  std::string Grupo;    // the text that rCampo and rAtributo search
  // Decimal fields hold an integer with implied decimals instead of a number with a separator.
  bool FloatIsIntString = false;

  // The file's text with its line breaks made CR LF; file errors raise std::runtime_error.
  bool CarregarArquivo(const std::string& CaminhoArquivo);
  bool CarregarArquivo(std::istream& Stream);

  // The item-th element TagInicio ... TagFim (TagFim empty: TagInicio) of the text of level
  // nivel - 1; stored as level nivel and as Grupo. Not found: empty, Grupo empty and the
  // level unchanged. A level outside 1 to 10 raises ETrivoException.
  std::string rExtrai(int nivel, std::string_view TagInicio, std::string_view TagFim = "", int item = 1);
  // The first field TAG anywhere in Grupo (tag names in any letter case), before the stop
  // tag when one is given, converted by Tipo. tcBoolStr, tcStrOrig and tcNumStr cannot be
  // read and raise std::runtime_error; malformed dates and times raise EConvertError.
  platform::Variant rCampo(TpcnTipoCampo Tipo, std::string_view TAG, std::string_view TAGparada = "");
  // "CNPJ", or "CPF" when that is empty.
  std::string rCampoCNPJCPF(std::string_view TAGparada = "");
  // The value of Atributo ("Id" or "Id=") in Grupo, of the element Tag when given.
  platform::Variant rAtributo(std::string_view Atributo, std::string_view Tag = "");
  // 1-based position of the last SubStr in S; 0 when there is none.
  std::size_t PosLast(std::string_view SubStr, std::string_view S) const;
  void GroupStore();
  // Grupo becomes the last stored group (Arquivo when none is stored).
  void GroupRestore(bool ARemoveLast = true);

 private:
  std::array<std::string, kNiveis> FNivel;
  std::vector<std::string> FGroup;
};

}  // namespace dfe
