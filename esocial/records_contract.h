#pragma once
// Shared records of the event model: the employment bond and contract (conventions in
// records_identification.h).
#include <memory>
#include <string>

#include "esocial/layout_enums.h"
#include "esocial/records_identification.h"
#include "platform/date_time.h"
#include "platform/object_list.h"

namespace esocial {

class TFGTS {
 public:
  tpOpcFGTS OpcFGTS{};
  platform::TDateTime DtOpcFGTS = 0;
};

class TIdeTrabSubstituidoCollectionItem {
 public:
  std::string CpfTrabSubst;
};

class TIdeTrabSubstituidoCollection : public platform::TTrivoObjectList<TIdeTrabSubstituidoCollectionItem> {
 public:
  TIdeTrabSubstituidoCollectionItem& Add() { return New(); }
};

class TTrabTemporario {
 public:
  int hipLeg = 0;
  std::string justContr;
  std::string justProrr;
  TIdeEstabVinc IdeEstabVinc;
  TIdeTomadorServ IdeTomadorServ;
  TIdeTrabSubstituidoCollection IdeTrabSubstituido;
};

class TAprend : public TInscricao {
 public:
  tpIndAprend indAprend{};
  std::string cnpjEntQual;
  std::string cnpjPrat;
};

class TInfoCeletista {
 public:
  platform::TDateTime DtAdm = 0;
  tpTpAdmissao TpAdmissao{};
  tpTpIndAdmissao IndAdmissao{};
  std::string nrProcTrab;
  tpTpRegJor TpRegJor{};
  tpNatAtividade NatAtividade{};
  int dtBase = 0;
  std::string cnpjSindCategProf;
  TFGTS FGTS;
  TTrabTemporario TrabTemporario;
  TAprend aprend;
  std::string matAnotJud;
};

class TInfoDecJud {
 public:
  std::string nrProcJud;
};

class TInfoEstatutario {
 public:
  tpIndProvim indProvim{};
  tpTpProv tpProv{};
  platform::TDateTime dtNomeacao = 0;
  platform::TDateTime dtPosse = 0;
  platform::TDateTime dtExercicio = 0;
  esocial::tpPlanRP tpPlanRP = prpNenhum;
  TInfoDecJud infoDecJud;
  tpSimNaoFacultativo indTetoRGPS{};
  tpSimNaoFacultativo indAbonoPerm{};
  platform::TDateTime dtIniAbono = 0;
};

class TInfoRegimeTrab {
 public:
  TInfoCeletista InfoCeletista;
  TInfoEstatutario InfoEstatutario;
};

class TRemuneracao {
 public:
  double VrSalFx = 0;
  tpUndSalFixo UndSalFixo{};
  std::string DscSalVar;
};

class TDuracao {
 public:
  tpTpContr TpContr = PrazoNaoAplicavel;
  platform::TDateTime dtTerm = 0;
  tpSimNao clauAssec{};
  std::string objDet;
};

class TLocalTrabDom {
 public:
  std::string TpLograd;
  std::string DscLograd;
  std::string NrLograd;
  std::string Complemento;
  std::string Bairro;
  std::string Cep;
  int CodMunic = 0;
  std::string Uf;
};

// The same fields as the domestic workplace.
class TLocalTempDom : public TLocalTrabDom {};

class TLocalTrabalho {
 public:
  TLocalTrabGeral LocalTrabGeral;
  TLocalTrabDom LocalTrabDom;
  TLocalTempDom LocalTempDom;
};

class THorarioCollectionItem {
 public:
  tpTpDia Dia{};
  std::string CodHorContrat;
};

class THorarioCollection : public platform::TTrivoObjectList<THorarioCollectionItem> {
 public:
  THorarioCollectionItem& Add() { return New(); }
};

class THorContratual {
 public:
  double qtdHrsSem = 0;
  tpTpJornada tpJornada{};
  std::string dscTpJorn;
  tpTmpParc tmpParc{};
  THorarioCollection horario;
  std::string dscJorn;
  tpSimNao horNoturno{};
};

class THorarioIntervaloCollectionItem {
 public:
  int durInterv = 0;
  std::string iniInterv;
  std::string termInterv;
};

class THorarioIntervaloCollection : public platform::TTrivoObjectList<THorarioIntervaloCollectionItem> {
 public:
  THorarioIntervaloCollectionItem& Add() { return New(); }
};

class TDescAtividadeCollectionItem {
 public:
  std::string descAtivDesemp;
};

class TDescAtividadeCollection : public platform::TTrivoObjectList<TDescAtividadeCollectionItem> {
 public:
  TDescAtividadeCollectionItem& Add() { return New(); }
};

class TInfoAtivDesemp {
 public:
  TDescAtividadeCollection DescAtividade;
};

class TFiliacaoSindicalItem {
 public:
  std::string CnpjSindTrab;
};

class TFiliacaoSindical : public platform::TTrivoObjectList<TFiliacaoSindicalItem> {
 public:
  TFiliacaoSindicalItem& Add() { return New(); }
};

class TAlvaraJudicial {
 public:
  std::string NrProcJud;
};

class TObservacoesCollectionItem {
 public:
  std::string observacao;
};

class TObservacoesCollection : public platform::TTrivoObjectList<TObservacoesCollectionItem> {
 public:
  TObservacoesCollectionItem& Add() { return New(); }
};

class TtreiCapCollectionItem {
 public:
  int codTreiCap = 0;
};

class TtreiCapCollection : public platform::TTrivoObjectList<TtreiCapCollectionItem> {
 public:
  TtreiCapCollectionItem& Add() { return New(); }
};

class TInfoContrato {
 public:
  std::string CodCargo;
  std::string CodFuncao;
  std::string codCarreira;
  platform::TDateTime dtIngrCarr = 0;
  std::string nmCargo;
  std::string CBOCargo;
  platform::TDateTime dtIngrCargo = 0;
  std::string nmFuncao;
  std::string CBOFuncao;
  tpSimNaoFacultativo acumCargo{};
  int CodCateg = 0;
  TRemuneracao Remuneracao;
  TDuracao Duracao;
  TLocalTrabalho LocalTrabalho;
  THorContratual HorContratual;
  TInfoAtivDesemp InfoAtivDesemp;
  TFiliacaoSindical FiliacaoSindical;
  TAlvaraJudicial AlvaraJudicial;
  TObservacoesCollection observacoes;
  TtreiCapCollection& treiCap() { return FtreiCap.Obter(); }
  bool treiCapInst() const { return FtreiCap.Existe(); }

