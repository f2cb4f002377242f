#pragma once
// Service contracts of the REST API. Objects returned belong to the REST client that made
// the call and live as long as it does.
#include <cstdint>
#include <string>
#include <vector>

#include "agent/dto.h"

namespace agent {

class IEsocialLoteService {
 public:
  virtual ~IEsocialLoteService() = default;
  virtual void AtualizarLotes(const std::vector<TEsocialLoteXmlDTO*>& Lotes, bool Consulta) = 0;
  virtual void AtualizarLote(TEsocialLoteXmlDTO* EsocialLoteXmlDTO, bool Consulta, std::uint16_t Control) = 0;
  // nullptr when the API has no such batch.
  virtual TEsocialLoteXmlDTO* GetLotePorProtocolo(const std::string& IdProtocolo) = 0;
  virtual std::vector<TEsocialLoteXmlDTO*> GetLotesGerados() = 0;
  virtual void ProcessarLoteEnviado(TEsocialLoteXmlDTO* LoteDTO) = 0;
  virtual void GerarXmlEventosLote() = 0;
};

class ISfArquivoService {
 public:
  virtual ~ISfArquivoService() = default;
  // The archive's bytes as the API sent them.
  virtual std::string DownloadFileSagres(const std::string& ArquivoId) = 0;
};

}  // namespace agent
