// S-1040 INI reader.
#include "esocial/events/event_ini.h"
#include "esocial/events/tables_periodic/s1040_function_table.h"

namespace esocial::s1040 {

bool TEvtTabFuncao::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtTabFuncao");
  ModoLancamento = ini.ModoLancamento("evtTabFuncao");
  ini.LerIdeEvento(IdeEvento);
  ini.LerIdeEmpregador(IdeEmpregador, *this);

  TIdeFuncao& ide = InfoFuncao.IdeFuncao;
  ide.codFuncao = ini.Texto("ideFuncao", "codFuncao");
  ide.iniValid = ini.Texto("ideFuncao", "iniValid");
  ide.fimValid = ini.Texto("ideFuncao", "fimValid");

  if (ModoLancamento != mlExclusao) {
    TDadosFuncao& dados = InfoFuncao.DadosFuncao();
    dados.dscFuncao = ini.Texto("dadosFuncao", "dscFuncao");
    dados.codCBO = ini.Texto("dadosFuncao", "codCBO");
  }

  if (ModoLancamento == mlAlteracao) {
    TIdePeriodo& validade = InfoFuncao.NovaValidade();
    validade.IniValid = ini.Texto("novaValidade", "iniValid");
    validade.FimValid = ini.Texto("novaValidade", "fimValid");
  }
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s1040