 private:
  platform::TObjetoOpcional<TtreiCapCollection> FtreiCap;
};

class TSucessaoVinc {
 public:
  // tpInsc and tpInscAnt name one field, nrInsc and cnpjEmpregAnt another.
  tpTpInsc& tpInsc() { return FtpInsc; }
  const tpTpInsc& tpInsc() const { return FtpInsc; }
  tpTpInsc& tpInscAnt() { return FtpInsc; }
  const tpTpInsc& tpInscAnt() const { return FtpInsc; }
  std::string& nrInsc() { return FnrInsc; }
  const std::string& nrInsc() const { return FnrInsc; }
  std::string& cnpjEmpregAnt() { return FnrInsc; }
  const std::string& cnpjEmpregAnt() const { return FnrInsc; }
  std::string matricAnt;
  platform::TDateTime dtTransf = 0;
  std::string observacao;

 private:
  tpTpInsc FtpInsc{};
  std::string FnrInsc;
};

class TSucessaoVinc2 {
 public:
  // cnpjSucessora and nrInsc name one field, tpInscSuc and tpInsc another.
  std::string& cnpjSucessora() { return FnrInsc; }
  const std::string& cnpjSucessora() const { return FnrInsc; }
  std::string& nrInsc() { return FnrInsc; }
  const std::string& nrInsc() const { return FnrInsc; }
  tpTpInsc& tpInscSuc() { return FtpInsc; }
  const tpTpInsc& tpInscSuc() const { return FtpInsc; }
  tpTpInsc& tpInsc() { return FtpInsc; }
  const tpTpInsc& tpInsc() const { return FtpInsc; }

