// S-1050 INI reader.
#include "esocial/events/event_ini.h"
#include "esocial/events/tables_periodic/s1050_working_hours_table.h"

namespace esocial::s1050 {

bool TEvtTabHorTur::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtTabHorTur");
  ModoLancamento = ini.ModoLancamento("evtTabHorTur");
  ini.LerIdeEvento(IdeEvento);
  ini.LerIdeEmpregador(IdeEmpregador, *this);

  TideHorContratual& ide = InfoHorContratual.ideHorContratual;
  ide.codHorContrat = ini.Texto("ideHorContratual", "codHorContrat");
  ide.iniValid = ini.Texto("ideHorContratual", "iniValid");
  ide.fimValid = ini.Texto("ideHorContratual", "fimValid");

  if (ModoLancamento != mlExclusao) {
    TDadosHorContratual& dados = InfoHorContratual.dadosHorContratual();
    dados.hrEntr = ini.Texto("dadosHorContratual", "hrEntr");
    dados.hrSaida = ini.Texto("dadosHorContratual", "hrSaida");
    dados.durJornada = ini.InteiroExato<int>("dadosHorContratual", "durJornada");
    dados.perHorFlexivel = ini.CodigoEstrito("dadosHorContratual", "perHorFlexivel", "S", StrToSimNao);
  }

  if (ModoLancamento == mlAlteracao) {
    TIdePeriodo& validade = InfoHorContratual.novaValidade();
    validade.IniValid = ini.Texto("novaValidade", "iniValid");
    validade.FimValid = ini.Texto("novaValidade", "fimValid");
  }
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s1050
