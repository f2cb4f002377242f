#pragma once
// S-5012 reader: the income tax withheld at source per employer and period, by revenue code
// (root evtIrrf), as a batch consultation returns it.
#include <string>

#include "esocial/records_identification.h"
#include "esocial/totalizers/totalizer_frame.h"
#include "platform/object_list.h"

namespace esocial::s5012 {

// Layouts up to 2.05.
class TInfoCRContribCollectionItem {
 public:
  std::string tpCR;
  double vrCR = 0;
};

class TInfoCRContribCollection : public platform::TTrivoObjectList<TInfoCRContribCollectionItem> {
 public:
  TInfoCRContribCollectionItem& Add() { return New(); }
};

class TInfoCRMenCollectionItem {
 public:
  std::string CRMen;
  double vrCRMen = 0;
  double vrCRMenSusp = 0;  // layout S-1.01 only
};

class TInfoCRMenCollection : public platform::TTrivoObjectList<TInfoCRMenCollectionItem> {};

class TInfoCRDiaCollectionItem {
 public:
  int perApurDia = 0;
  std::string CRDia;
  double vrCRDia = 0;
  double vrCRDiaSusp = 0;  // layout S-1.01 only
};

class TInfoCRDiaCollection : public platform::TTrivoObjectList<TInfoCRDiaCollectionItem> {};

class TInfoIRRF {
 public:
  std::string nrRecArqBase;
  int indExistInfo = 0;
  TInfoCRContribCollection InfoCRContrib;
  // Made when the first item of the list is read.
  TInfoCRMenCollection& InfoCRMen() { return FInfoCRMen.Obter(); }
  bool InfoCRMenInst() const { return FInfoCRMen.Existe(); }
  TInfoCRDiaCollection& InfoCRDia() { return FInfoCRDia.Obter(); }
  bool InfoCRDiaInst() const { return FInfoCRDia.Existe(); }

 private:
  platform::TObjetoOpcional<TInfoCRMenCollection> FInfoCRMen;
  platform::TObjetoOpcional<TInfoCRDiaCollection> FInfoCRDia;
};

class TEvtIrrf : public totalizers::TConteudoTotalizador {
 public:
  TEvtIrrf() : TConteudoTotalizador("evtIrrf") {}

  TIdeEvento5 IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TInfoIRRF InfoIRRF;

 protected:
  void LerGrupos(const TLeituraTags& x) override;
};

class TS5012 : public totalizers::TLeitorTotalizador<TEvtIrrf, teS5012> {
 public:
  TEvtIrrf& EvtIrrf() { return Conteudo(); }
};

}  // namespace esocial::s5012

namespace esocial {
using s5012::TS5012;
}  // namespace esocial
