// Signing and schema validation of eSocial events through the security facade, next to a
// floor measured in the same run on the same documents: libxml2 parse and canonicalisation
// plus one OpenSSL RSA-2048 signature per event.
//
//   build/tools/bench/bench_sign_bench [--benchmark_filter=...]
// On a busy machine the medians of interleaved repetitions give a steadier ratio; add
//   --benchmark_repetitions=10 --benchmark_enable_random_interleaving=true
//   --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>
#include <libxml/c14n.h>
#include <libxml/parser.h>
#include <openssl/evp.h>
#include <openssl/pkcs12.h>
#include <openssl/x509.h>

#include <cstdio>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "dfe/ssl.h"

namespace {

const std::string kSchema = std::string(NEMBO_SCHEMAS_DIR) + "/evtInfoEmpregador-v_S_01_03_00.xsd";

std::string Evento(int n) {
  char id[64];
  std::snprintf(id, sizeof id, "ID11234567800000020250101120000%05d", n);
  return std::string(
             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
             "<eSocial xmlns=\"http://www.esocial.gov.br/schema/evt/evtInfoEmpregador/v_S_01_03_00\">"
             "<evtInfoEmpregador Id=\"") +
         id + "\"><ideEvento><tpAmb>2</tpAmb><procEmi>1</procEmi><verProc>NEMBO " + std::to_string(n) +
         "</verProc></ideEvento><ideEmpregador><tpInsc>1</tpInsc><nrInsc>12345678</nrInsc></ideEmpregador>"
         "<infoEmpregador><exclusao><idePeriodo><iniValid>2024-01</iniValid></idePeriodo></exclusao>"
         "</infoEmpregador></evtInfoEmpregador></eSocial>";
}

// One RSA-2048 key and a self-signed certificate, as PKCS#12 data with password "1234".
struct Chave {
  EVP_PKEY* pkey = nullptr;
  std::string pfx;
  Chave() {
    pkey = EVP_RSA_gen(2048);
    X509* x = X509_new();
    ASN1_INTEGER_set(X509_get_serialNumber(x), 1);
    X509_gmtime_adj(X509_getm_notBefore(x), 0);
    X509_gmtime_adj(X509_getm_notAfter(x), 86400L * 30);
    X509_NAME_add_entry_by_txt(X509_get_subject_name(x), "CN", MBSTRING_UTF8,
                               reinterpret_cast<const unsigned char*>("EMPRESA TESTE LTDA:12345678000195"), -1, -1, 0);
    X509_set_issuer_name(x, X509_get_subject_name(x));
    X509_set_pubkey(x, pkey);
    X509_sign(x, pkey, EVP_sha256());
    PKCS12* p12 = PKCS12_create("1234", "bench", pkey, x, nullptr, 0, 0, 0, 0, 0);
    unsigned char* der = nullptr;
    int n = i2d_PKCS12(p12, &der);
    pfx.assign(reinterpret_cast<char*>(der), static_cast<std::size_t>(n));
    OPENSSL_free(der);
    PKCS12_free(p12);
    X509_free(x);
  }
  ~Chave() { EVP_PKEY_free(pkey); }
};

Chave& ChaveDoBench() {
  static Chave chave;
  return chave;
}

std::unique_ptr<dfe::TDFeSSL> Facade() {
  auto ssl = std::make_unique<dfe::TDFeSSL>();
  ssl->SetSSLCryptLib(dfe::cryOpenSSL);
  ssl->SetSSLXmlSignLib(dfe::xsLibXml2);
  ssl->SetSSLDgst(dfe::dgstSHA256);
  ssl->SetDadosPFX(ChaveDoBench().pfx);
  ssl->SetSenha("1234");
  ssl->CarregarCertificado();
  return ssl;
}

void AssinarEValidar(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  std::vector<std::string> eventos;
  for (int i = 0; i < n; ++i) eventos.push_back(Evento(i));
  auto ssl = Facade();
  for (auto _ : state) {
    for (const auto& xml : eventos) {
      std::string assinado = ssl->Assinar(xml, "eSocial", "evtInfoEmpregador", "", "", "", "ID");
      std::string msg;
      if (!ssl->Validar(assinado, kSchema, msg)) throw std::runtime_error(msg);
      benchmark::DoNotOptimize(assinado);
    }
  }
  state.SetItemsProcessed(state.iterations() * n);
}

void Assinar(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  std::vector<std::string> eventos;
  for (int i = 0; i < n; ++i) eventos.push_back(Evento(i));
  auto ssl = Facade();
  for (auto _ : state) {
    for (const auto& xml : eventos)
      benchmark::DoNotOptimize(ssl->Assinar(xml, "eSocial", "evtInfoEmpregador", "", "", "", "ID"));
  }
  state.SetItemsProcessed(state.iterations() * n);
}

void Piso(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  std::vector<std::string> eventos;
  for (int i = 0; i < n; ++i) eventos.push_back(Evento(i));
  EVP_PKEY* pkey = ChaveDoBench().pkey;
  std::string assinatura(512, '\0');
  for (auto _ : state) {
    for (const auto& xml : eventos) {
      xmlDoc* doc = xmlReadMemory(xml.data(), static_cast<int>(xml.size()), nullptr, nullptr, XML_PARSE_NONET);
      xmlChar* c14n = nullptr;
      int len = xmlC14NDocDumpMemory(doc, nullptr, XML_C14N_1_0, nullptr, 0, &c14n);
      EVP_MD_CTX* ctx = EVP_MD_CTX_new();
      std::size_t tam = assinatura.size();
      EVP_DigestSignInit(ctx, nullptr, EVP_sha256(), nullptr, pkey);
      EVP_DigestSign(ctx, reinterpret_cast<unsigned char*>(assinatura.data()), &tam, c14n,
                     static_cast<std::size_t>(len));
      EVP_MD_CTX_free(ctx);
      xmlFree(c14n);
      xmlFreeDoc(doc);
      benchmark::DoNotOptimize(assinatura);
    }
  }
  state.SetItemsProcessed(state.iterations() * n);
}

BENCHMARK(AssinarEValidar)->Arg(1)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(Assinar)->Arg(1)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(Piso)->Arg(1)->Arg(50)->Unit(benchmark::kMillisecond);

// Prints each measurement's ratio to the floor with the same number of events, in CPU time:
// the work is single-threaded, and other load on the machine then does not skew the ratio.
class ReporterComPiso : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const auto& r : runs) {
      // One measurement, or the median of repetitions.
      if (r.run_type == Run::RT_Iteration && r.iterations > 0 && !FMedianas.count(r.run_name.str()))
        FTempos[r.run_name.str()] = r.GetAdjustedCPUTime();
      if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median") {
        FTempos[r.run_name.str()] = r.GetAdjustedCPUTime();
        FMedianas.insert(r.run_name.str());
      }
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    for (const char* n : {"1", "50"}) {
      auto piso = FTempos.find(std::string("Piso/") + n);
      if (piso == FTempos.end() || piso->second <= 0) continue;
      for (const char* nome : {"AssinarEValidar/", "Assinar/"}) {
        auto t = FTempos.find(nome + std::string(n));
        if (t == FTempos.end()) continue;
        std::printf("%-20s %10.3f ms cpu   floor %8.3f ms   ratio %6.2fx\n", t->first.c_str(), t->second, piso->second,
                    t->second / piso->second);
      }
    }
  }

 private:
  std::map<std::string, double> FTempos;
  std::set<std::string> FMedianas;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  ReporterComPiso reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
