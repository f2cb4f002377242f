#include "dfe/masked_password.h"

#include "platform/date_time.h"
#include "platform/xor_cipher.h"

namespace dfe {

std::string TSenhaMascarada::Valor() const { return platform::XorComChaveCiclica(FMascarada, FChave); }

bool TSenhaMascarada::Definir(const std::string& valor) {
  if (!FChave.empty() && platform::XorComChaveCiclica(valor, FChave) == FMascarada) return false;
  // Nine digits: hours, minutes, seconds and milliseconds.
  FChave = platform::FormatDateTime("hhnnsszzz", platform::Now());
  FMascarada = platform::XorComChaveCiclica(valor, FChave);
  return true;
}

void TSenhaMascarada::Clear() {
  FMascarada.clear();
  FChave.clear();
}

}  // namespace dfe
