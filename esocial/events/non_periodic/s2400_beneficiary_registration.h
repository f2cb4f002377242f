#pragma once
// S-2400, registration of a benefit beneficiary of a public pension scheme: the person's data,
// the start of the registration, incapacity, address and dependants.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s2400 {

class TBeneficiario {
 public:
  std::string cpfBenef;
  std::string nmBenefic;
  platform::TDateTime dtNascto = 0;
  platform::TDateTime dtInicio = 0;
  // Absent for a beneficiary registered before the obligation began.
  std::string sexo;
  // 0 is not informed.
  int racaCor = 0;
  int estCiv = 0;
  tpSimNao incFisMen{};
  platform::TDateTime dtIncFisMen = 0;
  TEndereco endereco;
  TDependenteCollection dependente;
};

class TEvtCdBenefIn : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento2 IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TBeneficiario Beneficiario;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;
};

class TS2400CollectionItem : public TItemEvento<TEvtCdBenefIn, teS2400> {
 public:
  using TItemEvento::TItemEvento;
  TEvtCdBenefIn& EvtCdBenefIn() const { return Evento(); }
};

class TS2400Collection : public TColecaoEventos<TS2400CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2400CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2400

namespace esocial {
using s2400::TEvtCdBenefIn;
using s2400::TS2400Collection;
using s2400::TS2400CollectionItem;
}  // namespace esocial
