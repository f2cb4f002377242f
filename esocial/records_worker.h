#pragma once
// Shared records of the event model: the worker's personal data (conventions in
// records_identification.h).
#include <string>

#include "esocial/layout_enums.h"
#include "platform/date_time.h"
#include "platform/object_list.h"

namespace esocial {

class TNascimento {
 public:
  platform::TDateTime dtNascto = 0;
  int codMunic = 0;
  std::string UF;
  std::string PaisNascto;
  std::string PaisNac;
  std::string NmMae;
  std::string NmPai;
};

class TCTPS {
 public:
  std::string NrCtps;
  std::string SerieCtps;
  std::string UfCtps;
};

class TRIC {
 public:
  std::string NrRic;
  std::string OrgaoEmissor;
  platform::TDateTime DtExped = 0;
};

class TRG {
 public:
  std::string NrRg;
  std::string OrgaoEmissor;
  platform::TDateTime DtExped = 0;
};

class TRNE {
 public:
  std::string NrRne;
  std::string OrgaoEmissor;
  platform::TDateTime DtExped = 0;
};

class TOC {
 public:
  std::string NrOc;
  std::string OrgaoEmissor;
  platform::TDateTime DtExped = 0;
  platform::TDateTime DtValid = 0;
};

class TCNH {
 public:
  std::string nrRegCnh;
  platform::TDateTime DtExped = 0;
  std::string ufCnh;
  platform::TDateTime DtValid = 0;
  platform::TDateTime dtPriHab = 0;
  tpCnh categoriaCnh{};
};

class TDocumentos {
 public:
  TCTPS CTPS;
  TRIC RIC;
  TRG RG;
  TRNE RNE;
  TOC OC;
  TCNH CNH;
};

class TBrasil {
 public:
  std::string TpLograd;
  std::string DscLograd;
  std::string NrLograd;
  std::string Complemento;
  std::string Bairro;
  std::string Cep;
  int CodMunic = 0;
  std::string UF;
};

class TExterior {
 public:
  std::string PaisResid;
  std::string DscLograd;
  std::string NrLograd;
  std::string Complemento;
  std::string Bairro;
  std::string NmCid;
  std::string CodPostal;
};

class TEndereco {
 public:
  TBrasil Brasil;
  TExterior Exterior;
};

class TEndExt {
 public:
  std::string dscLograd;
  std::string nrLograd;
  std::string complem;
  std::string bairro;
  std::string nmCid;
  std::string codPostal;
};

class TEndExtV110 {
 public:
  std::string endDscLograd;
  std::string endNrLograd;
  std::string endComplem;
  std::string endBairro;
  std::string endCidade;
  std::string endEstado;
  std::string endCodPostal;
  std::string telef;
};

class TTrabEstrangeiro {
 public:
  platform::TDateTime DtChegada = 0;
  tpClassTrabEstrang ClassTrabEstrang{};
  std::string CasadoBr;
  std::string FilhosBr;
};

class TtrabImig {
 public:
  tpTmpResid tmpResid{};
  tpCondIng condIng{};
};

class TInfoDeficiencia {
 public:
  tpSimNao DefMotora = tpNao;
  tpSimNao DefVisual = tpNao;
  tpSimNao DefMental = tpNao;
  tpSimNao DefIntelectual = tpNao;
  tpSimNao DefAuditiva = tpNao;
  tpSimNao DefFisica = tpNao;
  tpSimNao ReabReadap = tpNao;
  tpSimNaoFacultativo infoCota = snfNada;
  std::string Observacao;
};

class TDependenteCollectionItem {
 public:
  tpTpDep tpDep{};
  std::string nmDep;
  platform::TDateTime dtNascto = 0;
  std::string cpfDep;
  tpSimNao depIRRF{};
  tpSimNao depSF{};
  std::string sexoDep;
  // incTrab and incFisMen name one field.
  tpSimNao& incTrab() { return FincTrab; }
  const tpSimNao& incTrab() const { return FincTrab; }
  tpSimNao& incFisMen() { return FincTrab; }
  const tpSimNao& incFisMen() const { return FincTrab; }
  std::string descrDep;

 private:
  tpSimNao FincTrab{};
};

class TDependenteCollection : public platform::TTrivoObjectList<TDependenteCollectionItem> {
 public:
  TDependenteCollectionItem& Add() { return New(); }
};

class TAposentadoria {
 public:
  tpSimNao TrabAposent{};
};

class TContatoTrabalhador {
 public:
  std::string FonePrinc;
  std::string FoneAlternat;
  std::string EmailPrinc;
  std::string EmailAlternat;
};

class TContato {
 public:
  std::string NmCtt;
  std::string CpfCtt;
  std::string FoneFixo;
  std::string FoneCel;
  std::string Email;
};

class TTrabalhador {
 public:
  std::string CpfTrab;
  std::string NisTrab;
  std::string NmTrab;
  std::string Sexo;
  int RacaCor = 0;
  int EstCiv = 0;
  std::string GrauInstr;
  std::string nmSoc;
  tpSimNao IndPriEmpr{};
  std::string PaisNac;
  TNascimento Nascimento;
  TDocumentos Documentos;
  TEndereco Endereco;
  TTrabEstrangeiro TrabEstrangeiro;
  TInfoDeficiencia InfoDeficiencia;
  TDependenteCollection Dependente;
  TAposentadoria Aposentadoria;
  TContatoTrabalhador Contato;
  bool ExtrangeiroSN = false;
  TtrabImig trabImig;
};

}  // namespace esocial
