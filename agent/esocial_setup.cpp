#include "agent/esocial_setup.h"

#include "dfe/exceptions.h"
#include "platform/date_time.h"
#include "platform/strings.h"
#include "platform/variant.h"

namespace agent {

std::unique_ptr<esocial::TTrivoeSocial> CreateTrivoeSocial(const std::string& IdEmpregador) {
  // Released on any error: no component is left behind.
  auto eSocial = dfe::TTrivoDFe::Criar<esocial::TTrivoeSocial>();
  auto& conf = eSocial->Configuracoes();
  conf.Geral->SetSSLLib(dfe::libWinCrypt);
  conf.Geral->SetSSLCryptLib(dfe::cryWinCrypt);
  conf.Geral->SetSSLHttpLib(dfe::httpWinHttp);
  conf.Geral->SetSSLXmlSignLib(dfe::xsLibXml2);
  conf.Arquivos->SetSepararPorCNPJ(true);
  conf.WebServices->SetAmbiente(dfe::taProducao);

  conf.Certificados->SetNumeroSerie(eSocial->SSL().SelecionarCertificado());
  if (conf.Certificados->NumeroSerie().empty()) throw dfe::ETrivoDFeException("Certificado não informado");
  const platform::TDateTime vencimento = eSocial->SSL().CertDataVenc();
  if (vencimento < platform::Now())
    throw dfe::ETrivoDFeException("Certificado Vencido - Vencimento: " +
                                  platform::Variant::FromDateTime(vencimento).AsString());

  conf.Geral->SetIdEmpregador(IdEmpregador);
  conf.Geral->SetIdTransmissor(eSocial->SSL().CertCNPJ());
  conf.Geral->SetVersaoDF(esocial::veS01_03_00);
  conf.WebServices->SetSSLType(dfe::LT_TLSv1_2);
  return eSocial;
}

std::string IdEmpregadorDoEvento(const std::string& CodigoEvento) { return platform::Copy(CodigoEvento, 4, 8); }

}  // namespace agent
