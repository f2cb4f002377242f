#pragma once
// S-1000, employer information: the employer itself for a validity period, its tax
// classification and options, its exemption certificate and international agreement and, in
// the 2.x layouts, its contact person, public-body data and software houses.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s1000 {

class TDadosIsencao {
 public:
  std::string IdeMinLei;
  std::string NrCertif;
  platform::TDateTime DtEmisCertif = 0;
  platform::TDateTime DtVencCertif = 0;
  std::string NrProtRenov;
  platform::TDateTime DtProtRenov = 0;
  platform::TDateTime DtDou = 0;
  std::string PagDou;
};

class TInfoEFR {
 public:
  tpSimNaoFacultativo ideEFR = snfNada;  // infoEFR is written when this is informed
  std::string cnpjEFR;
};

class TInfoEnte {
 public:
  std::string nmEnte;
  std::string uf;
  int codMunic = 0;
  tpSimNao indRPPS{};
  int subteto = 0;  // the code of the 2.x layouts; 0 is not informed
  double vrSubteto = 0;
};

class TInfoOP {
 public:
  std::string nrSiafi;
  TInfoEFR infoEFR;
  TInfoEnte infoEnte;
};

class TInfoOrgInternacional {
 public:
  tpIndAcordoIsencaoMulta IndAcordoIsenMulta{};
};

class TSoftwareHouseCollectionItem {
 public:
  std::string CnpjSoftHouse;
  std::string NmRazao;
  std::string NmCont;
  std::string Telefone;
  std::string email;
};

class TSoftwareHouseCollection : public platform::TTrivoObjectList<TSoftwareHouseCollectionItem> {
 public:
  TSoftwareHouseCollectionItem& Add() { return New(); }
};

class TInfoCadastro {
 public:
  std::string NmRazao;
  std::string NatJurid;
  tpClassTrib ClassTrib{};
  TpIndCoop IndCoop{};
  TpIndConstr IndConstr{};
  TpIndDesFolha IndDesFolha{};
  TpIndOptRegEletron IndOptRegEletron{};
  std::string cnpjEFR;
  TpIndOpcCP IndOpcCP = icpNenhum;
  tpSimNao IndPorte{};
  tpSimNaoFacultativo IndEntEd{};
  tpSimNaoFacultativo IndEtt{};
  std::string nrRegEtt;
  TDadosIsencao& DadosIsencao() { return FDadosIsencao.Obter(); }
  bool dadosIsencaoInst() const { return FDadosIsencao.Existe(); }
  TContato Contato;
  TInfoOP InfoOp;
  TInfoOrgInternacional& InfoOrgInternacional() { return FInfoOrgInternacional.Obter(); }
  bool infoOrgInternacionalInst() const { return FInfoOrgInternacional.Existe(); }
  TSoftwareHouseCollection SoftwareHouse;
  platform::TDateTime dtTrans11096 = 0;
  tpSimNaoFacultativo indTribFolhaPisCofins{};
  tpSimNaoFacultativo indTribFolhaPisPasep{};

 private:
  platform::TObjetoOpcional<TDadosIsencao> FDadosIsencao;
  platform::TObjetoOpcional<TInfoOrgInternacional> FInfoOrgInternacional;
};

class TInfoEmpregador {
 public:
  TIdePeriodo idePeriodo;
  TInfoCadastro& infoCadastro() { return FinfoCadastro.Obter(); }
  bool infoCadastroInst() const { return FinfoCadastro.Existe(); }
  TIdePeriodo& novaValidade() { return FnovaValidade.Obter(); }
  bool novaValidadeInst() const { return FnovaValidade.Existe(); }

 private:
  platform::TObjetoOpcional<TInfoCadastro> FinfoCadastro;
  platform::TObjetoOpcional<TIdePeriodo> FnovaValidade;
};

class TevtInfoEmpregador : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TModoLancamento ModoLancamento = mlInclusao;
  TIdeEvento ideEvento;
  TIdeEmpregador ideEmpregador;
  TInfoEmpregador infoEmpregador;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;

 private:
  void GerarInfoCadastro(TInfoCadastro& Info);
  void GerarContatoEmpregador(const TContato& Contato);
  void GerarInfoOP(const TInfoOP& InfoOP);
  void GerarSoftwareHouse(const TSoftwareHouseCollection& Lista);
  void GerarDadosIsencao(const TDadosIsencao& Dados);
  void GerarInfoOrgInternacional(TInfoCadastro& Info);
};

class TS1000CollectionItem : public TItemEvento<TevtInfoEmpregador, teS1000> {
 public:
  using TItemEvento::TItemEvento;
  TevtInfoEmpregador& evtInfoEmpregador() const { return Evento(); }
};

class TS1000Collection : public TColecaoEventos<TS1000CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1000CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1000

namespace esocial {
using s1000::TevtInfoEmpregador;
using s1000::TS1000Collection;
using s1000::TS1000CollectionItem;
}  // namespace esocial