 private:
  std::string FnrInsc;
  tpTpInsc FtpInsc{};
};

class TtransfDom {
 public:
  std::string cpfSubstituido;
  std::string matricAnt;
  platform::TDateTime dtTransf = 0;
};

class TMudancaCPF {
 public:
  std::string cpfAnt;
  std::string matricAnt;
  platform::TDateTime dtAltCPF = 0;
  std::string observacao;
};

class TMudancaCPF2 {
 public:
  std::string cpfAnt;
  platform::TDateTime dtAltCPF = 0;
  std::string observacao;
  std::string matricAnt;
};

class TMudancaCPF3 {
 public:
  std::string novoCPF;
};

class TAfastamento {
 public:
  platform::TDateTime DtIniAfast = 0;
  tpMotivosAfastamento codMotAfast{};
};

class TDesligamento {
 public:
  platform::TDateTime DtDeslig = 0;
};

class TInfoASO {
 public:
  platform::TDateTime DtAso = 0;
  std::string NrCRM;
  std::string UfCRM;
};

class Tcessao {
 public:
  platform::TDateTime dtIniCessao = 0;
};

class TQuarentena {
 public:
  platform::TDateTime dtFimQuar = 0;
};

class TVinculo {
 public:
  std::string matricula;
  tpTpRegTrab tpRegTrab{};
  tpTpRegPrev tpRegPrev{};
  std::string nrRecInfPrelim;
  tpSimNao cadIni{};
  TInfoRegimeTrab infoRegimeTrab;
  TInfoContrato infoContrato;
  TSucessaoVinc sucessaoVinc;
  TtransfDom transfDom;
  TAfastamento afastamento;
  TDesligamento desligamento;
  TInfoASO infoASO;
  TMudancaCPF mudancaCPF;
  Tcessao cessao;
};

class TinstEnsino {
 public:
  std::string cnpjInstEnsino;
  std::string nmRazao;
  std::string dscLograd;
  std::string nrLograd;
  std::string bairro;
  std::string Cep;
  int codMunic = 0;
  std::string Uf;
};

class TageIntegracao {
 public:
  std::string cnpjAgntInteg;
  std::string nmRazao;
  std::string dscLograd;
  std::string nrLograd;
  std::string bairro;
  std::string Cep;
  int codMunic = 0;
  std::string Uf;
};

class TsupervisorEstagio {
 public:
  std::string cpfSupervisor;
  std::string nmSuperv;
};

class TinfoEstagiario {
 public:
  tpNatEstagio natEstagio{};
  tpNivelEstagio nivEstagio{};
  std::string areaAtuacao;
  std::string nrApol;
  double vlrBolsa = 0;
  platform::TDateTime dtPrevTerm = 0;
  TinstEnsino instEnsino;
  TageIntegracao ageIntegracao;
  TsupervisorEstagio supervisorEstagio;
};

class TcargoFuncao {
 public:
  std::string codCargo;
  std::string codFuncao;
  std::string nmCargo;
  std::string CBOCargo;
  std::string nmFuncao;
  std::string CBOFuncao;
};

class TinfoRegCTPS {
 public:
  std::string CBOCargo;
  double vrSalFx = 0;
  tpUndSalFixo undSalFixo{};
  tpTpContr tpContr{};
  platform::TDateTime dtTerm = 0;
};

class TinfoIntermCollectionItem {
 public:
  int dia = 0;
  unsigned char qtdDiasInterm = 0;
  std::string hrsTrab;
};

class TinfoIntermCollection : public platform::TTrivoObjectList<TinfoIntermCollectionItem> {
 public:
  TinfoIntermCollectionItem& Add() { return New(); }
};

}  // namespace esocial
