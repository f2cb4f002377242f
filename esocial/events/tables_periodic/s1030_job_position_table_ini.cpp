// S-1030 INI reader.
#include "esocial/events/event_ini.h"
#include "esocial/events/tables_periodic/s1030_job_position_table.h"

namespace esocial::s1030 {

bool TEvtTabCargo::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtTabCargo");
  ModoLancamento = ini.ModoLancamento("evtTabCargo");
  ini.LerIdeEvento(IdeEvento);
  ini.LerIdeEmpregador(IdeEmpregador, *this);

  TIdeCargo& ide = InfoCargo.IdeCargo;
  ide.CodCargo = ini.Texto("ideCargo", "codCargo");
  ide.iniValid = ini.Texto("ideCargo", "iniValid");
  ide.fimValid = ini.Texto("ideCargo", "fimValid");

  if (ModoLancamento != mlExclusao) {
    TDadosCargo& dados = InfoCargo.DadosCargo();
    dados.nmCargo = ini.Texto("dadosCargo", "nmCargo");
    dados.codCBO = ini.Texto("dadosCargo", "codCBO");
    // Probed on the keys as given: their defaults would make every position a public one.
    if (ini.AlgumaChave("cargoPublico", {"acumCargo", "contagemEsp", "dedicExcl"}) ||
        ini.AlgumaChave("leiCargo", {"nrLei", "dtLei", "sitCargo"})) {
      TCargoPublico& publico = dados.cargoPublico();
      publico.acumCargo = ini.CodigoEstrito("cargoPublico", "acumCargo", "1", StrToAcumCargo);
      publico.contagemEsp = ini.CodigoEstrito("cargoPublico", "contagemEsp", "1", StrToContagemEsp);
      publico.dedicExcl = ini.CodigoEstrito("cargoPublico", "dedicExcl", "S", StrToSimNao);
      publico.leiCargo.nrLei = ini.Texto("leiCargo", "nrLei");
      publico.leiCargo.dtLei = ini.Data("leiCargo", "dtLei");
      publico.leiCargo.sitCargo = ini.Texto("leiCargo", "sitCargo");
    }
  }

  if (ModoLancamento == mlAlteracao) {
    TIdePeriodo& validade = InfoCargo.NovaValidade();
    validade.IniValid = ini.Texto("novaValidade", "iniValid");
    validade.FimValid = ini.Texto("novaValidade", "fimValid");
  }
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s1030
