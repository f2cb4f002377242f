// S-1060 XML reader.
#include "esocial/events/event_ini.h"
#include "esocial/events/event_xml.h"
#include "esocial/events/tables_periodic/s1060_work_environment_table.h"

namespace esocial::s1060 {

bool TEvtTabAmbiente::LerXML() {
  TLeitorXmlEvento xml(XML());
  if (xml.Grupo(1, "ideEvento")) {
    ideEvento.ProcEmi = xml.Codigo("procEmi", StrToProcEmi);
    ideEvento.VerProc = xml.Texto("verProc");
  }
  if (xml.Grupo(1, "ideEmpregador")) {
    ideEmpregador.TpInsc = xml.Codigo("tpInsc", StrToTpInsc);
    ideEmpregador.NrInsc = xml.Texto("nrInsc");
  }
  if (xml.Grupo(1, "dadosAmbiente")) {
    TDadosAmbiente& dados = infoAmbiente.dadosAmbiente();
    dados.nmAmb = xml.Texto("nmAmb");
    dados.dscAmb = xml.Texto("dscAmb");
    dados.localAmb = xml.Codigo("localAmb", StrToLocalAmb);
    // Left out by the writer when not informed; absent, it is not the list's first code.
    dados.tpInsc = xml.Codigo("tpInsc", StrToTpInsc, kCodigoNaoInformado<tpTpInsc>);
    dados.nrInsc = xml.Texto("nrInsc");
    dados.codLotacao = xml.Texto("codLotacao");
  }
  if (xml.Grupo(1, "ideAmbiente")) {
    TIdeAmbiente& ide = infoAmbiente.ideAmbiente;
    ide.codAmb = xml.Texto("codAmb");
    ide.iniValid = xml.Texto("iniValid");
    ide.fimValid = xml.Texto("fimValid");
  }

  ModoLancamento = mlInclusao;
  if (xml.Grupo(1, "alteracao")) {
    ModoLancamento = mlAlteracao;
    if (xml.Grupo(1, "novaValidade")) {
      TIdePeriodo& validade = infoAmbiente.novaValidade();
      validade.IniValid = xml.Texto("iniValid");
      validade.FimValid = xml.Texto("fimValid");
    }
  } else if (xml.Grupo(1, "exclusao")) {
    ModoLancamento = mlExclusao;
  }
  return true;
}

}  // namespace esocial::s1060
