#include <string>

#include "esocial/events/event_xml.h"
#include "esocial/events/non_periodic/s2210_work_accident.h"

namespace esocial::s2210 {

bool TEvtCAT::LerXML() {
  TLeitorXmlEvento xml(XML());
  if (!xml.Grupo(1, "evtCAT")) return false;
  xml.LerIdentificacao(IdeEvento, IdeEmpregador, IdeVinculo);
  if (!xml.Grupo(2, "cat")) return true;

  Cat.dtAcid = xml.Data("dtAcid");
  Cat.tpAcid = xml.Texto("tpAcid");
  Cat.hrAcid = xml.Texto("hrAcid");
  Cat.hrsTrabAntesAcid = xml.Texto("hrsTrabAntesAcid");
  Cat.tpCat = xml.Codigo("tpCat", StrToTpCat);
  Cat.indCatObito = xml.Codigo("indCatObito", StrToSimNao);
  Cat.dtOBito = xml.Data("dtObito");
  Cat.indComunPolicia = xml.Codigo("indComunPolicia", StrToSimNao);
  Cat.codSitGeradora = xml.Inteiro("codSitGeradora");
  Cat.iniciatCAT = xml.Codigo("iniciatCAT", StrToIniciatCAT);
  Cat.obsCAT = xml.Texto("obsCAT");
  // The same rule as the writer's, on the accident date just read.
  if (AcidenteRecente()) Cat.ultDiaTrab = xml.Data("ultDiaTrab");
  if (AcidenteRecente()) Cat.houveAfast = xml.Codigo("houveAfast", StrToSimNao);

  if (xml.Grupo(3, "localAcidente")) {
    TLocalAcidente& local = Cat.localAcidente;
    // Through a number, so that "09" is "9".
    bool ok = false;
    local.tpLocal = StrToTpLocal(ok, std::to_string(xml.Inteiro("tpLocal")));
    local.dscLocal = xml.Texto("dscLocal");
    local.tpLograd = xml.Texto("tpLograd");
    local.dscLograd = xml.Texto("dscLograd");
    local.nrLograd = xml.Texto("nrLograd");
    local.complemento = xml.Texto("complemento");
    local.bairro = xml.Texto("bairro");
    local.cep = xml.Texto("cep");
    local.codMunic = xml.Inteiro("codMunic");
    local.uf = xml.Texto("uf");
    local.pais = xml.Texto("pais");
    local.codPostal = xml.Texto("codPostal");
    if (xml.Grupo(4, "ideLocalAcid")) {
      local.ideLocalAcid.tpInsc = xml.Codigo("tpInsc", StrToTpInsc);
      local.ideLocalAcid.nrInsc = xml.Texto("nrInsc");
    }
  }

  for (int k = 1; xml.Grupo(3, "parteAtingida", k); ++k) {
    TParteAtingidaItem& parte = Cat.parteAtingida.New();
    parte.codParteAting = xml.Inteiro("codParteAting");
    parte.lateralidade = xml.Codigo("lateralidade", StrToLateralidade);
  }
  for (int k = 1; xml.Grupo(3, "agenteCausador", k); ++k)
    Cat.agenteCausador.New().codAgntCausador = xml.Inteiro("codAgntCausador");

  if (xml.Grupo(3, "atestado")) {
    TAtestado& atestado = Cat.atestado;
    atestado.dtAtendimento = xml.Data("dtAtendimento");
    atestado.hrAtendimento = xml.Texto("hrAtendimento");
    atestado.indInternacao = xml.Codigo("indInternacao", StrToSimNao);
    atestado.durTrat = xml.Inteiro("durTrat");
    atestado.indAfast = xml.Codigo("indAfast", StrToSimNao);
    atestado.dscLesao = xml.Inteiro("dscLesao");
    atestado.dscCompLesao = xml.Texto("dscCompLesao");
    atestado.diagProvavel = xml.Texto("diagProvavel");
    atestado.codCID = xml.Texto("codCID");
    atestado.observacao = xml.Texto("observacao");
    if (xml.Grupo(4, "emitente")) {
      atestado.emitente.nmEmit = xml.Texto("nmEmit");
      atestado.emitente.ideOC = StrToIdeOC(xml.Texto("ideOC"));
      atestado.emitente.nrOc = xml.Texto("nrOC");
      atestado.emitente.ufOC = xml.Texto("ufOC");
    }
  }

  if (xml.Grupo(3, "catOrigem")) Cat.catOrigem.nrRecCatOrig = xml.Texto("nrRecCatOrig");
  return true;
}

}  // namespace esocial::s2210
