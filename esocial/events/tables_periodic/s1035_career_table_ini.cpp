// S-1035 INI reader.
#include "esocial/events/event_ini.h"
#include "esocial/events/tables_periodic/s1035_career_table.h"

namespace esocial::s1035 {

bool TEvtTabCarreira::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtTabCarreira");
  ModoLancamento = ini.ModoLancamento("evtTabCarreira");
  ini.LerIdeEvento(IdeEvento);
  ini.LerIdeEmpregador(IdeEmpregador, *this);

  TIdeCarreira& ide = InfoCarreira.ideCarreira;
  ide.codCarreira = ini.Texto("ideCarreira", "codCarreira");
  ide.iniValid = ini.Texto("ideCarreira", "iniValid");
  ide.fimValid = ini.Texto("ideCarreira", "fimValid");

  if (ModoLancamento != mlExclusao) {
    TDadosCarreira& dados = InfoCarreira.dadosCarreira;
    dados.dscCarreira = ini.Texto("dadosCarreira", "dscCarreira");
    dados.leiCarr = ini.Texto("dadosCarreira", "leiCarr");
    dados.dtLeiCarr = ini.Data("dadosCarreira", "dtleiCarr");
    dados.sitCarr = ini.Texto("dadosCarreira", "sitCarr");
  }

  if (ModoLancamento == mlAlteracao) {
    TIdePeriodo& validade = InfoCarreira.NovaValidade();
    validade.IniValid = ini.Texto("novaValidade", "iniValid");
    validade.FimValid = ini.Texto("novaValidade", "fimValid");
  }
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s1035
