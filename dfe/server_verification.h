#pragma once
// The eSocial services' server certificates are verified, chain and host name, by the HTTP back
// ends that talk to them. Both checks run inside the handshake, so a server that fails them gets
// neither the client certificate nor the request. Trusted: the system store, the ICP-Brasil root
// the government's chains end in (kArquivoRaizIcpBrasil in the program's folder; the system
// store does not carry it), and the PEM file named by NEMBO_ESOCIAL_CA_FILE.
//
// An expired certificate is accepted, at any place in the chain: a service whose renewal lapsed
// must not stop every employer's obligations, and the chain and the name still have to hold.
#include <curl/curl.h>
#include <openssl/ssl.h>

#include <string>

namespace dfe {

// The ICP-Brasil root, in the program's folder (installed beside the program).
inline constexpr const char* kArquivoRaizIcpBrasil = "icp-brasil-v10.pem";
// Names a PEM file of further trusted authorities.
inline constexpr const char* kVariavelArquivoCA = "NEMBO_ESOCIAL_CA_FILE";

class TVerificacaoServidor {
 public:
  // Host: the address's host name or IP address (an IPv6 address with or without its brackets).
  // Reads the trusted files; raises ETrivoDFeException when the variable names a file that
  // cannot be read or holds no certificate, or when the carried root is unreadable.
  explicit TVerificacaoServidor(std::string Host);

  // Turns libcurl's verification on for the transfer, with the trusted authorities; the
  // transfer's CURLOPT_SSL_CTX_FUNCTION must call Aplicar. libcurl's answer to the first option
  // it refuses, else CURLE_OK.
  CURLcode Configurar(CURL* Curl) const;
  // Puts the host-name check and the expiry rule into the handshake's TLS context.
  CURLcode Aplicar(SSL_CTX* Contexto);

  // "Certificado do servidor <host> recusado: <reason>" once the handshake refused the server;
  // DetalheCurl (libcurl's error text) stands for the reason when the check itself left none.
  std::string Recusa(const std::string& DetalheCurl) const;
  bool Recusou() const { return !FMotivo.empty(); }

 private:
  static int AoVerificar(int Ok, X509_STORE_CTX* Contexto);

  std::string FHost;
  std::string FAutoridades;  // PEM text of the trusted files' certificates
  std::string FMotivo;       // the first refusal the handshake met
};

}  // namespace dfe
