#pragma once
// S-5503 reader: the FGTS bases and deposits arising from a labour-court process or a
// settlement, per worker and reference period (root evtFGTSProcTrab), as a batch consultation
// returns it. The same members are read in every layout.
#include <string>

#include "esocial/layout_enums.h"
#include "esocial/records_identification.h"
#include "esocial/totalizers/totalizer_frame.h"
#include "platform/object_list.h"

namespace esocial::s5503 {

class TideProc {
 public:
  tpOrigemProc origem{};
  std::string nrProcTrab;
};

class TbasePerRefCollectionItem {
 public:
  std::string perRef;
  int codCateg = 0;
  int tpValorProcTrab = 0;
  double remFGTSProcTrab = 0;
  double dpsFGTSProcTrab = 0;
  double remFGTSSefip = 0;
  double dpsFGTSSefip = 0;
  double remFGTSDecAnt = 0;
  double dpsFGTSDecAnt = 0;
};

class TbasePerRefCollection : public platform::TTrivoObjectList<TbasePerRefCollectionItem> {};

class TideEstab {
 public:
  tpTpInsc tpInsc{};
  std::string nrInsc;
  TbasePerRefCollection basePerRef;
};

class TinfoFGTSProcTrab {
 public:
  double totalFGTS = 0;
  TideEstab ideEstab;
};

class TinfoTrabFGTSCollectionItem {
 public:
  std::string matricula;
  int codCateg = 0;
  int categOrig = 0;
  TinfoFGTSProcTrab infoFGTSProcTrab;
};

class TinfoTrabFGTSCollection : public platform::TTrivoObjectList<TinfoTrabFGTSCollectionItem> {};

class TevtFGTSProcTrab : public totalizers::TConteudoTotalizador {
 public:
  TevtFGTSProcTrab() : TConteudoTotalizador("evtFGTSProcTrab") {}

  TIdeEvento5 ideEvento;
  TIdeEmpregador ideEmpregador;
  TideProc ideProc;
  TideTrabalhador IdeTrabalhador;
  TinfoTrabFGTSCollection infoTrabFGTS;

 protected:
  void LerGrupos(const TLeituraTags& x) override;
};

class TS5503 : public totalizers::TLeitorTotalizador<TevtFGTSProcTrab, teS5503> {
 public:
  TevtFGTSProcTrab& evtFGTSProcTrab() { return Conteudo(); }
};

}  // namespace esocial::s5503

namespace esocial {
using s5503::TS5503;
}  // namespace esocial
