#pragma once
// S-1210, payments of work income: the beneficiary's income-tax complement (S-1.02 on), that is
// the report date, the earlier S-1210 it adjusts, dependants no other event reports, the tax per
// revenue code with its deductions and suspended-tax processes, collective health plans and
// medical reimbursements. Included by the unit's header; the writer is in the .cpp of the same
// name.
#include <string>

#include "esocial/event_base.h"
#include "esocial/records_income_tax.h"
#include "platform/object_list.h"

namespace esocial::s1210 {

using income_tax::TbenefPenCollection;
using income_tax::TbenefPenCollectionItem;
using income_tax::TdedDepenCollection;
using income_tax::TdedDepenCollectionItem;
using income_tax::TdedSuspCollection;
using income_tax::TdedSuspCollectionItem;
using income_tax::TdetReembCollectionItem;
using income_tax::TdetReembDepCollection;
using income_tax::TdetReembDepCollectionItem;
using income_tax::TdetReembTitCollection;
using income_tax::TdetReembTitCollectionItem;
using income_tax::TinfoDepCollection;
using income_tax::TinfoDepCollectionItem;
using income_tax::TinfoDepSauCollection;
using income_tax::TinfoDepSauCollectionItem;
using income_tax::TinfoReembDepCollection;
using income_tax::TinfoReembDepCollectionItem;
using income_tax::TInfoReembMedCollection;
using income_tax::TInfoReembMedCollectionItem;
using income_tax::TinfoValoresCollection;
using income_tax::TinfoValoresCollectionItem;
using income_tax::TpenAlimCollection;
using income_tax::TpenAlimCollectionItem;
using income_tax::TplanSaudeCollection;
using income_tax::TplanSaudeCollectionItem;
using income_tax::TprevidComplCollection;
using income_tax::TprevidComplCollectionItem;

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
