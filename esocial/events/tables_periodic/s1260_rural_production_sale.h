#pragma once
// S-1260, rural production commercialisation: an individual rural producer's sales of its own
// production in the month, per kind of sale, with the buyers, their invoices and the judicial
// processes that suspend the contributions due.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s1260 {

class TIdeAdquirItem {
 public:
  tpTpInsc tpInsc{};
  std::string nrInsc;
  double vrComerc = 0;
  double vrRetPR = 0;  // held for the caller: no layout element carries it

  TNfsColecao& nfs() { return Fnfs.Obter(); }
  bool nfsInst() const { return Fnfs.Existe(); }

 private:
  platform::TObjetoOpcional<TNfsColecao> Fnfs;
};

class TIdeAdquirColecao : public platform::TTrivoObjectList<TIdeAdquirItem> {
 public:
  TIdeAdquirItem& Add() { return New(); }
};

class TTpComercItem {
 public:
  tpIndComerc indComerc{};
  double vrTotCom = 0;
  TIdeAdquirColecao IdeAdquir;
  TInfoProcJudCollection InfoProcJud;
};

class TTpComercColecao : public platform::TTrivoObjectList<TTpComercItem> {
 public:
  TTpComercItem& Add() { return New(); }
};

class TIdeEstabel {
 public:
  std::string nrInscEstabRural;
  TTpComercColecao TpComerc;
};

class TInfoComProd {
 public:
  TIdeEstabel IdeEstabel;
};

class TEvtComProd : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento3 IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TInfoComProd InfoComProd;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;

 private:
  void GerarTpComerc(const TTpComercItem& Item);
  void GerarIdeAdquir(TIdeAdquirItem& Item);
  void GerarInfoProcJud(const TInfoProcJudItem& Item);
};

class TS1260CollectionItem : public TItemEvento<TEvtComProd, teS1260> {
 public:
  using TItemEvento::TItemEvento;
  TEvtComProd& EvtComProd() const { return Evento(); }
};

class TS1260Collection : public TColecaoEventos<TS1260CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1260CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1260

namespace esocial {
using s1260::TEvtComProd;
using s1260::TS1260Collection;
using s1260::TS1260CollectionItem;
}  // namespace esocial
