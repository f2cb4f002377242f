#include "esocial/identifier_query.h"

namespace esocial {

bool TConsultaIdentEvt::GerarXML() {
  using dfe::tcDatHor;
  using dfe::tcStr;
  Gerador.ArquivoFormatoXML.clear();
  Gerador.ListaDeAlertas.clear();
  // Every field: no identifier, the description alerts carry.
  auto campo = [&](dfe::TpcnTipoCampo tipo, const char* tag, int min, int max, int ocorrencias,
                   const platform::Variant& valor) {
    Gerador.wCampo(tipo, "", tag, min, max, ocorrencias, valor, "XXX");
  };

  Gerador.wGrupo("eSocial xmlns=\"" + SoapEnvelope + "\"");
  Gerador.wGrupo("consultaIdentificadoresEvts");
  Gerador.wGrupo("ideEmpregador");
  // Held as its code text: written as text, an empty code is reported as missing instead of
  // going out as a number 0 that the service refuses.
  campo(tcStr, "tpInsc", 1, 1, 1, tpInsc);
  // The root of a CNPJ (8 digits) up to a CPF or a whole CNPJ, as the schema takes them.
  campo(tcStr, "nrInsc", 8, 15, 1, nrInsc);
  Gerador.wGrupo("/ideEmpregador");
  switch (tipoConsulta) {
    case tcEmpregador:
      Gerador.wGrupo("consultaEvtsEmpregador");
      campo(tcStr, "tpEvt", 6, 6, 1, TipoEventoToStr(TipoEvento));
      campo(tcStr, "perApur", 4, 7, 1, perApur);
      Gerador.wGrupo("/consultaEvtsEmpregador");
      break;
    case tcTabela:
      Gerador.wGrupo("consultaEvtsTabela");
      campo(tcStr, "tpEvt", 6, 6, 1, TipoEventoToStr(TipoEvento));
      campo(tcStr, "chEvt", 1, 100, 0, chEvt);
      campo(tcDatHor, "dtIni", 19, 19, 0, platform::Variant::FromDateTime(dtIni));
      campo(tcDatHor, "dtFim", 19, 19, 0, platform::Variant::FromDateTime(dtFim));
      Gerador.wGrupo("/consultaEvtsTabela");
      break;
    case tcTrabalhador:
      Gerador.wGrupo("consultaEvtsTrabalhador");
      campo(tcStr, "cpfTrab", 11, 11, 1, cpfTrab);
      campo(tcDatHor, "dtIni", 19, 19, 1, platform::Variant::FromDateTime(dtIni));
      campo(tcDatHor, "dtFim", 19, 19, 1, platform::Variant::FromDateTime(dtFim));
      Gerador.wGrupo("/consultaEvtsTrabalhador");
      break;
  }
  Gerador.wGrupo("/consultaIdentificadoresEvts");
  Gerador.wGrupo("/eSocial");
  return Gerador.ListaDeAlertas.empty();
}

}  // namespace esocial
