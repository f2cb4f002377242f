#pragma once
// S-5011 reader: the social-security contribution bases and amounts per employer that the
// government computes (root evtCS). Every group and list is made with its owner.
#include <string>

#include "esocial/layout_enums.h"
#include "esocial/records_identification.h"
#include "esocial/totalizers/totalizer_frame.h"
#include "platform/object_list.h"

namespace esocial::s5011 {

class TInfoCPSeg {
 public:
  double vrDescCP = 0;
  double vrCpSeg = 0;
};

class TInfoAtConc {
 public:
  double fatorMes = 0;
  double fator13 = 0;
};

class TInfoPJ {
 public:
  int indCoop = 0;
  int indConstr = 0;
  int indSubstPatr = 0;
  double percRedContrib = 0;
  tpPercTransf percTransf{};
  tpSimNaoFacultativo indTribFolhaPisPasep{};
  TInfoAtConc infoAtConc;
};

class TInfoContrib {
 public:
  std::string classTrib;
  TInfoPJ infoPJ;
};

class TInfoEstabRef {
 public:
  tpAliqRat aliqRat{};
  double fap = 0;
  double aliqRatAjust = 0;
};

class TInfoComplObra {
 public:
  int indSubstPatrObra = 0;
};

class TInfoEstab {
 public:
  double fap = 0;
  double aliqRatAjust = 0;
  std::string cnaePrep;
  std::string cnpjResp;
  tpAliqRat AliqRat{};
  TInfoComplObra infoComplObra;
  TInfoEstabRef infoEstabRef;
};

class TInfoTercSuspCollectionItem {
 public:
  std::string codTerc;
};

class TInfoTercSuspCollection : public platform::TTrivoObjectList<TInfoTercSuspCollectionItem> {
 public:
  TInfoTercSuspCollectionItem& Add() { return New(); }
};

class TInfoEmprParcial {
 public:
  int tpInscContrat = 0;
  std::string nrInscContrat;
  int tpInscProp = 0;
  std::string nrInscProp;
  std::string cnoObra;
};

class TdadosOpPort {
 public:
  double fap = 0;
  double aliqRatAjust = 0;
  std::string cnpjOpPortuario;
  tpAliqRat AliqRat{};
};

// The bases and suspended bases per rate, which basesCp and basesCp13 both open with.
class TBasesPorAliquota {
 public:
  double vrBcCp00 = 0;
  double vrBcCp15 = 0;
  double vrBcCp20 = 0;
  double vrBcCp25 = 0;
  double vrSuspBcCp00 = 0;
  double vrSuspBcCp15 = 0;
  double vrSuspBcCp20 = 0;
  double vrSuspBcCp25 = 0;
};

class TbasesCp : public TBasesPorAliquota {
 public:
  double vrBcCp00VA = 0;
  double vrBcCp15VA = 0;
  double vrBcCp20VA = 0;
  double vrBcCp25VA = 0;
  double vrSuspBcCp00VA = 0;
  double vrSuspBcCp15VA = 0;
  double vrSuspBcCp20VA = 0;
  double vrSuspBcCp25VA = 0;
  double vrDescSest = 0;
  double vrCalcSest = 0;
  double vrDescSenat = 0;
  double vrCalcSenat = 0;
  double vrSalFam = 0;
  double vrSalMat = 0;
  double vrBcCpSM = 0;
};

class TbasesCp13 : public TBasesPorAliquota {};

class TbasesremunCollectionItem {
 public:
  int indIncid = 0;
  int codCateg = 0;
  TbasesCp basesCp;
  TbasesCp13 basesCp13;
};

class TbasesremunCollection : public platform::TTrivoObjectList<TbasesremunCollectionItem> {
 public:
  TbasesremunCollectionItem& Add() { return New(); }
};

class TbasesAvNport {
 public:
  double vrBcCp25 = 0;
  double vrBcCp15 = 0;
  double vrBcCp00 = 0;
  double vrBcCp20 = 0;
  double vrBcCp13 = 0;
  double vrDescCP = 0;
  double vrBcFgts = 0;
};

class TinfoSubstPatrOpPortCollectionItem {
 public:
  std::string cnpjOpPortuario;
};

class TinfoSubstPatrOpPortCollection : public platform::TTrivoObjectList<TinfoSubstPatrOpPortCollectionItem> {
 public:
  TinfoSubstPatrOpPortCollectionItem& Add() { return New(); }
};

class TideLotacaoCollectionItem {
 public:
  int fpas = 0;
  std::string codLotacao;
  std::string codTercs;
  std::string codTercsSusp;
  TInfoTercSuspCollection infoTercSusp;
  TInfoEmprParcial InfoEmprParcial;
  std::string cnoObra;
  TdadosOpPort dadosOpPort;
  TbasesremunCollection basesremun;
  TbasesAvNport basesAvNPort;
  TinfoSubstPatrOpPortCollection infoSubstPatrOpPort;
};

class TideLotacaoCollection : public platform::TTrivoObjectList<TideLotacaoCollectionItem> {
 public:
  TideLotacaoCollectionItem& Add() { return New(); }
};

class TbasesAquisCollectionItem {
 public:
  double vrSenarCalc = 0;
  double vrCPNRet = 0;
  double vrRatDescPR = 0;
  double vrRatCalcPR = 0;
  double vrCPDescPR = 0;
  double vrSenarDesc = 0;
  double vrSenarNRet = 0;
  double vrCPCalcPR = 0;
  double vrRatNRet = 0;
  double vlrAquis = 0;
  int indAquis = 0;
};

class TbasesAquisCollection : public platform::TTrivoObjectList<TbasesAquisCollectionItem> {
 public:
  TbasesAquisCollectionItem& Add() { return New(); }
};

class TbasesComercCollectionItem {
 public:
  double vrCPSusp = 0;
  double vrRatSusp = 0;
  double vrSenarSusp = 0;
  double vrBcComPr = 0;
  int indComerc = 0;
};

class TbasesComercCollection : public platform::TTrivoObjectList<TbasesComercCollectionItem> {
 public:
  TbasesComercCollectionItem& Add() { return New(); }
};

class TinfoCREstabCollectionItem {
 public:
  double vrSuspCR = 0;
  double vrCR = 0;
  std::string tpCR;
};

class TinfoCREstabCollection : public platform::TTrivoObjectList<TinfoCREstabCollectionItem> {
 public:
  TinfoCREstabCollectionItem& Add() { return New(); }
};

class TbasesPisPasep {
 public:
  double vrBcPisPasep = 0;
  double vrBcPisPasepSusp = 0;
};

class TideEstabCollectionItem {
 public:
  std::string NrInsc;
  tpTpInsc TpInsc{};
  TInfoEstab infoEstab;
  TideLotacaoCollection ideLotacao;
  TbasesAquisCollection basesAquis;
  TbasesComercCollection basesComerc;
  TinfoCREstabCollection infoCREstab;
  TbasesPisPasep basesPisPasep;
};

class TideEstabCollection : public platform::TTrivoObjectList<TideEstabCollectionItem> {
 public:
  TideEstabCollectionItem& Add() { return New(); }
};

class TInfoCRContribCollectionItem {
 public:
  std::string tpCR;
  double vrCR = 0;
  double vrCRSusp = 0;
};

class TInfoCRContribCollection : public platform::TTrivoObjectList<TInfoCRContribCollectionItem> {
 public:
  TInfoCRContribCollectionItem& Add() { return New(); }
};

class TInfoCS {
 public:
  std::string nrRecArqBase;
  int indExistInfo = 0;
  TInfoCPSeg InfoCpSeg;
  TInfoContrib InfoContrib;
  TideEstabCollection ideEstab;
  TInfoCRContribCollection infoCRContrib;
};

class TEvtCS : public totalizers::TConteudoTotalizador {
 public:
  TEvtCS() : TConteudoTotalizador("evtCS") {}

  TIdeEvento5 IdeEvento;
  TIdeEmpregador IdeEmpregador;
  TideTrabalhador3 IdeTrabalhador;  // not in the document; stays empty
  TInfoCS InfoCS;

 protected:
  void LerGrupos(const TLeituraTags& x) override;

 private:
  void LerInfoContrib(const TLeituraTags& x);
  void LerIdeEstab(const TLeituraTags& x, TideEstabCollectionItem& estab);
  void LerIdeLotacao(const TLeituraTags& x, TideLotacaoCollectionItem& lot);
};

class TS5011 : public totalizers::TLeitorTotalizador<TEvtCS, teS5011> {
 public:
  TEvtCS& EvtCS() { return Conteudo(); }
};

}  // namespace esocial::s5011

namespace esocial {
using s5011::TS5011;
}  // namespace esocial
