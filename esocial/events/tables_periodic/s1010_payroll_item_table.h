#pragma once
// S-1010, payroll item table: one payroll item (rubric) of the employer's table, its validity,
// nature and incidences, and the processes that suspend them.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s1010 {

class TIdeProcessoCPCollectionItem : public TProcesso {
 public:
  tpTpProc tpProc{};
  tpExtDecisao ExtDecisao{};
};

class TIdeProcessoCPCollection : public platform::TTrivoObjectList<TIdeProcessoCPCollectionItem> {
 public:
  TIdeProcessoCPCollectionItem& Add() { return New(); }
};

class TProcessoCollection : public platform::TTrivoObjectList<TProcesso> {
 public:
  TProcesso& Add() { return New(); }
};

class TIdeProcessoIRRFCollection : public TProcessoCollection {};
class TIdeProcessoFGTSCollection : public TProcessoCollection {};
class TIdeProcessoSindCollection : public TProcessoCollection {};

class TIdeProcessoPisPasepCollectionItem {
 public:
  std::string nrProc;
  std::string codSusp;
};

class TIdeProcessoPisPasepCollection : public platform::TTrivoObjectList<TIdeProcessoPisPasepCollectionItem> {};

class TIdeRubrica {
 public:
  std::string CodRubr;
  std::string ideTabRubr;
  std::string iniValid;  // yyyy-mm
  std::string fimValid;  // yyyy-mm
};

class TDadosRubrica {
 public:
  std::string dscRubr;
  int natRubr = 0;
  tpTpRubr tpRubr{};
  tpCodIncCP codIncCP{};
  tpCodIncIRRF codIncIRRF{};
  tpCodIncFGTS codIncFGTS{};
  tpCodIncCPRP codIncCPRP = cicpNenhum;
  tpCodIncPISPASEP codIncPisPasep{};
  tpSimNaoFacultativo tetoRemun = snfNada;
  std::string observacao;

  TIdeProcessoCPCollection& IdeProcessoCP() { return FIdeProcessoCP.Obter(); }
  bool ideProcessoCPInst() const { return FIdeProcessoCP.Existe(); }
  TIdeProcessoIRRFCollection& IdeProcessoIRRF() { return FIdeProcessoIRRF.Obter(); }
  bool ideProcessoIRRFInst() const { return FIdeProcessoIRRF.Existe(); }
  TIdeProcessoFGTSCollection& IdeProcessoFGTS() { return FIdeProcessoFGTS.Obter(); }
  bool ideProcessoFGTSInst() const { return FIdeProcessoFGTS.Existe(); }
  TIdeProcessoSindCollection& IdeProcessoSIND() { return FIdeProcessoSIND.Obter(); }
  bool ideProcessoSINDInst() const { return FIdeProcessoSIND.Existe(); }
  TIdeProcessoPisPasepCollection& IdeProcessoPisPasep() { return FIdeProcessoPisPasep.Obter(); }
  bool ideProcessoPisPasepInst() const { return FIdeProcessoPisPasep.Existe(); }

 private:
  platform::TObjetoOpcional<TIdeProcessoCPCollection> FIdeProcessoCP;
  platform::TObjetoOpcional<TIdeProcessoIRRFCollection> FIdeProcessoIRRF;
  platform::TObjetoOpcional<TIdeProcessoFGTSCollection> FIdeProcessoFGTS;
  platform::TObjetoOpcional<TIdeProcessoSindCollection> FIdeProcessoSIND;
  platform::TObjetoOpcional<TIdeProcessoPisPasepCollection> FIdeProcessoPisPasep;
};

class TInfoRubrica {
 public:
  TIdeRubrica ideRubrica;
  TDadosRubrica& DadosRubrica() { return FDadosRubrica.Obter(); }
  bool dadosRubricaInst() const { return FDadosRubrica.Existe(); }
  TIdePeriodo& novaValidade() { return FnovaValidade.Obter(); }
  bool novaValidadInst() const { return FnovaValidade.Existe(); }

 private:
  platform::TObjetoOpcional<TDadosRubrica> FDadosRubrica;
  platform::TObjetoOpcional<TIdePeriodo> FnovaValidade;
};

class TEvtTabRubrica : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TModoLancamento ModoLancamento = mlInclusao;
  TIdeEvento IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TInfoRubrica InfoRubrica;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;
  // Reads the stored document into the fields, all but the process lists; true.
  bool LerXML();

 private:
  void GerarIdeRubrica(const TIdeRubrica& Ide);
  void GerarDadosRubrica(TDadosRubrica& Dados);
  // The lists of IRRF, FGTS and union processes, each item by GerarProcesso.
  void GerarProcessos(const std::string& Tag, const TProcessoCollection& Lista);
};

class TS1010CollectionItem : public TItemEvento<TEvtTabRubrica, teS1010> {
 public:
  using TItemEvento::TItemEvento;
  TEvtTabRubrica& EvtTabRubrica() const { return Evento(); }
};

class TS1010Collection : public TColecaoEventos<TS1010CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1010CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1010

namespace esocial {
using s1010::TEvtTabRubrica;
using s1010::TS1010Collection;
using s1010::TS1010CollectionItem;
}  // namespace esocial
