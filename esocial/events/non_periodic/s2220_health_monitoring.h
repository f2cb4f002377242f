#pragma once
// S-2220, occupational health monitoring: one occupational medical examination of a bond, its
// health certificate (aso) with the examinations performed and the physician who issued it,
// and the physician responsible for the monitoring programme.
#include <string>

#include "esocial/events/event_unit.h"

namespace esocial::s2220 {

// A code left at its "not informed" value is left out of the document.
class TExameCollectionItem {
 public:
  platform::TDateTime DtExm = 0;
  std::string ProcRealizado;
  std::string obsProc;
  tpOrdExame ordExame = orNaoInformado;
  tpIndResult indResult = irNaoInformado;
};

class TExameCollection : public platform::TTrivoObjectList<TExameCollectionItem> {
 public:
  TExameCollectionItem& Add() { return New(); }
};

class TMedico {
 public:
  std::string cpfMed;
  std::string nisMed;
  std::string NmMed;
  std::string nrCRM;
  std::string ufCRM;
};

class TAso {
 public:
  platform::TDateTime DtAso = 0;
  tpResAso ResAso = raNaoInformado;
  TExameCollection Exame;
  TMedico Medico;
};

class TRespMonit {
 public:
  std::string cpfResp;
  std::string nmResp;
  std::string nrCRM;
  std::string ufCRM;
};

class TexMedOcup {
 public:
  tpTpExameOcup tpExameOcup{};
  TAso Aso;
  TRespMonit RespMonit;
};

class TevtMonit : public TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  TIdeEvento2 IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TIdeVinculo IdeVinculo;
  TexMedOcup exMedOcup;

  bool GerarXML() override;
  bool LerArqIni(const std::string& AIniString) override;
  // Reads the stored document into the fields; false when it holds no evtMonit.
  bool LerXML();

 private:
  void GerarExMedOcup();
  void GerarAso();
  void GerarRespMonit();
};

class TS2220CollectionItem : public TItemEvento<TevtMonit, teS2220> {
 public:
  using TItemEvento::TItemEvento;
  TevtMonit& evtMonit() const { return Evento(); }
};

class TS2220Collection : public TColecaoEventos<TS2220CollectionItem> {
 public:
  using TColecaoEventos::TColecaoEventos;
  TS2220CollectionItem& Add() { return New(); }
};

}  // namespace esocial::s2220

namespace esocial {
using s2220::TevtMonit;
using s2220::TS2220Collection;
using s2220::TS2220CollectionItem;
}  // namespace esocial
