#pragma once
// S-3500, exclusion of labour process events: the type and receipt of an S-2500, S-2501 or S-2555
// sent earlier, its process and, by that type, the worker or the payment period.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s3500 {

class TIdeProcTrab {
 public:
  std::string cpfTrab;
  std::string nrProcTrab;
  std::string perApurPgto;  // yyyy-mm
  int ideSeqProc = 0;
};

class TInfoExclusao {
 public:
  TTipoEvento tpEvento{};
  std::string nrRecEvt;
  TIdeProcTrab ideProcTrab;
};

class TEvtExcProcTrab : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TInfoExclusao InfoExclusao;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;
};

class TS3500CollectionItem : public TItemEvento<TEvtExcProcTrab, teS3500> {
 public:
  using TItemEvento::TItemEvento;
  TEvtExcProcTrab& EvtExcProcTrab() const { return Evento(); }
};

class TS3500Collection : public TColecaoEventos<TS3500CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
};

}  // namespace esocial::s3500

namespace esocial {
using s3500::TEvtExcProcTrab;
using s3500::TS3500Collection;
using s3500::TS3500CollectionItem;
}  // namespace esocial
