#pragma once
// The eSocial component as the transmit, sign and consult commands use it: the one place
// where the agent configures it. Choosing the certificate asks the user (or reads
// NEMBO_CERT_SERIAL), so it happens once per command.
#include <memory>
#include <string>

#include "esocial/trivo_esocial.h"

namespace agent {

// A component for the employer: certificates from the user's store, libxml2 signing, files
// separated by employer, production, TLS 1.2, layout S-1.03.00, the certificate the user
// chooses (its tax number is the transmitter). Throws "Certificado não informado" when none is
// chosen and "Certificado Vencido - Vencimento: <dd/mm/yyyy[ hh:nn:ss]>" when it has expired.
std::unique_ptr<esocial::TTrivoeSocial> CreateTrivoeSocial(const std::string& IdEmpregador);

// The employer's tax-number root carried by an event identifier ("ID", one digit, then these
// eight): its characters from the fourth on.
std::string IdEmpregadorDoEvento(const std::string& CodigoEvento);

}  // namespace agent
