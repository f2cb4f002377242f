#pragma once
// The XML reader: values are read out of an XML text by scanning for tag texts, not by
// parsing. A caller walks down by extracting a child element of the level above
// (rExtrai), which becomes the current group, and reads fields (rCampo) and attributes
// (rAtributo) of that group. Absent elements, fields and attributes give empty text or 0.
#include <array>
#include <cstddef>
#include <istream>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "dfe/field_conversions.h"
#include "platform/variant.h"

namespace dfe {

// A text searched forward only: Proximo gives the first occurrence of a pattern at or after a
// position, and answers later positions from what it found, so a walk that only moves forward
// reads each character once per pattern.
class TBuscaAdiante {
 public:
  TBuscaAdiante() = default;
  // ComBranco: only occurrences followed by a blank, tab, CR or LF count.
  explicit TBuscaAdiante(std::string Padrao, bool ComBranco = false)
      : FPadrao(std::move(Padrao)), FComBranco(ComBranco) {}
  const std::string& Padrao() const { return FPadrao; }
  // The first occurrence in Texto at or after De; npos when there is none.
  std::size_t Proximo(std::string_view Texto, std::size_t De);

 private:
  std::string FPadrao;
  bool FComBranco = false;
  std::size_t FDe = std::string_view::npos;  // where the last search began; npos: none yet
  std::size_t FAchado = std::string_view::npos;
};

class TLeitor {
  // An extracted level: a part of a text shared with the levels taken out of it.
  struct TNivel {
    std::shared_ptr<const std::string> Texto;  // null: nothing extracted at this level yet
    std::size_t Deslocamento = 0;              // where Texto begins in the Arquivo it came from
    std::size_t Inicio = 0, Fim = 0;
    std::string_view Vista() const;
  };

 public:
  static constexpr int kNiveis = 11;  // level 0 is the whole document, 1 to 10 are extracted

  // A walk over the repeated elements of one level (see rPercorre).
  class TPercurso {
    friend class TLeitor;
    int FNivel = 1;
    TNivel FFonte;
    std::string FInicio, FFim;
    TBuscaAdiante FFimTag, FFimTagNs, FAbre, FAbreComAtributos, FAbreNs;
    std::size_t FCursor = 0;
    bool FAcabou = false;
  };

  std::string Arquivo;  // the whole document
  std::string Grupo;    // the text that rCampo and rAtributo search
  // Decimal fields hold an integer with implied decimals instead of a number with a separator.
  bool FloatIsIntString = false;

  // The file's text with its line breaks made CR LF; file errors raise std::runtime_error.
  bool CarregarArquivo(const std::string& CaminhoArquivo);
  bool CarregarArquivo(std::istream& Stream);

  // The item-th element TagInicio ... TagFim (TagFim empty: TagInicio) of the text of level
  // nivel - 1; stored as level nivel and as Grupo. Not found: empty, Grupo empty and the
  // level unchanged. A level outside 1 to 10 raises ETrivoException. Items follow one another:
  // each is looked for after the end of the one before, so no text is read as two items.
  std::string rExtrai(int nivel, std::string_view TagInicio, std::string_view TagFim = "", int item = 1);
  // A walk over the elements TagInicio of the text level nivel - 1 holds now: each call of
  // rExtraiProximo gives the next, as rExtrai with item 1, 2, ... would, stored the same way,
  // and empty after the last. The whole walk reads the text once, however many items it has.
  TPercurso rPercorre(int nivel, std::string_view TagInicio, std::string_view TagFim = "");
  std::string rExtraiProximo(TPercurso& Percurso);
  // Where the element last extracted at level nivel begins, as a position in the text Arquivo
  // held when level 1 was extracted; npos when the level holds none.
  std::size_t PosicaoNivel(int nivel) const;
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
  // The text of level nivel - 1 as a walk's source: Arquivo itself for level 1 (Copiar: a
  // copy of it that outlives changes to Arquivo).
  TNivel Fonte(int nivel, bool Copiar) const;
  TPercurso Percurso(int nivel, std::string_view TagInicio, std::string_view TagFim, bool Copiar) const;
  // The next item of the walk, or false; [Inicio, Fim) its place in the walk's source.
  static bool Proximo(TPercurso& P, std::size_t& Inicio, std::size_t& Fim);
  // Stores the element [Inicio, Fim) of Fonte as level nivel and Grupo and returns it.
  std::string Guardar(int nivel, const TNivel& Fonte, std::size_t Inicio, std::size_t Fim);

  std::array<TNivel, kNiveis> FNivel;
  std::vector<std::string> FGroup;
};

}  // namespace dfe
