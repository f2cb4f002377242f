#pragma once
// S-5002 reader: the income tax withheld per beneficiary that the government computes (root
// evtIrrfBenef). The layout changed completely between 2.x and S-1, and both models live side
// by side: a 2.x document fills InfoDep and InfoIrrf, an S-1 document the lists under
// IdeTrabalhador.
#include <cstdint>
#include <string>

#include "esocial/layout_enums.h"
#include "esocial/records_identification.h"
#include "esocial/records_income_tax.h"
#include "esocial/records_payments.h"
#include "esocial/records_worker.h"
#include "esocial/totalizers/totalizer_frame.h"
#include "platform/date_time.h"
#include "platform/object_list.h"

namespace esocial::s5002 {

using income_tax::TbenefPenCollection;
using income_tax::TbenefPenCollectionItem;
using income_tax::TdedDepenCollection;
using income_tax::TdedDepenCollectionItem;
using income_tax::TdedSuspCollection;
using income_tax::TdedSuspCollectionItem;
using income_tax::TdetReembDepCollection;
using income_tax::TdetReembDepCollectionItem;
using income_tax::TdetReembTitCollection;
using income_tax::TdetReembTitCollectionItem;
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
// A reimbursement of the holder or of a dependant, by the name this reader gives it.
using TDetReemb = income_tax::TdetReembCollectionItem;

class TInfoProcJudRubCollectionItem {
 public:
  std::string nrProc;
  std::string ufVara;
  int codMunic = 0;
  int idVara = 0;
};

class TInfoProcJudRubCollection : public platform::TTrivoObjectList<TInfoProcJudRubCollectionItem> {};

class TinfoirCollectionItem {
 public:
  int tpInfoIR = 0;
  double valor = 0;
  std::string descRendimento;
  TInfoProcJudRubCollection& infoProcJudRub() { return FinfoProcJudRub.Obter(); }
  bool infoProcJudRubInst() const { return FinfoProcJudRub.Existe(); }

 private:
  platform::TObjetoOpcional<TInfoProcJudRubCollection> FinfoProcJudRub;
};

class TinfoirCollection : public platform::TTrivoObjectList<TinfoirCollectionItem> {
 public:
  TinfoirCollectionItem& Add() { return New(); }
};

// The monthly totals that totApurMen and consolidApurMen share.
class TApuracaoMensal {
 public:
  std::string CRMen;
  double vlrRendTrib = 0;
  double vlrRendTrib13 = 0;
  double vlrPrevOficial = 0;
  double vlrPrevOficial13 = 0;
  double vlrCRMen = 0;
  double vlrCR13Men = 0;
  double vlrParcIsenta65 = 0;
  double vlrParcIsenta65Dec = 0;
  double vlrDiarias = 0;
  double vlrAjudaCusto = 0;
  double vlrIndResContrato = 0;
  double vlrAbonoPec = 0;
  double vlrRendMoleGrave = 0;
  double vlrRendMoleGrave13 = 0;
  double vlrAuxMoradia = 0;
  double vlrBolsaMedico = 0;
  double vlrBolsaMedico13 = 0;
  double vlrJurosMora = 0;
  double vlrIsenOutros = 0;
  std::string descRendimento;
};

class TtotApurMenCollectionItem : public TApuracaoMensal {
 public:
  double vlrCRMenSusp = 0;
};

class TtotApurMenCollection : public platform::TTrivoObjectList<TtotApurMenCollectionItem> {};

class TtotApurDiaCollectionItem {
 public:
  int perApurDia = 0;
  std::string CRDia;
  int frmTribut = 0;
  int paisResidExt = 0;
  double vlrPagoDia = 0;
  double vlrCRDia = 0;
  double vlrCRDiaSusp = 0;
};

class TtotApurDiaCollection : public platform::TTrivoObjectList<TtotApurDiaCollectionItem> {};

class TInfoPgtoExt {
 public:
  int paisResidExt = 0;
  tpIndNIF indNIF{};
  std::string nifBenef;
  int frmTribut = 0;
  TEndExtV110 endExt;
};

class TdmDevCollectionItem {
 public:
  std::string perRef;
  std::string ideDmDev;
  int tpPgto = 0;
  platform::TDateTime dtPgto = 0;
  int codCateg = 0;
  TinfoirCollection& infoIR() { return FinfoIR.Obter(); }
  bool infoIRInst() const { return FinfoIR.Existe(); }
  TtotApurMenCollection& totApurMen() { return FtotApurMen.Obter(); }
  bool totApurMenInst() const { return FtotApurMen.Existe(); }
  TtotApurDiaCollection& totApurDia() { return FtotApurDia.Obter(); }
  bool totApurDiaInst() const { return FtotApurDia.Existe(); }
  TInfoRRA& infoRRA() { return FinfoRRA.Obter(); }
  bool infoRRAInst() const { return FinfoRRA.Existe(); }
  TInfoPgtoExt& infoPgtoExt() { return FinfoPgtoExt.Obter(); }
  bool infoPgtoExtInst() const { return FinfoPgtoExt.Existe(); }

 private:
  platform::TObjetoOpcional<TinfoirCollection> FinfoIR;
  platform::TObjetoOpcional<TtotApurMenCollection> FtotApurMen;
  platform::TObjetoOpcional<TtotApurDiaCollection> FtotApurDia;
  platform::TObjetoOpcional<TInfoRRA> FinfoRRA;
  platform::TObjetoOpcional<TInfoPgtoExt> FinfoPgtoExt;
};

class TdmDevCollection : public platform::TTrivoObjectList<TdmDevCollectionItem> {
 public:
  TdmDevCollectionItem& Add() { return New(); }
};

class TconsolidApurMenCollectionItem : public TApuracaoMensal {};

class TconsolidApurMenCollection : public platform::TTrivoObjectList<TconsolidApurMenCollectionItem> {};

class TtotInfoIR {
 public:
  TconsolidApurMenCollection& consolidApurMen() { return FconsolidApurMen.Obter(); }
  bool consolidApurMenInst() const { return FconsolidApurMen.Existe(); }

