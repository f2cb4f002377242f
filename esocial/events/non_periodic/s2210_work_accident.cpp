#include "esocial/events/non_periodic/s2210_work_accident.h"

#include "dfe/field_conversions.h"
#include "esocial/events/event_frame.h"
#include "esocial/trivo_esocial.h"

namespace esocial::s2210 {

using dfe::tcDat;
using dfe::tcInt;
using dfe::tcStr;

bool TEvtCAT::AcidenteRecente() const {
  const std::string ambiente = dfe::TipoAmbienteToStr(Configuracoes().WebServices->Ambiente());
  return (ambiente == "1" && Cat.dtAcid >= platform::EncodeDate(2023, 1, 16)) ||
         (ambiente == "2" && Cat.dtAcid >= platform::EncodeDate(2022, 1, 16));
}

bool TEvtCAT::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtCAT", IdeEmpregador.NrInsc, [&] {
    GerarIdeEvento2(IdeEvento, true, true, false);
    GerarIdeEmpregador(IdeEmpregador);
    GerarIdeVinculo(IdeVinculo, true, false);
    GerarCat();
  });
}

void TEvtCAT::GerarCat() {
  dfe::TGerador& g = Gerador();
  g.wGrupo("cat");
  g.wCampo(tcDat, "", "dtAcid", 10, 10, 1, Cat.dtAcid);
  g.wCampo(tcStr, "", "tpAcid", 1, 6, 1, Cat.tpAcid);
  g.wCampo(tcStr, "", "hrAcid", 4, 4, 0, Cat.hrAcid);
  g.wCampo(tcStr, "", "hrsTrabAntesAcid", 4, 4, 0, Cat.hrsTrabAntesAcid);
  g.wCampo(tcStr, "", "tpCat", 1, 1, 1, TpCatToStr(Cat.tpCat));
  g.wCampo(tcStr, "", "indCatObito", 1, 1, 1, SimNaoToStr(Cat.indCatObito));
  g.wCampo(tcDat, "", "dtObito", 10, 10, 0, Cat.dtOBito);
  g.wCampo(tcStr, "", "indComunPolicia", 1, 1, 1, SimNaoToStr(Cat.indComunPolicia));
  g.wCampo(tcInt, "", "codSitGeradora", 1, 9, 1, Cat.codSitGeradora);
  g.wCampo(tcStr, "", "iniciatCAT", 1, 1, 1, IniciatCATToStr(Cat.iniciatCAT));
  g.wCampo(tcStr, "", "obsCAT", 1, VersaoDF() >= veS01_00_00 ? 999 : 255, 0, Cat.obsCAT);
  if (AcidenteRecente()) g.wCampo(tcDat, "", "ultDiaTrab", 10, 10, 1, Cat.ultDiaTrab);
  if (AcidenteRecente()) g.wCampo(tcStr, "", "houveAfast", 1, 1, 1, SimNaoToStr(Cat.houveAfast));
  GerarLocalAcidente();
  GerarParteAtingida();
  GerarAgenteCausador();
  // The S-1 layouts require the certificate: without one its required elements go out empty,
  // each with its alert.
  if (Cat.atestado.dtAtendimento > 0 || VersaoDF() >= veS01_00_00) GerarAtestado();
  if (!Cat.catOrigem.nrRecCatOrig.empty()) {
    g.wGrupo("catOrigem");
    g.wCampo(tcStr, "", "nrRecCatOrig", 1, 40, 1, Cat.catOrigem.nrRecCatOrig);
    g.wGrupo("/catOrigem");
  }
  g.wGrupo("/cat");
}

void TEvtCAT::GerarLocalAcidente() {
  dfe::TGerador& g = Gerador();
  const TLocalAcidente& local = Cat.localAcidente;
  // The street's name and number, optional in the 2.x layouts, are required from S-1 on.
  const int ocorrenciaRua = VersaoDF() >= veS01_00_00 ? 1 : 0;
  g.wGrupo("localAcidente");
  g.wCampo(tcStr, "", "tpLocal", 1, 1, 1, TpLocalToStr(local.tpLocal));
  g.wCampo(tcStr, "", "dscLocal", 1, VersaoDF() >= veS01_00_00 ? 255 : 80, 0, local.dscLocal);
  if (VersaoDF() <= ve02_05_00) g.wCampo(tcStr, "", "codAmb", 1, 30, 0, local.codAmb);
  g.wCampo(tcStr, "", "tpLograd", 1, 4, 0, local.tpLograd);
  g.wCampo(tcStr, "", "dscLograd", 1, 100, ocorrenciaRua, local.dscLograd);
  g.wCampo(tcStr, "", "nrLograd", 1, 10, ocorrenciaRua, local.nrLograd);
  g.wCampo(tcStr, "", "complemento", 1, 30, 0, local.complemento);
  g.wCampo(tcStr, "", "bairro", 1, 90, 0, local.bairro);
  g.wCampo(tcStr, "", "cep", 1, 8, 0, local.cep);
  g.wCampo(tcInt, "", "codMunic", 7, 7, 0, local.codMunic);
  g.wCampo(tcStr, "", "uf", 2, 2, 0, local.uf);
  g.wCampo(tcStr, "", "pais", 1, 3, 0, local.pais);
  g.wCampo(tcStr, "", "codPostal", 1, 12, 0, local.codPostal);
  if (!local.ideLocalAcid.nrInsc.empty()) {
    g.wGrupo("ideLocalAcid");
    g.wCampo(tcStr, "", "tpInsc", 1, 1, 1, TpInscToStr(local.ideLocalAcid.tpInsc));
    g.wCampo(tcStr, "", "nrInsc", 1, 15, 1, local.ideLocalAcid.nrInsc);
    g.wGrupo("/ideLocalAcid");
  }
  g.wGrupo("/localAcidente");
}

