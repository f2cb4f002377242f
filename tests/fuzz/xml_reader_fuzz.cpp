// Feeds arbitrary text to the tag-scanning reader, to the namespace scan, to the cutting of
// event text into documents and to the text filters: nothing may crash, read outside a text or
// raise anything but the reader's documented errors.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>

#include "dfe/xml_reader.h"
#include "dfe/xml_writer.h"
#include "esocial/event_container.h"
#include "platform/convert_error.h"
#include "platform/xml_text.h"

namespace {

constexpr const char* kTags[] = {"a", "b", "eSocial", "evt", "CNPJ", "CPF", "x:y", "", " a "};

const char* pickTag(FuzzedDataProvider& in) {
  return kTags[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kTags) - 1)];
}

void check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const int steps = in.ConsumeIntegralInRange<int>(1, 12);
  const bool intString = in.ConsumeBool();
  std::string doc = in.ConsumeRemainingBytesAsString();

  dfe::TLeitor l;
  l.Arquivo = doc;
  l.FloatIsIntString = intString;
  FuzzedDataProvider choice(data, size < 16 ? size : 16);
  for (int step = 0; step < steps; ++step) {
    int nivel = choice.ConsumeIntegralInRange<int>(1, 10);
    int item = choice.ConsumeIntegralInRange<int>(0, 4);
    std::string r = l.rExtrai(nivel, pickTag(choice), pickTag(choice), item);
    check(r.empty() || doc.find(r) != std::string::npos);
    for (int t = 0; t < dfe::kTiposCampo; ++t) {
      try {
        l.rCampo(static_cast<dfe::TpcnTipoCampo>(t), pickTag(choice), step % 2 ? pickTag(choice) : "");
      } catch (const platform::EConvertError&) {
      } catch (const std::runtime_error&) {
        check(t == dfe::tcBoolStr || t == dfe::tcStrOrig || t == dfe::tcNumStr);
      }
    }
    l.rAtributo(pickTag(choice), pickTag(choice));
    l.rAtributo("Id=", "");
    l.rCampoCNPJCPF(pickTag(choice));
    l.GroupStore();
    if (const std::size_t p = l.PosicaoNivel(1); p != std::string::npos) {
      check(p < doc.size() && doc[p] == '<');
      platform::NameSpaceNaPosicao(doc, p);
    }
  }
  // A walk over a level: each item is a part of the text.
  const int nivel = choice.ConsumeIntegralInRange<int>(1, 10);
  const char* tag = pickTag(choice);
  dfe::TLeitor::TPercurso itens = l.rPercorre(nivel, tag);
  for (int n = 1; n <= 8; ++n) {
    const std::string item = l.rExtraiProximo(itens);
    check(item.empty() || doc.find(item) != std::string::npos);
    if (item.empty()) break;
  }
  std::size_t p = doc.find('<');
  for (int n = 0; n < 16 && p != std::string::npos; ++n, p = doc.find('<', p + 1)) platform::NameSpaceNaPosicao(doc, p);
  for (std::string_view documento : esocial::CortarDocumentos(doc))
    check(documento.empty() || doc.find(documento) != std::string::npos);
  l.GroupRestore(true);
  l.PosLast("</", doc);
  dfe::DecodificarConteudoXml(doc);

  dfe::TGerador g;
  g.wGrupo(doc);
  g.wCampo(dfe::tcStr, "", "a", 0, 10, 1, doc);
  g.wCampo(dfe::tcDe2, "", "b", 0, 10, 1, doc);
  g.wCampo(dfe::tcInt, "", "c", 3, 10, 1, doc);
  g.wCampoCNPJCPF("1", "2", doc);
  g.wGrupo("/" + doc);
  check(dfe::PrepararTextoParaXml(doc, true, true, "").find('<') == std::string::npos);
  return 0;
}
