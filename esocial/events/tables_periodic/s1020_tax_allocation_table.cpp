// S-1020 writer.
#include "esocial/events/tables_periodic/s1020_tax_allocation_table.h"

#include "esocial/events/event_frame.h"
#include "platform/variant.h"

namespace esocial::s1020 {

using dfe::tcDe4;
using dfe::tcStr;

bool TevtTabLotacao::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtTabLotacao", ideEmpregador.NrInsc, [&] {
    GerarIdeEvento(IdeEvento);
    GerarIdeEmpregador(ideEmpregador);
    GerarCorpoTabela(
        *this, "infoLotacao", ModoLancamento, [&] { GerarIdeLotacao(infoLotacao.ideLotacao); },
        [&] { GerarDadosLotacao(infoLotacao.dadosLotacao()); },
        infoLotacao.novaValidadeInst() ? &infoLotacao.novaValidade() : nullptr);
  });
}

void TevtTabLotacao::GerarIdeLotacao(const TIdeLotacao& Ide) {
  Gerador().wGrupo("ideLotacao");
  Gerador().wCampo(tcStr, "", "codLotacao", 1, 30, 1, Ide.codLotacao);
  Gerador().wCampo(tcStr, "", "iniValid", 7, 7, 1, Ide.iniValid);
  Gerador().wCampo(tcStr, "", "fimValid", 7, 7, 0, Ide.fimValid);
  Gerador().wGrupo("/ideLotacao");
}

void TevtTabLotacao::GerarDadosLotacao(TDadosLotacao& Dados) {
  const bool s1 = VersaoDF() >= veS01_00_00;
  Gerador().wGrupo("dadosLotacao");
  Gerador().wCampo(tcStr, "", "tpLotacao", 2, 2, 1, Dados.tpLotacao);
  // A type that is no number stops the writer.
  const auto tipo = platform::Variant(Dados.tpLotacao).AsInteger();
  if (tipo >= 2 && tipo <= 9) Gerador().wCampo(tcStr, "", "tpInsc", 1, 1, 0, TpInscToStr(Dados.tpInsc));
  if (s1)
    wCampoTamanhos("nrInsc", {11, 12, 14}, 0, Dados.nrInsc);
  else
    Gerador().wCampo(tcStr, "", "nrInsc", 8, 14, 0, Dados.nrInsc);
  GerarFPasLotacao(Dados.fPasLotacao);

  const TInfoEmprParcial& parcial = Dados.infoEmprParcial;
  if (!parcial.NrInscContrat.empty()) {
    Gerador().wGrupo("infoEmprParcial");
    Gerador().wCampo(tcStr, "", "tpInscContrat", 1, 1, 1, TpInscContratanteToStr(parcial.tpInscContrat));
    Gerador().wCampo(tcStr, "", "nrInscContrat", 1, 14, 1, parcial.NrInscContrat);
    if (!s1 || !parcial.nrInscProp.empty()) {
      Gerador().wCampo(tcStr, "", "tpInscProp", 1, 1, 1, TpInscPropToStr(parcial.tpInscProp));
      Gerador().wCampo(tcStr, "", "nrInscProp", 1, 14, 1, parcial.nrInscProp);
    }
    Gerador().wGrupo("/infoEmprParcial");
  }

  // Required for a port operator's unit: written for it even without a factor, so that the
  // schema names what is missing.
  const TdadosOpPort& porto = Dados.dadosOpPort;
  if (s1 && (Dados.tpLotacao == "08" || porto.fap > 0)) {
    Gerador().wGrupo("dadosOpPort");
    Gerador().wCampo(tcStr, "", "aliqRat", 1, 1, 1, AliqRatToStr(porto.aliqRat));
    Gerador().wCampo(tcDe4, "", "fap", 1, 5, 1, porto.fap);
    Gerador().wGrupo("/dadosOpPort");
  }
  Gerador().wGrupo("/dadosLotacao");
}

void TevtTabLotacao::GerarFPasLotacao(TFPasLotacao& FPas) {
  Gerador().wGrupo("fpasLotacao");
  Gerador().wCampo(tcStr, "", "fpas", 1, 3, 1, FPas.Fpas);
  Gerador().wCampo(tcStr, "", "codTercs", 1, 4, 1, FPas.codTercs);
  Gerador().wCampo(tcStr, "", "codTercsSusp", 1, 4, 0, FPas.codTercsSusp);
  if (FPas.infoProcJudTerceirosInst() && FPas.infoProcJudTerceiros().procJudTerceiro.Count() > 0) {
    const TProcJudTerceiroCollection& lista = FPas.infoProcJudTerceiros().procJudTerceiro;
    Gerador().wGrupo("infoProcJudTerceiros");
    for (int i = 0; i < lista.Count(); ++i) {
      const TProcJudTerceiroCollectionItem& item = lista.GetItem(i);
      Gerador().wGrupo("procJudTerceiro");
      Gerador().wCampo(tcStr, "", "codTerc", 1, 4, 1, item.codTerc);
      Gerador().wCampo(tcStr, "", "nrProcJud", 20, 20, 1, item.nrProcJud());
      // Up to 14 digits, kept as given: a number would lose them beyond 32 bits.
      Gerador().wCampo(tcStr, "", "codSusp", 1, 14, 1, item.codSusp);
      Gerador().wGrupo("/procJudTerceiro");
    }
    AlertarLimiteLista("infoProcJudTerceiros", "Lista de Processos Judic. Terceiros", lista.Count(), 99);
    Gerador().wGrupo("/infoProcJudTerceiros");
  }
  Gerador().wGrupo("/fpasLotacao");
}

}  // namespace esocial::s1020
