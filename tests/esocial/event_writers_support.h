#pragma once
// The shared writers used outside a unit, as the units will use them: what one call writes
// under a layout version, and whole documents, written through the frame, checked against
// the official schemas with a placeholder signature.
#include <functional>
#include <string>
#include <vector>

#include "esocial/event_base.h"
#include "support/esocial/esocial_test_support.h"

namespace esocialtest {

class TEscritor {
 public:
  TEscritor();

  // What Escrever writes on a fresh event under Versao (the configured employer kind
  // applies); Alertas, when given, receives the alert lines.
  std::string Saida(esocial::TVersaoeSocial Versao, const std::function<void(esocial::TeSocialEvento&)>& Escrever,
                    std::vector<std::string>* Alertas = nullptr);

  // The S-1.03 document of the root Raiz written by the frame with Corpo, a placeholder
  // signature put last in the eSocial root. Alertas receives the alert lines.
  std::string Documento(const std::string& Raiz, const std::function<void(esocial::TeSocialEvento&)>& Corpo,
                        std::vector<std::string>& Alertas);
  // The validator's message for Xml against the schema of Raiz; empty when it is valid.
  std::string ErroDeSchema(const std::string& Xml, const std::string& Raiz);

  esocial::TConfiguracoeseSocial& Configuracoes() { return FComponente.eSocial->Configuracoes(); }

 private:
  TComponente FComponente;
};

// The date of a day, for the records' date fields.
double Data(int Ano, int Mes, int Dia);

}  // namespace esocialtest
