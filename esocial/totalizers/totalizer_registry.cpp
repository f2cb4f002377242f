#include "esocial/totalizers/totalizer_registry.h"

#include "esocial/totalizers/s5001_reader.h"
#include "esocial/totalizers/s5002_reader.h"
#include "esocial/totalizers/s5003_reader.h"
#include "esocial/totalizers/s5011_reader.h"
#include "esocial/totalizers/s5012_reader.h"
#include "esocial/totalizers/s5013_reader.h"
#include "esocial/totalizers/s5501_reader.h"
#include "esocial/totalizers/s5503_reader.h"

namespace esocial {

namespace {

struct TRegistroTotalizador {
  std::string_view Tipo;
  std::shared_ptr<IEventoeSocial> (*Criar)();
};

template <class TLeitor>
std::shared_ptr<IEventoeSocial> Criar() {
  return std::make_shared<TLeitor>();
}

// clang-format off
constexpr TRegistroTotalizador kLeitores[] = {
    {"S5001", &Criar<s5001::TS5001>},
    {"S5002", &Criar<s5002::TS5002>},
    {"S5003", &Criar<s5003::TS5003>},
    {"S5011", &Criar<s5011::TS5011>},
    {"S5012", &Criar<s5012::TS5012>},
    {"S5013", &Criar<s5013::TS5013>},
    {"S5501", &Criar<s5501::TS5501>},
    {"S5503", &Criar<s5503::TS5503>},
};
// clang-format on

}  // namespace

std::shared_ptr<IEventoeSocial> CriarLeitorTotalizador(std::string_view tipo) {
  for (const auto& r : kLeitores)
    if (r.Tipo == tipo) return r.Criar();
  return nullptr;
}

bool TotalizadorConhecido(std::string_view tipo) {
  for (const auto& r : kLeitores)
    if (r.Tipo == tipo) return true;
  return false;
}

}  // namespace esocial
