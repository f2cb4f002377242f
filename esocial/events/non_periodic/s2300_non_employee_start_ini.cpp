// S-2300 INI reader.
#include <string>
#include <string_view>

#include "esocial/events/event_ini.h"
#include "esocial/events/non_periodic/s2300_non_employee_start.h"

namespace esocial::s2300 {

namespace {

// A regime code under its layout name (tpRegTrab, tpRegPrev) or, when that is not given,
// under the older name (tpTpRegTrab, tpTpRegPrev); not given under either, not informed.
template <class E>
E LerRegime(const TLeitorIniEvento& ini, std::string_view Secao, std::string_view Chave, std::string_view ChaveAntiga,
            E (*Converter)(bool&, std::string_view), E NaoInformado) {
  const std::string_view chave = ini.Texto(Secao, Chave).empty() ? ChaveAntiga : Chave;
  return ini.CodigoEstrito(Secao, chave, "", Converter, NaoInformado);
}

}  // namespace

// Each optional group is read when any of its keys is given; a code key not given is not
// informed, a category not given is 0 (not informed).
bool TEvtTSVInicio::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtTSVInicio");
  ini.LerIdeEvento2(IdeEvento);
  ini.LerIdeEmpregador(IdeEmpregador, *this);
  LerTrabalhadorIni(ini, "trabalhador", Trabalhador);

  TinfoTSVInicio& info = infoTSVInicio;
  info.cadIni = ini.CodigoEstrito("infoTSVInicio", "cadIni", "", StrToSimNao);
  info.codCateg = ini.InteiroExato<int>("infoTSVInicio", "codCateg");
  info.dtInicio = ini.Data("infoTSVInicio", "dtInicio");
  info.nrProcTrab = ini.Texto("infoTSVInicio", "nrProcTrab");
  info.natAtividade = ini.CodigoEstrito("infoTSVInicio", "natAtividade", "", StrToNatAtividade, navNaoInformar);
  info.matricula = ini.Texto("infoTSVInicio", "matricula");

  TinfoComplementares& c = info.infoComplementares;
  LerComplementaresSemVinculoIni(ini, c.cargoFuncao, c.Remuneracao, c.infoEstagiario, c.localTrabGeral);
  if (ini.AlgumaChave("FGTS", {"opcFGTS", "dtOpcFGTS"})) {
    c.Fgts.OpcFGTS = ini.CodigoEstrito("FGTS", "opcFGTS", "", StrToOpcFGTS);
    c.Fgts.DtOpcFGTS = ini.Data("FGTS", "dtOpcFGTS");
  }
  const std::string_view sind = "infoDirigenteSindical";
  if (ini.AlgumaChave(sind, {"categOrig", "tpInsc", "nrInsc", "cnpjOrigem", "dtAdmOrig", "matricOrig", "tpRegTrab",
                             "tpTpRegTrab", "tpRegPrev", "tpTpRegPrev"})) {
    TinfoDirSind& d = c.infoDirSind;
    d.categOrig = ini.InteiroExato<int>(sind, "categOrig");
    d.cnpjOrigem() = ini.Texto(sind, "cnpjOrigem");
    // One field under its two names: the S-1 name, when given, wins.
    d.nrInsc() = ini.Texto(sind, "nrInsc", d.cnpjOrigem());
    d.tpInsc = ini.CodigoEstrito(sind, "tpInsc", "1", StrToTpInsc);
    d.dtAdmOrig = ini.Data(sind, "dtAdmOrig");
    d.matricOrig = ini.Texto(sind, "matricOrig");
    d.tpRegTrab = LerRegime(ini, sind, "tpRegTrab", "tpTpRegTrab", StrToTpRegTrab, trNenhum);
    d.tpRegPrev = LerRegime(ini, sind, "tpRegPrev", "tpTpRegPrev", StrToTpRegPrev, rpNenhum);
  }
  const std::string_view cedido = "infoTrabCedido";
  if (ini.AlgumaChave(cedido,
                      {"categOrig", "cnpjCednt", "matricCed", "dtAdmCed", "tpRegTrab", "tpRegPrev", "infOnus"})) {
    TinfoTrabCedido& t = c.infoTrabCedido;
    t.categOrig = ini.InteiroExato<int>(cedido, "categOrig");
    t.cnpjCednt = ini.Texto(cedido, "cnpjCednt");
    t.matricCed = ini.Texto(cedido, "matricCed");
    t.dtAdmCed = ini.Data(cedido, "dtAdmCed");
    t.tpRegTrab = ini.CodigoEstrito(cedido, "tpRegTrab", "", StrToTpRegTrab, trNenhum);
    t.tpRegPrev = ini.CodigoEstrito(cedido, "tpRegPrev", "", StrToTpRegPrev, rpNenhum);
    t.infOnus = ini.CodigoEstrito(cedido, "infOnus", "", StrToInfOnus);
  }
  const std::string_view mandato = "infoMandElet";
  if (ini.AlgumaChave(mandato, {"categOrig", "cnpjOrig", "matricOrig", "dtExercOrig", "indRemunCargo", "tpRegTrab",
                                "tpTpRegTrab", "tpRegPrev", "tpTpRegPrev"})) {
    TinfoMandElet& m = c.infoMandElet;
    m.categOrig = ini.InteiroExato<int>(mandato, "categOrig");
    m.cnpjOrig = ini.Texto(mandato, "cnpjOrig");
    m.matricOrig = ini.Texto(mandato, "matricOrig");
    m.dtExercOrig = ini.Data(mandato, "dtExercOrig");
    m.indRemunCargo = ini.CodigoEstrito(mandato, "indRemunCargo", "", StrToSimNaoFacultativo);
    m.tpRegTrab = LerRegime(ini, mandato, "tpRegTrab", "tpTpRegTrab", StrToTpRegTrab, trNenhum);
    m.tpRegPrev = LerRegime(ini, mandato, "tpRegPrev", "tpTpRegPrev", StrToTpRegPrev, rpNenhum);
  }

  if (ini.AlgumaChave("mudancaCPF", {"cpfAnt", "matricAnt", "dtAltCPF", "observacao"})) {
    info.mudancaCPF.cpfAnt = ini.Texto("mudancaCPF", "cpfAnt");
    info.mudancaCPF.matricAnt = ini.Texto("mudancaCPF", "matricAnt");
    info.mudancaCPF.dtAltCPF = ini.Data("mudancaCPF", "dtAltCPF");
    info.mudancaCPF.observacao = ini.Texto("mudancaCPF", "observacao");
  }
  if (ini.AlgumaChave("afastamento", {"dtIniAfast", "codMotAfast"})) {
    info.afastamento.DtIniAfast = ini.Data("afastamento", "dtIniAfast");
    info.afastamento.codMotAfast = ini.CodigoEstrito("afastamento", "codMotAfast", "", StrToMotivosAfastamento);
  }
  info.termino.dtTerm = ini.Data("termino", "dtTerm");
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s2300
