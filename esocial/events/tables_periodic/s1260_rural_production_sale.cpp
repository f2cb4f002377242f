// S-1260 writer.
#include "esocial/events/tables_periodic/s1260_rural_production_sale.h"

#include "esocial/events/event_frame.h"

namespace esocial::s1260 {

using dfe::tcDat;
using dfe::tcDe2;
using dfe::tcInt64;
using dfe::tcStr;

bool TEvtComProd::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtComProd", IdeEmpregador.NrInsc, [&] {
    const bool s1 = VersaoDF() >= veS01_00_00;
    GerarIdeEvento3(IdeEvento, true, !s1, s1);
    GerarIdeEmpregador(IdeEmpregador);
    const TIdeEstabel& estab = InfoComProd.IdeEstabel;
    Gerador().wGrupo("infoComProd");
    Gerador().wGrupo("ideEstabel");
    Gerador().wCampo(tcStr, "", "nrInscEstabRural", 14, 14, 1, estab.nrInscEstabRural);
    for (int i = 0; i < estab.TpComerc.Count(); ++i) GerarTpComerc(estab.TpComerc.GetItem(i));
    AlertarLimiteLista("tpComerc", "Lista de Comercialização", estab.TpComerc.Count(), 5);
    Gerador().wGrupo("/ideEstabel");
    Gerador().wGrupo("/infoComProd");
  });
}

void TEvtComProd::GerarTpComerc(const TTpComercItem& Item) {
  Gerador().wGrupo("tpComerc");
  Gerador().wCampo(tcStr, "", "indComerc", 1, 1, 1, IndComercToStr(Item.indComerc));
  Gerador().wCampo(tcDe2, "", "vrTotCom", 1, 14, 1, Item.vrTotCom);
  for (int i = 0; i < Item.IdeAdquir.Count(); ++i) GerarIdeAdquir(Item.IdeAdquir.GetItem(i));
  AlertarLimiteLista("ideAdquir", "Lista de Adquirentes de Produção", Item.IdeAdquir.Count(), 9999);
  for (int i = 0; i < Item.InfoProcJud.Count(); ++i) GerarInfoProcJud(Item.InfoProcJud.GetItem(i));
  AlertarLimiteLista("infoProcJud", "Lista de Informações de Processos", Item.InfoProcJud.Count(), 10);
  Gerador().wGrupo("/tpComerc");
}

// The invoices are elements under every layout.
void TEvtComProd::GerarIdeAdquir(TIdeAdquirItem& Item) {
  Gerador().wGrupo("ideAdquir");
  Gerador().wCampo(tcStr, "", "tpInsc", 1, 1, 1, TpInscToStr(Item.tpInsc));
  Gerador().wCampo(tcStr, "", "nrInsc", VersaoDF() >= veS01_00_00 ? 11 : 8, 14, 1, Item.nrInsc);
  Gerador().wCampo(tcDe2, "", "vrComerc", 1, 14, 1, Item.vrComerc);
  if (Item.nfsInst()) {
    const TNfsColecao& notas = Item.nfs();
    for (int i = 0; i < notas.Count(); ++i) {
      const TNfsItem& nfs = notas.GetItem(i);
      Gerador().wGrupo("nfs");
      Gerador().wCampo(tcStr, "", "serie", 1, 5, 0, nfs.serie);
      Gerador().wCampo(tcStr, "", "nrDocto", 1, 20, 1, nfs.nrDocto);
      Gerador().wCampo(tcDat, "", "dtEmisNF", 10, 10, 1, nfs.dtEmisNF);
      Gerador().wCampo(tcDe2, "", "vlrBruto", 1, 14, 1, nfs.vlrBruto);
      Gerador().wCampo(tcDe2, "", "vrCPDescPR", 1, 14, 1, nfs.vrCPDescPR);
      Gerador().wCampo(tcDe2, "", "vrRatDescPR", 1, 14, 1, nfs.vrRatDescPR);
      Gerador().wCampo(tcDe2, "", "vrSenarDesc", 1, 14, 1, nfs.vrSenarDesc);
      Gerador().wGrupo("/nfs");
    }
    AlertarLimiteLista("nfs", "Lista de Notas Fiscais", notas.Count(), 999);
  }
  Gerador().wGrupo("/ideAdquir");
}

void TEvtComProd::GerarInfoProcJud(const TInfoProcJudItem& Item) {
  Gerador().wGrupo("infoProcJud");
  Gerador().wCampo(tcStr, "", "tpProc", 1, 1, 1, TpProcToStr(Item.tpProc));
  Gerador().wCampo(tcStr, "", "nrProc", 1, 21, 1, Item.nrProcJud);
  Gerador().wCampo(tcInt64, "", "codSusp", 1, 14, 1, Item.codSusp);
  Gerador().wCampo(tcDe2, "", "vrCPSusp", 1, 14, 0, Item.vrCPSusp);
  Gerador().wCampo(tcDe2, "", "vrRatSusp", 1, 14, 0, Item.vrRatSusp);
  Gerador().wCampo(tcDe2, "", "vrSenarSusp", 1, 14, 0, Item.vrSenarSusp);
  Gerador().wGrupo("/infoProcJud");
}

}  // namespace esocial::s1260
