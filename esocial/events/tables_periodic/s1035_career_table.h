#pragma once
// S-1035, career table (2.x layouts only): one public-service career of the employer's table,
// its validity, description, the law that established it and the law's effect.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s1035 {

class TDadosCarreira {
 public:
  std::string dscCarreira;
  std::string leiCarr;
  platform::TDateTime dtLeiCarr = 0;
  std::string sitCarr;
};

class TIdeCarreira {
 public:
  std::string codCarreira;
  std::string iniValid;  // yyyy-mm
  std::string fimValid;  // yyyy-mm
};

class TInfoCarreira {
 public:
  TDadosCarreira dadosCarreira;
  TIdeCarreira ideCarreira;
  TIdePeriodo& NovaValidade() { return FNovaValidade.Obter(); }
  bool novaValidadeInst() const { return FNovaValidade.Existe(); }

 private:
  platform::TObjetoOpcional<TIdePeriodo> FNovaValidade;
};

class TEvtTabCarreira : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TModoLancamento ModoLancamento = mlInclusao;
  TIdeEvento IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TInfoCarreira InfoCarreira;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;

 private:
  void GerarIdeCarreira(const TIdeCarreira& Ide);
  void GerarDadosCarreira(const TDadosCarreira& Dados);
};

class TS1035CollectionItem : public TItemEvento<TEvtTabCarreira, teS1035> {
 public:
  using TItemEvento::TItemEvento;
  TEvtTabCarreira& evtTabCarreira() const { return Evento(); }
};

class TS1035Collection : public TColecaoEventos<TS1035CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1035CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1035

namespace esocial {
using s1035::TEvtTabCarreira;
using s1035::TS1035Collection;
using s1035::TS1035CollectionItem;
}  // namespace esocial
