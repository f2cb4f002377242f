// S-1250 writer.
#include "esocial/events/tables_periodic/s1250_rural_production_acquisition.h"

#include "dfe/xml_writer.h"
#include "esocial/events/event_frame.h"

namespace esocial::s1250 {

using dfe::TAtributos;
using dfe::tcDe2;
using dfe::tcInt64;
using dfe::tcStr;

namespace {

constexpr const char* kNenhumValor = "Nenhum valor informado";
constexpr const char* kListaProcessos = "Lista de Processos Judiciais";

}  // namespace

bool TEvtAqProd::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtAqProd", IdeEmpregador.NrInsc, [&] {
    GerarIdeEvento3(IdeEvento, true, true, true);
    GerarIdeEmpregador(IdeEmpregador);
    const TIdeEstabAdquir& estab = InfoAquisProd.IdeEstabAdquir;
    dfe::TGerador& g = Gerador();
    g.wGrupo("infoAquisProd");
    g.wGrupo("ideEstabAdquir");
    g.wCampo(tcStr, "", "tpInscAdq", 1, 1, 1, TpInscToStr(estab.tpInscAdq));
    g.wCampo(tcStr, "", "nrInscAdq", 14, 14, 1, estab.nrInscAdq);
    // The layout requires one kind of acquisition at least.
    if (estab.TpAquis.Count() == 0) g.wAlerta("", "tpAquis", "Lista de Aquisições", kNenhumValor);
    for (int i = 0; i < estab.TpAquis.Count(); ++i) GerarTpAquis(estab.TpAquis.GetItem(i));
    AlertarLimiteLista("tpAquis", "Lista de Aquisições", estab.TpAquis.Count(), 6);
    g.wGrupo("/ideEstabAdquir");
    g.wGrupo("/infoAquisProd");
  });
}

void TEvtAqProd::GerarTpAquis(const TTpAquisItem& Item) {
  dfe::TGerador& g = Gerador();
  if (FormaElementos()) {
    g.wGrupo("tpAquis");
    g.wCampo(tcStr, "", "indAquis", 1, 1, 1, IdAquisToStr(Item.indAquis));
    g.wCampo(tcDe2, "", "vlrTotAquis", 1, 14, 1, Item.vlrTotAquis);
  } else {
    g.wGrupoAtributos(
        "tpAquis",
        TAtributos(g.Opcoes).Texto("indAquis", IdAquisToStr(Item.indAquis)).Valor("vlrTotAquis", Item.vlrTotAquis));
  }
  // The layout requires one producer at least.
  if (Item.IdeProdutor.Count() == 0) g.wAlerta("", "ideProdutor", "Lista de Produtores", kNenhumValor);
  for (int i = 0; i < Item.IdeProdutor.Count(); ++i) GerarIdeProdutor(Item.IdeProdutor.GetItem(i));
  AlertarLimiteLista("ideProdutor", "Lista de Produtores", Item.IdeProdutor.Count(), 14999);
  if (!FormaElementos()) {
    for (int i = 0; i < Item.InfoProcJ.Count(); ++i) GerarInfoProcJ(Item.InfoProcJ.GetItem(i));
    AlertarLimiteLista("infoProcJ", kListaProcessos, Item.InfoProcJ.Count(), 20);
  }
  g.wGrupo("/tpAquis");
}

void TEvtAqProd::GerarIdeProdutor(const TIdeProdutorItem& Item) {
  dfe::TGerador& g = Gerador();
  const bool comFilhos = Item.Nfs.Count() > 0 || Item.InfoProcJud.Count() > 0;
  if (FormaElementos()) {
    g.wGrupo("ideProdutor");
    g.wCampo(tcStr, "", "tpInscProd", 1, 1, 1, TpInscToStr(Item.tpInscProd));
    g.wCampo(tcStr, "", "nrInscProd", 1, 14, 1, Item.nrInscProd);
    g.wCampo(tcDe2, "", "vlrBruto", 1, 14, 1, Item.vlrBruto);
    g.wCampo(tcDe2, "", "vrCPDescPR", 1, 14, 1, Item.vrCPDescPR);
    g.wCampo(tcDe2, "", "vrRatDescPR", 1, 14, 1, Item.vrRatDescPR);
    g.wCampo(tcDe2, "", "vrSenarDesc", 1, 14, 1, Item.vrSenarDesc);
  } else {
    TAtributos a(g.Opcoes);
    a.Texto("tpInscProd", TpInscToStr(Item.tpInscProd)).Texto("nrInscProd", Item.nrInscProd);
    a.Valor("vlrBruto", Item.vlrBruto).Valor("vrCPDescPR", Item.vrCPDescPR);
    a.Valor("vrRatDescPR", Item.vrRatDescPR).Valor("vrSenarDesc", Item.vrSenarDesc);
    // Not informed, the option goes out empty, so that the schema check names it.
    a.Texto("indOpcCP", IndOpcCPToStr(Item.IndOpcCP));
    if (IndOpcCPToStr(Item.IndOpcCP).empty()) g.wAlerta("", "indOpcCP", "", kNenhumValor);
    if (!comFilhos) {
      g.wElementoAtributos("ideProdutor", a);
      return;
    }
    g.wGrupoAtributos("ideProdutor", a);
  }
  GerarNfs(Item.Nfs);
  for (int i = 0; i < Item.InfoProcJud.Count(); ++i) GerarInfoProcJud(Item.InfoProcJud.GetItem(i));
  AlertarLimiteLista("infoProcJud", kListaProcessos, Item.InfoProcJud.Count(), 10);
  g.wGrupo("/ideProdutor");
}

void TEvtAqProd::GerarInfoProcJud(const TInfoProcJudItem& Item) {
  dfe::TGerador& g = Gerador();
  if (FormaElementos()) {
    g.wGrupo("infoProcJud");
    g.wCampo(tcStr, "", "nrProcJud", 1, 20, 1, Item.nrProcJud);
    g.wCampo(tcInt64, "", "codSusp", 1, 14, 1, Item.codSusp);
    g.wCampo(tcDe2, "", "vrCPNRet", 1, 14, 1, Item.vrCPNRet);
    g.wCampo(tcDe2, "", "vrRatNRet", 1, 14, 1, Item.vrRatNRet);
    g.wCampo(tcDe2, "", "vrSenarNRet", 1, 14, 1, Item.vrSenarNRet);
    g.wGrupo("/infoProcJud");
    return;
  }
  TAtributos a(g.Opcoes);
  a.Texto("nrProcJud", Item.nrProcJud).Inteiro("codSusp", Item.codSusp);
  a.Valor("vrCPNRet", Item.vrCPNRet).Valor("vrRatNRet", Item.vrRatNRet).Valor("vrSenarNRet", Item.vrSenarNRet);
  g.wElementoAtributos("infoProcJud", a);
}

void TEvtAqProd::GerarInfoProcJ(const TInfoProcJItem& Item) {
  dfe::TGerador& g = Gerador();
  TAtributos a(g.Opcoes);
  a.Texto("nrProcJud", Item.nrProcJud).Inteiro("codSusp", Item.codSusp);
  a.Valor("vrCPNRet", Item.vrCPNRet).Valor("vrRatNRet", Item.vrRatNRet).Valor("vrSenarNRet", Item.vrSenarNRet);
  g.wElementoAtributos("infoProcJ", a);
}

}  // namespace esocial::s1250
