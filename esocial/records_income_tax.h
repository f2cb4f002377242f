#pragma once
// Shared records of a beneficiary's income-tax complement, as the employer reports it and as the
// government's income-tax totalizer returns it: dependants, deductions per revenue code,
// suspended-tax values, collective health plans and medical reimbursements (conventions in
// records_identification.h). The units that use them bring them into their own namespace with
// `using`; they live apart from `esocial` because other units have groups of the same names in
// other shapes.
#include <string>

#include "esocial/layout_enums.h"
#include "platform/date_time.h"
#include "platform/object_list.h"

namespace esocial::income_tax {

class TinfoDepCollectionItem {
 public:
  std::string cpfDep;
  platform::TDateTime dtNascto = 0;
  std::string nome;
  tpSimNaoFacultativo depIRRF = snfNada;
  // Optional in the layout: a dependant nobody gave a kind is not a spouse.
  tpTpDep tpDep = tdNenhum;
  std::string descrDep;
};

class TinfoDepCollection : public platform::TTrivoObjectList<TinfoDepCollectionItem> {};

class TdedDepenCollectionItem {
 public:
  int tpRend = 0;
  std::string cpfDep;
  double vlrDedDep = 0;
};

class TdedDepenCollection : public platform::TTrivoObjectList<TdedDepenCollectionItem> {};

class TpenAlimCollectionItem {
 public:
  int tpRend = 0;
  std::string cpfDep;
  double vlrDedPenAlim = 0;
};

class TpenAlimCollection : public platform::TTrivoObjectList<TpenAlimCollectionItem> {};

class TprevidComplCollectionItem {
 public:
  tpTpPrev tpPrev{};
  std::string cnpjEntidPC;
  double vlrDedPC = 0;
  double vlrDedPC13 = 0;
  double vlrPatrocFunp = 0;
  double vlrPatrocFunp13 = 0;
};

class TprevidComplCollection : public platform::TTrivoObjectList<TprevidComplCollectionItem> {};

class TbenefPenCollectionItem {
 public:
  std::string cpfDep;
  double vlrDepenSusp = 0;
};

class TbenefPenCollection : public platform::TTrivoObjectList<TbenefPenCollectionItem> {};

class TdedSuspCollectionItem {
 public:
  tpIndTpDeducao indTpDeducao{};
  double vlrDedSusp = 0;
  std::string cnpjEntidPC;
  double vlrPatrocFunp = 0;
  TbenefPenCollection& benefPen() { return FbenefPen.Obter(); }
  bool benefPenInst() const { return FbenefPen.Existe(); }

 private:
  platform::TObjetoOpcional<TbenefPenCollection> FbenefPen;
};

class TdedSuspCollection : public platform::TTrivoObjectList<TdedSuspCollectionItem> {};

class TinfoValoresCollectionItem {
 public:
  tpIndApuracao indApuracao{};
  double vlrNRetido = 0;
  double vlrDepJud = 0;
  double vlrCmpAnoCal = 0;
  double vlrCmpAnoAnt = 0;
  double vlrRendSusp = 0;
  TdedSuspCollection& dedSusp() { return FdedSusp.Obter(); }
  bool dedSuspInst() const { return FdedSusp.Existe(); }

 private:
  platform::TObjetoOpcional<TdedSuspCollection> FdedSusp;
};

class TinfoValoresCollection : public platform::TTrivoObjectList<TinfoValoresCollectionItem> {};

class TinfoDepSauCollectionItem {
 public:
  std::string cpfDep;
  double vlrSaudeDep = 0;
};

class TinfoDepSauCollection : public platform::TTrivoObjectList<TinfoDepSauCollectionItem> {};

class TplanSaudeCollectionItem {
 public:
  std::string cnpjOper;
  std::string regANS;
  double vlrSaudeTit = 0;
  TinfoDepSauCollection& infoDepSau() { return FinfoDepSau.Obter(); }
  bool infoDepSauInst() const { return FinfoDepSau.Existe(); }

 private:
  platform::TObjetoOpcional<TinfoDepSauCollection> FinfoDepSau;
};

class TplanSaudeCollection : public platform::TTrivoObjectList<TplanSaudeCollectionItem> {};

// A reimbursement of the holder (detReembTit) or of a dependant (detReembDep): one shape, so
// one writer or reader serves both lists.
class TdetReembCollectionItem {
 public:
  tpTpInsc tpInsc{};
  std::string nrInsc;
  double vlrReemb = 0;
  double vlrReembAnt = 0;
};

using TdetReembTitCollectionItem = TdetReembCollectionItem;
using TdetReembDepCollectionItem = TdetReembCollectionItem;
class TdetReembTitCollection : public platform::TTrivoObjectList<TdetReembTitCollectionItem> {};
class TdetReembDepCollection : public platform::TTrivoObjectList<TdetReembDepCollectionItem> {};

class TinfoReembDepCollectionItem {
 public:
  std::string cpfBenef;
  TdetReembDepCollection& detReembDep() { return FdetReembDep.Obter(); }
  bool detReembDepInst() const { return FdetReembDep.Existe(); }

 private:
  platform::TObjetoOpcional<TdetReembDepCollection> FdetReembDep;
};

class TinfoReembDepCollection : public platform::TTrivoObjectList<TinfoReembDepCollectionItem> {};

class TInfoReembMedCollectionItem {
 public:
  std::string indOrgReemb;
  std::string cnpjOper;
  std::string regANS;
  TdetReembTitCollection& detReembTit() { return FdetReembTit.Obter(); }
  bool detReembTitInst() const { return FdetReembTit.Existe(); }
  TinfoReembDepCollection& infoReembDep() { return FinfoReembDep.Obter(); }
  bool infoReembDepInst() const { return FinfoReembDep.Existe(); }

 private:
  platform::TObjetoOpcional<TdetReembTitCollection> FdetReembTit;
  platform::TObjetoOpcional<TinfoReembDepCollection> FinfoReembDep;
};

class TInfoReembMedCollection : public platform::TTrivoObjectList<TInfoReembMedCollectionItem> {};

}  // namespace esocial::income_tax
