#pragma once
// S-1005, establishment table: one establishment, works or CAEPF unit of the employer, its
// activity, its accident-insurance rate and factor with the processes that change them, and its
// apprentice and disabled-person quota data.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s1005 {

class TIdeEstab {
 public:
  tpTpInsc tpInsc{};
  std::string nrInsc;
  std::string iniValid;  // yyyy-mm
  std::string fimValid;  // yyyy-mm
};

class TinfoCaepf {
 public:
  ::esocial::tpCaepf tpCaepf{};
};

class TInfoObra {
 public:
  tpIndSubstPatronalObra indSubstPatrObra{};
};

class TInfoEntEducCollectionItem {
 public:
  std::string nrInsc;
};

class TInfoEntEducCollection : public platform::TTrivoObjectList<TInfoEntEducCollectionItem> {
 public:
  TInfoEntEducCollectionItem& Add() { return New(); }
};

class TInfoApr {
 public:
  std::string contApr;  // the 2.x layouts' quota code, "0" to "2"
  std::string nrProcJud;
  tpSimNaoFacultativo contEntEd = snfNada;
  TInfoEntEducCollection infoEntEduc;
};

class TInfoPCD {
 public:
  std::string contPCD;  // the 2.x layouts' quota code
  std::string nrProcJud;
};

class TInfoTrab {
 public:
  TInfoApr& infoApr() { return FinfoApr.Obter(); }
  bool infoAprInst() const { return FinfoApr.Existe(); }
  TInfoPCD& infoPCD() { return FinfoPCD.Obter(); }
  bool infoPCDInst() const { return FinfoPCD.Existe(); }

 private:
  platform::TObjetoOpcional<TInfoApr> FinfoApr;
  platform::TObjetoOpcional<TInfoPCD> FinfoPCD;
};

class TDadosEstab {
 public:
  std::string cnaePrep;
  std::string cnpjResp;
  TAliqGilRat aliqGilrat;
  TInfoObra& infoObra() { return FinfoObra.Obter(); }
  bool infoObraInst() const { return FinfoObra.Existe(); }
  TinfoCaepf& infoCaepf() { return FinfoCaepf.Obter(); }
  bool infoCaepfInst() const { return FinfoCaepf.Existe(); }
  TInfoTrab infoTrab;

 private:
  platform::TObjetoOpcional<TInfoObra> FinfoObra;
  platform::TObjetoOpcional<TinfoCaepf> FinfoCaepf;
};

class TInfoEstab {
 public:
  TIdeEstab IdeEstab;
  TDadosEstab& DadosEstab() { return FDadosEstab.Obter(); }
  bool dadosEstabInst() const { return FDadosEstab.Existe(); }
  TIdePeriodo& NovaValidade() { return FNovaValidade.Obter(); }
  bool NovaValidadeInst() const { return FNovaValidade.Existe(); }

 private:
  platform::TObjetoOpcional<TDadosEstab> FDadosEstab;
  platform::TObjetoOpcional<TIdePeriodo> FNovaValidade;
};

class TEvtTabEstab : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TModoLancamento ModoLancamento = mlInclusao;
  TIdeEvento ideEvento;
  TIdeEmpregador ideEmpregador;
  TInfoEstab infoEstab;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;

 private:
  void GerarIdeEstab(const TIdeEstab& Ide);
  void GerarDadosEstab(TDadosEstab& Dados);
  void GerarInfoTrab(TInfoTrab& InfoTrab);
};

class TS1005CollectionItem : public TItemEvento<TEvtTabEstab, teS1005> {
 public:
  using TItemEvento::TItemEvento;
  TEvtTabEstab& evtTabEstab() const { return Evento(); }
};

class TS1005Collection : public TColecaoEventos<TS1005CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS1005CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s1005

namespace esocial {
using s1005::TEvtTabEstab;
using s1005::TS1005Collection;
using s1005::TS1005CollectionItem;
}  // namespace esocial
