// S-1010 INI reader.
#include "esocial/configuration_esocial.h"
#include "esocial/events/event_ini.h"
#include "esocial/events/tables_periodic/s1010_payroll_item_table.h"

namespace esocial::s1010 {

bool TEvtTabRubrica::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtTabRubrica");
  ModoLancamento = ini.ModoLancamento("evtTabRubrica");
  ini.LerIdeEvento(IdeEvento);
  ini.LerIdeEmpregador(IdeEmpregador, *this);

  TIdeRubrica& ide = InfoRubrica.ideRubrica;
  ide.CodRubr = ini.Texto("ideRubrica", "codRubr");
  ide.ideTabRubr = ini.Texto("ideRubrica", "ideTabRubr");
  ide.iniValid = ini.Texto("ideRubrica", "iniValid");
  ide.fimValid = ini.Texto("ideRubrica", "fimValid");

  if (ModoLancamento != mlExclusao) {
    TDadosRubrica& dados = InfoRubrica.DadosRubrica();
    dados.dscRubr = ini.Texto("dadosRubrica", "dscRubr");
    dados.natRubr = ini.Inteiro("dadosRubrica", "natRubr");
    dados.tpRubr = ini.Codigo("dadosRubrica", "tpRubr", "1", StrToTpRubr);
    dados.codIncCP = ini.Codigo("dadosRubrica", "codIncCP", "00", StrToCodIncCP);
    // The default follows the layout GerarXML will write under: "09" exists from S-1 on.
    const std::string padraoIRRF = Configuracoes().Geral->VersaoDF() >= veS01_00_00 ? "09" : "00";
    dados.codIncIRRF = ini.Codigo("dadosRubrica", "codIncIRRF", padraoIRRF, StrToCodIncIRRF);
    dados.codIncFGTS = ini.Codigo("dadosRubrica", "codIncFGTS", "00", StrToCodIncFGTS);
    dados.codIncCPRP = ini.Codigo("dadosRubrica", "codIncCPRP", "99", StrToCodIncCPRP);
    dados.codIncPisPasep = ini.Codigo("dadosRubrica", "codIncPisPasep", "00", StrToCodIncPISPASEP);
    dados.observacao = ini.Texto("dadosRubrica", "observacao");
    dados.tetoRemun = ini.Codigo("dadosRubrica", "tetoRemun", "", StrToSimNaoFacultativo);

    ini.LerLista("ideProcessoCP", 2, "tpProc", [&](int, const std::string& secao, const std::string& tpProc) {
      TIdeProcessoCPCollectionItem& item = dados.IdeProcessoCP().New();
      bool ok = false;
      item.tpProc = StrToTpProc(ok, tpProc);
      item.nrProc = ini.Texto(secao, "nrProc");
      item.ExtDecisao = ini.Codigo(secao, "extDecisao", "1", StrToExtDecisao);
      item.codSusp = ini.Texto(secao, "codSusp");
    });
    ini.LerLista("ideProcessoIRRF", 2, "nrProc", [&](int, const std::string& secao, const std::string& nrProc) {
      TProcesso& item = dados.IdeProcessoIRRF().New();
      item.nrProc = nrProc;
      item.codSusp = ini.Texto(secao, "codSusp");
    });
    ini.LerLista("ideProcessoFGTS", 2, "nrProc", [&](int, const std::string&, const std::string& nrProc) {
      dados.IdeProcessoFGTS().New().nrProc = nrProc;
    });
    // The INI text's values come trimmed: " FIM " ends the list too.
    ini.LerLista("ideProcessoPisPasep", 2, "nrProc", [&](int, const std::string& secao, const std::string& nrProc) {
      TIdeProcessoPisPasepCollectionItem& item = dados.IdeProcessoPisPasep().New();
      item.nrProc = nrProc;
      item.codSusp = ini.Texto(secao, "codSusp");
    });
    ini.LerLista("ideProcessoSIND", 2, "nrProc", [&](int, const std::string&, const std::string& nrProc) {
      dados.IdeProcessoSIND().New().nrProc = nrProc;
    });
  }

  if (ModoLancamento == mlAlteracao) {
    TIdePeriodo& validade = InfoRubrica.novaValidade();
    validade.IniValid = ini.Texto("novaValidade", "iniValid");
    validade.FimValid = ini.Texto("novaValidade", "fimValid");
  }
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s1010
