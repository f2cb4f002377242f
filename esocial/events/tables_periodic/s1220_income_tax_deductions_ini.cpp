// S-1220 INI reader.
#include <stdexcept>

#include "esocial/events/event_ini.h"
#include "esocial/events/tables_periodic/s1220_income_tax_deductions.h"

namespace esocial::s1220 {

bool TEvtInfoIR::LerArqIni(const std::string& AIniString) {
  // A reader that took the text and did nothing would report an empty event as loaded.
  const TLeitorIniEvento ini(AIniString);
  throw std::runtime_error("Leitura de INI não disponível para este evento.");
}

}  // namespace esocial::s1220
