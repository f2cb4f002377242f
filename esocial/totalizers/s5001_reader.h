#pragma once
// S-5001 reader: the contribution bases per worker that the government computes (root
// evtBasesTrab), as a batch consultation returns them.
#include <string>

#include "esocial/layout_enums.h"
#include "esocial/records_contract.h"
#include "esocial/records_identification.h"
#include "esocial/totalizers/totalizer_frame.h"
#include "platform/date_time.h"
#include "platform/object_list.h"

namespace esocial::s5001 {

class TSucessaoVinc {
 public:
  tpTpInsc tpInsc{};
  std::string nrInsc;
  std::string matricAnt;
  platform::TDateTime dtAdm = 0;
};

class TInfoComplContCollectionItem {
 public:
  std::string codCBO;
  tpNatAtividade natAtividade{};
  int qtdDiasTrab = 0;
};

class TInfoComplContCollection : public platform::TTrivoObjectList<TInfoComplContCollectionItem> {
 public:
  TInfoComplContCollectionItem& Add() { return New(); }
};

class TInfoCompl {
 public:
  TSucessaoVinc& sucessaoVinc() { return FsucessaoVinc.Obter(); }
  bool SucessaoVincInst() const { return FsucessaoVinc.Existe(); }
  TinfoIntermCollection& infoInterm() { return FinfoInterm.Obter(); }
  bool InfoIntermInst() const { return FinfoInterm.Existe(); }
  TInfoComplContCollection& infoComplCont() { return FinfoComplCont.Obter(); }
  bool InfoComplContInst() const { return FinfoComplCont.Existe(); }

 private:
  platform::TObjetoOpcional<TSucessaoVinc> FsucessaoVinc;
  platform::TObjetoOpcional<TinfoIntermCollection> FinfoInterm;
  platform::TObjetoOpcional<TInfoComplContCollection> FinfoComplCont;
};

class TIdeTrabalhador4 : public TideTrabalhador3 {
 public:
  TInfoCompl InfoCompl;
};

class TInfoCpCalcCollectionItem {
 public:
  std::string tpCR;
  double vrCpSeg = 0;
  double vrDescSeg = 0;
};

class TInfoCpCalcCollection : public platform::TTrivoObjectList<TInfoCpCalcCollectionItem> {
 public:
  TInfoCpCalcCollectionItem& Add() { return New(); }
};

class TInfoBaseCSCollectionItem {
 public:
  int ind13 = 0;
  int tpValor = 0;
  double valor = 0;
};

class TInfoBaseCSCollection : public platform::TTrivoObjectList<TInfoBaseCSCollectionItem> {
 public:
  TInfoBaseCSCollectionItem& Add() { return New(); }
};

class TCalcTercCollectionItem {
 public:
  int tpCR = 0;
  double vrCsSegTerc = 0;
  double vrDescTerc = 0;
};

class TCalcTercCollection : public platform::TTrivoObjectList<TCalcTercCollectionItem> {
 public:
  TCalcTercCollectionItem& Add() { return New(); }
};

class TIdeADCCollectionItem {
 public:
  platform::TDateTime dtAcConv = 0;
  tpTpAcConv tpAcConv{};
  std::string dsc;
  tpSimNaoFacultativo remunSuc{};
};

class TIdeADCCollection : public platform::TTrivoObjectList<TIdeADCCollectionItem> {
 public:
  TIdeADCCollectionItem& Add() { return New(); }
};

class TDetInfoPerRefCollectionItem {
 public:
  int ind13 = 0;
  double vrPerRef = 0;
  // tpVrPerRef and tpValor name one field.
  int& tpVrPerRef() { return FtpVrPerRef; }
  int tpVrPerRef() const { return FtpVrPerRef; }
  int& tpValor() { return FtpVrPerRef; }
  int tpValor() const { return FtpVrPerRef; }

 private:
  int FtpVrPerRef = 0;
};

class TDetInfoPerRefCollection : public platform::TTrivoObjectList<TDetInfoPerRefCollectionItem> {
 public:
  TDetInfoPerRefCollectionItem& Add() { return New(); }
};

class TInfoPerRefCollectionItem {
 public:
  std::string perRef;
  TDetInfoPerRefCollection& detInfoPerRef() { return FdetInfoPerRef.Obter(); }
  bool DetInfoPerRefInst() const { return FdetInfoPerRef.Existe(); }
  TIdeADCCollection& ideADC() { return FideADC.Obter(); }
  bool IdeADCInst() const { return FideADC.Existe(); }

