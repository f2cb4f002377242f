// S-1010 XML reader.
#include <cstdint>
#include <string>

#include "esocial/events/event_xml.h"
#include "esocial/events/tables_periodic/s1010_payroll_item_table.h"
#include "platform/strings.h"
#include "platform/text_utils.h"

namespace esocial::s1010 {

namespace {

// The S-1 layouts write the code as a number ("09" as 9), so it is found by its value.
tpCodIncIRRF CodIncIRRFPorValor(const std::string& Texto) {
  std::int64_t valor = 0;
  const bool numero = platform::TryStrToInt64(Texto, valor) && valor >= 0;
  bool ok = false;
  return StrToCodIncIRRF(ok, numero ? platform::PadLeft(std::to_string(valor), 2) : Texto);
}

}  // namespace

bool TEvtTabRubrica::LerXML() {
  TLeitorXmlEvento xml(XML());
  if (!xml.Grupo(1, "evtTabRubrica")) return true;
  if (Id.empty()) LerIdEvento();
  Sequencial = 0;

  if (xml.Grupo(2, "ideEvento")) {
    IdeEvento.ProcEmi = xml.Codigo("procEmi", StrToProcEmi);
    IdeEvento.VerProc = xml.Texto("verProc");
  }
  if (xml.Grupo(2, "ideEmpregador")) {
    IdeEmpregador.TpInsc = xml.Codigo("tpInsc", StrToTpInsc);
    IdeEmpregador.NrInsc = xml.Texto("nrInsc");
  }
  if (!xml.Grupo(2, "infoRubrica")) return true;

  TModoLancamento modo = mlInclusao;
  if (xml.Grupo(3, "inclusao"))
    modo = mlInclusao;
  else if (xml.Grupo(3, "alteracao"))
    modo = mlAlteracao;
  else if (xml.Grupo(3, "exclusao"))
    modo = mlExclusao;
  ModoLancamento = modo;

  if (!xml.Grupo(4, "ideRubrica")) return true;
  TIdeRubrica& ide = InfoRubrica.ideRubrica;
  ide.CodRubr = xml.Texto("codRubr");
  ide.ideTabRubr = xml.Texto("ideTabRubr");
  ide.iniValid = xml.Texto("iniValid");
  ide.fimValid = xml.Texto("fimValid");

  if (modo != mlExclusao && xml.Grupo(4, "dadosRubrica")) {
    TDadosRubrica& dados = InfoRubrica.DadosRubrica();
    dados.dscRubr = xml.Texto("dscRubr");
    dados.natRubr = xml.Inteiro("natRubr");
    dados.tpRubr = xml.Codigo("tpRubr", StrToTpRubr);
    dados.codIncCP = xml.Codigo("codIncCP", StrToCodIncCP);
    dados.codIncIRRF = CodIncIRRFPorValor(xml.Texto("codIncIRRF"));
    dados.codIncFGTS = xml.Codigo("codIncFGTS", StrToCodIncFGTS);
    // The writer leaves these out for "none": an absent one is that value, not the first.
    dados.codIncCPRP = xml.Codigo("codIncCPRP", StrToCodIncCPRP, cicpNenhum);
    dados.codIncPisPasep = xml.Codigo("codIncPisPasep", StrToCodIncPISPASEP, ciPISPASEPNenhum);
    dados.tetoRemun = xml.Codigo("tetoRemun", StrToSimNaoFacultativo);
    dados.observacao = xml.Texto("observacao");
  }
  if (modo == mlAlteracao && xml.Grupo(4, "novaValidade")) {
    TIdePeriodo& validade = InfoRubrica.novaValidade();
    validade.IniValid = xml.Texto("iniValid");
    validade.FimValid = xml.Texto("fimValid");
  }
  return true;
}

}  // namespace esocial::s1010
