#include "esocial/replies_download.h"

#include "esocial/tag_reading.h"

namespace esocial {

bool TRetDownloadEvt::LerXml() {
  return LerRetorno(Leitor, "download", [&](const TLeituraTags& x) {
    if (x.Grupo(2, "status")) LerStatus(x, Status);
    if (x.Grupo(2, "retornoSolicDownloadEvts") && x.Grupo(3, "arquivos")) {
      x.Lista(4, "arquivo", [&] {
        auto& arquivo = Arquivo.New();
        if (x.Grupo(5, "status")) LerStatus(x, arquivo.Status);
        // The documents end at their own closing tag, not at an inner evtXxx or recepcao.
        if (x.Grupo(5, "evt")) {
          arquivo.Id = x.Atributo("Id");
          arquivo.XML = x.Conteudo("evt");
        }
        if (x.Grupo(5, "rec")) {
          arquivo.nrRec = x.Atributo("nrRec");
          arquivo.XMLRecibo = x.Conteudo("rec");
        }
      });
    }
  });
}

}  // namespace esocial
