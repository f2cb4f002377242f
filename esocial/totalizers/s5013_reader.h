#pragma once
// S-5013 reader: the FGTS bases and deposits per employer and period (root evtFGTS), as a
// batch consultation returns it. Layouts 2.x hold the bases and deposits employer-wide under
// infoFGTS; the S-1 layouts hold the bases per establishment and lotação. One model holds both.
// Amounts are held as counts of ten-thousandths, rounded to the nearest.
#include <cstdint>
#include <string>

#include "esocial/layout_enums.h"
#include "esocial/records_identification.h"
#include "esocial/totalizers/totalizer_frame.h"
#include "platform/object_list.h"

namespace esocial::s5013 {

class TBasePerApurCollectionItem {
 public:
  int tpValor = 0;
  int indIncid = 0;  // S-1
  std::int64_t baseFGTS = 0;
  std::int64_t vrFGTS = 0;  // S-1
};

class TBasePerApurCollection : public platform::TTrivoObjectList<TBasePerApurCollectionItem> {
 public:
  TBasePerApurCollectionItem& Add() { return New(); }
};

class TBasePerAntECollectionItem {
 public:
  int tpValorE = 0;
  int indIncidE = 0;
  std::int64_t baseFGTSE = 0;
  std::int64_t vrFGTSE = 0;
};

class TBasePerAntECollection : public platform::TTrivoObjectList<TBasePerAntECollectionItem> {
 public:
  TBasePerAntECollectionItem& Add() { return New(); }
};

class TInfoBasePerAntECollectionItem {
 public:
  std::string perRef;
  std::string tpAcConv;
  TBasePerAntECollection& basePerAntE() { return FbasePerAntE.Obter(); }
  bool BasePerAntEInst() const { return FbasePerAntE.Existe(); }

 private:
  platform::TObjetoOpcional<TBasePerAntECollection> FbasePerAntE;
};

class TInfoBasePerAntECollection : public platform::TTrivoObjectList<TInfoBasePerAntECollectionItem> {
 public:
  TInfoBasePerAntECollectionItem& Add() { return New(); }
};

class TInfoBaseFGTS {
 public:
  TBasePerApurCollection& basePerApur() { return FbasePerApur.Obter(); }
  bool BasePerApurInst() const { return FbasePerApur.Existe(); }
  TInfoBasePerAntECollection& infoBasePerAntE() { return FinfoBasePerAntE.Obter(); }  // S-1
  bool InfoBasePerAntEInst() const { return FinfoBasePerAntE.Existe(); }

 private:
  platform::TObjetoOpcional<TBasePerApurCollection> FbasePerApur;
  platform::TObjetoOpcional<TInfoBasePerAntECollection> FinfoBasePerAntE;
};

// Layouts 2.x.
class TDpsPerApurCollectionItem {
 public:
  int tpDps = 0;
  std::int64_t vrFGTS = 0;
};

class TDpsPerApurCollection : public platform::TTrivoObjectList<TDpsPerApurCollectionItem> {
 public:
  TDpsPerApurCollectionItem& Add() { return New(); }
};

class TInfoDpsFGTS {
 public:
  TDpsPerApurCollection& dpsPerApur() { return FdpsPerApur.Obter(); }
  bool DpsPerApurInst() const { return FdpsPerApur.Existe(); }

 private:
  platform::TObjetoOpcional<TDpsPerApurCollection> FdpsPerApur;
};

// Layouts S-1.
class TIdeLotacaoCollectionItem {
 public:
  std::string codLotacao;
  std::string tpLotacao;
  // Read only for a tpLotacao from 2 to 9.
  tpTpInsc tpInsc{};
  std::string nrInsc;
  TInfoBaseFGTS& infoBaseFGTS() { return FinfoBaseFGTS.Obter(); }
  bool InfoBaseFGTSInst() const { return FinfoBaseFGTS.Existe(); }

 private:
  platform::TObjetoOpcional<TInfoBaseFGTS> FinfoBaseFGTS;
};

class TIdeLotacaoCollection : public platform::TTrivoObjectList<TIdeLotacaoCollectionItem> {
 public:
  TIdeLotacaoCollectionItem& Add() { return New(); }
};

class TIdeEstabCollectionItem {
 public:
  std::string nrInsc;
  tpTpInsc tpInsc{};
  TIdeLotacaoCollection& ideLotacao() { return FideLotacao.Obter(); }
  bool IdeLotacaoInst() const { return FideLotacao.Existe(); }

 private:
  platform::TObjetoOpcional<TIdeLotacaoCollection> FideLotacao;
};

class TIdeEstabCollection : public platform::TTrivoObjectList<TIdeEstabCollectionItem> {
 public:
  TIdeEstabCollectionItem& Add() { return New(); }
};

class TInfoFGTS {
 public:
  std::string nrRecArqBase;
  int indExistInfo = 0;
  TInfoBaseFGTS& infoBaseFGTS() { return FinfoBaseFGTS.Obter(); }  // 2.x
  bool InfoBaseFGTSInst() const { return FinfoBaseFGTS.Existe(); }
  TInfoDpsFGTS& infoDpsFGTS() { return FinfoDpsFGTS.Obter(); }  // 2.x
  bool InfoDpsFGTSInst() const { return FinfoDpsFGTS.Existe(); }
  TIdeEstabCollection& ideEstab() { return FideEstab.Obter(); }  // S-1
  bool IdeEstabInst() const { return FideEstab.Existe(); }

 private:
  platform::TObjetoOpcional<TInfoBaseFGTS> FinfoBaseFGTS;
  platform::TObjetoOpcional<TInfoDpsFGTS> FinfoDpsFGTS;
  platform::TObjetoOpcional<TIdeEstabCollection> FideEstab;
};

class TEvtFGTS : public totalizers::TConteudoTotalizador {
 public:
  TEvtFGTS() : TConteudoTotalizador("evtFGTS") {}

  TIdeEvento5 ideEvento;  // IndApuracao (S-1) and perApur
  TIdeEmpregador ideEmpregador;
  TInfoFGTS infoFGTS;

 protected:
  void LerGrupos(const TLeituraTags& x) override;

 private:
  void LerFormato2x(const TLeituraTags& x);
  void LerFormatoS1(const TLeituraTags& x);
};

class TS5013 : public totalizers::TLeitorTotalizador<TEvtFGTS, teS5013> {
 public:
  TEvtFGTS& EvtFGTS() { return Conteudo(); }
};

}  // namespace esocial::s5013

namespace esocial {
using s5013::TS5013;
}  // namespace esocial
