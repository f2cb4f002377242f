#include "esocial/batch.h"

#include <sstream>
#include <vector>

#include "dfe/exceptions.h"
#include "dfe/xml_declaration.h"
#include "esocial/event_base.h"
#include "esocial/event_container.h"
#include "esocial/trivo_esocial.h"
#include "platform/strings.h"
#include "platform/text_file.h"
#include "platform/text_utils.h"
#include "platform/xml_text.h"

namespace esocial {

void TItemLoteEventos::SetXML(const std::string& Value) {
  FXML = Value;
  std::istringstream bytes(FXML);
  Leitor.CarregarArquivo(bytes);
}

std::string TItemLoteEventos::IDEvento() const {
  // Only an attribute counts: "Id=" in a text field or a comment names no event.
  const std::vector<std::size_t> ids = platform::PosicoesEmTagsDeAbertura(FXML, "Id=");
  if (ids.empty()) return {};
  return "ID" + platform::SomenteDigitos(platform::Copy(FXML, static_cast<long long>(ids.front()) + 5, 38));
}

void TLoteEventos::GerarXML(std::uint8_t AGrupo) {
  RecarregarEventos();

  // An employer inscribed by CNPJ is named by its root, unless a public body sends it whole.
  const std::string nrInscEmpregador = IdeEmpregador.TpInsc == tiCNPJ && !IdeEmpregador.OrgaoPublico
                                           ? platform::Copy(IdeEmpregador.NrInsc, 1, 8)
                                           : IdeEmpregador.NrInsc;
  std::string xml = "<eSocial xmlns=\"" + std::string(kNameSpaceRaizeSocial) +
                    "/schema/lote/eventos/envio/v1_1_1\"><envioLoteEventos grupo=\"" + std::to_string(AGrupo) +
                    "\"><ideEmpregador><tpInsc>" + TpInscToStr(IdeEmpregador.TpInsc) + "</tpInsc><nrInsc>" +
                    platform::EscaparTextoXml(nrInscEmpregador) + "</nrInsc></ideEmpregador><ideTransmissor><tpInsc>" +
                    TpInscToStr(IdeTransmissor.TpInsc) + "</tpInsc><nrInsc>" +
                    platform::EscaparTextoXml(IdeTransmissor.NrInsc) + "</nrInsc></ideTransmissor><eventos>";
  for (int i = 0; i < Count(); ++i) {
    const TItemLoteEventos& item = GetItem(i);
    xml += "<evento Id=\"" + item.IDEvento() + "\"> " + dfe::RemoverDeclaracaoXML(item.XML()) + "</evento>";
  }
  xml += "</eventos></envioLoteEventos></eSocial>";
  FXML = xml;

  ValidarLote();
}

void TLoteEventos::RecarregarEventos() {
  Clear();
  for (TGrupoEventos* grupo : FTrivoeSocial.Eventos().Grupos())
    for (int l = 0; l < grupo->QuantidadeListas(); ++l) {
      const TeSocialCollection& lista = grupo->Lista(l);
      for (int e = 0; e < lista.Count(); ++e) LoadFromString(lista.ItemEvento(e).Evento().XML());
    }
}

void TLoteEventos::ValidarLote() {
  std::string erro;
  if (FTrivoeSocial.SSL().Validar(FXML, FTrivoeSocial.Configuracoes().Arquivos->PathSchemas() + kSchemaLoteEventos,
                                  erro))
    return;
  // Whatever ExibirErroSchema says: an invalid batch must not go out as if it were sound.
  throw dfe::ETrivoeSocialException("Houve erro na validação do Lote: " + erro);
}

bool TLoteEventos::LoadFromString(const std::string& AXMLString) {
  for (const std::string_view documento : CortarDocumentoseSocial(AXMLString)) New().FXML = documento;
  return Count() > 0;
}

bool TLoteEventos::LoadFromStream(std::istream& AStream) {
  return LoadFromString(platform::StreamTextFromStart(AStream));
}

bool TLoteEventos::LoadFromFile(const std::string& CaminhoArquivo) {
  LoadFromString(platform::LoadTextFileCrLf(CaminhoArquivo));
  for (int i = 0; i < Count(); ++i) GetItem(i).NomeArq = CaminhoArquivo;
  return true;
}

}  // namespace esocial
