#pragma once
// S-2240, exposure to risk agents: a worker's environmental working conditions from a date
// (and, for recent conditions, until one), the work environments, the activity, the harmful
// agents with their measurements and protection equipment, the persons responsible for the
// environmental records, and observations.
#include <string>
#include <string_view>

#include "esocial/events/event_unit.h"

namespace esocial::s2240 {

class TInfoAmbCollectionItem {
 public:
  std::string codAmb;
  tpLocalAmb localAmb{};
  std::string dscSetor;
  tpTpInsc tpInsc{};
  std::string nrInsc;
};

class TInfoAmbCollection : public platform::TTrivoObjectList<TInfoAmbCollectionItem> {
 public:
  TInfoAmbCollectionItem& Add() { return New(); }
};

class TInfoAtiv {
 public:
  std::string dscAtivDes;
};

class TEpiCollectionItem {
 public:
  std::string caEPI;
  std::string dscEPI;
  tpSimNao medProtecao{};
  tpSimNao condFuncto{};
  tpSimNao usoInint{};
  tpSimNao przValid{};
  tpSimNao periodicTroca{};
  tpSimNao higienizacao{};
  std::string docAval;
};

class TEpiCollection : public platform::TTrivoObjectList<TEpiCollectionItem> {
 public:
  TEpiCollectionItem& Add() { return New(); }
};

class TEpiCompl {
 public:
  tpSimNaoFacultativo medProtecao{};
  tpSimNaoFacultativo condFuncto{};
  tpSimNaoFacultativo usoInint{};
  tpSimNaoFacultativo przValid{};
  tpSimNaoFacultativo periodicTroca{};
  tpSimNaoFacultativo higienizacao{};
};

class TEpcEpi {
 public:
  tpUtilizEPC utilizEPC{};
  tpSimNao eficEpc{};
  tpUtilizEPI utilizEPI{};
  TEpiCollection& epi() { return Fepi.Obter(); }
  bool epiInst() const { return Fepi.Existe(); }
  TEpiCompl epiCompl;
  tpSimNaoFacultativo eficEpi{};

 private:
  platform::TObjetoOpcional<TEpiCollection> Fepi;
};

class TAgNocCollectionItem {
 public:
  std::string codAgNoc;
  std::string dscAgNoc;
  tpTpAval tpAval{};
  double intConc = 0;
  double limTol = 0;
  int unMed = 0;
  std::string tecMedicao;
  std::string nrProcJud;
  TEpcEpi epcEpi;
};

class TAgNocCollection : public platform::TTrivoObjectList<TAgNocCollectionItem> {
 public:
  TAgNocCollectionItem& Add() { return New(); }
};

class TRespRegCollectionItem {
 public:
  std::string cpfResp;
  std::string nisResp;
  std::string nmResp;
  tpIdeOC ideOC{};
  std::string dscOC;
  std::string nrOC;
  std::string ufOC;
};

class TRespRegCollection : public platform::TTrivoObjectList<TRespRegCollectionItem> {
 public:
  TRespRegCollectionItem& Add() { return New(); }
};

class TObs {
 public:
  std::string metErg;
  std::string obsCompl;
};

class TinfoExpRisco {
 public:
  platform::TDateTime dtIniCondicao = 0;
  platform::TDateTime dtFimCondicao = 0;
  TInfoAmbCollection InfoAmb;
  TInfoAtiv infoAtiv;
  TAgNocCollection agNoc;
  TRespRegCollection respReg;
  TObs obs;
};

class TEvtExpRisco : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento2 IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TIdeVinculo IdeVinculo;
  TinfoExpRisco infoExpRisco;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;
  // Reads the stored document into the fields; false when it holds no evtExpRisco.
  bool LerXML();

 private:
  void GerarInfoExpRisco();
  void GerarInfoAmb();
  void GerarAgNoc();
  void GerarEpcEpi(TEpcEpi& epcEpi);
  void GerarRespReg();
  void GerarObs();
};

// The council of a person responsible for the records: an absent (empty) code is none, any
// other code outside the list raises as StrToIdeOC does.
tpIdeOC IdeOCDoResponsavel(std::string_view Codigo);

class TS2240CollectionItem : public TItemEvento<TEvtExpRisco, teS2240> {
 public:
  using TItemEvento::TItemEvento;
  TEvtExpRisco& EvtExpRisco() const { return Evento(); }
};

class TS2240Collection : public TColecaoEventos<TS2240CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2240CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2240

namespace esocial {
using s2240::TEvtExpRisco;
using s2240::TS2240Collection;
using s2240::TS2240CollectionItem;
}  // namespace esocial
