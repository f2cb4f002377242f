// S-2300 writer.
#include "esocial/events/non_periodic/s2300_non_employee_start.h"

#include <string>

#include "dfe/xml_writer.h"
#include "esocial/events/event_frame.h"

namespace esocial::s2300 {

using dfe::tcDat;
using dfe::tcStr;

namespace {

// The categories whose workers have no nature of activity.
bool SemNatAtividade(int CodCateg) {
  return CodCateg == 721 || CodCateg == 722 || CodCateg == 305 || CodCateg == 771 || CodCateg == 901;
}

// A regime of work not informed is the empty text: "0" is no code.
std::string TextoRegTrab(tpTpRegTrab TpRegTrab) {
  return TpRegTrab == trNenhum ? std::string() : TpRegTrabToStr(TpRegTrab);
}

// A union leader's and a ceded worker's groups are written when any of their values is set,
// not only their key: a group given without it has the key go out empty with its alert rather
// than being dropped unseen.
bool DirigenteInformado(const TinfoDirSind& D, bool S1) {
  return D.categOrig > 0 || !D.nrInsc().empty() || D.dtAdmOrig > 0 || !D.matricOrig.empty() ||
         (S1 && (D.tpRegTrab != trNenhum || D.tpRegPrev != rpNenhum));
}

bool CedidoInformado(const TinfoTrabCedido& C) {
  return C.dtAdmCed > 0 || C.categOrig > 0 || !C.cnpjCednt.empty() || !C.matricCed.empty() || C.tpRegTrab != trNenhum ||
         C.tpRegPrev != rpNenhum;
}

}  // namespace

bool TEvtTSVInicio::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtTSVInicio", IdeEmpregador.NrInsc, [&] {
    GerarIdeEvento2(IdeEvento, true, true, false);
    GerarIdeEmpregador(IdeEmpregador);
    const TinfoTSVInicio& info = infoTSVInicio;
    // Worker kind 3: no indPriEmpr, aposentadoria or infoCota.
    GerarTrabalhador(Trabalhador, info.cadIni, "trabalhador", 3, info.codCateg);
    const bool s1 = VersaoDF() >= veS01_00_00;
    dfe::TGerador& g = Gerador();
    g.wGrupo("infoTSVInicio");
    g.wCampo(tcStr, "", "cadIni", 1, 1, 1, SimNaoToStr(info.cadIni));
    if (s1) g.wCampo(tcStr, "", "matricula", 1, 30, 0, info.matricula);
    GerarCategoria("codCateg", info.codCateg);
    g.wCampo(tcDat, "", "dtInicio", 10, 10, 1, info.dtInicio);
    if (s1) g.wCampo(tcStr, "", "nrProcTrab", 20, 20, 0, info.nrProcTrab);
    if (info.natAtividade != navNaoInformar && !SemNatAtividade(info.codCateg))
      g.wCampo(tcStr, "", "natAtividade", 1, 1, 0, NatAtividadeToStr(info.natAtividade));
    EscreverInfoComplementares();
    if (info.cadIni == tpNao) GerarMudancaCPF2(info.mudancaCPF);
    GerarAfastamento(info.afastamento);
    if (info.termino.dtTerm > 0) {
      g.wGrupo("termino");
      g.wCampo(tcDat, "", "dtTerm", 10, 10, 1, info.termino.dtTerm);
      g.wGrupo("/termino");
    }
    g.wGrupo("/infoTSVInicio");
  });
}

void TEvtTSVInicio::EscreverInfoComplementares() {
  const TinfoComplementares& c = infoTSVInicio.infoComplementares;
  GerarGrupoComFilhos(*this, "infoComplementares", [&] {
    GerarCargoFuncao(c.cargoFuncao);
    if (c.Remuneracao.VrSalFx > 0 || c.Remuneracao.UndSalFixo == sfNaoaplicavel) GerarRemuneracao(c.Remuneracao);
    if (c.Fgts.DtOpcFGTS > 0) GerarFGTS(c.Fgts, 3);
    if (DirigenteInformado(c.infoDirSind, VersaoDF() >= veS01_00_00)) EscreverInfoDirigenteSindical(c.infoDirSind);
    if (CedidoInformado(c.infoTrabCedido)) EscreverInfoTrabCedido(c.infoTrabCedido);
    if (VersaoDF() >= veS01_00_00 && infoTSVInicio.codCateg == 304) EscreverInfoMandElet(c.infoMandElet);
    GerarInfoEstagiario(c.infoEstagiario);
    if (VersaoDF() >= veS01_02_00) GerarLocalTrabGeral(c.localTrabGeral);
  });
}

