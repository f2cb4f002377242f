#pragma once
// S-1020, tax allocation table: one allocation unit (lotação tributária) of the employer, its
// type and inscription, the FPAS and third-party codes with the court processes that suspend
// them, the partial-employment contractor and the port operator's rates.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s1020 {

class TIdeLotacao {
 public:
  std::string codLotacao;
  std::string iniValid;  // yyyy-mm
  std::string fimValid;  // yyyy-mm
};

class TProcJudTerceiroCollectionItem : public TProcesso {
 public:
  std::string codTerc;
  // The process number under its element's name.
  std::string& nrProcJud() { return nrProc; }
  const std::string& nrProcJud() const { return nrProc; }
};

class TProcJudTerceiroCollection : public platform::TTrivoObjectList<TProcJudTerceiroCollectionItem> {
 public:
  TProcJudTerceiroCollectionItem& Add() { return New(); }
};

class TInfoProcJudTerceiros {
 public:
  TProcJudTerceiroCollection procJudTerceiro;
};

class TFPasLotacao {
 public:
  std::string Fpas;
  std::string codTercs;
  std::string codTercsSusp;
  TInfoProcJudTerceiros& infoProcJudTerceiros() { return FinfoProcJudTerceiros.Obter(); }
  bool infoProcJudTerceirosInst() const { return FinfoProcJudTerceiros.Existe(); }

 private:
  platform::TObjetoOpcional<TInfoProcJudTerceiros> FinfoProcJudTerceiros;
};

class TInfoEmprParcial {
 public:
  TptpInscContratante tpInscContrat{};
  std::string NrInscContrat;
  TpTpInscProp tpInscProp{};
  std::string nrInscProp;
};

class TdadosOpPort {
 public:
  tpAliqRat aliqRat{};
  double fap = 0;
};

class TDadosLotacao {
 public:
  std::string tpLotacao;  // the two-digit type code
  tpTpInsc tpInsc{};
  std::string nrInsc;
  TFPasLotacao fPasLotacao;
  TInfoEmprParcial infoEmprParcial;
  TdadosOpPort dadosOpPort;
};

class TInfoLotacao {
 public:
  TIdeLotacao ideLotacao;
  TDadosLotacao& dadosLotacao() { return FdadosLotacao.Obter(); }
  bool dadosLotacaoInst() const { return FdadosLotacao.Existe(); }
  TIdePeriodo& novaValidade() { return FnovaValidade.Obter(); }
  bool novaValidadeInst() const { return FnovaValidade.Existe(); }

 private:
  platform::TObjetoOpcional<TDadosLotacao> FdadosLotacao;
  platform::TObjetoOpcional<TIdePeriodo> FnovaValidade;
};

class TevtTabLotacao : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TModoLancamento ModoLancamento = mlInclusao;
  TIdeEvento IdeEvento;
  TIdeEmpregador ideEmpregador;
  TInfoLotacao infoLotacao;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;

 private:
  void GerarIdeLotacao(const TIdeLotacao& Ide);
  void GerarDadosLotacao(TDadosLotacao& Dados);
  void GerarFPasLotacao(TFPasLotacao& FPas);
};

class TS1020CollectionItem : public TItemEvento<TevtTabLotacao, teS1020> {
 public:
  using TItemEvento::TItemEvento;
  TevtTabLotacao& EvtTabLotacao() const { return Evento(); }
};

class TS1020Collection : public TColecaoEventos<TS1020CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1020CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1020

namespace esocial {
using s1020::TevtTabLotacao;
using s1020::TS1020Collection;
using s1020::TS1020CollectionItem;
}  // namespace esocial
