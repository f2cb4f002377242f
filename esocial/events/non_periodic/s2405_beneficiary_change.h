#pragma once
// S-2405, change of beneficiary data: a beneficiary's name, sex, race, marital status,
// incapacity, address and dependants from a given date.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s2405 {

class TIdeBenef {
 public:
  std::string CpfBenef;
};

class TDadosBenef {
 public:
  std::string nmBenefic;
  std::string sexo;
  // 0 is not informed.
  int racaCor = 0;
  int estCiv = 0;
  tpSimNao incFisMen{};
  TEndereco endereco;
  TDependenteCollection dependente;
};

class TAlteracao {
 public:
  platform::TDateTime DtAlteracao = 0;
  TDadosBenef DadosBenef;
};

class TEvtCdBenefAlt : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento2 IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TIdeBenef IdeBenef;
  TAlteracao Alteracao;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;
};

class TS2405CollectionItem : public TItemEvento<TEvtCdBenefAlt, teS2405> {
 public:
  using TItemEvento::TItemEvento;
  TEvtCdBenefAlt& EvtCdBenefAlt() const { return Evento(); }
};

class TS2405Collection : public TColecaoEventos<TS2405CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2405CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2405

namespace esocial {
using s2405::TEvtCdBenefAlt;
using s2405::TS2405Collection;
using s2405::TS2405CollectionItem;
}  // namespace esocial
