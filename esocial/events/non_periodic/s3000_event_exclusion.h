#pragma once
// S-3000, event exclusion: the type and receipt of an event sent earlier and, by that type, the
// worker and the payroll period it concerned.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s3000 {

class TInfoExclusao {
 public:
  TTipoEvento tpEvento{};
  std::string nrRecEvt;
  TideTrabalhador2 IdeTrabalhador;
  TIdeFolhaPagto IdeFolhaPagto;
};

// By the type of the excluded event: whether its exclusion names the worker; the period with
// its indicator (S-1200, S-1202, S-1207, S-1280, S-1300); the period alone (S-1210, S-1220,
// S-1250, S-1260, S-1270).
bool ComTrabalhador(TTipoEvento Tipo);
bool ComPeriodoEIndicador(TTipoEvento Tipo);
bool ComPeriodo(TTipoEvento Tipo);

class TEvtExclusao : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TInfoExclusao InfoExclusao;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;
};

class TS3000CollectionItem : public TItemEvento<TEvtExclusao, teS3000> {
 public:
  using TItemEvento::TItemEvento;
  TEvtExclusao& EvtExclusao() const { return Evento(); }
};

class TS3000Collection : public TColecaoEventos<TS3000CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS3000CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s3000

namespace esocial {
using s3000::TEvtExclusao;
using s3000::TS3000Collection;
using s3000::TS3000CollectionItem;
}  // namespace esocial
