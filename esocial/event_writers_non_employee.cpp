// Writers of the groups the events of a worker without bond share: the start (S-2300) and the
// contract change (S-2306) write them alike.
#include <string>

#include "dfe/xml_writer.h"
#include "esocial/event_base.h"

namespace esocial {

using dfe::tcDat;
using dfe::tcDe2;
using dfe::tcInt;
using dfe::tcStr;

namespace {

// An internship given without its end date is still written, so that the schema check names
// the date rather than the group being dropped unseen.
bool EstagioInformado(const TinfoEstagiario& e) {
  return e.dtPrevTerm > 0 || !e.areaAtuacao.empty() || !e.nrApol.empty() || !e.instEnsino.cnpjInstEnsino.empty() ||
         !e.instEnsino.nmRazao.empty() || !e.ageIntegracao.cnpjAgntInteg.empty() ||
         !e.supervisorEstagio.cpfSupervisor.empty();
}

}  // namespace

void TeSocialEvento::GerarCategoria(const std::string& Tag, int Codigo) {
  Gerador().wCampo(tcStr, "", Tag, 3, 3, 1, Codigo == 0 ? std::string() : std::to_string(Codigo));
}

void TeSocialEvento::GerarIdeTrabSemVinculo(const TideTrabSemVinc& pIdeTrabSemVinc) {
  const TideTrabSemVinc& t = pIdeTrabSemVinc;
  const bool ate25 = VersaoDF() <= ve02_05_00;
  dfe::TGerador& g = Gerador();
  g.wGrupo("ideTrabSemVinculo");
  g.wCampo(tcStr, "", "cpfTrab", 11, 11, 1, t.cpfTrab);
  if (!ate25) g.wCampo(tcStr, "", "matricula", 1, 30, 0, t.matricula);
  if (ate25) g.wCampo(tcStr, "", "nisTrab", 1, 11, 0, t.nisTrab);
  // From S-1.0 the registration number, when there is one, identifies the worker alone.
  if (ate25 || t.matricula.empty()) GerarCategoria("codCateg", t.codCateg);
  g.wGrupo("/ideTrabSemVinculo");
}

void TeSocialEvento::GerarCargoFuncao(const TcargoFuncao& pCargoFuncao) {
  const TcargoFuncao& c = pCargoFuncao;
  dfe::TGerador& g = Gerador();
  if (VersaoDF() >= veS01_00_00) {
    if (c.nmCargo.empty() && c.CBOCargo.empty() && c.nmFuncao.empty() && c.CBOFuncao.empty()) return;
    g.wGrupo("cargoFuncao");
    g.wCampo(tcStr, "", "nmCargo", 1, 100, 0, c.nmCargo);
    g.wCampo(tcStr, "", "CBOCargo", 6, 6, 0, c.CBOCargo);
    g.wCampo(tcStr, "", "nmFuncao", 1, 100, 0, c.nmFuncao);
    g.wCampo(tcStr, "", "CBOFuncao", 6, 6, 0, c.CBOFuncao);
  } else {
    // A function without its position still makes the group: the position goes out empty.
    if (c.codCargo.empty() && c.codFuncao.empty()) return;
    g.wGrupo("cargoFuncao");
    g.wCampo(tcStr, "", "codCargo", 1, 30, 1, c.codCargo);
    g.wCampo(tcStr, "", "codFuncao", 1, 30, 0, c.codFuncao);
  }
  g.wGrupo("/cargoFuncao");
}

void TeSocialEvento::GerarInfoEstagiario(const TinfoEstagiario& pInfoEstagiario) {
  const TinfoEstagiario& e = pInfoEstagiario;
  if (!EstagioInformado(e)) return;
  const bool ate25 = VersaoDF() <= ve02_05_00;
  dfe::TGerador& g = Gerador();
  g.wGrupo("infoEstagiario");
  g.wCampo(tcStr, "", "natEstagio", 1, 1, 1, NatEstagioToStr(e.natEstagio));
  g.wCampo(tcStr, "", "nivEstagio", 1, 1, VersaoDF() >= veS01_01_00 ? 0 : 1, NivelEstagioToStr(e.nivEstagio));
  g.wCampo(tcStr, "", "areaAtuacao", ate25 ? 2 : 1, ate25 ? 50 : 100, 0, e.areaAtuacao);
  g.wCampo(tcStr, "", "nrApol", ate25 ? 2 : 1, 30, 0, e.nrApol);
  if (ate25) g.wCampo(tcDe2, "", "vlrBolsa", 1, 14, 0, e.vlrBolsa);
  g.wCampo(tcDat, "", "dtPrevTerm", 10, 10, 1, e.dtPrevTerm);

  const TinstEnsino& escola = e.instEnsino;
  g.wGrupo("instEnsino");
  g.wCampo(tcStr, "", "cnpjInstEnsino", 14, 14, 0, escola.cnpjInstEnsino);
  // The S-1 layouts know a school by its CNPJ alone; one without it is known by name and
  // address.
  if (ate25 || escola.cnpjInstEnsino.empty()) {
    g.wCampo(tcStr, "", "nmRazao", 1, 100, 1, escola.nmRazao);
    g.wCampo(tcStr, "", "dscLograd", 1, 100, 0, escola.dscLograd);
    g.wCampo(tcStr, "", "nrLograd", 1, 10, 0, escola.nrLograd);
    g.wCampo(tcStr, "", "bairro", 1, 90, 0, escola.bairro);
    g.wCampo(tcStr, "", "cep", 8, 8, 0, escola.Cep);
    g.wCampo(tcInt, "", "codMunic", 7, 7, 0, escola.codMunic);
    g.wCampo(tcStr, "", "uf", 2, 2, 0, escola.Uf);
  }
  g.wGrupo("/instEnsino");

  const TageIntegracao& agente = e.ageIntegracao;
  const bool comAgente =
      !agente.cnpjAgntInteg.empty() ||
      (ate25 && (!agente.nmRazao.empty() || !agente.dscLograd.empty() || !agente.nrLograd.empty() ||
                 !agente.bairro.empty() || !agente.Cep.empty() || agente.codMunic != 0 || !agente.Uf.empty()));
  if (comAgente) {
    g.wGrupo("ageIntegracao");
    g.wCampo(tcStr, "", "cnpjAgntInteg", 14, 14, 1, agente.cnpjAgntInteg);
    if (ate25) {
      g.wCampo(tcStr, "", "nmRazao", 1, 100, 1, agente.nmRazao);
      g.wCampo(tcStr, "", "dscLograd", 1, 100, 1, agente.dscLograd);
      g.wCampo(tcStr, "", "nrLograd", 1, 10, 1, agente.nrLograd);
      g.wCampo(tcStr, "", "bairro", 1, 90, 0, agente.bairro);
      g.wCampo(tcStr, "", "cep", 8, 8, 1, agente.Cep);
      g.wCampo(tcInt, "", "codMunic", 7, 7, 0, agente.codMunic);
      g.wCampo(tcStr, "", "uf", 2, 2, 1, agente.Uf);
    }
    g.wGrupo("/ageIntegracao");
  }

  const TsupervisorEstagio& supervisor = e.supervisorEstagio;
  if (!supervisor.cpfSupervisor.empty() || (ate25 && !supervisor.nmSuperv.empty())) {
    g.wGrupo("supervisorEstagio");
    g.wCampo(tcStr, "", "cpfSupervisor", 11, 11, 1, supervisor.cpfSupervisor);
    if (ate25) g.wCampo(tcStr, "", "nmSuperv", 2, 70, 1, supervisor.nmSuperv);
    g.wGrupo("/supervisorEstagio");
  }
  g.wGrupo("/infoEstagiario");
}

void TeSocialEvento::GerarTpRegPrevSemVinculo(const std::string& Grupo, tpTpRegPrev TpRegPrev) {
  // The military protection system ("4") is in the list of a ceded worker from S-1.01 on, and
  // in those of a union leader and an elected officer under S-1.01 only.
  const bool com4 = Grupo == "infoTrabCedido" ? VersaoDF() >= veS01_01_00 : VersaoDF() == veS01_01_00;
  if (TpRegPrev == rpSPSMFA && !com4) AlertarCodigoForaDoLeiaute("tpRegPrev");
  Gerador().wCampo(tcStr, "", "tpRegPrev", 1, 1, 1, TpRegPrev == rpNenhum ? std::string() : TpRegPrevToStr(TpRegPrev));
}

}  // namespace esocial
