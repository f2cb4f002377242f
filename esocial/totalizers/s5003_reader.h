#pragma once
// S-5003 reader: the bases of the FGTS deposits per worker that the government computes (root
// evtBasesFGTS). A 2.x document puts the workers under ideEstabLot and the deposits in
// infoDpsFGTS; an S-1 document puts them under ideEstab and ideLotacao, with deposits and
// suspended amounts in each worker's bases. One model holds both shapes.
#include <string>

#include "esocial/layout_enums.h"
#include "esocial/records_identification.h"
#include "esocial/totalizers/totalizer_frame.h"
#include "platform/date_time.h"
#include "platform/object_list.h"

namespace esocial::s5003 {

class TideProcessoFGTSCollectionItem {
 public:
  std::string nrProc;
};

class TideProcessoFGTSCollection : public platform::TTrivoObjectList<TideProcessoFGTSCollectionItem> {
 public:
  TideProcessoFGTSCollectionItem& Add() { return New(); }
};

class TdetRubrSuspCollectionItem {
 public:
  std::string codRubr;
  std::string ideTabRubr;
  double vrRubr = 0;
  TideProcessoFGTSCollection& ideProcessoFGTS() { return FideProcessoFGTS.Obter(); }
  bool ideProcessoFGTSInst() const { return FideProcessoFGTS.Existe(); }

 private:
  platform::TObjetoOpcional<TideProcessoFGTSCollection> FideProcessoFGTS;
};

class TdetRubrSuspCollection : public platform::TTrivoObjectList<TdetRubrSuspCollectionItem> {
 public:
  TdetRubrSuspCollectionItem& Add() { return New(); }
};

class TBasePerApurCollectionItem {
 public:
  int tpValor = 0;
  int indIncid = 0;
  double remFGTS = 0;
  double dpsFGTS = 0;
  TdetRubrSuspCollection& detRubrSusp() { return FdetRubrSusp.Obter(); }
  bool detRubrSuspInst() const { return FdetRubrSusp.Existe(); }

 private:
  platform::TObjetoOpcional<TdetRubrSuspCollection> FdetRubrSusp;
};

class TBasePerApurCollection : public platform::TTrivoObjectList<TBasePerApurCollectionItem> {
 public:
  TBasePerApurCollectionItem& Add() { return New(); }
};

class TBasePerAntECollectionItem {
 public:
  int tpValorE = 0;
  int indIncidE = 0;
  double remFGTSE = 0;
  double dpsFGTSE = 0;
  TdetRubrSuspCollection& detRubrSusp() { return FdetRubrSusp.Obter(); }
  bool detRubrSuspInst() const { return FdetRubrSusp.Existe(); }

 private:
  platform::TObjetoOpcional<TdetRubrSuspCollection> FdetRubrSusp;
};

class TBasePerAntECollection : public platform::TTrivoObjectList<TBasePerAntECollectionItem> {
 public:
  TBasePerAntECollectionItem& Add() { return New(); }
};

class TinfoBasePerAntECollectionItem {
 public:
  std::string perRef;
  std::string tpAcConv;
  TBasePerAntECollection& basePerAntE() { return FbasePerAntE.Obter(); }
  bool basePerAntEInst() const { return FbasePerAntE.Existe(); }

 private:
  platform::TObjetoOpcional<TBasePerAntECollection> FbasePerAntE;
};

class TinfoBasePerAntECollection : public platform::TTrivoObjectList<TinfoBasePerAntECollectionItem> {
 public:
  TinfoBasePerAntECollectionItem& Add() { return New(); }
};

class TInfoBaseFGTS {
 public:
  TBasePerApurCollection& basePerApur() { return FbasePerApur.Obter(); }
  bool BasePerApurInst() const { return FbasePerApur.Existe(); }
  TinfoBasePerAntECollection& infoBasePerAntE() { return FinfoBasePerAntE.Obter(); }
  bool InfoBasePerAntEInst() const { return FinfoBasePerAntE.Existe(); }

 private:
  platform::TObjetoOpcional<TBasePerApurCollection> FbasePerApur;
  platform::TObjetoOpcional<TinfoBasePerAntECollection> FinfoBasePerAntE;
};

class TsucessaoVinc {
 public:
  tpTpInsc tpInsc{};
  std::string nrInsc;
  std::string matricAnt;
  platform::TDateTime dtAdm = 0;
};

class TProcCS {
 public:
  std::string nrProcJud;
};

class TeConsignadoCollectionItem {
 public:
  std::string instFinanc;
  std::string nrContrato;
  double vreConsignado = 0;
};

class TeConsignadoCollection : public platform::TTrivoObjectList<TeConsignadoCollectionItem> {
 public:
  TeConsignadoCollectionItem& Add() { return New(); }
};

// A worker, of either shape.
class TInfoTrabFGTSCollectionItem {
 public:
  std::string matricula;
  int codCateg = 0;
  int categOrig = 0;
  tpTpRegTrab tpRegTrab{};
  tpSimNaoFacultativo remunSuc{};
  platform::TDateTime dtAdm = 0;
  platform::TDateTime dtDeslig = 0;
  platform::TDateTime dtInicio = 0;
  std::string mtvDeslig;
  platform::TDateTime dtTerm = 0;
  std::string mtvDesligTSV;
  TProcCS ProcCS;
  TInfoBaseFGTS InfoBaseFGTS;
  TsucessaoVinc sucessaoVinc;
  TeConsignadoCollection eConsignado;
};

class TInfoTrabFGTSCollection : public platform::TTrivoObjectList<TInfoTrabFGTSCollectionItem> {
 public:
  TInfoTrabFGTSCollectionItem& Add() { return New(); }
};

// ---- the 2.x shape ----

class TIdeEstabLot2CollectionItem {
 public:
  tpTpInsc tpInsc{};
  std::string nrInsc;
  std::string codLotacao;
  TInfoTrabFGTSCollection& InfoTrabFGTS() { return FInfoTrabFGTS.Obter(); }
  bool InfoTrabFGTSInst() const { return FInfoTrabFGTS.Existe(); }

