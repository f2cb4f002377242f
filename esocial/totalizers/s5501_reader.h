#pragma once
// S-5501 reader: the taxes owed on the amounts of a labour-court process, per period (root
// evtTribProcTrab), as a batch consultation returns it. Its model is the same in every layout,
// so it takes no version from the document.
#include <string>

#include "esocial/records_identification.h"
#include "esocial/totalizers/totalizer_frame.h"
#include "platform/object_list.h"

namespace esocial::s5501 {

class TInfoCRContribCollectionItem {
 public:
  std::string tpCR;
  double vrCR = 0;
};

class TInfoCRContribCollection : public platform::TTrivoObjectList<TInfoCRContribCollectionItem> {};

class TInfoTributosCollectionItem {
 public:
  std::string perRef;
  TInfoCRContribCollection& infoCRContrib() { return FinfoCRContrib.Obter(); }
  bool instInfoCRContrib() const { return FinfoCRContrib.Existe(); }

 private:
  platform::TObjetoOpcional<TInfoCRContribCollection> FinfoCRContrib;
};

class TInfoTributosCollection : public platform::TTrivoObjectList<TInfoTributosCollectionItem> {};

class TInfoCRIRRFCollectionItem {
 public:
  std::string tpCR;
  double vrCR = 0;
};

class TInfoCRIRRFCollection : public platform::TTrivoObjectList<TInfoCRIRRFCollectionItem> {};

class TIdeProc {
 public:
  std::string nrProcTrab;
  std::string perApur;
  // Made when the first item of the list is read.
  TInfoTributosCollection& infoTributos() { return FinfoTributos.Obter(); }
  bool instInfoTributos() const { return FinfoTributos.Existe(); }
  TInfoCRIRRFCollection& infoCRIRRF() { return FinfoCRIRRF.Obter(); }
  bool instInfoCRIRRF() const { return FinfoCRIRRF.Existe(); }

 private:
  platform::TObjetoOpcional<TInfoTributosCollection> FinfoTributos;
  platform::TObjetoOpcional<TInfoCRIRRFCollection> FinfoCRIRRF;
};

class TEvtTribProcTrab : public totalizers::TConteudoTotalizador {
 public:
  TEvtTribProcTrab() : TConteudoTotalizador("evtTribProcTrab", /*ComVersao=*/false) {}

  // This reader's spelling of Id.
  const std::string& id() const { return Id(); }
  TIdeEvento5 ideEvento;
  TIdeEmpregador ideEmpregador;
  TIdeProc ideProc;

 protected:
  void LerGrupos(const TLeituraTags& x) override;
};

class TS5501 : public totalizers::TLeitorTotalizador<TEvtTribProcTrab, teS5501> {
 public:
  TEvtTribProcTrab& evtTribProcTrab() { return Conteudo(); }
};

}  // namespace esocial::s5501

namespace esocial {
using s5501::TS5501;
}  // namespace esocial
