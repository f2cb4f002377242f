// S-2400 INI reader.
#include "esocial/events/event_ini.h"
#include "esocial/events/non_periodic/s2400_beneficiary_registration.h"

namespace esocial::s2400 {

bool TEvtCdBenefIn::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtCdBenefIn");
  ini.LerIdeEvento2(IdeEvento);
  ini.LerIdeEmpregador(IdeEmpregador, *this);

  TBeneficiario& b = Beneficiario;
  b.cpfBenef = ini.Texto("beneficiario", "cpfBenef");
  b.nmBenefic = ini.Texto("beneficiario", "nmBenefic");
  b.dtNascto = ini.Data("beneficiario", "dtNascto");
  b.dtInicio = ini.Data("beneficiario", "dtInicio");
  b.sexo = ini.Texto("beneficiario", "sexo");
  b.racaCor = ini.InteiroExato<int>("beneficiario", "racaCor");
  b.estCiv = ini.InteiroExato<int>("beneficiario", "estCiv");
  b.incFisMen = ini.CodigoEstrito("beneficiario", "incFisMen", "", StrToSimNao);
  b.dtIncFisMen = ini.Data("beneficiario", "dtIncFisMen");

  // Both addresses are read; the writer picks one by the country of residence.
  ini.LerEnderecoBrasil("enderecoBrasil", b.endereco.Brasil);
  ini.LerEnderecoExterior("enderecoExterior", b.endereco.Exterior);
  ini.LerDependentesBeneficiario(b.dependente, "incFisMen");
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s2400
