#pragma once
// S-1210, payments of work income: the beneficiary's income-tax complement (S-1.02 on), that is
// the report date, the earlier S-1210 it adjusts, dependants no other event reports, the tax per
// revenue code with its deductions and suspended-tax processes, collective health plans and
// medical reimbursements. Included by the unit's header; the writer is in the .cpp of the same
// name.
#include <string>

#include "esocial/event_base.h"
#include "platform/object_list.h"

namespace esocial::s1210 {

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

class TinfoProcRetCollectionItem {
 public:
  tpTpProcRet tpProcRet{};
  std::string nrProcRet;
  // Up to 14 digits.
  std::string codSusp;
  TinfoValoresCollection& infoValores() { return FinfoValores.Obter(); }
  bool infoValoresInst() const { return FinfoValores.Existe(); }

 private:
  platform::TObjetoOpcional<TinfoValoresCollection> FinfoValores;
};

class TinfoProcRetCollection : public platform::TTrivoObjectList<TinfoProcRetCollectionItem> {};

class TinfoIRCRCollectionItem {
 public:
  std::string tpCR;
  TdedDepenCollection& dedDepen() { return FdedDepen.Obter(); }
  bool dedDepenInst() const { return FdedDepen.Existe(); }
  TpenAlimCollection& penAlim() { return FpenAlim.Obter(); }
  bool penAlimInst() const { return FpenAlim.Existe(); }
  TprevidComplCollection& previdCompl() { return FprevidCompl.Obter(); }
  bool previdComplInst() const { return FprevidCompl.Existe(); }
  TinfoProcRetCollection& infoProcRet() { return FinfoProcRet.Obter(); }
  bool infoProcRetInst() const { return FinfoProcRet.Existe(); }

 private:
  platform::TObjetoOpcional<TdedDepenCollection> FdedDepen;
  platform::TObjetoOpcional<TpenAlimCollection> FpenAlim;
  platform::TObjetoOpcional<TprevidComplCollection> FprevidCompl;
  platform::TObjetoOpcional<TinfoProcRetCollection> FinfoProcRet;
};

class TinfoIRCRCollection : public platform::TTrivoObjectList<TinfoIRCRCollectionItem> {};

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

// A reimbursement of the holder (detReembTit) or of a dependant (detReembDep).
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

class TinfoIRComplemCollectionItem {
 public:
  platform::TDateTime dtLaudo = 0;
  TinfoDepCollection& infoDep() { return FinfoDep.Obter(); }
  bool infoDepInst() const { return FinfoDep.Existe(); }
  TinfoIRCRCollection& infoIRCR() { return FinfoIRCR.Obter(); }
  bool infoIRCRInst() const { return FinfoIRCR.Existe(); }
  TplanSaudeCollection& planSaude() { return FplanSaude.Obter(); }
  bool planSaudeInst() const { return FplanSaude.Existe(); }
  TInfoReembMedCollection& infoReembMed() { return FinfoReembMed.Obter(); }
  bool infoReembMedInst() const { return FinfoReembMed.Existe(); }
  TperAnt& perAnt() { return FperAnt.Obter(); }
  bool perAntInst() const { return FperAnt.Existe(); }

 private:
  platform::TObjetoOpcional<TinfoDepCollection> FinfoDep;
  platform::TObjetoOpcional<TinfoIRCRCollection> FinfoIRCR;
  platform::TObjetoOpcional<TplanSaudeCollection> FplanSaude;
  platform::TObjetoOpcional<TInfoReembMedCollection> FinfoReembMed;
  platform::TObjetoOpcional<TperAnt> FperAnt;
};

class TinfoIRComplemCollection : public platform::TTrivoObjectList<TinfoIRComplemCollectionItem> {};

}  // namespace esocial::s1210
