#pragma once
// S-2230, temporary leave: the start of a leave (its reason, sick notes, cession, union or
// elective mandate, vesting period), the rectification of an earlier report and its end.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s2230 {

class TinfoAtestadoItem {
 public:
  std::string codCID;
  int qtDiasAfast = 0;
  TEmitente& Emitente() { return FEmitente.Obter(); }
  bool emitenteInst() const { return FEmitente.Existe(); }

 private:
  platform::TObjetoOpcional<TEmitente> FEmitente;
};

class TinfoAtestado : public platform::TTrivoObjectList<TinfoAtestadoItem> {
 public:
  TinfoAtestadoItem& Add() { return New(); }
};

class TinfoCessao {
 public:
  std::string cnpjCess;
  tpInfOnus infOnus{};
};

class TinfoMandSind {
 public:
  std::string cnpjSind;
  tpOnusRemun infOnusRemun{};
};

class TperAquis {
 public:
  platform::TDateTime dtInicio = 0;
  platform::TDateTime dtFim = 0;
};

class TinfoMandElet {
 public:
  std::string cnpjMandElet;
  // Given only for the category 301: "not informed" is a value of its own.
  tpSimNaoFacultativo indRemunCargo = snfNada;
};

// A start whose reason, accident kind or recurrence is not given writes none.
class TiniAfastamento : public TAfastamento {
 public:
  TiniAfastamento() { codMotAfast = mtvNenhum; }

  tpSimNaoFacultativo infoMesmoMtv = snfNada;
  tpTpAcidTransito tpAcidTransito = tpatNao;
  std::string Observacao;
  TinfoAtestado& infoAtestado() { return FinfoAtestado.Obter(); }
  bool infoAtestadoInst() const { return FinfoAtestado.Existe(); }
  TinfoCessao infoCessao;
  TinfoMandSind infoMandSind;
  TperAquis perAquis;
  TinfoMandElet infoMandElet;

 private:
  platform::TObjetoOpcional<TinfoAtestado> FinfoAtestado;
};

class TAltEmpr {
 public:
  std::string codCID;
  int qtdDiasAfast = 0;
  std::string nmEmit;
  tpIdeOC ideOC{};
  std::string nrOc;
  std::string ufOC;
};

// Kept for callers; neither the writer nor the INI reader touches it.
class TaltAfastamento {
 public:
  platform::TDateTime dtAltMot = 0;
  std::string codMotAnt;
  std::string codMotAfast;
  tpSimNao infoMesmoMtv{};
  tpSimNao indEfRetroativo{};
  tpOrigemAltAfast origAlt{};
  std::string nrProcJud;
  TAltEmpr& altEmpr() { return FaltEmpr.Obter(); }
  bool altEmprInst() const { return FaltEmpr.Existe(); }

 private:
  platform::TObjetoOpcional<TAltEmpr> FaltEmpr;
};

class TinfoRetif {
 public:
  int origRetif = 0;
  tpTpProc tpProc{};
  std::string nrProc;
};

class TfimAfastamento {
 public:
  platform::TDateTime dtTermAfast = 0;
};

class TinfoAfastamento {
 public:
  TiniAfastamento iniAfastamento;
  TaltAfastamento altAfastamento;
  TinfoRetif infoRetif;
  TfimAfastamento fimAfastamento;
};

class TEvtAfastTemp : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento2 IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TIdeVinculo IdeVinculo;
  TinfoAfastamento infoAfastamento;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;

 private:
  void GerarIniAfastamento();
};

class TS2230CollectionItem : public TItemEvento<TEvtAfastTemp, teS2230> {
 public:
  using TItemEvento::TItemEvento;
  TEvtAfastTemp& EvtAfastTemp() const { return Evento(); }
};

class TS2230Collection : public TColecaoEventos<TS2230CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2230CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2230

namespace esocial {
using s2230::TEvtAfastTemp;
using s2230::TS2230Collection;
using s2230::TS2230CollectionItem;
}  // namespace esocial
