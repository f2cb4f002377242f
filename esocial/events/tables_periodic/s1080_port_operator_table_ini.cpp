// S-1080 INI reader.
#include "esocial/events/event_ini.h"
#include "esocial/events/tables_periodic/s1080_port_operator_table.h"

namespace esocial::s1080 {

bool TEvtTabOperPort::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtTabOperPort");
  ModoLancamento = ini.ModoLancamento("evtTabOperPort");
  ini.LerIdeEvento(IdeEvento);
  ini.LerIdeEmpregador(IdeEmpregador, *this);

  TIdeOperPortuario& ide = InfoOperPortuario.ideOperPortuario;
  ide.cnpjOpPortuario = ini.Texto("ideOperPortuario", "cnpjOpPortuario");
  ide.iniValid = ini.Texto("ideOperPortuario", "iniValid");
  ide.fimValid = ini.Texto("ideOperPortuario", "fimValid");

  if (ModoLancamento != mlExclusao) {
    TDadosOperPortuario& dados = InfoOperPortuario.dadosOperPortuario();
    dados.aliqRat = ini.CodigoEstrito("dadosOperPortuario", "aliqRat", "1", StrToAliqRat);
    dados.fap = ini.DecimalEstrito("dadosOperPortuario", "fap");
    dados.aliqRatAjust = ini.DecimalEstrito("dadosOperPortuario", "aliqRatAjust");
  }

  if (ModoLancamento == mlAlteracao) {
    TIdePeriodo& validade = InfoOperPortuario.novaValidade();
    validade.IniValid = ini.Texto("novaValidade", "iniValid");
    validade.FimValid = ini.Texto("novaValidade", "fimValid");
  }
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s1080