 private:
  platform::TObjetoOpcional<TDetInfoPerRefCollection> FdetInfoPerRef;
  platform::TObjetoOpcional<TIdeADCCollection> FideADC;
};

class TInfoPerRefCollection : public platform::TTrivoObjectList<TInfoPerRefCollectionItem> {
 public:
  TInfoPerRefCollectionItem& Add() { return New(); }
};

class TInfoCategIncidCollectionItem {
 public:
  std::string matricula;
  int codCateg = 0;
  tpIndSimples indSimples{};
  TInfoBaseCSCollection InfoBaseCS;
  TCalcTercCollection CalcTerc;
  TInfoPerRefCollection InfoPerRef;
};

class TInfoCategIncidCollection : public platform::TTrivoObjectList<TInfoCategIncidCollectionItem> {
 public:
  TInfoCategIncidCollectionItem& Add() { return New(); }
};

class TIdeEstabLotCollectionItem {
 public:
  tpTpInsc tpInsc{};
  std::string nrInsc;
  std::string codLotacao;
  TInfoCategIncidCollection InfoCategIncid;
};

class TIdeEstabLotCollection : public platform::TTrivoObjectList<TIdeEstabLotCollectionItem> {
 public:
  TIdeEstabLotCollectionItem& Add() { return New(); }
};

class TInfoCp {
 public:
  tpClassTrib classTrib{};
  TIdeEstabLotCollection IdeEstabLot;
};

class TinfoBasePisPasepCollectionItem {
 public:
  int ind13 = 0;
  TtpValorPisPasep tpValorPisPasep{};
  double valorPisPasep = 0;
};

class TinfoBasePisPasepCollection : public platform::TTrivoObjectList<TinfoBasePisPasepCollectionItem> {};

class TinfoCategPisPasepCollectionItem {
 public:
  std::string matricula;
  int codCateg = 0;
  TinfoBasePisPasepCollection& infoBasePisPasep() { return FinfoBasePisPasep.Obter(); }
  bool infoBasePisPasepInst() const { return FinfoBasePisPasep.Existe(); }

 private:
  platform::TObjetoOpcional<TinfoBasePisPasepCollection> FinfoBasePisPasep;
};

class TinfoCategPisPasepCollection : public platform::TTrivoObjectList<TinfoCategPisPasepCollectionItem> {};

class TideEstabCollectionItem {
 public:
  tpTpInsc tpInsc{};
  std::string nrInsc;
  TinfoCategPisPasepCollection infoCategPisPasep;
};

class TideEstabCollection : public platform::TTrivoObjectList<TideEstabCollectionItem> {};

class TinfoPisPasep {
 public:
  TideEstabCollection ideEstab;
};

class TEvtBasesTrab : public totalizers::TConteudoTotalizador {
 public:
  TEvtBasesTrab() : TConteudoTotalizador("evtBasesTrab") {}

  TIdeEvento5 IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TIdeTrabalhador4 IdeTrabalhador;
  TInfoCpCalcCollection InfoCpCalc;
  TInfoCp InfoCp;
  // Made when the first ideEstab of an infoPisPasep is read.
  TinfoPisPasep& infoPisPasep() { return FinfoPisPasep.Obter(); }
  bool infoPisPasepInst() const { return FinfoPisPasep.Existe(); }

 protected:
  void LerGrupos(const TLeituraTags& x) override;

 private:
  void LerInfoCompl(const TLeituraTags& x);
  void LerInfoCp(const TLeituraTags& x);
  void LerInfoPisPasep(const TLeituraTags& x);

  platform::TObjetoOpcional<TinfoPisPasep> FinfoPisPasep;
};

class TS5001 : public totalizers::TLeitorTotalizador<TEvtBasesTrab, teS5001> {
 public:
  TEvtBasesTrab& EvtBasesTrab() { return Conteudo(); }
};

}  // namespace esocial::s5001

namespace esocial {
using s5001::TS5001;
}  // namespace esocial
