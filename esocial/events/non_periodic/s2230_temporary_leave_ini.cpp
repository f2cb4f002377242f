// S-2230 INI reader.
#include "esocial/events/event_ini.h"
#include "esocial/events/non_periodic/s2230_temporary_leave.h"

namespace esocial::s2230 {

namespace {

using N = TLeitorIniEvento;

// The sick notes, sections infoAtestado<i> and emitente<i>: a note goes on while either gives
// its first key, so that a note without an issuer does not end the list.
void LerAtestados(const TLeitorIniEvento& ini, TiniAfastamento& Inicio) {
  for (int i = 1; i <= N::UltimoNumero(1); ++i) {
    const std::string secao = N::NomeSecao("infoAtestado", i, 1);
    const std::string secaoEmitente = N::NomeSecao("emitente", i, 1);
    const bool temEmitente = !N::FimDaLista(ini.Texto(secaoEmitente, "nmEmit", "FIM"));
    if (!temEmitente && N::FimDaLista(ini.Texto(secao, "qtdDiasAfast", "FIM"))) break;
    TinfoAtestadoItem& atestado = Inicio.infoAtestado().New();
    atestado.codCID = ini.Texto(secao, "codCID");
    atestado.qtDiasAfast = ini.Inteiro(secao, "qtdDiasAfast");
    if (!temEmitente) continue;
    TEmitente& emitente = atestado.Emitente();
    emitente.nmEmit = ini.Texto(secaoEmitente, "nmEmit");
    // A code outside the councils' list raises with the text.
    emitente.ideOC = StrToIdeOC(ini.Texto(secaoEmitente, "ideOC", "1"));
    emitente.nrOc = ini.Texto(secaoEmitente, "nrOc");
    emitente.ufOC = ini.Texto(secaoEmitente, "ufOC");
  }
}

}  // namespace

// A code key that is absent is a value not informed, which the writer leaves out (or, for the
// required reason, writes empty with its alert).
bool TEvtAfastTemp::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtAfastTemp");
  ini.LerIdeEvento2(IdeEvento);
  ini.LerIdeEmpregador(IdeEmpregador, *this);
  ini.LerIdeVinculo(IdeVinculo, true);

  TiniAfastamento& inicio = infoAfastamento.iniAfastamento;
  if (!ini.Texto("iniAfastamento", "dtIniAfast").empty()) {
    inicio.DtIniAfast = ini.Data("iniAfastamento", "dtIniAfast");
    inicio.codMotAfast = ini.Codigo("iniAfastamento", "codMotAfast", "", StrToMotivosAfastamento, mtvNenhum);
    inicio.infoMesmoMtv = ini.Codigo("iniAfastamento", "infoMesmoMtv", "", StrToSimNaoFacultativo, snfNada);
    inicio.tpAcidTransito = ini.Codigo("iniAfastamento", "tpAcidTransito", "", StrToTpAcidTransito, tpatNao);
    inicio.Observacao = ini.Texto("iniAfastamento", "observacao");
  }
  LerAtestados(ini, inicio);
  inicio.perAquis.dtInicio = ini.Data("perAquis", "dtInicio");
  inicio.perAquis.dtFim = ini.Data("perAquis", "dtFim");
  if (!ini.Texto("infoCessao", "cnpjCess").empty()) {
    inicio.infoCessao.cnpjCess = ini.Texto("infoCessao", "cnpjCess");
    inicio.infoCessao.infOnus = ini.Codigo("infoCessao", "infOnus", "1", StrToInfOnus);
  }
  if (!ini.Texto("infoMandSind", "cnpjSind").empty()) {
    inicio.infoMandSind.cnpjSind = ini.Texto("infoMandSind", "cnpjSind");
    inicio.infoMandSind.infOnusRemun = ini.Codigo("infoMandSind", "infOnusRemun", "1", StrToOnusRemun);
  }
  if (!ini.Texto("infoMandElet", "cnpjMandElet").empty()) {
    inicio.infoMandElet.cnpjMandElet = ini.Texto("infoMandElet", "cnpjMandElet");
    inicio.infoMandElet.indRemunCargo =
        ini.Codigo("infoMandElet", "indRemunCargo", "", StrToSimNaoFacultativo, snfNada);
  }
  if (!ini.Texto("infoRetif", "origRetif").empty()) {
    TinfoRetif& retif = infoAfastamento.infoRetif;
    retif.origRetif = ini.Inteiro("infoRetif", "origRetif", 1);
    retif.tpProc = ini.Codigo("infoRetif", "tpProc", "1", StrToTpProc);
    retif.nrProc = ini.Texto("infoRetif", "nrProc");
  }
  if (!ini.Texto("fimAfastamento", "dtTermAfast").empty())
    infoAfastamento.fimAfastamento.dtTermAfast = ini.Data("fimAfastamento", "dtTermAfast");
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s2230
