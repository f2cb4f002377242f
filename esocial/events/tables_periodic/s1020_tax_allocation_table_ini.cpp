// S-1020 INI reader.
#include "esocial/events/event_ini.h"
#include "esocial/events/tables_periodic/s1020_tax_allocation_table.h"

namespace esocial::s1020 {

bool TevtTabLotacao::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtTabLotacao");
  ModoLancamento = ini.ModoLancamento("evtTabLotacao");
  ini.LerIdeEvento(IdeEvento);
  ini.LerIdeEmpregador(ideEmpregador, *this);

  TIdeLotacao& ide = infoLotacao.ideLotacao;
  ide.codLotacao = ini.Texto("ideLotacao", "codLotacao");
  ide.iniValid = ini.Texto("ideLotacao", "iniValid");
  ide.fimValid = ini.Texto("ideLotacao", "fimValid");

  if (ModoLancamento != mlExclusao) {
    TDadosLotacao& dados = infoLotacao.dadosLotacao();
    dados.tpLotacao = ini.Texto("dadosLotacao", "tpLotacao");
    dados.tpInsc = ini.CodigoEstrito("dadosLotacao", "tpInsc", "1", StrToTpInsc);
    dados.nrInsc = ini.Texto("dadosLotacao", "nrInsc");

    TFPasLotacao& fpas = dados.fPasLotacao;
    fpas.Fpas = ini.Texto("fpasLotacao", "fpas");
    fpas.codTercs = ini.Texto("fpasLotacao", "codTercs");
    fpas.codTercsSusp = ini.Texto("fpasLotacao", "codTercsSusp");
    ini.LerLista("procJudTerceiro", 2, "codTerc", [&](int, const std::string& secao, const std::string& codTerc) {
      TProcJudTerceiroCollectionItem& item = fpas.infoProcJudTerceiros().procJudTerceiro.New();
      item.codTerc = codTerc;
      item.nrProcJud() = ini.Texto(secao, "nrProcJud");
      item.codSusp = ini.Texto(secao, "codSusp");
    });

    if (ini.AlgumaChave("infoEmprParcial", {"tpInscContrat", "nrInscContrat"})) {
      TInfoEmprParcial& parcial = dados.infoEmprParcial;
      parcial.tpInscContrat = ini.CodigoEstrito("infoEmprParcial", "tpInscContrat", "", StrToTpInscContratante);
      parcial.NrInscContrat = ini.Texto("infoEmprParcial", "nrInscContrat");
      parcial.tpInscProp = ini.CodigoEstrito("infoEmprParcial", "tpInscProp", "1", StrToTpInscProp);
      parcial.nrInscProp = ini.Texto("infoEmprParcial", "nrInscProp");
    }
    if (ini.AlgumaChave("dadosOpPort", {"aliqRat", "fap"})) {
      dados.dadosOpPort.aliqRat = ini.CodigoEstrito("dadosOpPort", "aliqRat", "", StrToAliqRat);
      dados.dadosOpPort.fap = ini.Decimal("dadosOpPort", "fap");
    }
  }

  if (ModoLancamento == mlAlteracao) {
    TIdePeriodo& validade = infoLotacao.novaValidade();
    validade.IniValid = ini.Texto("novaValidade", "iniValid");
    validade.FimValid = ini.Texto("novaValidade", "fimValid");
  }
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s1020
