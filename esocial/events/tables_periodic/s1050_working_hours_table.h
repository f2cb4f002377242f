#pragma once
// S-1050, working hours and shift table (2.x layouts only): one contractual schedule of the
// employer's table, its validity, entry and exit times, the length of the working day and
// whether it is flexible.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s1050 {

class TideHorContratual {
 public:
  std::string codHorContrat;
  std::string iniValid;  // yyyy-mm
  std::string fimValid;  // yyyy-mm
};

class TDadosHorContratual {
 public:
  std::string hrEntr;   // hhmm
  std::string hrSaida;  // hhmm
  int durJornada = 0;   // minutes
  tpSimNao perHorFlexivel{};
  // Held only: the 2.5 layout asks each break for a kind this model does not carry, so the
  // writer leaves the breaks out.
  THorarioIntervaloCollection horarioIntervalo;
};

class TInfoHorContratual {
 public:
  TideHorContratual ideHorContratual;
  TDadosHorContratual& dadosHorContratual() { return FdadosHorContratual.Obter(); }
  bool dadosHorContratualInst() const { return FdadosHorContratual.Existe(); }
  TIdePeriodo& novaValidade() { return FnovaValidade.Obter(); }
  bool novaValidadeInst() const { return FnovaValidade.Existe(); }

 private:
  platform::TObjetoOpcional<TDadosHorContratual> FdadosHorContratual;
  platform::TObjetoOpcional<TIdePeriodo> FnovaValidade;
};

class TEvtTabHorTur : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TModoLancamento ModoLancamento = mlInclusao;
  TIdeEvento IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TInfoHorContratual InfoHorContratual;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;
};

class TS1050CollectionItem : public TItemEvento<TEvtTabHorTur, teS1050> {
 public:
  using TItemEvento::TItemEvento;
  TEvtTabHorTur& EvtTabHorContratual() const { return Evento(); }
};

class TS1050Collection : public TColecaoEventos<TS1050CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1050CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1050

namespace esocial {
using s1050::TEvtTabHorTur;
using s1050::TS1050Collection;
using s1050::TS1050CollectionItem;
}  // namespace esocial
