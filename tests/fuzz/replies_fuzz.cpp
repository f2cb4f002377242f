// Feeds arbitrary text to the readers of the government's replies and of the totalizers: each
// must return, never raise, crash or read outside its text, whatever it is given.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "esocial/replies_batch_consult.h"
#include "esocial/replies_batch_send.h"
#include "esocial/replies_download.h"
#include "esocial/replies_identifiers.h"
#include "esocial/totalizers/totalizer_registry.h"

namespace {

template <class TRetorno>
void Ler(const std::string& texto) {
  TRetorno r;
  r.Leitor.Arquivo = texto;
  r.LerXml();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string texto(reinterpret_cast<const char*>(data), size);
  Ler<esocial::TRetEnvioLote>(texto);
  Ler<esocial::TRetConsultaLote>(texto);
  Ler<esocial::TRetConsultaIdentEvt>(texto);
  Ler<esocial::TRetDownloadEvt>(texto);
  for (const char* tipo : {"S5001", "S5002", "S5003", "S5011", "S5012", "S5013", "S5501", "S5503"}) {
    auto leitor = esocial::CriarLeitorTotalizador(tipo);
    leitor->SetXml(texto);
    if (leitor->Xml() != texto) std::abort();
  }
  return 0;
}
