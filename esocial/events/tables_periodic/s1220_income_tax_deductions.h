#pragma once
// S-1220, income-tax deduction information: for one beneficiary and one period, the dependants,
// the totals deducted for private pension, alimony and dependants, their details, collective
// health plans, medical reimbursements and the processes that suspend tax or deductions. No
// layout the government published has a schema for it, and the event matrix recognises no
// document of it: the event is only ever built from fields.
#include <cstdint>
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s1220 {

class TIdeDepCollectionItem {
 public:
  std::string cpfDep;
  platform::TDateTime dtNascto = 0;
  std::string nome;
  tpRelDep relDep{};
  std::string descrDep;
};

class TIdeDepCollection : public platform::TTrivoObjectList<TIdeDepCollectionItem> {};

// Each of the next three lists has a deduction form (under infoIR and infoComplemDed) and a
// suspended form (under infoProcRet); an item holds the values of both.
class TDedDepenCollectionItem {
 public:
  std::string cpfDep;
  double vlrDeducao = 0;
  double vlrDedSusp = 0;
};

class TDedDepenCollection : public platform::TTrivoObjectList<TDedDepenCollectionItem> {};

class TPenAlimCollectionItem {
 public:
  std::string cpfDep;
  double vlrPensao = 0;
  double vlrPensaoSusp = 0;
};

class TPenAlimCollection : public platform::TTrivoObjectList<TPenAlimCollectionItem> {};

class TPrevidComplCollectionItem {
 public:
  std::string cnpjEntidPC;
  double vlrDedPC = 0;
  double vlrDedPCSusp = 0;
};

class TPrevidComplCollection : public platform::TTrivoObjectList<TPrevidComplCollectionItem> {};

class TInfoComplemDedCollectionItem {
 public:
  TPenAlimCollection& penAlim() { return FpenAlim.Obter(); }
  bool instPenAlim() const { return FpenAlim.Existe(); }
  TPrevidComplCollection& previdCompl() { return FprevidCompl.Obter(); }
  bool instPrevidCompl() const { return FprevidCompl.Existe(); }

 private:
  platform::TObjetoOpcional<TPenAlimCollection> FpenAlim;
  platform::TObjetoOpcional<TPrevidComplCollection> FprevidCompl;
};

class TInfoComplemDedCollection : public platform::TTrivoObjectList<TInfoComplemDedCollectionItem> {};

class TInfoDepCollectionItem {
 public:
  std::string cpfDep;
  double vlrSaude = 0;
};

class TInfoDepCollection : public platform::TTrivoObjectList<TInfoDepCollectionItem> {};

class TPlanSaudeCollectionItem {
 public:
  std::string cnpjOper;
  // Written as six digits; 0 is not informed.
  int regANS = 0;
  double vlrSaude = 0;
  TInfoDepCollection& infoDep() { return FinfoDep.Obter(); }
  bool instInfoDep() const { return FinfoDep.Existe(); }

 private:
  platform::TObjetoOpcional<TInfoDepCollection> FinfoDep;
};

class TPlanSaudeCollection : public platform::TTrivoObjectList<TPlanSaudeCollectionItem> {};

// The reimbursements of the holder (detReembTit) and of a dependant (detReembDep).
class TDetReembCollectionItem {
 public:
  tpTpInsc tpInsc{};
  std::string nrInsc;
  double vlrReemb = 0;
  double vlrReembAnt = 0;
};

class TDetReembTitCollectionItem : public TDetReembCollectionItem {};
class TDetReembTitCollection : public platform::TTrivoObjectList<TDetReembTitCollectionItem> {};
class TDetReembDepCollectionItem : public TDetReembCollectionItem {};
class TDetReembDepCollection : public platform::TTrivoObjectList<TDetReembDepCollectionItem> {};

class TInfoReembDepCollectionItem {
 public:
  std::string cpfBenef;
  TDetReembDepCollection& detReembDep() { return FdetReembDep.Obter(); }
  bool instDetReembDep() const { return FdetReembDep.Existe(); }

 private:
  platform::TObjetoOpcional<TDetReembDepCollection> FdetReembDep;
};

class TInfoReembDepCollection : public platform::TTrivoObjectList<TInfoReembDepCollectionItem> {};

class TInfoReembMedCollectionItem {
 public:
  int indOrgReemb = 0;
  std::string cnpjOper;
  // Written as six digits; 0 is not informed.
  int regANS = 0;
  TDetReembTitCollection& detReembTit() { return FdetReembTit.Obter(); }
  bool instDetReembTit() const { return FdetReembTit.Existe(); }
  TInfoReembDepCollection& infoReembDep() { return FinfoReembDep.Obter(); }
  bool instInfoReembDep() const { return FinfoReembDep.Existe(); }

 private:
  platform::TObjetoOpcional<TDetReembTitCollection> FdetReembTit;
  platform::TObjetoOpcional<TInfoReembDepCollection> FinfoReembDep;
};

class TInfoReembMedCollection : public platform::TTrivoObjectList<TInfoReembMedCollectionItem> {};

class TInfoProcRetCollectionItem {
 public:
  tpTpProcRet tpProcRet{};
  std::string nrProcRet;
  std::int64_t codSusp = 0;
  TPenAlimCollection& penAlim() { return FpenAlim.Obter(); }
  bool instPenAlim() const { return FpenAlim.Existe(); }
  TPrevidComplCollection& previdCompl() { return FprevidCompl.Obter(); }
  bool instPrevidCompl() const { return FprevidCompl.Existe(); }
  TDedDepenCollection& dedDepen() { return FdedDepen.Obter(); }
  bool instDedDepen() const { return FdedDepen.Existe(); }

 private:
  platform::TObjetoOpcional<TPenAlimCollection> FpenAlim;
  platform::TObjetoOpcional<TPrevidComplCollection> FprevidCompl;
  platform::TObjetoOpcional<TDedDepenCollection> FdedDepen;
};

class TInfoProcRetCollection : public platform::TTrivoObjectList<TInfoProcRetCollectionItem> {};

class TInfoIR {
 public:
  double vlrDedPC = 0;
  double vlrDedPensao = 0;
  double vlrDedDepen = 0;
  TDedDepenCollection& dedDepen() { return FdedDepen.Obter(); }
  bool instDedDepen() const { return FdedDepen.Existe(); }
  TInfoComplemDedCollection& infoComplemDed() { return FinfoComplemDed.Obter(); }
  bool instInfoComplemDed() const { return FinfoComplemDed.Existe(); }
  TPlanSaudeCollection& planSaude() { return FplanSaude.Obter(); }
  bool instPlanSaude() const { return FplanSaude.Existe(); }
  TInfoReembMedCollection& infoReembMed() { return FinfoReembMed.Obter(); }
  bool instInfoReembMed() const { return FinfoReembMed.Existe(); }
  TInfoProcRetCollection& infoProcRet() { return FinfoProcRet.Obter(); }
  bool instInfoProcRet() const { return FinfoProcRet.Existe(); }

 private:
  platform::TObjetoOpcional<TDedDepenCollection> FdedDepen;
  platform::TObjetoOpcional<TInfoComplemDedCollection> FinfoComplemDed;
  platform::TObjetoOpcional<TPlanSaudeCollection> FplanSaude;
  platform::TObjetoOpcional<TInfoReembMedCollection> FinfoReembMed;
  platform::TObjetoOpcional<TInfoProcRetCollection> FinfoProcRet;
};

class TIdeBenef {
 public:
  std::string cpfBenef;
  TIdeDepCollection& ideDep() { return FideDep.Obter(); }
  bool instIdeDep() const { return FideDep.Existe(); }
  TInfoIR infoIR;

 private:
  platform::TObjetoOpcional<TIdeDepCollection> FideDep;
};

class TEvtInfoIR : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento3 ideEvento;
  TIdeEmpregador ideEmpregador;
  TIdeBenef ideBenef;

  bool GerarXML() override;
  // Raises what loading any INI text raises, then that the event has no INI reader.
  bool LerArqIni(const std::string& AIniString) override;

 private:
  void GerarIdeDep(const TIdeDepCollection& Lista);
  void GerarInfoIR(TInfoIR& Info);
  // Suspenso: the form under infoProcRet.
  void GerarDedDepen(const TDedDepenCollection& Lista, bool Suspenso);
  void GerarPenAlim(const TPenAlimCollection& Lista, bool Suspenso);
  void GerarPrevidCompl(const TPrevidComplCollection& Lista, bool Suspenso);
  void GerarPlanSaude(TPlanSaudeCollection& Lista);
  void GerarInfoReembMed(TInfoReembMedCollection& Lista);
  void GerarInfoProcRet(TInfoProcRetCollection& Lista);
};

class TS1220CollectionItem : public TItemEvento<TEvtInfoIR, teS1220> {
 public:
  using TItemEvento::TItemEvento;
  TEvtInfoIR& EvtInfoIR() const { return Evento(); }
};

// No Add: only New.
class TS1220Collection : public TColecaoEventos<TS1220CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
};

}  // namespace esocial::s1220

namespace esocial {
using s1220::TEvtInfoIR;
using s1220::TS1220Collection;
using s1220::TS1220CollectionItem;
}  // namespace esocial
