#pragma once
// The transmit and sign commands: they fetch the batches of pending events the API has
// prepared, load each event into the eSocial component (which signs an unsigned event and
// validates it) and take the signed XML back; the transmit command sends each batch to the
// government and maps the reply onto it; both report every batch they worked back to the API.
#include <string>
#include <vector>

#include "agent/command_base.h"
#include "agent/dto.h"

namespace esocial {
class TTrivoeSocial;
}

namespace agent {

class TTransmissaoEventos : public TComunicacaoEsocial {
 public:
  using TComunicacaoEsocial::TComunicacaoEsocial;
  ~TTransmissaoEventos() override { WaitFor(); }

 protected:
  void Validate() override {}
  void Execute() override;

 private:
  void TransmitirLotes(const std::vector<TEsocialLoteXmlDTO*>& lotes, TXDataClient& client);
};

class TAssinarEvento : public TComunicacaoEsocial {
 public:
  using TComunicacaoEsocial::TComunicacaoEsocial;
  ~TAssinarEvento() override { WaitFor(); }

 protected:
  void Validate() override {}
  void Execute() override;

 private:
  // The failed events of every batch, one "CodigoEvento: text" line each; empty when none.
  std::string AssinarLotes(const std::vector<TEsocialLoteXmlDTO*>& lotes, TXDataClient& client);
};

}  // namespace agent
