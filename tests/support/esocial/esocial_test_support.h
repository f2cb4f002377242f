#pragma once
// Shared by the eSocial tests: a component set up as the agent sets it (layout S-1.03.00, files
// by employer) with the OpenSSL back end, the libxml2 signer, a PKCS#12 certificate of the test
// PKI and the official schemas; small event documents; and the checks every test file needs.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "esocial/trivo_esocial.h"

namespace esocialtest {

// The employer of the test documents and of the test certificate.
inline constexpr const char* kEmpregador = "12345678000195";
// The employer of a component set up as a person (the individual employer's events).
inline constexpr const char* kEmpregadorPessoaFisica = "12345678909";

std::string Schemas();

struct TComponente {
  std::unique_ptr<esocial::TTrivoeSocial> eSocial;
  std::string pastaSalvar;  // a fresh folder per component
  // Where the employer's event files go.
  std::string PastaEmpregador() const { return pastaSalvar + "/" + kEmpregador; }
  esocial::TEventos& Eventos() const { return eSocial->Eventos(); }
};

// Without the certificate only signed documents can be loaded. An employer of kind
// tePessoaFisica is kEmpregadorPessoaFisica.
TComponente NovoComponente(bool comCertificado = true, esocial::TEmpregador tipo = esocial::tePessoaJuridica);

// A services INI whose sections give every service under the address base
// ("https://127.0.0.1:<port>"); a service in semUrl gets no key.
std::string IniServicos(const std::string& base, const std::vector<std::string>& semUrl = {});

// Points the component's services INI at a file of its own holding IniServicos (not the one
// in the program's folder, which tests running side by side would share).
void ApontarServicos(TComponente& c, const std::string& base, const std::vector<std::string>& semUrl = {});

// An event document under layout S-1.03.00: the XML declaration, the eSocial root with the
// element's namespace, the element with its Id holding the groups. Formatted puts each group
// on an indented line of its own; otherwise the document is one line.
std::string Evento(const std::string& elemento, const std::string& id, const std::vector<std::string>& grupos,
                   bool formatado = false);
// The same with an element that the schema does not check: enough for recognition, carrying a
// Signature element (not a real signature), so that assigning it neither signs nor validates.
std::string EventoComAssinatura(const std::string& elemento, const std::string& id);

// The identifier of the test employer's n-th event (n from 0 to 99999).
std::string IdEvento(int n);

// Unsigned documents valid against their official schemas once signed.
std::string EventoS1000(bool formatado = false, const std::string& verProc = "NEMBO 1.0");
std::string EventoS1010(bool formatado = false);
std::string EventoS3000(bool formatado = false);
std::string EventoS1299(bool formatado = false);
// An S-1010 with identifier IdEvento(n) and a rubric code of its own: a batch of them is a
// batch of distinct table events.
std::string EventoS1010Numerado(int n);

// The document with a placeholder signature put last in its eSocial root: assigned to an
// event it is kept as it is, neither signed nor validated.
std::string ComAssinaturaFicticia(std::string xml);

// True when xmlsec1 accepts the document's signature, trusting only the test CA.
bool Xmlsec1Aceita(const std::string& xml, std::string* saida = nullptr);

// The names of a folder's files, sorted.
std::vector<std::string> Arquivos(const std::string& pasta);

}  // namespace esocialtest
