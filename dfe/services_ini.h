#pragma once
// The services INI: the text that maps each service of each environment to its address.
// The program carries it compiled in (registered here by name); a file of the same name in
// the program's folder replaces it (read by the configuration). Lookups are by section and
// key, both matched without regard to letter case.
#include <string>
#include <string_view>
#include <vector>

#include "platform/ini.h"

namespace dfe {

// A version written as in keys and schema names: "0.00" with '.' as decimal separator.
std::string FormatVersion00(double versao);
// '.' or ',' as decimal separator; 0 when the text is no number.
double ParseVersionNumber(std::string_view text);

// Key lookup in one section: the exact versioned key NAME_X.YY, else the highest versioned
// key not above the version asked for, else the plain key (and versao := 0). A versioned key
// with an empty value counts as missing. A missing section leaves versao unchanged and valor
// empty.
void LerChaveServico(const platform::TIniFile& ini, std::string_view secao, std::string_view servico, double& versao,
                     std::string& valor);

// Result of a section lookup that follows "Usar" redirections.
struct TServicoLocalizado {
  std::string URL;
  std::string Servico;     // from the section named by the key "WSDL"
  std::string SoapAction;  // from the section named by the key "SoapAction"
  std::string Secao;       // the section that gave the address
  double Versao = 0;       // the working version after the lookups
};

// Looks up servico in secao and, while no address is found, follows the section's "Usar"
// key. recurso names the INI in the error texts.
TServicoLocalizado LerServicoComRedirecionamento(const platform::TIniFile& ini, std::string secao,
                                                 std::string_view servico, double versao, std::string_view recurso);

// Compiled-in services INI texts, by resource name. The component that carries a text
// registers it before its first lookup; registering a name again replaces the text.
void RegisterEmbeddedServicesIni(std::string_view name, std::string_view text);
// The registered text; ETrivoDFeException when no text has that name. It is the resource
// reader that the component base gives the configuration.
std::string EmbeddedServicesIni(std::string_view name);

}  // namespace dfe
