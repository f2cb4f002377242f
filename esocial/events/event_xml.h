#pragma once
// The reader under the units' LerXML: the event's own document read group by group with the
// tag-scanning reader, beside the INI reader of event_ini.h. A group is the Item-th element of
// its name inside the group found last one level up (level 0 is the whole document); the
// fields are read inside the group found last, an absent element giving an empty text, 0 or
// the first value of a code list. A unit reads a group's fields only when the group is found:
//
//   bool TEvtCAT::LerXML() {
//     TLeitorXmlEvento xml(XML());
//     if (!xml.Grupo(1, "evtCAT")) return false;
//     xml.LerIdentificacao(IdeEvento, IdeEmpregador, IdeVinculo);
//     if (xml.Grupo(2, "cat")) Cat.dtAcid = xml.Data("dtAcid");
//     ...
//   }
#include <string>
#include <string_view>

#include "dfe/xml_reader.h"
#include "esocial/layout_enums.h"
#include "esocial/records_identification.h"
#include "platform/date_time.h"

namespace esocial {

class TLeitorXmlEvento {
 public:
  explicit TLeitorXmlEvento(const std::string& XML);

  // Whether the Item-th element Tag of the group found last at level Nivel - 1 exists; when it
  // does it is the group the fields are read in.
  bool Grupo(int Nivel, std::string_view Tag, int Item = 1);

  std::string Texto(std::string_view Tag);
  // The digits of the text; 0 when there are none.
  int Inteiro(std::string_view Tag);
  // "." or "," as separator; 0 when empty or not a number.
  double Decimal(std::string_view Tag);
  // yyyy-mm-dd; 0 when empty. Any other text raises platform::EConvertError.
  platform::TDateTime Data(std::string_view Tag);
  // A layout code converted by a StrTo... routine: a code outside its list, or an absent one,
  // gives the first value.
  template <class E>
  E Codigo(std::string_view Tag, E (*Converter)(bool&, std::string_view)) {
    bool ok = false;
    return Converter(ok, Texto(Tag));
  }
  // The same, an absent or empty code giving Ausente, the value of a code not informed.
  template <class E>
  E Codigo(std::string_view Tag, E (*Converter)(bool&, std::string_view), E Ausente) {
    const std::string texto = Texto(Tag);
    bool ok = false;
    return texto.empty() ? Ausente : Converter(ok, texto);
  }

  // The groups of the events about a worker's bond, each at level 2 when it is found:
  // ideEvento (indRetif, nrRecibo, procEmi, verProc), ideEmpregador (tpInsc, nrInsc) and
  // ideVinculo (cpfTrab, matricula, codCateg).
  void LerIdentificacao(TIdeEvento2& IdeEvento, TIdeEmpregador& IdeEmpregador, TIdeVinculo& IdeVinculo);

 private:
  dfe::TLeitor FLeitor;
};

}  // namespace esocial
