// S-2405 INI reader.
#include "esocial/events/event_ini.h"
#include "esocial/events/non_periodic/s2405_beneficiary_change.h"

namespace esocial::s2405 {

bool TEvtCdBenefAlt::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtCdBenefAlt");
  ini.LerIdeEvento2(IdeEvento);
  ini.LerIdeEmpregador(IdeEmpregador, *this, false);
  IdeBenef.CpfBenef = ini.Texto("ideBenef", "cpfBenef");
  Alteracao.DtAlteracao = ini.Data("alteracao", "dtAlteracao");

  TDadosBenef& d = Alteracao.DadosBenef;
  d.nmBenefic = ini.Texto("dadosBenef", "nmBenefic");
  d.sexo = ini.Texto("dadosBenef", "sexo");
  d.racaCor = ini.InteiroExato<int>("dadosBenef", "racaCor");
  d.estCiv = ini.InteiroExato<int>("dadosBenef", "estCiv");
  d.incFisMen = ini.CodigoEstrito("dadosBenef", "incFisMen", "", StrToSimNao);
  // An address section is read when any of its keys is given: one without its street is
  // still written, and the schema names what it lacks.
  if (ini.AlgumaChave("brasil",
                      {"tpLograd", "dscLograd", "nrLograd", "complemento", "bairro", "cep", "codMunic", "uf"}))
    ini.LerEnderecoBrasil("brasil", d.endereco.Brasil);
  if (ini.AlgumaChave("exterior",
                      {"paisResid", "dscLograd", "nrLograd", "complemento", "bairro", "nmCid", "codPostal"}))
    ini.LerEnderecoExterior("exterior", d.endereco.Exterior);
  ini.LerDependentesBeneficiario(d.dependente, "incTrab");
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s2405
