#pragma once
// S-2221, toxicological exam of a professional driver: the exam date, the laboratory, the
// exam's sequence code and the physician with their council registration.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s2221 {

class TToxicologico {
 public:
  platform::TDateTime dtExame = 0;
  std::string cnpjLab;
  std::string codSeqExame;
  std::string nmMed;
  std::string nrCRM;
  std::string ufCRM;
  // The refusal of the 2.x layouts.
  tpSimNao indRecusa{};
};

class TEvtToxic : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento2 IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TIdeVinculo IdeVinculo;
  TToxicologico toxicologico;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;
};

class TS2221CollectionItem : public TItemEvento<TEvtToxic, teS2221> {
 public:
  using TItemEvento::TItemEvento;
  TEvtToxic& EvtToxic() const { return Evento(); }
};

class TS2221Collection : public TColecaoEventos<TS2221CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2221CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2221

namespace esocial {
using s2221::TEvtToxic;
using s2221::TS2221Collection;
using s2221::TS2221CollectionItem;
}  // namespace esocial
