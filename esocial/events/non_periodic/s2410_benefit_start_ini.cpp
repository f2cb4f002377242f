// S-2410 INI reader.
#include "esocial/events/event_ini.h"
#include "esocial/events/non_periodic/s2410_benefit_start.h"

namespace esocial::s2410 {

namespace {

// "1" to "3"; any other text is not informed.
tpIndSitBenef IndSitBenef(const std::string& Texto) {
  if (Texto == "1") return tpisbBeneficioConcedidoPeloProprioOrgaoDeclarante;
  if (Texto == "2") return tpisbBeneficioTransferidoDeOutroOrgao;
  if (Texto == "3") return tpisbMudandaDeCPFDoBeneficiario;
  return tpisbNenhum;
}

}  // namespace

bool TEvtCdBenIn::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtCdBenIn");
  ini.LerIdeEvento2(IdeEvento);
  ini.LerIdeEmpregador(IdeEmpregador, *this);
  Beneficiario.cpfBenef = ini.Texto("beneficiario", "cpfBenef");
  Beneficiario.matricula = ini.Texto("beneficiario", "matricula");
  Beneficiario.cnpjOrigem = ini.Texto("beneficiario", "cnpjOrigem");

  TInfoBenInicio& info = InfoBenInicio;
  info.cadIni = ini.CodigoEstrito("infoBenInicio", "cadIni", "", StrToSimNao);
  info.indSitBenef = IndSitBenef(ini.Texto("infoBenInicio", "indSitBenef"));
  info.nrBeneficio = ini.Texto("infoBenInicio", "nrBeneficio");
  info.dtIniBeneficio = ini.Data("infoBenInicio", "dtIniBeneficio");
  info.dtPublic = ini.Data("infoBenInicio", "dtPublic");

  TDadosBeneficio& dados = info.dadosBeneficio;
  dados.tpBeneficio = ini.InteiroExato<int>("dadosBeneficio", "tpBeneficio");
  dados.tpPlanRP = ini.CodigoEstrito("dadosBeneficio", "tpPlanRP", "", StrToPlanRP);
  dados.dsc = ini.Texto("dadosBeneficio", "dsc");
  dados.indDecJud = ini.CodigoEstrito("dadosBeneficio", "indDecJud", "", StrToSimNaoFacultativo);
  if (!ini.Texto("infoPenMorte", "tpPenMorte").empty()) {
    TInfoPenMorte& pensao = dados.infoPenMorte();
    pensao.tpPenMorte = StrToTpPenMorte(ini.Texto("infoPenMorte", "tpPenMorte"));
    if (!ini.Texto("instPenMorte", "cpfInst").empty()) {
      pensao.instPenMorte().cpfInst = ini.Texto("instPenMorte", "cpfInst");
      pensao.instPenMorte().dtInst = ini.Data("instPenMorte", "dtInst");
    }
  }
  if (!ini.Texto("sucessaoBenef", "cnpjOrgaoAnt").empty()) {
    TSucessaoBenef& s = info.sucessaoBenef();
    s.cnpjOrgaoAnt = ini.Texto("sucessaoBenef", "cnpjOrgaoAnt");
    s.nrBeneficioAnt = ini.Texto("sucessaoBenef", "nrBeneficioAnt");
    s.dtTransf = ini.Data("sucessaoBenef", "dtTransf");
    s.observacao = ini.Texto("sucessaoBenef", "observacao");
  }
  if (!ini.Texto("mudancaCPF", "cpfAnt").empty()) {
    TMudancaCPF& m = info.mudancaCPF();
    m.cpfAnt = ini.Texto("mudancaCPF", "cpfAnt");
    m.nrBeneficioAnt = ini.Texto("mudancaCPF", "nrBeneficioAnt");
    m.dtAltCPF = ini.Data("mudancaCPF", "dtAltCPF");
    m.observacao = ini.Texto("mudancaCPF", "observacao");
  }
  if (!ini.Texto("infoBenTermino", "mtvTermino").empty()) {
    TInfoBenTermino& t = info.infoBenTermino();
    t.mtvTermino = StrToMotCessBenef(ini.Texto("infoBenTermino", "mtvTermino"));
    t.dtTermBeneficio = ini.Data("infoBenTermino", "dtTermBeneficio");
  }
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s2410
