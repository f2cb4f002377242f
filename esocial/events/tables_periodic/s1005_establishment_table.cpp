// S-1005 writer.
#include "esocial/events/tables_periodic/s1005_establishment_table.h"

#include "esocial/events/event_frame.h"

namespace esocial::s1005 {

using dfe::tcStr;

bool TEvtTabEstab::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtTabEstab", ideEmpregador.NrInsc, [&] {
    GerarIdeEvento(ideEvento);
    GerarIdeEmpregador(ideEmpregador);
    GerarCorpoTabela(
        *this, "infoEstab", ModoLancamento, [&] { GerarIdeEstab(infoEstab.IdeEstab); },
        [&] { GerarDadosEstab(infoEstab.DadosEstab()); },
        infoEstab.NovaValidadeInst() ? &infoEstab.NovaValidade() : nullptr);
  });
}

void TEvtTabEstab::GerarIdeEstab(const TIdeEstab& Ide) {
  Gerador().wGrupo("ideEstab");
  Gerador().wCampo(tcStr, "", "tpInsc", 1, 1, 1, TpInscToStr(Ide.tpInsc));
  // A CNO has 12 digits, a CNPJ and a CAEPF 14.
  if (VersaoDF() >= veS01_00_00)
    wCampoTamanhos("nrInsc", {12, 14}, 1, Ide.nrInsc);
  else
    Gerador().wCampo(tcStr, "", "nrInsc", 8, 14, 1, Ide.nrInsc);
  Gerador().wCampo(tcStr, "", "iniValid", 7, 7, 1, Ide.iniValid);
  Gerador().wCampo(tcStr, "", "fimValid", 7, 7, 0, Ide.fimValid);
  Gerador().wGrupo("/ideEstab");
}

void TEvtTabEstab::GerarDadosEstab(TDadosEstab& Dados) {
  Gerador().wGrupo("dadosEstab");
  Gerador().wCampo(tcStr, "", "cnaePrep", 7, 7, 1, Dados.cnaePrep);
  if (VersaoDF() >= veS01_00_00 && !Dados.cnpjResp.empty())
    Gerador().wCampo(tcStr, "", "cnpjResp", 14, 14, 1, Dados.cnpjResp);
  GerarAliqGilRat(ideEmpregador, infoEstab.IdeEstab.tpInsc, Dados.aliqGilrat, "aliqGilrat");
  if (Dados.infoCaepfInst() && Dados.infoCaepf().tpCaepf != tcVazio) {
    Gerador().wGrupo("infoCaepf");
    Gerador().wCampo(tcStr, "", "tpCaepf", 1, 1, 1, CaepfToStr(Dados.infoCaepf().tpCaepf));
    Gerador().wGrupo("/infoCaepf");
  }
  if (Dados.infoObraInst() && Dados.infoObra().indSubstPatrObra != ispVazio) {
    Gerador().wGrupo("infoObra");
    Gerador().wCampo(tcStr, "", "indSubstPatrObra", 1, 1, 1,
                     IndSubstPatronalObraToStr(Dados.infoObra().indSubstPatrObra));
    Gerador().wGrupo("/infoObra");
  }
  GerarInfoTrab(Dados.infoTrab);
  Gerador().wGrupo("/dadosEstab");
}

void TEvtTabEstab::GerarInfoTrab(TInfoTrab& InfoTrab) {
  const bool s1 = VersaoDF() >= veS01_00_00;
  const bool pcd = InfoTrab.infoPCDInst() && (!s1 || !InfoTrab.infoPCD().nrProcJud.empty());
  if (s1 && !InfoTrab.infoAprInst() && !pcd) return;
  Gerador().wGrupo("infoTrab");
  if (InfoTrab.infoAprInst()) {
    const TInfoApr& apr = InfoTrab.infoApr();
    Gerador().wGrupo("infoApr");
    if (!s1) Gerador().wCampo(tcStr, "", "contApr", 1, 1, 1, apr.contApr);
    Gerador().wCampo(tcStr, "", "nrProcJud", 20, 20, 0, apr.nrProcJud);
    for (int i = 0; i < apr.infoEntEduc.Count(); ++i) {
      Gerador().wGrupo("infoEntEduc");
      Gerador().wCampo(tcStr, "", "nrInsc", s1 ? 14 : 8, 14, 1, apr.infoEntEduc.GetItem(i).nrInsc);
      Gerador().wGrupo("/infoEntEduc");
    }
    AlertarLimiteLista("infoEntEduc", "Lista de Informações das Entidades Educativas", apr.infoEntEduc.Count(), 99);
    Gerador().wGrupo("/infoApr");
  }
  if (pcd) {
    const TInfoPCD& info = InfoTrab.infoPCD();
    Gerador().wGrupo("infoPCD");
    if (!s1) Gerador().wCampo(tcStr, "", "contPCD", 1, 1, 1, info.contPCD);
    Gerador().wCampo(tcStr, "", "nrProcJud", 20, 20, 0, info.nrProcJud);
    Gerador().wGrupo("/infoPCD");
  }
  Gerador().wGrupo("/infoTrab");
}

}  // namespace esocial::s1005