 private:
  platform::TObjetoOpcional<TInfoTrabFGTSCollection> FInfoTrabFGTS;
};

class TIdeEstabLot2Collection : public platform::TTrivoObjectList<TIdeEstabLot2CollectionItem> {
 public:
  TIdeEstabLot2CollectionItem& Add() { return New(); }
};

class TDpsPerApurCollectionItem {
 public:
  int tpDps = 0;
  double dpsFGTS = 0;
};

class TDpsPerApurCollection : public platform::TTrivoObjectList<TDpsPerApurCollectionItem> {
 public:
  TDpsPerApurCollectionItem& Add() { return New(); }
};

class TInfoTrabDpsCollectionItem {
 public:
  std::string matricula;
  int codCateg = 0;
  TDpsPerApurCollection& dpsPerApur() { return FdpsPerApur.Obter(); }
  bool dpsPerApurInst() const { return FdpsPerApur.Existe(); }

 private:
  platform::TObjetoOpcional<TDpsPerApurCollection> FdpsPerApur;
};

class TInfoTrabDpsCollection : public platform::TTrivoObjectList<TInfoTrabDpsCollectionItem> {
 public:
  TInfoTrabDpsCollectionItem& Add() { return New(); }
};

class TInfoDpsFGTS {
 public:
  TInfoTrabDpsCollection& infoTrabDps() { return FinfoTrabDps.Obter(); }
  bool InfoTrabDpsInst() const { return FinfoTrabDps.Existe(); }

 private:
  platform::TObjetoOpcional<TInfoTrabDpsCollection> FinfoTrabDps;
};

// ---- the S-1 shape ----

class TideLotacaoCOllectionItem {
 public:
  std::string codLotacao;
  std::string tpLotacao;
  tpTpInsc tpInsc{};
  std::string nrInsc;
  TInfoTrabFGTSCollection& infoTrabFGTS() { return FinfoTrabFGTS.Obter(); }
  bool infoTrabFGTSInst() const { return FinfoTrabFGTS.Existe(); }

 private:
  platform::TObjetoOpcional<TInfoTrabFGTSCollection> FinfoTrabFGTS;
};

class TideLotacaoCollection : public platform::TTrivoObjectList<TideLotacaoCOllectionItem> {
 public:
  TideLotacaoCOllectionItem& Add() { return New(); }
};

class TIdeEstabCollectionItem {
 public:
  tpTpInsc tpInsc{};
  std::string nrInsc;
  TideLotacaoCollection& ideLotacao() { return FideLotacao.Obter(); }
  bool IdeLotacaoInst() const { return FideLotacao.Existe(); }

 private:
  platform::TObjetoOpcional<TideLotacaoCollection> FideLotacao;
};

class TIdeEstabCollection : public platform::TTrivoObjectList<TIdeEstabCollectionItem> {
 public:
  TIdeEstabCollectionItem& Add() { return New(); }
};

class TInfoFGTS {
 public:
  platform::TDateTime dtVenc = 0;
  tpClassTrib classTrib{};
  TIdeEstabLot2Collection& IdeEstabLot() { return FIdeEstabLot.Obter(); }
  bool IdeEstabLotInst() const { return FIdeEstabLot.Existe(); }
  // Made when the first infoTrabDps is read.
  TInfoDpsFGTS& infoDpsFGTS() { return FinfoDpsFGTS.Obter(); }
  bool InfoDpsFGTSInst() const { return FinfoDpsFGTS.Existe(); }
  TIdeEstabCollection& IdeEstab() { return FIdeEstab.Obter(); }
  bool IdeEstabInst() const { return FIdeEstab.Existe(); }

 private:
  platform::TObjetoOpcional<TIdeEstabLot2Collection> FIdeEstabLot;
  platform::TObjetoOpcional<TInfoDpsFGTS> FinfoDpsFGTS;
  platform::TObjetoOpcional<TIdeEstabCollection> FIdeEstab;
};

class TEvtBasesFGTS : public totalizers::TConteudoTotalizador {
 public:
  TEvtBasesFGTS() : TConteudoTotalizador("evtBasesFGTS") {}

  TIdeEvento5 IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TideTrabalhador2 IdeTrabalhador;
  TInfoFGTS infoFGTS;

 protected:
  void LerGrupos(const TLeituraTags& x) override;

 private:
  void LerFormato2x(const TLeituraTags& x);
  void LerFormatoS1(const TLeituraTags& x);
  void LerCamposTrabalhador(const TLeituraTags& x, TInfoTrabFGTSCollectionItem& trab);
  void LerTrabalhadorS1(const TLeituraTags& x, TInfoTrabFGTSCollectionItem& trab);
};

class TS5003 : public totalizers::TLeitorTotalizador<TEvtBasesFGTS, teS5003> {
 public:
  TEvtBasesFGTS& EvtBasesFGTS() { return Conteudo(); }
};

}  // namespace esocial::s5003

namespace esocial {
using s5003::TS5003;
}  // namespace esocial
