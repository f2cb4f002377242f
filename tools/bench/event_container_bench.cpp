// The event container alone, loading a batch's events one by one with saving on, as the transmit
// and sign commands do: per event, the cost must not grow with the number of events held.
// Unsigned events are signed and validated as they load (with the test PKI's key through
// OpenSSL); events signed already show the container's own share.
//
//   build/tools/bench/bench_event_container_bench [--benchmark_filter=...]
// On a busy machine add --benchmark_repetitions=5 --benchmark_report_aggregates_only=true and
// read the medians.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "esocial/event_base.h"
#include "esocial/event_container.h"
#include "support/esocial/esocial_test_support.h"

namespace {

std::vector<std::string> Documentos(int n, bool assinados) {
  std::vector<std::string> docs;
  for (int i = 0; i < n; ++i) docs.push_back(esocialtest::EventoS1010Numerado(i));
  if (!assinados) return docs;
  auto c = esocialtest::NovoComponente();
  c.eSocial->Configuracoes().Arquivos->SetSalvar(false);
  for (std::string& doc : docs) {
    c.Eventos().LoadFromString(doc);
    doc = c.Eventos().Tabelas().ListaDoTipo(esocial::teS1010)->ItemEvento(c.Eventos().Count() - 1).Evento().XML();
  }
  return docs;
}

void CarregarUmAUm(benchmark::State& state, bool assinados) {
  const int n = static_cast<int>(state.range(0));
  const std::vector<std::string> docs = Documentos(n, assinados);
  auto c = esocialtest::NovoComponente();
  for (auto _ : state) {
    c.Eventos().Clear();
    for (const std::string& doc : docs) {
      std::istringstream fluxo(doc);
      c.Eventos().LoadFromStream(fluxo);
    }
  }
  if (c.Eventos().Gerados().Count() != n) state.SkipWithError("not every event was saved");
  state.counters["per_event"] = benchmark::Counter(static_cast<double>(state.iterations() * n),
                                                   benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void Unsigned(benchmark::State& state) { CarregarUmAUm(state, false); }
void Signed(benchmark::State& state) { CarregarUmAUm(state, true); }

BENCHMARK(Unsigned)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond);
BENCHMARK(Signed)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond);

// The per-event cost at 500 against 50, in CPU time.
class ReporterDaRazao : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const auto& r : runs) {
      const bool mediana = r.run_type == Run::RT_Aggregate && r.aggregate_name == "median";
      if ((r.run_type == Run::RT_Iteration && !FMedianas.count(r.run_name.str())) || mediana) {
        FPorEvento[r.run_name.str()] =
            r.GetAdjustedCPUTime() / static_cast<double>(r.run_name.args == "500" ? 500 : 50);
        if (mediana) FMedianas[r.run_name.str()] = true;
      }
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    for (const char* nome : {"Unsigned", "Signed"}) {
      auto a = FPorEvento.find(std::string(nome) + "/50"), b = FPorEvento.find(std::string(nome) + "/500");
      if (a == FPorEvento.end() || b == FPorEvento.end()) continue;
      std::printf("%-9s per event: %8.4f ms at 50, %8.4f ms at 500: %+.1f%%\n", nome, a->second, b->second,
                  (b->second / a->second - 1) * 100);
    }
  }

 private:
  std::map<std::string, double> FPorEvento;  // ms
  std::map<std::string, bool> FMedianas;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  ReporterDaRazao reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
