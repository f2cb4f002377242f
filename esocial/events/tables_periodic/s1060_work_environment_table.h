#pragma once
// S-1060, work environment table (2.x layouts only): one work environment of the employer's
// table, its validity, name and description, where it lies, the inscription of that place and
// the tax allocation it belongs to.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s1060 {

class TIdeAmbiente {
 public:
  std::string codAmb;
  std::string iniValid;  // yyyy-mm
  std::string fimValid;  // yyyy-mm
};

class TDadosAmbiente {
 public:
  std::string nmAmb;
  std::string dscAmb;
  tpLocalAmb localAmb{};
  tpTpInsc tpInsc{};
  std::string nrInsc;
  std::string codLotacao;
};

class TInfoAmbiente {
 public:
  TIdeAmbiente ideAmbiente;
  TDadosAmbiente& dadosAmbiente() { return FdadosAmbiente.Obter(); }
  bool dadosAmbienteInst() const { return FdadosAmbiente.Existe(); }
  TIdePeriodo& novaValidade() { return FnovaValidade.Obter(); }
  bool novaValidadeInst() const { return FnovaValidade.Existe(); }

 private:
  platform::TObjetoOpcional<TDadosAmbiente> FdadosAmbiente;
  platform::TObjetoOpcional<TIdePeriodo> FnovaValidade;
};

class TEvtTabAmbiente : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TModoLancamento ModoLancamento = mlInclusao;
  TIdeEvento ideEvento;
  TIdeEmpregador ideEmpregador;
  TInfoAmbiente infoAmbiente;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;
  // Reads the stored (signed) document into the fields, each group where it first appears;
  // Id and Sequencial stay as they are. True.
  bool LerXML();
};

class TS1060CollectionItem : public TItemEvento<TEvtTabAmbiente, teS1060> {
 public:
  using TItemEvento::TItemEvento;
  TEvtTabAmbiente& EvtTabAmbiente() const { return Evento(); }
};

class TS1060Collection : public TColecaoEventos<TS1060CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1060CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1060

namespace esocial {
using s1060::TEvtTabAmbiente;
using s1060::TS1060Collection;
using s1060::TS1060CollectionItem;
}  // namespace esocial
