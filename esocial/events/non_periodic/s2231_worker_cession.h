#pragma once
// S-2231, cession of a worker: its start (the receiving employer and who pays the
// remuneration) or its end, one of the two per event.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s2231 {

class TIniCessao {
 public:
  platform::TDateTime dtIniCessao = 0;
  std::string cnpjCess;
  tpSimNao respRemun{};
};

class TFimCessao {
 public:
  platform::TDateTime dtTermCessao = 0;
};

class TInfoCessao {
 public:
  TIniCessao& iniCessao() { return FiniCessao.Obter(); }
  bool iniCessaoInst() const { return FiniCessao.Existe(); }
  TFimCessao& fimCessao() { return FfimCessao.Obter(); }
  bool fimCessaoInst() const { return FfimCessao.Existe(); }

 private:
  platform::TObjetoOpcional<TIniCessao> FiniCessao;
  platform::TObjetoOpcional<TFimCessao> FfimCessao;
};

class TEvtCessao : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento2 IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TIdeVinculo IdeVinculo;
  TInfoCessao InfoCessao;

  // Writing raises when the event holds both the start and the end, or neither.
  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;
};

class TS2231CollectionItem : public TItemEvento<TEvtCessao, teS2231> {
 public:
  using TItemEvento::TItemEvento;
  TEvtCessao& EvtCessao() const { return Evento(); }
};

class TS2231Collection : public TColecaoEventos<TS2231CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2231CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2231

namespace esocial {
using s2231::TEvtCessao;
using s2231::TS2231Collection;
using s2231::TS2231CollectionItem;
}  // namespace esocial
