#pragma once
// S-1030, job position table (2.x layouts only): one position of the employer's table, its
// validity, name and occupation code and, for a public-service position, its accumulation,
// special time counting, exclusive dedication and the law behind it.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s1030 {

class TIdeCargo {
 public:
  std::string CodCargo;
  std::string iniValid;  // yyyy-mm
  std::string fimValid;  // yyyy-mm
};

class TLeiCargo {
 public:
  std::string nrLei;
  platform::TDateTime dtLei = 0;
  std::string sitCargo;
};

class TCargoPublico {
 public:
  tpAcumCargo acumCargo{};
  tpContagemEsp contagemEsp{};
  tpSimNao dedicExcl{};
  TLeiCargo leiCargo;
};

class TDadosCargo {
 public:
  std::string nmCargo;
  std::string codCBO;

  TCargoPublico& cargoPublico() { return FcargoPublico.Obter(); }
  bool cargoPublicInst() const { return FcargoPublico.Existe(); }

 private:
  platform::TObjetoOpcional<TCargoPublico> FcargoPublico;
};

class TInfoCargo {
 public:
  TIdeCargo IdeCargo;
  TDadosCargo& DadosCargo() { return FDadosCargo.Obter(); }
  bool dadosCargoInst() const { return FDadosCargo.Existe(); }
  TIdePeriodo& NovaValidade() { return FNovaValidade.Obter(); }
  bool novaValidadeInst() const { return FNovaValidade.Existe(); }

 private:
  platform::TObjetoOpcional<TDadosCargo> FDadosCargo;
  platform::TObjetoOpcional<TIdePeriodo> FNovaValidade;
};

class TEvtTabCargo : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TModoLancamento ModoLancamento = mlInclusao;
  TIdeEvento IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TInfoCargo InfoCargo;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;

 private:
  void GerarDadosCargo(TDadosCargo& Dados);
};

class TS1030CollectionItem : public TItemEvento<TEvtTabCargo, teS1030> {
 public:
  using TItemEvento::TItemEvento;
  TEvtTabCargo& EvtTabCargo() const { return Evento(); }
};

class TS1030Collection : public TColecaoEventos<TS1030CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1030CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1030

namespace esocial {
using s1030::TEvtTabCargo;
using s1030::TS1030Collection;
using s1030::TS1030CollectionItem;
}  // namespace esocial
