// S-1070 INI reader.
#include "esocial/events/event_ini.h"
#include "esocial/events/tables_periodic/s1070_process_table.h"

namespace esocial::s1070 {

bool TEvtTabProcesso::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtTabProcesso");
  ModoLancamento = ini.ModoLancamento("evtTabProcesso");
  ini.LerIdeEvento(IdeEvento);
  ini.LerIdeEmpregador(IdeEmpregador, *this);

  TIdeProcesso& ide = InfoProcesso.ideProcesso;
  ide.tpProc = ini.CodigoEstrito("ideProcesso", "tpProc", "1", StrToTpProc);
  ide.nrProc = ini.Texto("ideProcesso", "nrProc");
  ide.iniValid = ini.Texto("ideProcesso", "iniValid");
  ide.fimValid = ini.Texto("ideProcesso", "fimValid");

  if (ModoLancamento != mlExclusao) {
    TDadosProc& dados = InfoProcesso.dadosProc();
    dados.indAutoria = ini.CodigoEstrito("dadosProc", "indAutoria", "1", StrToIndAutoria);
    dados.indMatProc = ini.CodigoEstrito("dadosProc", "indMatProc", "1", StrToIndMatProc);
    dados.observacao = ini.Texto("dadosProc", "observacao");
    if (ini.AlgumaChave("dadosProcJud", {"ufVara", "codMunic", "idVara"})) {
      TDadosProcJud& jud = dados.DadosProcJud();
      jud.UfVara = ini.Texto("dadosProcJud", "ufVara");
      jud.codMunic = ini.Inteiro("dadosProcJud", "codMunic");
      jud.idVara = ini.Texto("dadosProcJud", "idVara");
    }
    ini.LerLista("infoSusp", 2, "codSusp", [&](int, const std::string& secao, const std::string& codSusp) {
      TInfoSuspCollectionItem& item = dados.infoSusp().New();
      item.codSusp = codSusp;
      item.indSusp = ini.CodigoEstrito(secao, "indSusp", "01", StrToIndSusp);
      item.dtDecisao = ini.Data(secao, "dtDecisao");
      item.indDeposito = ini.CodigoEstrito(secao, "indDeposito", "S", StrToSimNao);
    });
  }

  if (ModoLancamento == mlAlteracao) {
    TIdePeriodo& validade = InfoProcesso.novaValidade();
    validade.IniValid = ini.Texto("novaValidade", "iniValid");
    validade.FimValid = ini.Texto("novaValidade", "fimValid");
  }
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s1070
