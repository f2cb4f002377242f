#include "esocial/events/event_xml.h"

namespace esocial {

using dfe::tcDat;
using dfe::tcDe4;
using dfe::tcInt;
using dfe::tcStr;

TLeitorXmlEvento::TLeitorXmlEvento(const std::string& XML) { FLeitor.Arquivo = XML; }

bool TLeitorXmlEvento::Grupo(int Nivel, std::string_view Tag, int Item) {
  return !FLeitor.rExtrai(Nivel, Tag, "", Item).empty();
}

std::string TLeitorXmlEvento::Texto(std::string_view Tag) { return FLeitor.rCampo(tcStr, Tag).AsString(); }

int TLeitorXmlEvento::Inteiro(std::string_view Tag) { return FLeitor.rCampo(tcInt, Tag).AsInteger(); }

double TLeitorXmlEvento::Decimal(std::string_view Tag) { return FLeitor.rCampo(tcDe4, Tag).AsFloat(); }

platform::TDateTime TLeitorXmlEvento::Data(std::string_view Tag) { return FLeitor.rCampo(tcDat, Tag).AsDateTime(); }

void TLeitorXmlEvento::LerIdentificacao(TIdeEvento2& IdeEvento, TIdeEmpregador& IdeEmpregador,
                                        TIdeVinculo& IdeVinculo) {
  if (Grupo(2, "ideEvento")) {
    IdeEvento.indRetif = Codigo("indRetif", StrToIndRetificacao);
    IdeEvento.NrRecibo = Texto("nrRecibo");
    IdeEvento.ProcEmi = Codigo("procEmi", StrToProcEmi);
    IdeEvento.VerProc = Texto("verProc");
  }
  if (Grupo(2, "ideEmpregador")) {
    IdeEmpregador.TpInsc = Codigo("tpInsc", StrToTpInsc);
    IdeEmpregador.NrInsc = Texto("nrInsc");
  }
  if (Grupo(2, "ideVinculo")) {
    IdeVinculo.cpfTrab = Texto("cpfTrab");
    IdeVinculo.matricula = Texto("matricula");
    IdeVinculo.codCateg = Inteiro("codCateg");
  }
}

}  // namespace esocial
