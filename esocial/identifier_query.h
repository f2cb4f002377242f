#pragma once
// The request of the identifier query (consultaIdentificadoresEvts): which events the
// government has received for an employer and period, for a table, or for a worker. The
// identifier service fills it, writes it, signs the consultaIdentificadoresEvts element and
// validates it against the query's schema.
#include <string>

#include "dfe/xml_writer.h"
#include "esocial/event_types.h"
#include "esocial/layout_enums.h"
#include "platform/date_time.h"

namespace esocial {

class TConsultaIdentEvt {
 public:
  dfe::TGerador Gerador;
  std::string SoapEnvelope;  // the root's namespace, by tipoConsulta
  tpConsulta tipoConsulta = tcEmpregador;
  std::string tpInsc;  // its code text, "1" or "2"
  std::string nrInsc;
  TTipoEvento TipoEvento = teS1000;
  std::string perApur;            // employer query: yyyy-mm or yyyy
  std::string chEvt;              // table query
  platform::TDateTime dtIni = 0;  // table and worker queries
  platform::TDateTime dtFim = 0;
  std::string cpfTrab;  // worker query

  // Writes the request, unsigned and on one line, into Gerador.ArquivoFormatoXML (its earlier
  // text and alerts dropped). False when the writer reported a breach (a missing required
  // field, a size); the document is written all the same.
  bool GerarXML();
};

}  // namespace esocial
