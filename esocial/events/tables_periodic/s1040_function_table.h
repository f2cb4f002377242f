#pragma once
// S-1040, function table (2.x layouts only): one function (a position of trust and the like)
// of the employer's table, its validity, description and occupation code.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s1040 {

class TIdeFuncao {
 public:
  std::string codFuncao;
  std::string iniValid;  // yyyy-mm
  std::string fimValid;  // yyyy-mm
};

class TDadosFuncao {
 public:
  std::string dscFuncao;
  std::string codCBO;
};

class TInfoFuncao {
 public:
  TIdeFuncao IdeFuncao;
  TDadosFuncao& DadosFuncao() { return FDadosFuncao.Obter(); }
  bool dadosFuncaoInst() const { return FDadosFuncao.Existe(); }
  TIdePeriodo& NovaValidade() { return FNovaValidade.Obter(); }
  bool novaValidadeInst() const { return FNovaValidade.Existe(); }

 private:
  platform::TObjetoOpcional<TDadosFuncao> FDadosFuncao;
  platform::TObjetoOpcional<TIdePeriodo> FNovaValidade;
};

class TEvtTabFuncao : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TModoLancamento ModoLancamento = mlInclusao;
  TIdeEvento IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TInfoFuncao InfoFuncao;

  // A failure's text is the Id, CR LF, a blank and the message, without the "ID: " prefix.
  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;
};

class TS1040CollectionItem : public TItemEvento<TEvtTabFuncao, teS1040> {
 public:
  using TItemEvento::TItemEvento;
  TEvtTabFuncao& EvtTabFuncao() const { return Evento(); }
};

class TS1040Collection : public TColecaoEventos<TS1040CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1040CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1040

namespace esocial {
using s1040::TEvtTabFuncao;
using s1040::TS1040Collection;
using s1040::TS1040CollectionItem;
}  // namespace esocial
