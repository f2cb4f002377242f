// S-1260 INI reader.
#include <cstdint>
#include <string>

#include "esocial/events/event_ini.h"
#include "esocial/events/tables_periodic/s1260_rural_production_sale.h"

namespace esocial::s1260 {

namespace {

using N = TLeitorIniEvento;

// The buyers of kind of sale i, sections ideAdquir<i><jjjj>, each with its invoices,
// sections nfs<i><jjjj><kkk>.
void LerIdeAdquir(const TLeitorIniEvento& ini, int i, TIdeAdquirColecao& adquirentes) {
  const std::string tipo = std::to_string(i);
  ini.LerLista("ideAdquir" + tipo, 4, "tpInsc", [&](int j, const std::string& secao, const std::string&) {
    TIdeAdquirItem& adquir = adquirentes.New();
    adquir.tpInsc = ini.CodigoEstrito(secao, "tpInsc", "", StrToTpInsc);
    adquir.nrInsc = ini.Texto(secao, "nrInsc");
    adquir.vrComerc = ini.Decimal(secao, "vrComerc");
    // The number, not the optional series, tells an invoice is there.
    ini.LerLista(N::NomeSecao("nfs" + tipo, j, 4), 3, "nrDocto",
                 [&](int, const std::string& secaoNfs, const std::string& nrDocto) {
                   TNfsItem& nfs = adquir.nfs().New();
                   nfs.serie = ini.Texto(secaoNfs, "serie");
                   nfs.nrDocto = nrDocto;
                   nfs.dtEmisNF = ini.Data(secaoNfs, "dtEmisNF");
                   nfs.vlrBruto = ini.Decimal(secaoNfs, "vlrBruto");
                   nfs.vrCPDescPR = ini.Decimal(secaoNfs, "vrCPDescPR");
                   nfs.vrRatDescPR = ini.Decimal(secaoNfs, "vrRatDescPR");
                   nfs.vrSenarDesc = ini.Decimal(secaoNfs, "vrSenarDesc");
                 });
  });
}

// The processes of kind of sale i, sections infoProcJud<i><kk>.
void LerInfoProcJud(const TLeitorIniEvento& ini, int i, TInfoProcJudCollection& processos) {
  ini.LerLista("infoProcJud" + std::to_string(i), 2, "nrProc",
               [&](int, const std::string& secao, const std::string& nrProc) {
                 TInfoProcJudItem& proc = processos.New();
                 proc.tpProc = ini.CodigoEstrito(secao, "tpProc", "1", StrToTpProc);
                 proc.nrProcJud = nrProc;
                 proc.codSusp = ini.InteiroExato<std::int64_t>(secao, "codSusp");
                 proc.vrCPSusp = ini.Decimal(secao, "vrCPSusp");
                 proc.vrRatSusp = ini.Decimal(secao, "vrRatSusp");
                 proc.vrSenarSusp = ini.Decimal(secao, "vrSenarSusp");
               });
}

}  // namespace

bool TEvtComProd::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtComProd");
  ini.LerIdeEvento3(IdeEvento, true);
  ini.LerIdeEmpregador(IdeEmpregador, *this);
  // The employer of this event is a person: left out, its kind of inscription is the CPF's.
  IdeEmpregador.TpInsc = ini.Codigo("ideEmpregador", "tpInsc", "2", StrToTpInsc);

  TIdeEstabel& estab = InfoComProd.IdeEstabel;
  estab.nrInscEstabRural = ini.Texto("ideEstabel", "nrInscEstabRural");
  ini.LerLista("tpComerc", 1, "indComerc", [&](int i, const std::string& secao, const std::string&) {
    TTpComercItem& tipo = estab.TpComerc.New();
    tipo.indComerc = ini.CodigoEstrito(secao, "indComerc", "", StrToIndComerc);
    tipo.vrTotCom = ini.Decimal(secao, "vrTotCom");
    LerIdeAdquir(ini, i, tipo.IdeAdquir);
    LerInfoProcJud(ini, i, tipo.InfoProcJud);
  });
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s1260
