#pragma once
// S-2306, contract change of a worker without employment bond: the worker's identification, the
// date of the change, the nature of the activity and the complementary information (position,
// pay, union leader, cession, elective mandate, internship, workplace).
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s2306 {

// Each of the three groups below is written when one of its values is given (rpNenhum and
// snfNada are not informed); the regime is "4" for a ceded worker only.
class TinfoDirSind {
 public:
  tpTpRegPrev tpRegPrev = rpNenhum;
};

class TinfoTrabCedido {
 public:
  tpTpRegPrev tpRegPrev = rpNenhum;
};

class TinfoMandElet {
 public:
  tpSimNaoFacultativo indRemunCargo = snfNada;
  tpTpRegPrev tpRegPrev = rpNenhum;
};

class TinfoComplementares {
 public:
  TcargoFuncao cargoFuncao;
  TRemuneracao Remuneracao;
  TinfoEstagiario infoEstagiario;
  TinfoMandElet infoMandElet;
  TinfoDirSind infoDirigenteSindical;
  TinfoTrabCedido infoTrabCedido;
  TLocalTrabGeral localTrabGeral;
};

class TinfoTSVAlteracao {
 public:
  platform::TDateTime dtAlteracao = 0;
  tpNatAtividade natAtividade = navNaoInformar;
  TinfoComplementares infoComplementares;
};

class TEvtTSVAltContr : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento2 IdeEvento;
  TIdeEmpregador IdeEmpregador;
  // codCateg 0 is not informed.
  TideTrabSemVinc IdeTrabSemVinc;
  TinfoTSVAlteracao infoTSVAlteracao;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;

 private:
  void EscreverInfoComplementares();
};

class TS2306CollectionItem : public TItemEvento<TEvtTSVAltContr, teS2306> {
 public:
  using TItemEvento::TItemEvento;
  TEvtTSVAltContr& EvtTSVAltContr() const { return Evento(); }
};

class TS2306Collection : public TColecaoEventos<TS2306CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2306CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2306

namespace esocial {
using s2306::TEvtTSVAltContr;
using s2306::TS2306Collection;
using s2306::TS2306CollectionItem;
}  // namespace esocial
