#include "event_writers_support.h"

#include "dfe/ssl.h"
#include "esocial/events/event_frame.h"
#include "platform/date_time.h"

namespace esocialtest {

using namespace esocial;

TEscritor::TEscritor() : FComponente(NovoComponente(false)) {
  // Validation needs the validator, not a certificate.
  Configuracoes().Geral->SetSSLXmlSignLib(dfe::xsLibXml2);
}

std::string TEscritor::Saida(TVersaoeSocial Versao, const std::function<void(TeSocialEvento&)>& Escrever,
                             std::vector<std::string>* Alertas) {
  TeSocialEvento evento(FComponente.eSocial.get());
  evento.SetVersaoDF(Versao);
  Escrever(evento);
  if (Alertas != nullptr) *Alertas = evento.Gerador().ListaDeAlertas;
  return evento.Gerador().ArquivoFormatoXML;
}

std::string TEscritor::Documento(const std::string& Raiz, const std::function<void(TeSocialEvento&)>& Corpo,
                                 std::vector<std::string>& Alertas) {
  Configuracoes().Geral->SetVersaoDF(veS01_03_00);
  TeSocialEvento evento(FComponente.eSocial.get());
  GerarDocumentoeSocial(evento, Raiz, kEmpregador, [&] { Corpo(evento); });
  Alertas = evento.Gerador().ListaDeAlertas;
  return ComAssinaturaFicticia(evento.XML());
}

std::string TEscritor::ErroDeSchema(const std::string& Xml, const std::string& Raiz) {
  std::string mensagem;
  if (FComponente.eSocial->SSL().Validar(Xml, Schemas() + Raiz + "-v_S_01_03_00.xsd", mensagem)) return {};
  return mensagem.empty() ? "invalid" : mensagem;
}

double Data(int Ano, int Mes, int Dia) { return platform::EncodeDate(Ano, Mes, Dia); }

}  // namespace esocialtest
