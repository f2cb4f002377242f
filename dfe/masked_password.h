#pragma once
// A password held masked in memory, as the certificate settings and the security facade keep
// theirs: XORed with a key made from the time of day when it was set.
#include <string>

namespace dfe {

class TSenhaMascarada {
 public:
  std::string Valor() const;
  // Masks the value with a new key; false, changing nothing, when it is the value held.
  bool Definir(const std::string& valor);
  void Clear();

 private:
  std::string FMascarada, FChave;
};

}  // namespace dfe
