// Memory a REST reply costs: the batches the API sends, fetched over HTTPS from the fake API and
// read into the DTOs as the transmit command reads them. Printed per reply: its size, the most
// memory the process held beyond what it held before (the reply's body and the DTOs made from
// it included), that as a multiple of the reply's size, and the CPU time.
//
//   build/tools/bench/bench_rest_reply_bench
#include <malloc.h>
#include <time.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "agent/dto_json.h"
#include "agent/fake_api_fixture.h"
#include "agent/xdata_client.h"
#include "platform/base64.h"
#include "platform/json_writer.h"
#include "support/esocial/esocial_test_support.h"

namespace {

using namespace agent;

// A field of /proc/self/status in KiB.
long StatusKiB(const char* campo) {
  std::ifstream status("/proc/self/status");
  std::string linha;
  while (std::getline(status, linha))
    if (linha.rfind(campo, 0) == 0) return std::stol(linha.substr(std::string(campo).size()));
  return 0;
}

double Cpu() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// {"value": [...]} with the batches as the API writes them.
std::string Resposta(int lotes, int eventosPorLote, std::size_t tamanhoXml, bool windows1252) {
  TDtoOwner dono;
  std::vector<TEsocialLoteXmlDTO*> lista;
  int n = 0;
  for (int l = 0; l < lotes; ++l) {
    auto* lote = dono.New<TEsocialLoteXmlDTO>();
    lote->Id = "L" + std::to_string(l);
    for (int e = 0; e < eventosPorLote; ++e, ++n) {
      auto* evento = dono.New<TEventosPendentesXmlDTO>();
      evento->Id = "E" + std::to_string(n);
      evento->CodigoEvento = esocialtest::IdEvento(n % 100000);
      std::string xml = esocialtest::EventoS1010Numerado(n % 100000);
      xml.insert(xml.rfind("</eSocial>"), std::string(tamanhoXml > xml.size() ? tamanhoXml - xml.size() : 0, 'A'));
      evento->Xml = xml;
      lote->EventosPendentesXmlDTO.push_back(evento);
    }
    lista.push_back(lote);
  }
  platform::JsonWriter out;
  out.BeginObject().Key("value");
  TDtoJsonWriter(out).WriteList(lista);
  out.EndObject();
  std::string texto = out.Text();
  // Letters of Windows-1252 in the XML of every event: a body that is no UTF-8.
  if (windows1252)
    for (std::size_t i = texto.find("T1</ideTabRubr>"); i != std::string::npos; i = texto.find("T1</ideTabRubr>", i))
      texto.replace(i, 2, "\xE7\xE3"), i += 2;
  return texto;
}

std::string ObjetosVazios(std::size_t bytes) {
  std::string texto = "{\"value\":[{\"EventosPendentesXmlDTO\":[{}";
  while (texto.size() + 6 < bytes) texto += ",{}";
  return texto + "]}]}";
}

void Medir(testsupport::FakeApi& api, const char* nome, const std::string& corpo) {
  // As bytes: the body need not be UTF-8.
  api.Route("/empresa/EsocialLoteService/GetLotesGerados/",
            {{"status", 200}, {"content_type", "application/json"}, {"body_base64", platform::Base64Encode(corpo)}});
  std::string mensagem = "ok";
  long pico = 0, antes = 0;
  double cpu = 0;
  {
    auto client = std::make_unique<TXDataClient>(ApiBaseAddress());
    client->SetAuthorization("t", "acme");
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
    antes = StatusKiB("VmRSS:");
    const double inicio = Cpu();
    try {
      client->Service<IEsocialLoteService>().GetLotesGerados();
    } catch (const std::exception& e) {
      mensagem = e.what();
    }
    cpu = Cpu() - inicio;
    pico = StatusKiB("VmHWM:") - antes;
  }
  const double mib = static_cast<double>(corpo.size()) / (1 << 20);
  std::printf("%-44s %9.1f MiB %9.1f MiB %7.2fx %8.0f ms  %s\n", nome, mib, pico / 1024.0, pico / 1024.0 / mib,
              cpu * 1e3, mensagem.substr(0, 60).c_str());
}

}  // namespace

int main() {
  testsupport::FakeApi api;
  std::printf("%-44s %13s %13s %8s %11s  %s\n", "reply", "size", "peak", "ratio", "CPU", "result");
  Medir(api, "12 MiB of empty event objects", ObjetosVazios(12 << 20));
  Medir(api, "20 batches of 50 events, 4 KiB of XML each", Resposta(20, 50, 4096, false));
  Medir(api, "the same in Windows-1252", Resposta(20, 50, 4096, true));
  Medir(api, "200 batches of 100 events, 4 KiB of XML each", Resposta(200, 100, 4096, false));
  Medir(api, "100 batches of 1000 events, 200 bytes of XML", Resposta(100, 1000, 200, false));
  return 0;
}
