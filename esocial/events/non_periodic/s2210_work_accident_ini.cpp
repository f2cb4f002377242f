#include "esocial/events/event_ini.h"
#include "esocial/events/non_periodic/s2210_work_accident.h"
#include "platform/variant.h"

namespace esocial::s2210 {

bool TEvtCAT::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtCAT");
  ini.LerIdeEvento2(IdeEvento);
  ini.LerIdeEmpregador(IdeEmpregador, *this);
  ini.LerIdeVinculo(IdeVinculo, true);

  // Both fields are read whatever the date; the writer decides whether they go out.
  Cat.dtAcid = ini.Data("cat", "dtAcid");
  Cat.tpAcid = ini.Texto("cat", "tpAcid");
  Cat.hrAcid = ini.Texto("cat", "hrAcid");
  Cat.hrsTrabAntesAcid = ini.Texto("cat", "hrsTrabAntesAcid");
  Cat.tpCat = ini.Codigo("cat", "tpCat", "1", StrToTpCat);
  Cat.indCatObito = ini.Codigo("cat", "indCatObito", "S", StrToSimNao);
  Cat.dtOBito = ini.Data("cat", "dtObito");
  Cat.indComunPolicia = ini.Codigo("cat", "indComunPolicia", "S", StrToSimNao);
  Cat.codSitGeradora = ini.Inteiro("cat", "codSitGeradora");
  Cat.iniciatCAT = ini.Codigo("cat", "iniciatCAT", "1", StrToIniciatCAT);
  Cat.obsCAT = ini.Texto("cat", "obsCAT");
  Cat.ultDiaTrab = ini.Data("cat", "ultDiaTrab");
  Cat.houveAfast = ini.Codigo("cat", "houveAfast", "S", StrToSimNao);

  TLocalAcidente& local = Cat.localAcidente;
  local.tpLocal = ini.Codigo("localAcidente", "tpLocal", "1", StrToTpLocal);
  local.dscLocal = ini.Texto("localAcidente", "dscLocal");
  local.codAmb = ini.Texto("localAcidente", "codAmb");
  local.tpLograd = ini.Texto("localAcidente", "tpLograd");
  local.dscLograd = ini.Texto("localAcidente", "dscLograd");
  local.nrLograd = ini.Texto("localAcidente", "nrLograd");
  local.complemento = ini.Texto("localAcidente", "complemento");
  local.bairro = ini.Texto("localAcidente", "bairro");
  local.cep = ini.Texto("localAcidente", "cep");
  local.codMunic = ini.Inteiro("localAcidente", "codMunic");
  local.uf = ini.Texto("localAcidente", "uf");
  local.pais = ini.Texto("localAcidente", "pais");
  local.codPostal = ini.Texto("localAcidente", "codPostal");
  if (!ini.Texto("ideLocalAcid", "nrInsc").empty()) {
    local.ideLocalAcid.tpInsc = ini.Codigo("ideLocalAcid", "tpInsc", "1", StrToTpInsc);
    local.ideLocalAcid.nrInsc = ini.Texto("ideLocalAcid", "nrInsc");
  }

  // The list codes must be whole numbers: any other text raises the conversion error.
  ini.LerLista("parteAtingida", 2, "codParteAting", [&](int, const std::string& secao, const std::string& valor) {
    TParteAtingidaItem& parte = Cat.parteAtingida.New();
    parte.codParteAting = platform::Variant(valor).AsInteger();
    parte.lateralidade = ini.Codigo(secao, "lateralidade", "1", StrToLateralidade);
  });
  ini.LerLista("agenteCausador", 2, "codAgntCausador", [&](int, const std::string&, const std::string& valor) {
    Cat.agenteCausador.New().codAgntCausador = platform::Variant(valor).AsInteger();
  });

  if (!ini.Texto("atestado", "dtAtendimento").empty()) {
    TAtestado& atestado = Cat.atestado;
    atestado.codCNES = ini.Texto("atestado", "codCNES");
    atestado.dtAtendimento = ini.Data("atestado", "dtAtendimento");
    atestado.hrAtendimento = ini.Texto("atestado", "hrAtendimento");
    atestado.indInternacao = ini.Codigo("atestado", "indInternacao", "S", StrToSimNao);
    atestado.durTrat = ini.Inteiro("atestado", "durTrat");
    atestado.indAfast = ini.Codigo("atestado", "indAfast", "S", StrToSimNao);
    atestado.dscLesao = ini.Inteiro("atestado", "dscLesao");
    atestado.dscCompLesao = ini.Texto("atestado", "dscCompLesao");
    atestado.diagProvavel = ini.Texto("atestado", "diagProvavel");
    atestado.codCID = ini.Texto("atestado", "codCID");
    atestado.observacao = ini.Texto("atestado", "observacao");
    atestado.emitente.nmEmit = ini.Texto("emitente", "nmEmit");
    atestado.emitente.ideOC = StrToIdeOC(ini.Texto("emitente", "ideOC", "1"));
    atestado.emitente.nrOc = ini.Texto("emitente", "nrOc");
    atestado.emitente.ufOC = ini.Texto("emitente", "ufOC");
  }

  if (!ini.Texto("catOrigem", "nrRecCatOrig").empty())
    Cat.catOrigem.nrRecCatOrig = ini.Texto("catOrigem", "nrRecCatOrig");

  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s2210
