// S-2206 writer.
#include "esocial/events/non_periodic/s2206_contract_change.h"

#include "dfe/xml_writer.h"
#include "esocial/events/event_frame.h"
#include "platform/text_utils.h"

namespace esocial::s2206 {

using dfe::tcDat;
using dfe::tcInt;
using dfe::tcStr;

bool TEvtAltContratual::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtAltContratual", IdeEmpregador.NrInsc, [&] {
    GerarIdeEvento2(IdeEvento, true, true, false);
    GerarIdeEmpregador(IdeEmpregador);
    GerarIdeVinculoPorCategoria(IdeVinculo, false, false);
    EscreverAltContratual();
  });
}

void TEvtAltContratual::EscreverAltContratual() {
  dfe::TGerador& g = Gerador();
  TVinculo& v = AltContratual.Vinculo;
  const TInfoCeletista& celetista = v.infoRegimeTrab.InfoCeletista;
  const TInfoEstatutario& estatutario = v.infoRegimeTrab.InfoEstatutario;
  const bool ate25 = VersaoDF() <= ve02_05_00;
  g.wGrupo("altContratual");
  g.wCampo(tcDat, "", "dtAlteracao", 10, 10, 1, AltContratual.dtALteracao);
  g.wCampo(tcDat, "", "dtEf", 10, 10, 0, AltContratual.dtEf);
  g.wCampo(tcStr, "", "dscAlt", 1, 150, 0, AltContratual.dscAlt);
  if (ate25) {
    GerarVinculo(v, 3);
  } else {
    g.wGrupo("vinculo");
    g.wCampo(tcStr, "", "tpRegPrev", 1, 1, 1, TpRegPrevToStr(v.tpRegPrev));
  }
  const bool comCeletista = !celetista.cnpjSindCategProf.empty();
  const bool comEstatutario = !comCeletista && estatutario.tpPlanRP != prpNenhum;
  // Required up to 2.5; from S-1.0 written only with a group to hold.
  if (ate25 || ((v.tpRegPrev == rpRPPS || v.tpRegTrab != trEstatutario) && (comCeletista || comEstatutario))) {
    g.wGrupo("infoRegimeTrab");
    if (comCeletista) EscreverInfoCeletista(celetista);
    if (comEstatutario) EscreverInfoEstatutario(estatutario);
    g.wGrupo("/infoRegimeTrab");
  }
  EscreverInfoContrato(v.infoContrato, celetista);
  if (!ate25) g.wGrupo("/vinculo");
  g.wGrupo("/altContratual");
}

void TEvtAltContratual::EscreverInfoCeletista(const TInfoCeletista& C) {
  dfe::TGerador& g = Gerador();
  g.wGrupo("infoCeletista");
  g.wCampo(tcStr, "", "tpRegJor", 1, 1, 1, TpRegJorToStr(C.TpRegJor));
  g.wCampo(tcStr, "", "natAtividade", 1, 1, 1, NatAtividadeToStr(C.NatAtividade));
  if (C.dtBase > 0) g.wCampo(tcStr, "", "dtBase", 1, 2, 0, platform::InteiroComZeros(C.dtBase, 2));
  g.wCampo(tcStr, "", "cnpjSindCategProf", 14, 14, 1, C.cnpjSindCategProf);
  if (!C.TrabTemporario.justProrr.empty()) {
    const std::string grupo = VersaoDF() <= ve02_05_00 ? "trabTemp" : "trabTemporario";
    g.wGrupo(grupo);
    g.wCampo(tcStr, "", "justProrr", 1, 999, 1, C.TrabTemporario.justProrr);
    g.wGrupo("/" + grupo);
  }
  GerarAprend(C.aprend);
  g.wGrupo("/infoCeletista");
}

void TEvtAltContratual::EscreverInfoEstatutario(const TInfoEstatutario& E) {
  dfe::TGerador& g = Gerador();
  g.wGrupo("infoEstatutario");
  g.wCampo(tcStr, "", "tpPlanRP", 1, 1, 1, PlanRPToStr(E.tpPlanRP));
  // Required from S-1.0: one not given is written empty with its alert.
  if (VersaoDF() >= veS01_00_00) {
    g.wCampo(tcStr, "", "indTetoRGPS", 1, 1, 1, SimNaoFacultativoToStr(E.indTetoRGPS));
    g.wCampo(tcStr, "", "indAbonoPerm", 1, 1, 1, SimNaoFacultativoToStr(E.indAbonoPerm));
  }
  g.wGrupo("/infoEstatutario");
}

void TEvtAltContratual::EscreverInfoContrato(TInfoContrato& K, const TInfoCeletista& C) {
  dfe::TGerador& g = Gerador();
  const bool ate25 = VersaoDF() <= ve02_05_00;
  const bool comCeletista = !C.cnpjSindCategProf.empty();
  g.wGrupo("infoContrato");
  if (!ate25) {
    g.wCampo(tcStr, "", "nmCargo", 1, 100, 0, K.nmCargo);
    g.wCampo(tcStr, "", "CBOCargo", 1, 6, 0, K.CBOCargo);
    g.wCampo(tcStr, "", "nmFuncao", 1, 100, 0, K.nmFuncao);
    g.wCampo(tcStr, "", "CBOFuncao", 1, 6, 0, K.CBOFuncao);
    g.wCampo(tcStr, "", "acumCargo", 1, 1, 0, SimNaoFacultativoToStr(K.acumCargo));
  } else {
    g.wCampo(tcStr, "", "codCargo", 1, 30, 0, K.CodCargo);
    g.wCampo(tcStr, "", "codFuncao", 1, 30, 0, K.CodFuncao);
  }
  g.wCampo(tcInt, "", "codCateg", 1, 3, 1, K.CodCateg);
  if (ate25) {
    g.wCampo(tcStr, "", "codCarreira", 1, 30, 0, K.codCarreira);
    g.wCampo(tcDat, "", "dtIngrCarr", 10, 10, 0, K.dtIngrCarr);
  }
  // The 2.5 schema requires pay and duration; from S-1.0 they are written when given.
  const TRemuneracao& remuneracao = K.Remuneracao;
  if (ate25 || remuneracao.VrSalFx > 0 || remuneracao.UndSalFixo == sfNaoaplicavel) GerarRemuneracao(remuneracao);
  const bool comPrazo = K.Duracao.TpContr != PrazoNaoAplicavel;
  if (comPrazo && (ate25 || comCeletista)) {
    GerarDuracao(K.Duracao, 3);
  } else if (ate25) {
    g.wGrupo("duracao");
    g.wCampo(tcStr, "", "tpContr", 1, 1, 1, "");
    g.wGrupo("/duracao");
  }
  GerarLocalTrabalho(K.LocalTrabalho);
  if (comCeletista && C.TpRegJor == rjSubmetidosHorarioTrabalho) GerarHorContratual(K.HorContratual);
  if (ate25) GerarFiliacaoSindical(K.FiliacaoSindical);
  GerarAlvaraJudicial(K.AlvaraJudicial);
  GerarObservacoes(K.observacoes);
  if (!ate25 && K.treiCapInst()) GerarTreiCap(K.treiCap());
  g.wGrupo("/infoContrato");
}

}  // namespace esocial::s2206
