#pragma once
// S-1080, port operator table (2.x layouts only): one port operator of the employer's table,
// its validity, accident-insurance rate class, prevention factor and adjusted rate.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s1080 {

class TIdeOperPortuario {
 public:
  std::string cnpjOpPortuario;
  std::string iniValid;  // yyyy-mm
  std::string fimValid;  // yyyy-mm
};

class TDadosOperPortuario {
 public:
  tpAliqRat aliqRat{};
  // 0 is not informed: neither has a zero in its range.
  double fap = 0;
  double aliqRatAjust = 0;
};

class TInfoOperPortuario {
 public:
  TIdeOperPortuario ideOperPortuario;
  TDadosOperPortuario& dadosOperPortuario() { return FdadosOperPortuario.Obter(); }
  bool dadosOperPortuarioInst() const { return FdadosOperPortuario.Existe(); }
  TIdePeriodo& novaValidade() { return FnovaValidade.Obter(); }
  bool novaValidadeInst() const { return FnovaValidade.Existe(); }

 private:
  platform::TObjetoOpcional<TDadosOperPortuario> FdadosOperPortuario;
  platform::TObjetoOpcional<TIdePeriodo> FnovaValidade;
};

class TEvtTabOperPort : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TModoLancamento ModoLancamento = mlInclusao;
  TIdeEvento IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TInfoOperPortuario InfoOperPortuario;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;

 private:
  void GerarDadosOperPortuario(const TDadosOperPortuario& Dados);
};

class TS1080CollectionItem : public TItemEvento<TEvtTabOperPort, teS1080> {
 public:
  using TItemEvento::TItemEvento;
  TEvtTabOperPort& EvtTabOperPortuario() const { return Evento(); }
};

class TS1080Collection : public TColecaoEventos<TS1080CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1080CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1080

namespace esocial {
using s1080::TEvtTabOperPort;
using s1080::TS1080Collection;
using s1080::TS1080CollectionItem;
}  // namespace esocial
