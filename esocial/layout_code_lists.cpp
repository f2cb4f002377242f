#include "esocial/layout_code_lists.h"

#include <algorithm>
#include <string>

#include "dfe/exceptions.h"
#include "esocial/layout_enums.h"

namespace esocial {

int StrToEnumExato(std::string_view s, dfe::CodeList codes, std::string_view typeName) {
  for (std::size_t i = 0; i < codes.size(); ++i)
    if (codes[i] == s) return static_cast<int>(i);
  throw dfe::ETrivoException("Valor string inválido para " + std::string(typeName) + ": " + std::string(s));
}

namespace {
constexpr int kCategoriasSemMatricula[] = {201, 202, 304, 305, 308, 311, 313, 401, 410, 501, 701, 711, 712, 721,
                                           722, 723, 731, 734, 738, 741, 751, 761, 771, 781, 901, 902, 903, 904};
static_assert(std::size(kCategoriasSemMatricula) == 28);
}  // namespace

bool CodCategSemMatricula(int codCateg) {
  return std::find(std::begin(kCategoriasSemMatricula), std::end(kCategoriasSemMatricula), codCateg) !=
         std::end(kCategoriasSemMatricula);
}

}  // namespace esocial
