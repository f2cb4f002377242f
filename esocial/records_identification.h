#pragma once
// Shared records of the event model: identification and inscriptions. A record is a plain
// class with public fields named as the layout names them; texts start empty, numbers and
// dates 0 (the zero date, 30/12/1899), booleans false and enumerations at their first value.
// Sub-records made with their owner are members; an optional group (held by a
// platform::TObjetoOpcional) is made on first read of its accessor, and its predicate (the
// name with "Inst") tells, without making it, whether it exists. A field with two names is one member behind two
// accessors.
#include <memory>
#include <string>

#include "esocial/layout_enums.h"
#include "platform/object_list.h"

namespace esocial {

// What every event object has: its identifier (the Id attribute of its root element) and the
// sequence part of a generated identifier.
class TeSocial {
 public:
  virtual ~TeSocial() = default;
  std::string Id;
  int Sequencial = 0;
};

class TInscricao {
 public:
  tpTpInsc TpInsc{};
  std::string NrInsc;
};

class TIdeEmpregador : public TInscricao {
 public:
  // Set by whoever prepares a batch or reads INI input: the inscription is then sent whole.
  bool OrgaoPublico = false;
};

class TIdeTransmissor : public TIdeEmpregador {};

class TIdeEvento {
 public:
  TpProcEmi ProcEmi{};
  std::string VerProc;
};

class TIdeEvento2 : public TIdeEvento {
 public:
  tpIndRetificacao indRetif{};
  std::string NrRecibo;
  std::string indGuia;
};

class TIdeEvento3 : public TIdeEvento2 {
 public:
  tpIndApuracao IndApuracao{};
  std::string perApur;
};

class TIdeEvento4 : public TIdeEvento {
 public:
  tpIndApuracao IndApuracao{};
  std::string perApur;
  std::string indGuia;
};

class TIdeEvento5 {
 public:
  std::string nrRecArqBase;
  tpIndApuracao IndApuracao{};
  std::string perApur;
};

class TIdeFolhaPagto {
 public:
  tpIndApuracao indApuracao{};
  std::string perApur;
};

class TIdePeriodo {
 public:
  std::string IniValid;
  std::string FimValid;
};

class TIdeVinculo {
 public:
  std::string cpfTrab;
  std::string nisTrab;
  std::string matricula;
  int codCateg = 0;
};

class TProcJudTrabCollectionItem {
 public:
  tpTpTributo tpTrib{};
  std::string nrProcJud;
  std::string codSusp;
};

class TProcJudTrabCollection : public platform::TTrivoObjectList<TProcJudTrabCollectionItem> {
 public:
  TProcJudTrabCollectionItem& Add() { return New(); }
};

class TideTrabalhador {
 public:
  std::string cpfTrab;
};

class TideTrabalhador2 : public TideTrabalhador {
 public:
  std::string nisTrab;
};

class TideTrabalhador3 : public TideTrabalhador {
 public:
  TProcJudTrabCollection procJudTrab;
};

class TideTrabSemVinc : public TideTrabalhador2 {
 public:
  int codCateg = 0;
  std::string matricula;
};

class TIdeEstabVinc : public TInscricao {};

class TIdeTomadorServ : public TInscricao {
 public:
  TIdeEstabVinc ideEstabVinc;
};

class TLocalTrabGeral {
 public:
  tpTpInsc TpInsc{};
  std::string NrInsc;
  std::string DescComp;
};

class TIdeRespInf {
 public:
  std::string nmResp;
  std::string cpfResp;
  std::string telefone;
  std::string email;
};

class TEmitente {
 public:
  std::string nmEmit;
  tpIdeOC ideOC{};
  std::string nrOc;
  std::string ufOC;
};

class TIdePais {
 public:
  std::string codPais;
  tpIndNIF indNIF{};
  std::string nifBenef;
};

class TperAnt {
 public:
  std::string perRefAjuste;
  std::string nrRec1210Orig;
};

}  // namespace esocial
