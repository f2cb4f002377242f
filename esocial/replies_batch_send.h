#pragma once
// The reply to a batch send (retornoEnvioLoteEventos): whether the government took the batch,
// with its protocol number. The send service puts the reply's text into Leitor.Arquivo and
// calls LerXml; the transmit command reads the fields.
#include "dfe/xml_reader.h"
#include "esocial/records_identification.h"
#include "esocial/replies_records.h"

namespace esocial {

class TRetEnvioLote {
 public:
  dfe::TLeitor Leitor;
  TIdeEmpregador IdeEmpregador;
  TIdeTransmissor IdeTransmissor;
  TStatus Status;  // tempoEstimadoConclusao is not part of this reply and stays 0
  TDadosRecepcaoLote DadosRecLote;

  // Reads Leitor.Arquivo into the record, adding to what it holds. False when the reply has
  // no retornoEnvioLoteEventos or a value cannot be read (what was read before stays); never
  // raises.
  bool LerXml();
};

}  // namespace esocial
