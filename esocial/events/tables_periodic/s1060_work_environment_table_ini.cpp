// S-1060 INI reader.
#include "esocial/events/event_ini.h"
#include "esocial/events/tables_periodic/s1060_work_environment_table.h"

namespace esocial::s1060 {

bool TEvtTabAmbiente::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtTabAmbiente");
  ModoLancamento = ini.ModoLancamento("evtTabAmbiente");
  ini.LerIdeEvento(ideEvento);
  ini.LerIdeEmpregador(ideEmpregador, *this);

  TIdeAmbiente& ide = infoAmbiente.ideAmbiente;
  ide.codAmb = ini.Texto("ideAmbiente", "codAmb");
  ide.iniValid = ini.Texto("ideAmbiente", "iniValid");
  ide.fimValid = ini.Texto("ideAmbiente", "fimValid");

  if (ModoLancamento != mlExclusao) {
    TDadosAmbiente& dados = infoAmbiente.dadosAmbiente();
    dados.nmAmb = ini.Texto("dadosAmbiente", "nmAmb");
    dados.dscAmb = ini.Texto("dadosAmbiente", "dscAmb");
    dados.localAmb = ini.CodigoEstrito("dadosAmbiente", "localAmb", "1", StrToLocalAmb);
    dados.tpInsc = ini.CodigoEstrito("dadosAmbiente", "tpInsc", "1", StrToTpInsc);
    dados.nrInsc = ini.Texto("dadosAmbiente", "nrInsc");
    dados.codLotacao = ini.Texto("dadosAmbiente", "codLotacao");
  }

  if (ModoLancamento == mlAlteracao) {
    TIdePeriodo& validade = infoAmbiente.novaValidade();
    validade.IniValid = ini.Texto("novaValidade", "iniValid");
    validade.FimValid = ini.Texto("novaValidade", "fimValid");
  }
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s1060
