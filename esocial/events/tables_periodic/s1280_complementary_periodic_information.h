#pragma once
// S-1280, complementary periodic information: what completes the period's payroll — the
// substitution of the employer's contribution, the port operators or tax allocations it applies
// to, the factors of concurrent activities and the transfer percentage of Law 11.096.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s1280 {

class TInfoSubstPatr {
 public:
  tpIndSubstPatr indSubstPatr{};
  double percRedContrib = 0;
};

class TInfoSubstPatrOpPortItem {
 public:
  std::string cnpjOpPortuario;  // 2.x layouts
  std::string codLotacao;       // S-1 layouts
};

class TInfoSubstPatrOpPortColecao : public platform::TTrivoObjectList<TInfoSubstPatrOpPortItem> {
 public:
  TInfoSubstPatrOpPortItem& Add() { return New(); }
};

class TinfoPercTransf11096 {
 public:
  int percTransf = 0;
};

class TInfoAtivConcom {
 public:
  double fatorMes = 0;
  double fator13 = 0;
};

class TEvtInfoComplPer : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  // The employer's tax classification, set by the caller: with ct03 the factors of concurrent
  // activities are written even when zero. Neither written nor read from INI.
  tpClassTrib ClassTrib = ct00;
  TIdeEvento3 IdeEvento;
  TIdeEmpregador IdeEmpregador;

  TInfoSubstPatr& InfoSubstPatr() { return FInfoSubstPatr.Obter(); }
  bool infoSubstPatrInst() const { return FInfoSubstPatr.Existe(); }
  TInfoAtivConcom& InfoAtivConcom() { return FInfoAtivConcom.Obter(); }
  bool infoAtivConcomInst() const { return FInfoAtivConcom.Existe(); }
  TInfoSubstPatrOpPortColecao& InfoSubstPatrOpPort() { return FInfoSubstPatrOpPort.Obter(); }
  bool infoSubstPatrOpPortInst() const { return FInfoSubstPatrOpPort.Existe(); }
  TinfoPercTransf11096& infoPercTransf11096() { return FinfoPercTransf11096.Obter(); }
  bool infoPercTransf11096Inst() const { return FinfoPercTransf11096.Existe(); }

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;

 private:
  platform::TObjetoOpcional<TInfoSubstPatr> FInfoSubstPatr;
  platform::TObjetoOpcional<TInfoAtivConcom> FInfoAtivConcom;
  platform::TObjetoOpcional<TInfoSubstPatrOpPortColecao> FInfoSubstPatrOpPort;
  platform::TObjetoOpcional<TinfoPercTransf11096> FinfoPercTransf11096;
};

class TS1280CollectionItem : public TItemEvento<TEvtInfoComplPer, teS1280> {
 public:
  using TItemEvento::TItemEvento;
  TEvtInfoComplPer& EvtInfoComplPer() const { return Evento(); }
};

class TS1280Collection : public TColecaoEventos<TS1280CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1280CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1280

namespace esocial {
using s1280::TEvtInfoComplPer;
using s1280::TS1280Collection;
using s1280::TS1280CollectionItem;
}  // namespace esocial
