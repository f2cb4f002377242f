// Feeds arbitrary text to the readers of the government's replies and of the totalizers: each
// must return, never raise, crash or read outside its text, whatever it is given. The consult's
// save step then writes the totalizers of the text read as a consult reply into a Docs folder of
// its own, and every file it writes must be one name directly inside that folder.
#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "esocial/replies_batch_consult.h"
#include "esocial/replies_batch_send.h"
#include "esocial/replies_download.h"
#include "esocial/replies_identifiers.h"
#include "esocial/totalizers/totalizer_registry.h"
#include "esocial/trivo_esocial.h"
#include "esocial/web_services.h"
#include "platform/strings.h"

namespace fs = std::filesystem;

namespace {

template <class TRetorno>
void Ler(const std::string& texto) {
  TRetorno r;
  r.Leitor.Arquivo = texto;
  r.LerXml();
}

// A temporary folder holding nothing but the save folder "Docs". "@ROOT@" in the text stands for
// this folder, so that an absolute path the fuzzer makes up lands where the check looks.
struct TPastaSalvar {
  std::string raiz, docs;
  std::unique_ptr<esocial::TTrivoeSocial> eSocial;

  TPastaSalvar() {
    char modelo[] = "/tmp/nembo-replies-fuzz-XXXXXX";
    if (!mkdtemp(modelo)) std::abort();
    raiz = modelo;
    docs = raiz + "/Docs";
    fs::create_directory(docs);
    eSocial = dfe::TTrivoDFe::Criar<esocial::TTrivoeSocial>();
    eSocial->Configuracoes().Arquivos->SetPathSalvar(docs);
  }
  ~TPastaSalvar() {
    std::error_code ec;
    fs::remove_all(raiz, ec);
  }
};

void GravarTotalizadores(const std::string& texto) {
  static TPastaSalvar pasta;
  esocial::TConsultaLote& consulta = pasta.eSocial->WebServices().ConsultaLote();
  consulta.Clear();
  consulta.RetConsultaLote().Leitor.Arquivo = platform::StringReplace(texto, "@ROOT@", pasta.raiz);
  consulta.RetConsultaLote().LerXml();
  consulta.GravarTotalizadores();
  for (const auto& e : fs::recursive_directory_iterator(pasta.raiz)) {
    if (e.path() == pasta.docs) continue;
    if (e.path().parent_path() != pasta.docs || e.is_symlink() || !e.is_regular_file()) {
      std::fprintf(stderr, "written outside Docs: %s\n", e.path().c_str());
      std::abort();
    }
  }
  for (const auto& e : fs::directory_iterator(pasta.docs)) fs::remove(e.path());
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
  GravarTotalizadores(texto);
  return 0;
}