 private:
  platform::TObjetoOpcional<TconsolidApurMenCollection> FconsolidApurMen;
};

class TideDepCollectionItem {
 public:
  std::string cpfDep;
  platform::TDateTime dtNascto = 0;
  std::string nome;
  tpSimNaoFacultativo depIRRF{};
  tpTpDep tpDep{};
  std::string descrDep;
};

class TideDepCollection : public platform::TTrivoObjectList<TideDepCollectionItem> {};

class TinfoProcRetCollectionItem {
 public:
  tpTpProcRet tpProcRet{};
  std::string nrProcRet;
  // Up to 14 digits: more than 32 bits hold.
  std::int64_t codSusp = 0;
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
  TperAnt perAnt;
  TideDepCollection& ideDep() { return FideDep.Obter(); }
  bool ideDepInst() const { return FideDep.Existe(); }
  TinfoIRCRCollection& infoIRCR() { return FinfoIRCR.Obter(); }
  bool infoIRCRInst() const { return FinfoIRCR.Existe(); }
  TplanSaudeCollection& planSaude() { return FplanSaude.Obter(); }
  bool planSaudeInst() const { return FplanSaude.Existe(); }
  TInfoReembMedCollection& infoReembMed() { return FinfoReembMed.Obter(); }
  bool infoReembMedInst() const { return FinfoReembMed.Existe(); }

 private:
  platform::TObjetoOpcional<TideDepCollection> FideDep;
  platform::TObjetoOpcional<TinfoIRCRCollection> FinfoIRCR;
  platform::TObjetoOpcional<TplanSaudeCollection> FplanSaude;
  platform::TObjetoOpcional<TInfoReembMedCollection> FinfoReembMed;
};

class TinfoIRComplemCollection : public platform::TTrivoObjectList<TinfoIRComplemCollectionItem> {};

class TideTrabalhador4 : public TideTrabalhador3 {
 public:
  std::string cpfBenef;
  TdmDevCollection& dmDev() { return FdmDev.Obter(); }
  bool dmDevInst() const { return FdmDev.Existe(); }
  // Made when the first consolidApurMen is read.
  TtotInfoIR& totInfoIR() { return FtotInfoIR.Obter(); }
  bool totInfoIRInst() const { return FtotInfoIR.Existe(); }
  TinfoIRComplemCollection& infoIRComplem() { return FinfoIRComplem.Obter(); }
  bool infoIRComplemInst() const { return FinfoIRComplem.Existe(); }

 private:
  platform::TObjetoOpcional<TdmDevCollection> FdmDev;
  platform::TObjetoOpcional<TtotInfoIR> FtotInfoIR;
  platform::TObjetoOpcional<TinfoIRComplemCollection> FinfoIRComplem;
};

// ---- the 2.x model ----

class TInfoDep {
 public:
  double vrDedDep = 0;
};

class TbasesIrrfCollectionItem {
 public:
  double valor = 0;
  int tpValor = 0;
};

class TbasesIrrfCollection : public platform::TTrivoObjectList<TbasesIrrfCollectionItem> {
 public:
  TbasesIrrfCollectionItem& Add() { return New(); }
};

class TirrfCollectionItem {
 public:
  std::string tpCR;
  double vrIrrfDesc = 0;
};

class TirrfCollection : public platform::TTrivoObjectList<TirrfCollectionItem> {
 public:
  TirrfCollectionItem& Add() { return New(); }
};

class TidePgtoExt {
 public:
  TIdePais idePais;
  TEndExt endExt;
};

class TInfoIrrfCollectionItem {
 public:
  int CodCateg = 0;
  std::string indResBr;
  TbasesIrrfCollection basesIrrf;
  TirrfCollection irrf;
  TidePgtoExt idePgtoExt;
};

class TInfoIrrfCollection : public platform::TTrivoObjectList<TInfoIrrfCollectionItem> {
 public:
  TInfoIrrfCollectionItem& Add() { return New(); }
};

class TEvtIrrfBenef : public totalizers::TConteudoTotalizador {
 public:
  TEvtIrrfBenef() : TConteudoTotalizador("evtIrrfBenef") {}

  TIdeEvento5 IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TideTrabalhador4 IdeTrabalhador;
  TInfoDep InfoDep;
  TInfoIrrfCollection InfoIrrf;

 protected:
  void LerGrupos(const TLeituraTags& x) override;

 private:
  void LerDmDev(const TLeituraTags& x);
  void LerTotInfoIR(const TLeituraTags& x);
  void LerInfoIRComplem(const TLeituraTags& x);
  void LerInfoIRCR(const TLeituraTags& x, TinfoIRCRCollectionItem& cr);
  void LerModelo2x(const TLeituraTags& x);
};

class TS5002 : public totalizers::TLeitorTotalizador<TEvtIrrfBenef, teS5002> {
 public:
  TEvtIrrfBenef& EvtirrfBenef() { return Conteudo(); }
  // This reader's type can be set as well.
  TTipoEvento TipoEvento() const override { return FTipoEvento; }
  void SetTipoEvento(TTipoEvento Value) { FTipoEvento = Value; }

 private:
  TTipoEvento FTipoEvento = teS5002;
};

}  // namespace esocial::s5002

namespace esocial {
using s5002::TS5002;
}  // namespace esocial
