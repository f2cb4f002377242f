#pragma once
// The records of the government's replies that several readers share: the status with its
// occurrences, the batch's reception and processing, and an event's reception, processing and
// receipt with the contract data a receipt may carry. Records are plain classes with public
// fields (conventions in records_identification.h); lists own their items.
#include <string>

#include "dfe/field_conversions.h"
#include "esocial/layout_enums.h"
#include "esocial/records_contract.h"
#include "esocial/records_identification.h"
#include "platform/date_time.h"
#include "platform/object_list.h"

namespace esocial {

class TLeituraTags;

class TOcorrenciasCollectionItem {
 public:
  int Codigo = 0;
  std::string Descricao;
  unsigned char Tipo = 0;
  std::string Localizacao;
};

class TOcorrenciasCollection : public platform::TTrivoObjectList<TOcorrenciasCollectionItem> {
 public:
  TOcorrenciasCollectionItem& Add() { return New(); }
};

// An event's processing occurrences have the fields of the batch's.
using TOcorrenciasProcCollectionItem = TOcorrenciasCollectionItem;
using TOcorrenciasProcCollection = TOcorrenciasCollection;

class TStatus {
 public:
  int cdResposta = 0;
  std::string descResposta;
  int tempoEstimadoConclusao = 0;
  TOcorrenciasCollection Ocorrencias;
};

class TDadosRecepcaoLote {
 public:
  platform::TDateTime dhRecepcao = 0;
  std::string versaoAplicRecepcao;
  std::string Protocolo;
};

class TdadosProcLote {
 public:
  std::string versaoAplicProcLote;
};

class TRecepcao {
 public:
  dfe::TpcnTipoAmbiente tpAmb{};
  platform::TDateTime dhRecepcao = 0;
  std::string versaoAplicRecepcao;
  std::string Protocolo;
};

class TProcessamento {
 public:
  int cdResposta = 0;
  std::string descResposta;
  std::string versaoAplicProcLote;
  platform::TDateTime dhProcessamento = 0;
  TOcorrenciasProcCollection Ocorrencias;
};

class TTrabalhadorConsulta {
 public:
  std::string CpfTrab;
  std::string NisTrab;
  std::string NmTrab;
};

class TInfoDeficienciaConsulta {
 public:
  std::string InfoCota;
};

class TVinculoConsulta {
 public:
  std::string Matricula;
};

class TInfoCeletistaConsulta {
 public:
  platform::TDateTime DtAdm = 0;
  tpTpRegJor TpRegJor{};
  int dtBase = 0;
  std::string cnpjSindCategProf;
};

class TInfoEstatutarioConsulta {
 public:
  platform::TDateTime DtPosse = 0;
  platform::TDateTime DtExercicio = 0;
};

class TCargo {
 public:
  std::string codCargo;
  std::string nmCargo;
  std::string codCBO;
};

class TFuncao {
 public:
  std::string codFuncao;
  std::string nmFuncao;  // the reply's dscFuncao
  std::string codCBO;
};

class TinfoContratoConsulta {
 public:
  TCargo Cargo;
  TFuncao Funcao;
  std::string codCateg;
};

class TLocalTrabGeralConsulta {
 public:
  tpTpInsc TpInsc{};
  std::string NrInsc;
  std::string Cnae;
};

class THorarioConsultaCollectionItem {
 public:
  tpTpDia dia{};
  std::string codHorContrat;
  std::string hrEntr;
  std::string hrSaida;
  int durJornada = 0;
  std::string perHorFlexivel;
  THorarioIntervaloCollection horarioIntervalo;
};

class THorarioConsultaCollection : public platform::TTrivoObjectList<THorarioConsultaCollectionItem> {
 public:
  THorarioConsultaCollectionItem& Add() { return New(); }
};

class THorContratualConsulta {
 public:
  double QtdHrsSem = 0;  // a decimal in the reply ("44.00")
  tpTpJornada TpJornada{};
  std::string DscTpJorn;
  tpTmpParc tmpParc{};
  THorarioConsultaCollection horario;
};

class TContrato {
 public:
  TInscricao IdeEmpregador;
  TTrabalhadorConsulta Trabalhador;
  TInfoDeficienciaConsulta InfoDeficiencia;
  TVinculoConsulta Vinculo;
  TInfoCeletistaConsulta InfoCeletista;
  TInfoEstatutarioConsulta InfoEstatutario;
  TinfoContratoConsulta InfoContrato;
  TRemuneracao Remuneracao;
  TDuracao Duracao;
  TLocalTrabGeralConsulta LocalTrabGeral;
  THorContratualConsulta HorContratual;
};

class TRecibo {
 public:
  std::string nrRecibo;
  std::string Hash;
  TContrato Contrato;
};

// ---- reading steps shared by the reply readers; each runs on the element taken out last ----

// tpInsc (a code) and nrInsc.
void LerInscricao(const TLeituraTags& x, TInscricao& Inscricao);
// cdResposta and descResposta of a status group.
void LerStatus(const TLeituraTags& x, TStatus& Status);
// The ocorrencias group at level Nivel, when found, and each ocorrencia in it.
void LerOcorrencias(const TLeituraTags& x, int Nivel, TOcorrenciasCollection& Ocorrencias);
// dhRecepcao, versaoAplicativoRecepcao and protocoloEnvio of a batch's dadosRecepcaoLote.
void LerDadosRecepcaoLote(const TLeituraTags& x, TDadosRecepcaoLote& Dados);

}  // namespace esocial
