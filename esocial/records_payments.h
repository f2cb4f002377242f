#pragma once
// Shared records of the event model: remuneration, payments and taxes, employer tables and
// processes (conventions in records_identification.h).
#include <cstdint>
#include <memory>
#include <string>

#include "esocial/layout_enums.h"
#include "esocial/records_identification.h"
#include "platform/date_time.h"
#include "platform/object_list.h"

namespace esocial {

class TdescFolha {
 public:
  TtpDesc tpDesc = tpdNaoInformado;
  std::string instFinanc;
  std::string nrDoc;
  std::string observacao;
};

class TRubricaCollectionItem {
 public:
  std::string matricula;
  std::string codRubr;
  std::string ideTabRubr;
  double qtdRubr = 0;
  double fatorRubr = 0;
  double vrUnit = 0;
  double vrRubr = 0;
  tpIndApurIR indApurIR{};
  TdescFolha descFolha;
};

class TRubricaCollection : public platform::TTrivoObjectList<TRubricaCollectionItem> {
 public:
  TRubricaCollectionItem& Add() { return New(); }
};

class TDetPlanoCollectionItem {
 public:
  tpTpDep tpDep{};
  std::string cpfDep;
  platform::TDateTime dtNascto = 0;
  std::string nmDep;
  double vlrPgDep = 0;
};

class TDetPlanoCollection : public platform::TTrivoObjectList<TDetPlanoCollectionItem> {
 public:
  TDetPlanoCollectionItem& Add() { return New(); }
};

class TDetOperCollectionItem {
 public:
  std::string cnpjOper;
  std::string regANS;
  double vrPgTit = 0;
  TDetPlanoCollection detPlano;
};

class TDetOperCollection : public platform::TTrivoObjectList<TDetOperCollectionItem> {
 public:
  TDetOperCollectionItem& Add() { return New(); }
};

class TInfoSaudeColet {
 public:
  TDetOperCollection detOper;
};

class TRemunPerCollectionItem {
 public:
  std::string matricula;
  TRubricaCollection itensRemun;
  TInfoSaudeColet& infoSaudeColet() { return FinfoSaudeColet.Obter(); }
  bool infoSaudeColetInst() const { return FinfoSaudeColet.Existe(); }

 private:
  platform::TObjetoOpcional<TInfoSaudeColet> FinfoSaudeColet;
};

class TInfoAgNocivo {
 public:
  tpGrauExp grauExp{};
};

class TinfoSimples {
 public:
  tpIndSimples indSimples{};
};

class TideEstabLotItem {
 public:
  tpTpInsc tpInsc{};
  std::string nrInsc;
  std::string codLotacao;
  TRubricaCollection detVerbas;
  TInfoSaudeColet& infoSaudeColet() { return FinfoSaudeColet.Obter(); }
  bool infoSaudeColetInst() const { return FinfoSaudeColet.Existe(); }
  TInfoAgNocivo& infoAgNocivo() { return FinfoAgNocivo.Obter(); }
  bool infoAgNocivoInst() const { return FinfoAgNocivo.Existe(); }
  TinfoSimples& infoSimples() { return FinfoSimples.Obter(); }
  bool infoSimplesInst() const { return FinfoSimples.Existe(); }

 private:
  platform::TObjetoOpcional<TInfoSaudeColet> FinfoSaudeColet;
  platform::TObjetoOpcional<TInfoAgNocivo> FinfoAgNocivo;
  platform::TObjetoOpcional<TinfoSimples> FinfoSimples;
};

class TideEstabLotCollection : public platform::TTrivoObjectList<TideEstabLotItem> {
 public:
  TideEstabLotItem& Add() { return New(); }
};

class TRemunOutrEmprCollectionItem {
 public:
  tpTpInsc tpInsc{};
  std::string nrInsc;
  int codCateg = 0;
  double vlrRemunOE = 0;
};

class TRemunOutrEmprCollection : public platform::TTrivoObjectList<TRemunOutrEmprCollectionItem> {
 public:
  TRemunOutrEmprCollectionItem& Add() { return New(); }
};

class TInfoMV {
 public:
  tpIndMV indMV{};
  TRemunOutrEmprCollection remunOutrEmpr;
};

class TVerbasResc {
 public:
  TProcJudTrabCollection& procJudTrab() { return FprocJudTrab.Obter(); }
  bool procJudTrabInst() const { return FprocJudTrab.Existe(); }
  TInfoMV& infoMV() { return FinfoMV.Obter(); }
  bool infoMVInst() const { return FinfoMV.Existe(); }

