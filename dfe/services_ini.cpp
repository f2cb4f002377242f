#include "dfe/services_ini.h"

#include <charconv>
#include <map>
#include <mutex>

#include "dfe/exceptions.h"
#include "platform/strings.h"

namespace dfe {

std::string FormatVersion00(double versao) {
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, versao, std::chars_format::fixed, 2);
  if (r.ec != std::errc()) return "0.00";
  return std::string(buf, r.ptr);
}

double ParseVersionNumber(std::string_view text) {
  std::string t = platform::Trim(text);
  for (char& c : t)
    if (c == ',') c = '.';
  if (t.empty()) return 0;
  double v = 0;
  auto r = std::from_chars(t.data(), t.data() + t.size(), v);
  if (r.ec != std::errc() || r.ptr != t.data() + t.size()) return 0;
  return v;
}

void LerChaveServico(const platform::TIniFile& ini, std::string_view secao, std::string_view servico, double& versao,
                     std::string& valor) {
  valor.clear();
  if (!ini.SectionExists(secao)) return;

  const double pedida = versao;
  double achada = 0;
  const std::string base = platform::UpperCase(servico) + "_";
  std::string chave = base + FormatVersion00(pedida);
  if (!ini.ReadString(secao, chave, "").empty()) {
    achada = pedida;
  } else if (pedida > 0) {
    chave.clear();
    for (const std::string& k : ini.ReadSection(secao)) {
      std::string upper = platform::UpperCase(k);
      if (upper.compare(0, base.size(), base) != 0) continue;
      double numero = ParseVersionNumber(std::string_view(upper).substr(base.size()));
      if (numero > achada && numero <= pedida && !ini.ReadString(secao, k, "").empty()) {
        achada = numero;
        chave = k;
      }
    }
  }

  versao = achada;
  if (achada > 0) {
    valor = ini.ReadString(secao, chave, "");
  } else {
    valor = ini.ReadString(secao, servico, "");
    versao = 0;
  }
}

namespace {

void LerSecao(const platform::TIniFile& ini, const std::string& secao, std::string_view servico,
              TServicoLocalizado& r) {
  LerChaveServico(ini, secao, servico, r.Versao, r.URL);
  // A missing section leaves the result empty and the working version as it was.
  auto outra = [&](std::string_view chaveSecao, std::string& valor) {
    std::string nome = ini.ReadString(secao, chaveSecao, "");
    if (ini.SectionExists(nome))
      LerChaveServico(ini, nome, servico, r.Versao, valor);
    else
      valor.clear();
  };
  outra("WSDL", r.Servico);
  outra("SoapAction", r.SoapAction);
  r.Secao = secao;
}

}  // namespace

TServicoLocalizado LerServicoComRedirecionamento(const platform::TIniFile& ini, std::string secao,
                                                 std::string_view servico, double versao, std::string_view recurso) {
  TServicoLocalizado r;
  r.Versao = versao;
  LerSecao(ini, secao, servico, r);

  // Whole section names: one name that merely contains another is not a revisit.
  std::vector<std::string> visitadas;
  const std::string arquivo = "\" no arquivo \"" + std::string(recurso) + "\"";
  while (r.URL.empty()) {
    if (!secao.empty()) {
      for (const std::string& v : visitadas)
        if (platform::SameText(v, secao))
          throw ETrivoDFeException("Redirecionamento circular detectado: Sessão \"" + secao + arquivo);
      visitadas.push_back(secao);
    }
    if (!ini.SectionExists(secao))
      throw ETrivoDFeException("Sessão \"" + secao + "\", não encontrada no arquivo \"" + std::string(recurso) + "\"");
    std::string alvo = ini.ReadString(secao, "Usar", "");
    if (alvo.empty())
      throw ETrivoDFeException("URL para o serviço \"" + std::string(servico) + "\" não encontrada na sessão \"" +
                               secao + arquivo);
    secao = alvo;
    r.Versao = versao;
    LerSecao(ini, secao, servico, r);
  }
  return r;
}

namespace {

struct TTextosEmbutidos {
  std::mutex Lock;
  std::map<std::string, std::string> Textos;  // keyed by upper-case name
};

TTextosEmbutidos& Embedded() {
  static TTextosEmbutidos e;
  return e;
}

}  // namespace

void RegisterEmbeddedServicesIni(std::string_view name, std::string_view text) {
  auto& e = Embedded();
  std::lock_guard<std::mutex> g(e.Lock);
  e.Textos[platform::UpperCase(name)] = std::string(text);
}

std::string EmbeddedServicesIni(std::string_view name) {
  auto& e = Embedded();
  std::lock_guard<std::mutex> g(e.Lock);
  auto it = e.Textos.find(platform::UpperCase(name));
  if (it == e.Textos.end()) throw ETrivoDFeException("Recurso " + std::string(name) + " não encontrado");
  return it->second;
}

}  // namespace dfe
