#pragma once
// S-1250, rural production acquisition: an acquiring establishment's purchases of rural
// production in the month, per kind of acquisition, with each producer's gross value and the
// contributions deducted, the invoices behind it and the judicial processes under which
// contributions were not withheld. The 2.4 layouts write every group below the establishment
// with child elements, 2.5 as one element carrying its values as attributes.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s1250 {

class TIdeProdutorItem {
 public:
  tpTpInsc tpInscProd{};
  std::string nrInscProd;
  double vlrBruto = 0;
  double vrCPDescPR = 0;
  double vrRatDescPR = 0;
  double vrSenarDesc = 0;
  TpIndOpcCP IndOpcCP = icpNenhum;  // not informed until given
  TNfsColecao Nfs;
  TInfoProcJudCollection InfoProcJud;
};

class TIdeProdutorColecao : public platform::TTrivoObjectList<TIdeProdutorItem> {
 public:
  TIdeProdutorItem& Add() { return New(); }
};

class TTpAquisItem {
 public:
  tpIdAquis indAquis{};
  double vlrTotAquis = 0;
  TIdeProdutorColecao IdeProdutor;
  TInfoProcJCollection InfoProcJ;  // written from 2.5 on
};

class TTpAquisColecao : public platform::TTrivoObjectList<TTpAquisItem> {
 public:
  TTpAquisItem& Add() { return New(); }
};

class TIdeEstabAdquir {
 public:
  tpTpInsc tpInscAdq{};
  std::string nrInscAdq;
  TTpAquisColecao TpAquis;
};

class TInfoAquisProd {
 public:
  TIdeEstabAdquir IdeEstabAdquir;
};

class TEvtAqProd : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento3 IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TInfoAquisProd InfoAquisProd;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;

 private:
  void GerarTpAquis(const TTpAquisItem& Item);
  void GerarIdeProdutor(const TIdeProdutorItem& Item);
  void GerarInfoProcJud(const TInfoProcJudItem& Item);
  void GerarInfoProcJ(const TInfoProcJItem& Item);
  // The 2.4 layouts' form: child elements, no indOpcCP and no infoProcJ.
  bool FormaElementos() const { return VersaoDF() <= ve02_04_02; }
};

class TS1250CollectionItem : public TItemEvento<TEvtAqProd, teS1250> {
 public:
  using TItemEvento::TItemEvento;
  TEvtAqProd& EvtAqProd() const { return Evento(); }
};

class TS1250Collection : public TColecaoEventos<TS1250CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1250CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1250

namespace esocial {
using s1250::TEvtAqProd;
using s1250::TS1250Collection;
using s1250::TS1250CollectionItem;
}  // namespace esocial