 private:
  platform::TObjetoOpcional<TProcJudTrabCollection> FprocJudTrab;
  platform::TObjetoOpcional<TInfoMV> FinfoMV;
};

class TPensaoAlimCollectionItem {
 public:
  std::string cpfBenef;
  platform::TDateTime dtNasctoBenef = 0;
  std::string nmBenefic;
  double vlrPensao = 0;
};

class TPensaoAlimCollection : public platform::TTrivoObjectList<TPensaoAlimCollectionItem> {
 public:
  TPensaoAlimCollectionItem& Add() { return New(); }
};

class TDespProcJud {
 public:
  double vlrDespCustas = 0;
  double vlrDespAdvogados = 0;
};

class TIdeAdvCollectionItem {
 public:
  tpTpInsc tpInsc{};
  std::string nrInsc;
  double vlrAdv = 0;
};

// Has New but no Add.
class TIdeAdvCollection : public platform::TTrivoObjectList<TIdeAdvCollectionItem> {};

class TInfoRRA {
 public:
  tpTpProcRRA tpProcRRA{};
  std::string nrProcRRA;
  std::string descRRA;
  double qtdMesesRRA = 0;
  TDespProcJud& despProcJud() { return FdespProcJud.Obter(); }
  bool instDespProcJud() const { return FdespProcJud.Existe(); }
  TIdeAdvCollection& ideAdv() { return FideAdv.Obter(); }
  bool instIdeAdv() const { return FideAdv.Existe(); }

 private:
  platform::TObjetoOpcional<TDespProcJud> FdespProcJud;
  platform::TObjetoOpcional<TIdeAdvCollection> FideAdv;
};

// ---- employer tables and processes ----

class TProcesso {
 public:
  std::string nrProc;
  std::string codSusp;
};

class TProcAdmJudRat : public TProcesso {
 public:
  tpTpProc tpProc{};
};

class TProcAdmJudFap : public TProcesso {
 public:
  tpTpProc tpProc{};
};

class TAliqGilRat {
 public:
  tpAliqRat AliqRat{};
  double Fap = 0;
  double AliqRatAjust = 0;
  TProcAdmJudRat& ProcAdmJudRat() { return FProcAdmJudRat.Obter(); }
  bool procAdmJudRatInst() const { return FProcAdmJudRat.Existe(); }
  TProcAdmJudFap& ProcAdmJudFap() { return FProcAdmJudFap.Obter(); }
  bool procAdmJudFapInst() const { return FProcAdmJudFap.Existe(); }

 private:
  platform::TObjetoOpcional<TProcAdmJudRat> FProcAdmJudRat;
  platform::TObjetoOpcional<TProcAdmJudFap> FProcAdmJudFap;
};

class TInfoProcJudItem {
 public:
  tpTpProc tpProc{};
  tpTpTributo tpTrib{};
  std::string nrProcJud;
  std::int64_t codSusp = 0;  // up to 14 digits
  double vrCPNRet = 0;
  double vrRatNRet = 0;
  double vrSenarNRet = 0;
  double vrCPSusp = 0;
  double vrRatSusp = 0;
  double vrSenarSusp = 0;
};

class TInfoProcJudCollection : public platform::TTrivoObjectList<TInfoProcJudItem> {
 public:
  TInfoProcJudItem& Add() { return New(); }
};

class TInfoProcJItem {
 public:
  std::string nrProcJud;
  std::int64_t codSusp = 0;  // up to 14 digits
  double vrCPNRet = 0;
  double vrRatNRet = 0;
  double vrSenarNRet = 0;
};

class TInfoProcJCollection : public platform::TTrivoObjectList<TInfoProcJItem> {
 public:
  TInfoProcJItem& Add() { return New(); }
};

class TNfsItem {
 public:
  std::string serie;
  std::string nrDocto;
  platform::TDateTime dtEmisNF = 0;
  double vlrBruto = 0;
  double vrCPDescPR = 0;
  double vrRatDescPR = 0;
  double vrSenarDesc = 0;
};

class TNfsColecao : public platform::TTrivoObjectList<TNfsItem> {
 public:
  TNfsItem& Add() { return New(); }
};

}  // namespace esocial
