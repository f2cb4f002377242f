// The transmit command end to end, as a user runs it: the agent as a process against the REST
// and SOAP stand-ins, batches of 50 unsigned table events, the employer's key in a test NSS
// database. Next to it, in the same run, the floor: one signature with that key through the
// same database, as signing an event makes one; and, for scale, what writing one event file
// costs on the file system the agent's folder is on.
//
//   build/tools/bench/bench_transmit_bench [runs]
// Each case runs the command `runs` times (default 1) and keeps its cheapest run; the floor is
// measured before each case and its cheapest round kept. CPU time is the agent's own (user and
// system); the machine's other load shows in the wall time. The one-event case is what the
// command costs whatever it carries (start, certificate, schemas, connections): the "net"
// columns leave it out.
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "agent/esocial_setup.h"
#include "dfe/ssl.h"
#include "e2e/agent_process.h"
#include "e2e/esocial_stand_ins.h"
#include "esocial/trivo_esocial.h"
#include "platform/files.h"
#include "support/esocial/esocial_test_support.h"
#include "support/peer.h"

namespace {

using nlohmann::json;

constexpr int kEventosPorLote = 50;

// Batches of distinct unsigned table events (S-1010).
std::vector<json> Lotes(int lotes, int eventosPorLote) {
  std::vector<json> out;
  int n = 0;
  for (int l = 0; l < lotes; ++l) {
    std::vector<json> eventos;
    for (int e = 0; e < eventosPorLote; ++e, ++n)
      eventos.push_back(
          e2e::EventoDto("E" + std::to_string(n), esocialtest::IdEvento(n), esocialtest::EventoS1010Numerado(n)));
    out.push_back(e2e::LoteDto("L" + std::to_string(l), eventos));
  }
  return out;
}

double CpuDaThread() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// CPU seconds of one signature with the certificate the agent picks, in this process, through
// the facade set up as the agent sets it; the cheapest of a few rounds.
double CustoDaAssinatura(const std::map<std::string, std::string>& env) {
  for (const auto& [k, v] : env) setenv(k.c_str(), v.c_str(), 1);
  auto eSocial = agent::CreateTrivoeSocial("12345678");
  dfe::TDFeSSL& ssl = eSocial->SSL();
  // About what a signature's SignedInfo holds.
  const std::string info(600, 'x');
  ssl.CalcHash(info, dfe::dgstSHA256, dfe::outBase64, true);
  constexpr int kAssinaturas = 50;
  double melhor = 1e9;
  for (int rodada = 0; rodada < 3; ++rodada) {
    const double inicio = CpuDaThread();
    for (int i = 0; i < kAssinaturas; ++i) ssl.CalcHash(info, dfe::dgstSHA256, dfe::outBase64, true);
    melhor = std::min(melhor, (CpuDaThread() - inicio) / kAssinaturas);
  }
  return melhor;
}

// CPU seconds of writing one new event file as the container does, in a folder beside the
// agent's.
double CustoDoArquivo() {
  const std::string pasta = testsupport::MakeTempDir("nembo-bench-arquivos");
  const std::string xml = esocialtest::EventoS1010Numerado(0) + std::string(3000, ' ');
  constexpr int kArquivos = 200;
  const double inicio = CpuDaThread();
  for (int i = 0; i < kArquivos; ++i) platform::WriteFileAtomically(pasta + "/" + std::to_string(i) + ".xml", xml);
  return (CpuDaThread() - inicio) / kArquivos;
}

struct Medida {
  double cpu = 0, parede = 0;  // seconds
  long picoKiB = 0;
};

// Stand-ins of their own per case: they stop by themselves after a bounded time.
Medida Transmitir(int lotes, int eventosPorLote, int execucoes) {
  e2e::EsocialStandIns s;
  s.RoteiroSoap({{e2e::kAcaoEnviarLote,
                  {{"body", e2e::RetornoEnvio(201, "Lote Recebido com Sucesso.", "1.2.202501.0000000000000000001")},
                   {"wrap", true}}}});
  s.ServirLotes(Lotes(lotes, eventosPorLote));
  const std::string pedido =
      json{{"command_id", "bench"}, {"command_type", "transmitir_eventos_1.7"}, {"token", e2e::TokenValido()}}.dump();
  Medida melhor{1e9, 1e9, 0};
  for (int i = 0; i < execucoes; ++i) {
    const auto inicio = std::chrono::steady_clock::now();
    const e2e::RunResult r = e2e::RunAgent(e2e::Frame(pedido), s.env, std::chrono::minutes(10), s.programa);
    const double parede = std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
    const json resposta = r.Output.size() > 4 ? json::parse(r.Output.substr(4), nullptr, false) : json();
    if (r.ExitCode != 0 || !resposta.is_object() || resposta.value("message", "") != "SUCCESS_TRANS") {
      std::fprintf(stderr, "the command failed (exit %d): %s\n", r.ExitCode, r.Output.c_str());
      std::exit(1);
    }
    if (r.CpuSeconds < melhor.cpu) melhor = {r.CpuSeconds, parede, r.PeakRssKiB};
  }
  return melhor;
}

}  // namespace

int main(int argc, char** argv) {
  const int execucoes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
  const std::map<std::string, std::string> env = e2e::EsocialStandIns().env;
  double assinatura = CustoDaAssinatura(env);
  auto caso = [&](int lotes, int eventosPorLote) {
    assinatura = std::min(assinatura, CustoDaAssinatura(env));
    return Transmitir(lotes, eventosPorLote, execucoes);
  };
  const Medida partida = caso(1, 1);
  const Medida um = caso(1, kEventosPorLote);
  const Medida vinte = caso(20, kEventosPorLote);

  std::printf("NSS signature, same key and database: %.3f ms CPU\n", assinatura * 1e3);
  std::printf("one event file written, same file system: %.3f ms CPU\n\n", CustoDoArquivo() * 1e3);
  std::printf("%8s %7s %12s %12s %10s %8s %15s %8s\n", "batches", "events", "CPU/event", "wall/event", "peak RSS",
              "ratio", "CPU/event net", "ratio");
  auto linha = [&](int lotes, int eventos, const Medida& m) {
    const double porEvento = m.cpu / eventos;
    std::printf("%8d %7d %9.3f ms %9.3f ms %6ld MiB %7.2fx", lotes, eventos, porEvento * 1e3, m.parede / eventos * 1e3,
                m.picoKiB / 1024, porEvento / assinatura);
    if (eventos > 1) {
      const double liquido = (m.cpu - partida.cpu) / (eventos - 1);
      std::printf(" %12.3f ms %7.2fx", liquido * 1e3, liquido / assinatura);
    }
    std::printf("\n");
  };
  linha(1, 1, partida);
  linha(1, kEventosPorLote, um);
  linha(20, 20 * kEventosPorLote, vinte);
  std::printf("\nratio: CPU per event over one signature; net: less the one-event run, per further event\n");
  return 0;
}
