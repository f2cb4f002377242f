#pragma once
// The frame every unit's GerarXML runs in, and the body of the table events. A unit writes
// only its own groups:
//
//   bool TEvtTabRubrica::GerarXML() {
//     return GerarDocumentoeSocial(*this, "evtTabRubrica", IdeEmpregador.NrInsc, [&] {
//       GerarIdeEvento(IdeEvento);
//       GerarIdeEmpregador(IdeEmpregador);
//       GerarCorpoTabela(*this, "infoRubrica", ModoLancamento, [&] { /* ideRubrica */ },
//                        [&] { /* dadosRubrica */ }, novaValidadeInst() ? &novaValidade() : nullptr);
//     });
//   }
#include <functional>
#include <string>
#include <string_view>

#include "esocial/event_base.h"

namespace esocial {

// Where a unit departs from the common frame.
struct TOpcoesDocumento {
  // The base step runs before the protected block (its failure is not wrapped) and the layout
  // version is not copied again.
  bool BaseForaDoBloco = false;
  // Lines put between the identifier and the message of a failure, each ended by CR LF.
  std::string ContextoErro;
  // What the text of a failure begins with, before the identifier.
  std::string PrefixoErro = "ID: ";
};

// One run of a unit's GerarXML. It starts from a fresh writer and drops the old signed text;
// runs the base GerarXML and takes the configured version; sets Id (GerarChaveEsocial of now,
// NrInsc and Sequencial; a 36-character Id stays); opens the document and the root Raiz with
// its Id attribute; runs Corpo; closes both; and stores the writer's text as XML without
// signing it. A failure raises std::runtime_error "ID: " (or the unit's prefix) + Id + CR LF +
// " " + its message and leaves XML as it was. Returns whether any text was written.
bool GerarDocumentoeSocial(TeSocialEvento& Evento, std::string_view Raiz, std::string_view NrInsc,
                           const std::function<void()>& Corpo, const TOpcoesDocumento& Opcoes = {});

// Grupo around what Filhos writes, left out whole when they write nothing: a parent group that
// is written when any of its children is.
void GerarGrupoComFilhos(TeSocialEvento& Evento, const std::string& Grupo, const std::function<void()>& Filhos);

// The body of a table event: the info group GrupoInfo holding the group of the mode, the key
// group, then, unless the mode is exclusion, the data group and, for an alteration whose new
// validity is given with its start, that validity as "novaValidade".
void GerarCorpoTabela(TeSocialEvento& Evento, const std::string& GrupoInfo, TModoLancamento ModoLancamento,
                      const std::function<void()>& Chave, const std::function<void()>& Dados,
                      const TIdePeriodo* NovaValidade);

}  // namespace esocial