// The S-1 layouts hold one injured part and one causing agent: the first item is written and
// a longer list is alerted, never dropped unnoticed.
void TEvtCAT::GerarParteAtingida() {
  dfe::TGerador& g = Gerador();
  const TParteAtingidaCollection& partes = Cat.parteAtingida;
  const bool somenteUma = VersaoDF() >= veS01_00_00;
  for (int i = 0; i < partes.Count() && !(somenteUma && i > 0); ++i) {
    g.wGrupo("parteAtingida");
    g.wCampo(tcInt, "", "codParteAting", 1, 9, 1, partes.GetItem(i).codParteAting);
    g.wCampo(tcStr, "", "lateralidade", 1, 1, 1, LateralidadeToStr(partes.GetItem(i).lateralidade));
    g.wGrupo("/parteAtingida");
  }
  AlertarLimiteLista("parteAtingida", "Lista de Partes Atingidas", partes.Count(), somenteUma ? 1 : 99);
}

void TEvtCAT::GerarAgenteCausador() {
  dfe::TGerador& g = Gerador();
  const TAgenteCausadorCollection& agentes = Cat.agenteCausador;
  const bool somenteUm = VersaoDF() >= veS01_00_00;
  for (int i = 0; i < agentes.Count() && !(somenteUm && i > 0); ++i) {
    g.wGrupo("agenteCausador");
    g.wCampo(tcInt, "", "codAgntCausador", 1, 9, 1, agentes.GetItem(i).codAgntCausador);
    g.wGrupo("/agenteCausador");
  }
  AlertarLimiteLista("agenteCausador", "Lista de Agentes Causadores", agentes.Count(), somenteUm ? 1 : 99);
}

void TEvtCAT::GerarAtestado() {
  dfe::TGerador& g = Gerador();
  const TAtestado& atestado = Cat.atestado;
  g.wGrupo("atestado");
  if (VersaoDF() <= ve02_05_00) g.wCampo(tcStr, "", "codCNES", 1, 7, 0, atestado.codCNES);
  g.wCampo(tcDat, "", "dtAtendimento", 10, 10, 1, atestado.dtAtendimento);
  g.wCampo(tcStr, "", "hrAtendimento", 4, 4, 1, atestado.hrAtendimento);
  g.wCampo(tcStr, "", "indInternacao", 1, 1, 1, SimNaoToStr(atestado.indInternacao));
  g.wCampo(tcInt, "", "durTrat", 1, 4, 1, atestado.durTrat);
  g.wCampo(tcStr, "", "indAfast", 1, 1, 1, SimNaoToStr(atestado.indAfast));
  g.wCampo(tcInt, "", "dscLesao", 1, 9, VersaoDF() >= veS01_00_00 ? 1 : 0, atestado.dscLesao);
  g.wCampo(tcStr, "", "dscCompLesao", 1, 200, 0, atestado.dscCompLesao);
  g.wCampo(tcStr, "", "diagProvavel", 1, 100, 0, atestado.diagProvavel);
  g.wCampo(tcStr, "", "codCID", 1, 4, 1, atestado.codCID);
  g.wCampo(tcStr, "", "observacao", 1, 255, 0, atestado.observacao);
  GerarEmitente(atestado.emitente, teS2210);
  // The S-1 layouts know the issuer's councils CRM, CRO and RMS only.
  const tpIdeOC conselho = atestado.emitente.ideOC;
  if (VersaoDF() >= veS01_00_00 && conselho != idCRM && conselho != idCRO && conselho != idRMS)
    AlertarCodigoForaDoLeiaute("ideOC");
  g.wGrupo("/atestado");
}

}  // namespace esocial::s2210
