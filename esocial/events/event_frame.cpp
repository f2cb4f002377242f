#include "esocial/events/event_frame.h"

#include <cstddef>
#include <exception>
#include <stdexcept>

#include "esocial/trivo_esocial.h"
#include "platform/date_time.h"

namespace esocial {

bool GerarDocumentoeSocial(TeSocialEvento& Evento, std::string_view Raiz, std::string_view NrInsc,
                           const std::function<void()>& Corpo, const TOpcoesDocumento& Opcoes) {
  // Each run writes one document, and a later Validar checks that one, not an older signature.
  Evento.RenovarGerador();
  Evento.FXMLAssinado.clear();
  if (Opcoes.BaseForaDoBloco) Evento.TeSocialEvento::GerarXML();
  try {
    if (!Opcoes.BaseForaDoBloco) {
      Evento.TeSocialEvento::GerarXML();
      Evento.SetVersaoDF(Evento.Configuracoes().Geral->VersaoDF());
    }
    Evento.Id = Evento.GerarChaveEsocial(platform::Now(), std::string(NrInsc), Evento.Sequencial);
    const std::string raiz(Raiz);
    Evento.AbrirDocumentoeSocial(raiz);
    Evento.Gerador().wGrupo(raiz + " Id=\"" + Evento.Id + "\"");
    Corpo();
    Evento.Gerador().wGrupo("/" + raiz);
    Evento.FecharDocumentoeSocial();
    Evento.GuardarXML(Evento.Gerador().ArquivoFormatoXML);
  } catch (const std::exception& E) {
    throw std::runtime_error(Opcoes.PrefixoErro + Evento.Id + "\r\n" + Opcoes.ContextoErro + " " + E.what());
  }
  return !Evento.Gerador().ArquivoFormatoXML.empty();
}

void GerarGrupoComFilhos(TeSocialEvento& Evento, const std::string& Grupo, const std::function<void()>& Filhos) {
  dfe::TGerador& g = Evento.Gerador();
  const std::size_t antes = g.ArquivoFormatoXML.size();
  g.wGrupo(Grupo);
  const std::size_t aberto = g.ArquivoFormatoXML.size();
  Filhos();
  const bool vazio = g.ArquivoFormatoXML.size() == aberto;
  g.wGrupo("/" + Grupo);
  if (vazio) g.ArquivoFormatoXML.resize(antes);
}

void GerarCorpoTabela(TeSocialEvento& Evento, const std::string& GrupoInfo, TModoLancamento ModoLancamento,
                      const std::function<void()>& Chave, const std::function<void()>& Dados,
                      const TIdePeriodo* NovaValidade) {
  Evento.Gerador().wGrupo(GrupoInfo);
  Evento.AbrirGrupoModoLancamento(ModoLancamento);
  Chave();
  if (ModoLancamento != mlExclusao) {
    Dados();
    if (ModoLancamento == mlAlteracao && NovaValidade != nullptr && !NovaValidade->IniValid.empty())
      Evento.GerarIdePeriodo(*NovaValidade, "novaValidade");
  }
  Evento.FecharGrupoModoLancamento(ModoLancamento);
  Evento.Gerador().wGrupo("/" + GrupoInfo);
}

}  // namespace esocial
