#pragma once
// S-2210, work accident communication (CAT): the injured worker's bond, the accident and its
// place, the injured parts, the causing agents, the medical certificate and the communication
// a reopening or a death report refers to.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s2210 {

class TideLocalAcid {
 public:
  tpTpInsc tpInsc{};
  std::string nrInsc;
};

class TLocalAcidente {
 public:
  tpTpLocal tpLocal{};
  std::string dscLocal;
  std::string codAmb;
  std::string tpLograd;
  std::string dscLograd;
  std::string nrLograd;
  std::string complemento;
  std::string bairro;
  std::string cep;
  int codMunic = 0;
  std::string uf;
  std::string pais;
  std::string codPostal;
  TideLocalAcid ideLocalAcid;
};

class TParteAtingidaItem {
 public:
  int codParteAting = 0;
  tpLateralidade lateralidade{};
};

class TParteAtingidaCollection : public platform::TTrivoObjectList<TParteAtingidaItem> {
 public:
  TParteAtingidaItem& Add() { return New(); }
};

class TAgenteCausadorItem {
 public:
  int codAgntCausador = 0;
};

class TAgenteCausadorCollection : public platform::TTrivoObjectList<TAgenteCausadorItem> {
 public:
  TAgenteCausadorItem& Add() { return New(); }
};

class TAtestado {
 public:
  std::string codCNES;
  platform::TDateTime dtAtendimento = 0;
  std::string hrAtendimento;
  tpSimNao indInternacao{};
  int durTrat = 0;
  tpSimNao indAfast{};
  int dscLesao = 0;
  std::string dscCompLesao;
  std::string diagProvavel;
  std::string codCID;
  std::string observacao;
  TEmitente emitente;
};

class TCatOrigem {
 public:
  std::string nrRecCatOrig;
};

class TCat {
 public:
  platform::TDateTime dtAcid = 0;
  std::string tpAcid;
  std::string hrAcid;
  std::string hrsTrabAntesAcid;
  tpTpCat tpCat{};
  tpSimNao indCatObito{};
  platform::TDateTime dtOBito = 0;
  tpSimNao indComunPolicia{};
  int codSitGeradora = 0;
  tpIniciatCAT iniciatCAT{};
  std::string obsCAT;
  platform::TDateTime ultDiaTrab = 0;
  tpSimNao houveAfast{};
  TLocalAcidente localAcidente;
  TParteAtingidaCollection parteAtingida;
  TAgenteCausadorCollection agenteCausador;
  TAtestado atestado;
  TCatOrigem catOrigem;
};

class TEvtCAT : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento2 IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TIdeVinculo IdeVinculo;
  TCat Cat;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;
  // Reads the stored document into the fields; false when it holds no evtCAT.
  bool LerXML();

 private:
  // Whether ultDiaTrab and houveAfast belong to the accident: one from the date the
  // configured environment took them on.
  bool AcidenteRecente() const;
  void GerarCat();
  void GerarLocalAcidente();
  void GerarParteAtingida();
  void GerarAgenteCausador();
  void GerarAtestado();
};

class TS2210CollectionItem : public TItemEvento<TEvtCAT, teS2210> {
 public:
  using TItemEvento::TItemEvento;
  TEvtCAT& EvtCAT() const { return Evento(); }
};

class TS2210Collection : public TColecaoEventos<TS2210CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2210CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2210

namespace esocial {
using s2210::TEvtCAT;
using s2210::TS2210Collection;
using s2210::TS2210CollectionItem;
}  // namespace esocial