void TEvtTSVInicio::EscreverInfoDirigenteSindical(const TinfoDirSind& D) {
  dfe::TGerador& g = Gerador();
  const bool s1 = VersaoDF() >= veS01_00_00;
  g.wGrupo("infoDirigenteSindical");
  GerarCategoria("categOrig", D.categOrig);
  if (s1 && !D.nrInsc().empty()) {
    g.wCampo(tcStr, "", "tpInsc", 1, 1, 1, TpInscToStr(D.tpInsc));
    // The origin may be an employer inscribed by CPF.
    g.wCampo(tcStr, "", "nrInsc", 11, 14, 1, D.nrInsc());
  }
  if (!s1) g.wCampo(tcStr, "", "cnpjOrigem", 14, 14, 0, D.cnpjOrigem());
  g.wCampo(tcDat, "", "dtAdmOrig", 10, 10, 0, D.dtAdmOrig);
  g.wCampo(tcStr, "", "matricOrig", 1, 30, 0, D.matricOrig);
  if (s1) {
    // The regime of work only of an employee or a public servant of origin.
    const bool comRegime = (D.categOrig >= 101 && D.categOrig <= 199) || (D.categOrig >= 301 && D.categOrig <= 399);
    if (comRegime) g.wCampo(tcStr, "", "tpRegTrab", 1, 1, 0, TextoRegTrab(D.tpRegTrab));
    GerarTpRegPrevSemVinculo("infoDirigenteSindical", D.tpRegPrev);
  }
  g.wGrupo("/infoDirigenteSindical");
}

void TEvtTSVInicio::EscreverInfoTrabCedido(const TinfoTrabCedido& C) {
  dfe::TGerador& g = Gerador();
  g.wGrupo("infoTrabCedido");
  GerarCategoria("categOrig", C.categOrig);
  g.wCampo(tcStr, "", "cnpjCednt", 14, 14, 1, C.cnpjCednt);
  g.wCampo(tcStr, "", "matricCed", 1, 30, 1, C.matricCed);
  g.wCampo(tcDat, "", "dtAdmCed", 10, 10, 1, C.dtAdmCed);
  g.wCampo(tcStr, "", "tpRegTrab", 1, 1, 1, TextoRegTrab(C.tpRegTrab));
  GerarTpRegPrevSemVinculo("infoTrabCedido", C.tpRegPrev);
  if (VersaoDF() <= ve02_05_00) g.wCampo(tcStr, "", "infOnus", 1, 1, 1, InfOnusToStr(C.infOnus));
  g.wGrupo("/infoTrabCedido");
}

void TEvtTSVInicio::EscreverInfoMandElet(const TinfoMandElet& M) {
  dfe::TGerador& g = Gerador();
  g.wGrupo("infoMandElet");
  // The office of origin is part of the mandate from S-1.01 on.
  if (VersaoDF() >= veS01_01_00) {
    GerarCategoria("categOrig", M.categOrig);
    g.wCampo(tcStr, "", "cnpjOrig", 14, 14, 1, M.cnpjOrig);
    g.wCampo(tcStr, "", "matricOrig", 1, 30, 1, M.matricOrig);
    g.wCampo(tcDat, "", "dtExercOrig", 10, 10, 1, M.dtExercOrig);
  }
  if (M.indRemunCargo != snfNada)
    g.wCampo(tcStr, "", "indRemunCargo", 1, 1, 0, SimNaoFacultativoToStr(M.indRemunCargo));
  g.wCampo(tcStr, "", "tpRegTrab", 1, 1, 1, TextoRegTrab(M.tpRegTrab));
  GerarTpRegPrevSemVinculo("infoMandElet", M.tpRegPrev);
  g.wGrupo("/infoMandElet");
}

}  // namespace esocial::s2300
