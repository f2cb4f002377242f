// Reading what comes from outside in one pass: the lists of the government's replies (the
// occurrences of a send reply, the events of a consultation reply read and mapped onto their
// batch), character references in a field, and event text cut into documents. The time per
// item ("per_item") must stay the same from 1,000 to 10,000 items.
//
//   build/tools/bench/bench_reply_reading_bench [--benchmark_filter=...]
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "agent/consult_command.h"
#include "agent/dto.h"
#include "dfe/xml_writer.h"
#include "esocial/event_container.h"
#include "esocial/replies_batch_consult.h"
#include "esocial/replies_batch_send.h"

namespace {

const std::string kProtocolo = "1.2.202504.0000000000174654747";

void PorItem(benchmark::State& state) {
  state.counters["per_item"] = benchmark::Counter(
      static_cast<double>(state.range(0)), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

std::string Id(long n) {
  char id[48];
  std::snprintf(id, sizeof id, "ID10050996800014820250403%011ld", n % 100000000000L);
  return id;
}

std::string EnvioComOcorrencias(long n) {
  std::string xml =
      "<eSocial xmlns=\"http://www.esocial.gov.br/schema/lote/eventos/envio/retornoEnvio/v1_1_0\">"
      "<retornoEnvioLoteEventos><status><cdResposta>401</cdResposta><descResposta>Lote Incorreto.</descResposta>"
      "<ocorrencias>";
  for (long i = 1; i <= n; ++i)
    xml += "<ocorrencia><codigo>" + std::to_string(i) + "</codigo><descricao>Ocorrência " + std::to_string(i) +
           "</descricao><tipo>1</tipo><localizacao>/eSocial/x</localizacao></ocorrencia>";
  return xml + "</ocorrencias></status></retornoEnvioLoteEventos></eSocial>";
}

std::string ConsultaComEventos(long n) {
  std::string xml =
      "<eSocial xmlns=\"http://www.esocial.gov.br/schema/lote/eventos/envio/retornoProcessamento/v1_3_0\">"
      "<retornoProcessamentoLoteEventos><status><cdResposta>201</cdResposta><descResposta>Lote processado."
      "</descResposta></status><dadosRecepcaoLote><dhRecepcao>2025-04-03T18:00:28</dhRecepcao>"
      "<versaoAplicativoRecepcao>1</versaoAplicativoRecepcao><protocoloEnvio>" +
      kProtocolo + "</protocoloEnvio></dadosRecepcaoLote><retornoEventos>";
  for (long i = 1; i <= n; ++i)
    xml += "<evento Id=\"" + Id(i) +
           "\"><retornoEvento><eSocial xmlns=\"http://www.esocial.gov.br/schema/evt/retornoEvento/v1_3_0\">"
           "<retornoEvento Id=\"" +
           Id(i) +
           "\"><ideEmpregador><tpInsc>1</tpInsc><nrInsc>00509968000148</nrInsc></ideEmpregador><recepcao><tpAmb>2"
           "</tpAmb><dhRecepcao>2025-04-03T18:00:28</dhRecepcao><versaoAppRecepcao>1</versaoAppRecepcao>"
           "<protocoloEnvioLote>" +
           kProtocolo +
           "</protocoloEnvioLote></recepcao><processamento><cdResposta>202</cdResposta><descResposta>Sucesso."
           "</descResposta><versaoAppProcessamento>1</versaoAppProcessamento><dhProcessamento>2025-04-03T18:00:29"
           "</dhProcessamento><ocorrencias><ocorrencia><tipo>2</tipo><codigo>1001</codigo><descricao>Advertência"
           "</descricao></ocorrencia></ocorrencias></processamento><recibo><nrRecibo>1.2." +
           std::to_string(i) + "</nrRecibo><hash>h</hash></recibo></retornoEvento></eSocial></retornoEvento></evento>";
  return xml + "</retornoEventos></retornoProcessamentoLoteEventos></eSocial>";
}

std::string Repetido(const std::string& texto, long vezes) {
  std::string r;
  for (long i = 0; i < vezes; ++i) r += texto;
  return r;
}

void BM_SendReplyOccurrences(benchmark::State& state) {
  const std::string xml = EnvioComOcorrencias(state.range(0));
  for (auto _ : state) {
    esocial::TRetEnvioLote r;
    r.Leitor.Arquivo = xml;
    if (!r.LerXml() || r.Status.Ocorrencias.Count() != state.range(0)) state.SkipWithError("not read whole");
  }
  PorItem(state);
}
BENCHMARK(BM_SendReplyOccurrences)->Arg(1000)->Arg(10000)->MinTime(1)->Unit(benchmark::kMillisecond);

// The consult command's work on a reply: reading it and mapping each event's result.
void BM_ConsultReplyEvents(benchmark::State& state) {
  const long n = state.range(0);
  const std::string xml = ConsultaComEventos(n);
  for (auto _ : state) {
    state.PauseTiming();
    agent::TDtoOwner dono;
    std::vector<agent::TEventosPendentesXmlDTO> eventos(static_cast<std::size_t>(n));
    agent::TEsocialLoteXmlDTO lote;
    lote.NumeroProtocolo = kProtocolo;
    for (long i = 0; i < n; ++i) {
      eventos[static_cast<std::size_t>(i)].CodigoEvento = Id(i + 1);
      eventos[static_cast<std::size_t>(i)].Status = agent::TEnumEventoStatus::ENVIADO;
      lote.EventosPendentesXmlDTO.push_back(&eventos[static_cast<std::size_t>(i)]);
    }
    state.ResumeTiming();
    esocial::TRetConsultaLote r;
    r.Leitor.Arquivo = xml;
    if (!r.LerXml()) state.SkipWithError("not read");
    agent::AplicarRetornoConsulta(lote, r, kProtocolo, xml, dono);
    if (eventos.back().Status != agent::TEnumEventoStatus::PROCESSADO_COM_ADVERTENCIA)
      state.SkipWithError("not mapped");
  }
  PorItem(state);
}
BENCHMARK(BM_ConsultReplyEvents)->Arg(1000)->Arg(10000)->MinTime(1)->Unit(benchmark::kMillisecond);

// A field of distinct character references, each decoded once.
void BM_FieldReferences(benchmark::State& state) {
  std::string texto;
  for (long i = 0; i < state.range(0); ++i) {
    char ref[16];
    std::snprintf(ref, sizeof ref, "&#x%04lX;", 0x4100 + i % 0x3f00);
    texto += ref;
  }
  for (auto _ : state) benchmark::DoNotOptimize(dfe::DecodificarConteudoXml(texto));
  PorItem(state);
}
BENCHMARK(BM_FieldReferences)->Arg(1000)->Arg(10000)->MinTime(1)->Unit(benchmark::kMillisecond);

// Event text of many documents, and a batch text whose evento elements never close.
void BM_EventTextDocuments(benchmark::State& state) {
  const std::string texto = Repetido("</eSocial>", state.range(0));
  for (auto _ : state)
    if (esocial::CortarDocumentos(texto).size() != static_cast<std::size_t>(state.range(0)))
      state.SkipWithError("not cut whole");
  PorItem(state);
}
BENCHMARK(BM_EventTextDocuments)->Arg(1000)->Arg(10000)->MinTime(1)->Unit(benchmark::kMicrosecond);

void BM_BatchTextUnclosedEvents(benchmark::State& state) {
  const std::string texto =
      "<envioLoteEventos><eventos>" + Repetido("<evento Id=", state.range(0)) + "</eventos></envioLoteEventos>";
  for (auto _ : state) benchmark::DoNotOptimize(esocial::CortarDocumentos(texto));
  PorItem(state);
}
BENCHMARK(BM_BatchTextUnclosedEvents)->Arg(1000)->Arg(10000)->MinTime(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
