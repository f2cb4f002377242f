#pragma once
// S-1070, administrative and judicial process table: one process of the employer's table, its
// validity, who brought it and on what matter, its court and the decisions that suspend a tax.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s1070 {

class TIdeProcesso {
 public:
  tpTpProc tpProc{};
  std::string nrProc;
  std::string iniValid;  // yyyy-mm
  std::string fimValid;  // yyyy-mm
};

class TDadosProcJud {
 public:
  std::string UfVara;
  int codMunic = 0;
  std::string idVara;
};

class TInfoSuspCollectionItem {
 public:
  std::string codSusp;
  tpIndSusp indSusp{};
  platform::TDateTime dtDecisao = 0;
  tpSimNao indDeposito{};
};

class TInfoSuspCollection : public platform::TTrivoObjectList<TInfoSuspCollectionItem> {
 public:
  TInfoSuspCollectionItem& Add() { return New(); }
};

class TDadosProc {
 public:
  tpindAutoria indAutoria{};
  tpIndMatProc indMatProc{};
  std::string observacao;

  TDadosProcJud& DadosProcJud() { return FDadosProcJud.Obter(); }
  bool dadosProcJudInst() const { return FDadosProcJud.Existe(); }
  TInfoSuspCollection& infoSusp() { return FinfoSusp.Obter(); }
  bool infoSuspInst() const { return FinfoSusp.Existe(); }

 private:
  platform::TObjetoOpcional<TDadosProcJud> FDadosProcJud;
  platform::TObjetoOpcional<TInfoSuspCollection> FinfoSusp;
};

class TInfoProcesso {
 public:
  TIdeProcesso ideProcesso;
  TDadosProc& dadosProc() { return FdadosProc.Obter(); }
  bool dadosProcsInst() const { return FdadosProc.Existe(); }
  TIdePeriodo& novaValidade() { return FnovaValidade.Obter(); }
  bool novaValidadeInst() const { return FnovaValidade.Existe(); }

 private:
  platform::TObjetoOpcional<TDadosProc> FdadosProc;
  platform::TObjetoOpcional<TIdePeriodo> FnovaValidade;
};

class TEvtTabProcesso : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TModoLancamento ModoLancamento = mlInclusao;
  TIdeEvento IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TInfoProcesso InfoProcesso;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;

 private:
  void GerarIdeProcesso(const TIdeProcesso& Ide);
  void GerarDadosProc(TDadosProc& Dados);
};

class TS1070CollectionItem : public TItemEvento<TEvtTabProcesso, teS1070> {
 public:
  using TItemEvento::TItemEvento;
  TEvtTabProcesso& EvtTabProcesso() const { return Evento(); }
};

class TS1070Collection : public TColecaoEventos<TS1070CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1070CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1070

namespace esocial {
using s1070::TEvtTabProcesso;
using s1070::TS1070Collection;
using s1070::TS1070CollectionItem;
}  // namespace esocial
