#pragma once
// The steps every reader of an eSocial document (the replies of the services, the totalizers)
// takes with the tag reader, so that each reader is a straight list of its elements and fields:
//
//   return LerRetorno(Leitor, "retornoEnvioLoteEventos", [&](const TLeituraTags& x) {
//     if (x.Grupo(2, "status")) {
//       Status.cdResposta = x.Inteiro("cdResposta");
//       if (x.Grupo(3, "ocorrencias")) x.Lista(4, "ocorrencia", [&] { ... });
//     }
//   });
//
// A group is read only when it is found: the tag reader leaves the text of an earlier
// occurrence at a level whose element is missing, and nothing may be read out of it.
#include <functional>
#include <string>
#include <string_view>

#include "dfe/xml_reader.h"
#include "platform/date_time.h"

namespace esocial {

class TLeituraTags {
 public:
  explicit TLeituraTags(dfe::TLeitor& Leitor) : FLeitor(Leitor) {}

  dfe::TLeitor& Leitor() const { return FLeitor; }

  // The first Tag inside the element last taken out at level Nivel - 1 (the whole document
  // for level 1) becomes level Nivel and the current group. False when there is none.
  bool Grupo(int Nivel, std::string_view Tag) const;
  // For n = 1, 2, ... until one is missing: the n-th Tag inside the element of level
  // Nivel - 1 becomes the current group and Ler runs, reading its fields and any group or
  // list under it before the next occurrence is looked for. The list is walked once, from
  // each occurrence to the next, however long it is.
  void Lista(int Nivel, std::string_view Tag, const std::function<void()>& Ler) const;

  // Fields of the current group (the first of the name anywhere in it, letter case ignored);
  // an absent field gives empty text or 0. Parada, the tag of a child group that has a field
  // of the same name, limits the search to what comes before that child: a group without
  // its own field then reads empty instead of its child's.
  std::string Texto(std::string_view Tag, std::string_view Parada = "") const;
  // A whole number (a sign and digits, within 32 bits): any other text raises, so that "2x01"
  // is never read as a code 201.
  int Inteiro(std::string_view Tag, std::string_view Parada = "") const;
  double Decimal(std::string_view Tag, std::string_view Parada = "") const;  // two decimals
  // yyyy-mm-dd; malformed text raises platform::EConvertError.
  platform::TDateTime Data(std::string_view Tag) const;
  // The first 19 characters, yyyy-mm-ddThh:nn:ss (fraction and offset ignored); malformed
  // text raises platform::EConvertError.
  platform::TDateTime DataHora(std::string_view Tag) const;
  // A layout code converted by its StrTo... routine: an unknown code gives the first value.
  template <class E>
  E Codigo(std::string_view Tag, E (*Converter)(bool&, std::string_view), std::string_view Parada = "") const {
    bool ok = false;
    return Converter(ok, Texto(Tag, Parada));
  }
  // The attribute Nome of the current group's start tag (of the first element in it that has
  // one); empty when absent.
  std::string Atributo(std::string_view Nome) const;
  // The current group, an element Tag, between the end of its start tag and the first
  // "</Tag>": the document it carries.
  std::string Conteudo(std::string_view Tag) const;

 private:
  dfe::TLeitor& FLeitor;
};

// Runs a whole reading: its result, or false when any step raises (what was read before the
// error stays). Readers report failure this way and never raise.
bool LerSemExcecao(const std::function<bool()>& Ler);

// The whole reading of a reply whose root element is Raiz: false when the text has none;
// otherwise Ler reads it (the root is the current group and level 1, and stays level 1, so
// the reader's PosicaoNivel(1) tells where it stands) and the result is true.
// An error on the way gives false, as LerSemExcecao.
bool LerRetorno(dfe::TLeitor& Leitor, std::string_view Raiz, const std::function<void(const TLeituraTags&)>& Ler);

}  // namespace esocial
