#pragma once
// Shared by the security tests: a facade set up with the OpenSSL back end, the libxml2 signer
// and a PKCS#12 certificate of the test PKI.
#include <memory>
#include <string>

#include "dfe/ssl.h"
#include "support/peer.h"

namespace ssltest {

inline std::unique_ptr<dfe::TDFeSSL> FacadeComCertificado(const std::string& p12 = "client.p12",
                                                          dfe::TSSLDgst dgst = dfe::dgstSHA256) {
  auto ssl = std::make_unique<dfe::TDFeSSL>();
  ssl->SetSSLCryptLib(dfe::cryOpenSSL);
  ssl->SetSSLXmlSignLib(dfe::xsLibXml2);
  ssl->SetSSLDgst(dgst);
  ssl->SetDadosPFX(testsupport::ReadFile(testsupport::PkiDir() + "/" + p12));
  ssl->SetSenha("1234");
  return ssl;
}

inline std::string Schemas() { return std::string(NEMBO_SCHEMAS_DIR) + "/"; }

// A small S-1000 (exclusion) under the S-1.03.00 layout, unsigned.
inline std::string EventoS1000(bool formatado, const std::string& verProc = "NEMBO 1.0") {
  const std::string nl = formatado ? "\n" : "";
  const std::string ind = formatado ? "  " : "";
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + nl +
         "<eSocial xmlns=\"http://www.esocial.gov.br/schema/evt/evtInfoEmpregador/v_S_01_03_00\">" + nl + ind +
         "<evtInfoEmpregador Id=\"ID1123456780000002025010112000000001\">" + nl + ind + ind + "<ideEvento>" +
         "<tpAmb>2</tpAmb><procEmi>1</procEmi><verProc>" + verProc + "</verProc></ideEvento>" + nl + ind + ind +
         "<ideEmpregador><tpInsc>1</tpInsc><nrInsc>12345678</nrInsc></ideEmpregador>" + nl + ind + ind +
         "<infoEmpregador><exclusao><idePeriodo><iniValid>2024-01</iniValid></idePeriodo></exclusao>"
         "</infoEmpregador>" +
         nl + ind + "</evtInfoEmpregador>" + nl + "</eSocial>" + nl;
}

}  // namespace ssltest
