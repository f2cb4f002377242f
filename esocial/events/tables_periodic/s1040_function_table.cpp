// S-1040 writer.
#include "esocial/events/tables_periodic/s1040_function_table.h"

#include "esocial/events/event_frame.h"

namespace esocial::s1040 {

using dfe::tcStr;

bool TEvtTabFuncao::GerarXML() {
  TOpcoesDocumento opcoes;
  opcoes.PrefixoErro = "";
  return GerarDocumentoeSocial(
      *this, "evtTabFuncao", IdeEmpregador.NrInsc,
      [&] {
        GerarIdeEvento(IdeEvento);
        GerarIdeEmpregador(IdeEmpregador);
        GerarCorpoTabela(
            *this, "infoFuncao", ModoLancamento,
            [&] {
              const TIdeFuncao& ide = InfoFuncao.IdeFuncao;
              Gerador().wGrupo("ideFuncao");
              Gerador().wCampo(tcStr, "", "codFuncao", 1, 30, 1, ide.codFuncao);
              Gerador().wCampo(tcStr, "", "iniValid", 7, 7, 1, ide.iniValid);
              Gerador().wCampo(tcStr, "", "fimValid", 7, 7, 0, ide.fimValid);
              Gerador().wGrupo("/ideFuncao");
            },
            [&] {
              const TDadosFuncao& dados = InfoFuncao.DadosFuncao();
              Gerador().wGrupo("dadosFuncao");
              Gerador().wCampo(tcStr, "", "dscFuncao", 1, 100, 1, dados.dscFuncao);
              Gerador().wCampo(tcStr, "", "codCBO", 4, 6, 1, dados.codCBO);
              Gerador().wGrupo("/dadosFuncao");
            },
            InfoFuncao.novaValidadeInst() ? &InfoFuncao.NovaValidade() : nullptr);
      },
      opcoes);
}

}  // namespace esocial::s1040
