#pragma once
// S-2300, start of a worker without employment bond (a union leader, an intern, an elected
// officer, a worker ceded by another body ...): the worker's personal data, the start and
// category, and the information of the category, with an optional CPF change, leave and end.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s2300 {

// The regime codes of these groups start not informed (trNenhum, rpNenhum): "0" is no code.
class TinfoDirSind {
 public:
  int categOrig = 0;
  // cnpjOrigem (2.x) and nrInsc (S-1) name one field.
  std::string& cnpjOrigem() { return FnrInsc; }
  const std::string& cnpjOrigem() const { return FnrInsc; }
  std::string& nrInsc() { return FnrInsc; }
  const std::string& nrInsc() const { return FnrInsc; }
  platform::TDateTime dtAdmOrig = 0;
  std::string matricOrig;
  tpTpInsc tpInsc{};
  tpTpRegTrab tpRegTrab = trNenhum;
  tpTpRegPrev tpRegPrev = rpNenhum;

 private:
  std::string FnrInsc;
};

class TinfoTrabCedido {
 public:
  int categOrig = 0;
  std::string cnpjCednt;
  std::string matricCed;
  platform::TDateTime dtAdmCed = 0;
  tpTpRegTrab tpRegTrab = trNenhum;
  tpTpRegPrev tpRegPrev = rpNenhum;
  // The 2.x layouts' bearer of the cost.
  tpInfOnus infOnus{};
};

class TinfoMandElet {
 public:
  int categOrig = 0;
  std::string cnpjOrig;
  std::string matricOrig;
  platform::TDateTime dtExercOrig = 0;
  tpSimNaoFacultativo indRemunCargo = snfNada;
  tpTpRegTrab tpRegTrab = trNenhum;
  tpTpRegPrev tpRegPrev = rpNenhum;
};

class TinfoComplementares {
 public:
  TcargoFuncao cargoFuncao;
  TRemuneracao Remuneracao;
  TFGTS Fgts;
  TinfoDirSind infoDirSind;
  TinfoTrabCedido infoTrabCedido;
  TinfoEstagiario infoEstagiario;
  // Written for category 304 only.
  TinfoMandElet infoMandElet;
  TLocalTrabGeral localTrabGeral;
};

class TTermino {
 public:
  platform::TDateTime dtTerm = 0;
};

class TinfoTSVInicio {
 public:
  tpSimNao cadIni{};
  // 0 is not informed.
  int codCateg = 0;
  platform::TDateTime dtInicio = 0;
  tpNatAtividade natAtividade = navNaoInformar;
  TinfoComplementares infoComplementares;
  // Written only when cadIni is tpNao.
  TMudancaCPF2 mudancaCPF;
  TAfastamento afastamento;
  TTermino termino;
  std::string matricula;
  std::string nrProcTrab;
};

class TEvtTSVInicio : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento2 IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TTrabalhador Trabalhador;
  TinfoTSVInicio infoTSVInicio;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;

 private:
  void EscreverInfoComplementares();
  void EscreverInfoDirigenteSindical(const TinfoDirSind& D);
  void EscreverInfoTrabCedido(const TinfoTrabCedido& C);
  void EscreverInfoMandElet(const TinfoMandElet& M);
};

class TS2300CollectionItem : public TItemEvento<TEvtTSVInicio, teS2300> {
 public:
  using TItemEvento::TItemEvento;
  TEvtTSVInicio& EvtTSVInicio() const { return Evento(); }
};

class TS2300Collection : public TColecaoEventos<TS2300CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2300CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2300

namespace esocial {
using s2300::TEvtTSVInicio;
using s2300::TS2300Collection;
using s2300::TS2300CollectionItem;
}  // namespace esocial
