// S-1250 INI reader.
#include <cstdint>
#include <string>

#include "esocial/events/event_ini.h"
#include "esocial/events/tables_periodic/s1250_rural_production_acquisition.h"

namespace esocial::s1250 {

namespace {

using N = TLeitorIniEvento;

// The processes of a producer (sections infoProcJud<i><jjjjj><kk>) and of a kind of
// acquisition (sections infoProcJ<i><kk>) share their keys.
template <class TItem>
void LerProcesso(const TLeitorIniEvento& ini, const std::string& Secao, const std::string& nrProcJud, TItem& Proc) {
  Proc.nrProcJud = nrProcJud;
  Proc.codSusp = ini.InteiroExato<std::int64_t>(Secao, "codSusp");
  Proc.vrCPNRet = ini.Decimal(Secao, "vrCPNRet");
  Proc.vrRatNRet = ini.Decimal(Secao, "vrRatNRet");
  Proc.vrSenarNRet = ini.Decimal(Secao, "vrSenarNRet");
}

// The producers of kind of acquisition i, sections ideProdutor<i><jjjjj>, each with its
// invoices, sections nfs<i><jjjjj><kkkk>, and its processes.
void LerIdeProdutor(const TLeitorIniEvento& ini, int i, TIdeProdutorColecao& Produtores) {
  const std::string tipo = std::to_string(i);
  ini.LerLista("ideProdutor" + tipo, 5, "tpInscProd", [&](int j, const std::string& secao, const std::string&) {
    TIdeProdutorItem& prod = Produtores.New();
    prod.tpInscProd = ini.CodigoEstrito(secao, "tpInscProd", "", StrToTpInsc);
    prod.nrInscProd = ini.Texto(secao, "nrInscProd");
    prod.vlrBruto = ini.Decimal(secao, "vlrBruto");
    prod.vrCPDescPR = ini.Decimal(secao, "vrCPDescPR");
    prod.vrRatDescPR = ini.Decimal(secao, "vrRatDescPR");
    prod.vrSenarDesc = ini.Decimal(secao, "vrSenarDesc");
    prod.IndOpcCP = ini.CodigoEstrito(secao, "indOpcCP", "", StrToIndOpcCP, icpNenhum);
    const std::string produtor = N::NomeSecao(tipo, j, 5);
    // The number, not the optional series, tells an invoice is there.
    ini.LerLista("nfs" + produtor, 4, "nrDocto", [&](int, const std::string& secaoNfs, const std::string& nrDocto) {
      TNfsItem& nfs = prod.Nfs.New();
      nfs.serie = ini.Texto(secaoNfs, "serie");
      nfs.nrDocto = nrDocto;
      nfs.dtEmisNF = ini.Data(secaoNfs, "dtEmisNF");
      nfs.vlrBruto = ini.Decimal(secaoNfs, "vlrBruto");
      nfs.vrCPDescPR = ini.Decimal(secaoNfs, "vrCPDescPR");
      nfs.vrRatDescPR = ini.Decimal(secaoNfs, "vrRatDescPR");
      nfs.vrSenarDesc = ini.Decimal(secaoNfs, "vrSenarDesc");
    });
    ini.LerLista("infoProcJud" + produtor, 2, "nrProcJud",
                 [&](int, const std::string& secaoProc, const std::string& nrProcJud) {
                   LerProcesso(ini, secaoProc, nrProcJud, prod.InfoProcJud.New());
                 });
  });
}

}  // namespace

bool TEvtAqProd::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtAqProd");
  ini.LerIdeEvento3(IdeEvento, false);
  ini.LerIdeEmpregador(IdeEmpregador, *this);

  TIdeEstabAdquir& estab = InfoAquisProd.IdeEstabAdquir;
  estab.tpInscAdq = ini.CodigoEstrito("ideEstabAdquir", "tpInscAdq", "", StrToTpInsc);
  estab.nrInscAdq = ini.Texto("ideEstabAdquir", "nrInscAdq");
  ini.LerLista("tpAquis", 1, "indAquis", [&](int i, const std::string& secao, const std::string&) {
    TTpAquisItem& tipo = estab.TpAquis.New();
    tipo.indAquis = ini.CodigoEstrito(secao, "indAquis", "", StrToIdAquis);
    tipo.vlrTotAquis = ini.Decimal(secao, "vlrTotAquis");
    LerIdeProdutor(ini, i, tipo.IdeProdutor);
    ini.LerLista("infoProcJ" + std::to_string(i), 2, "nrProcJud",
                 [&](int, const std::string& secaoProc, const std::string& nrProcJud) {
                   LerProcesso(ini, secaoProc, nrProcJud, tipo.InfoProcJ.New());
                 });
  });
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s1250
