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
class TRetEnvioLote;
}  // namespace esocial

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

// A send reply is taken only with its proof: a code (0 is what the reader leaves where it
// found none) and, when it takes the batch in (101, 201, 202, 203), the protocol the batch is
// consulted by. Else it throws, before the batch changes or is reported.
void ExigirProvaDoEnvio(const esocial::TRetEnvioLote& Retorno);

}  // namespace agent
