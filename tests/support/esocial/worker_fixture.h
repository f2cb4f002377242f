#pragma once
// A worker and a bond with every group the S-1 layouts have, for the tests of the shared
// writers and of the events that write them.
#include "esocial/records_contract.h"
#include "esocial/records_worker.h"

namespace esocialtest {

// The establishment of the bond: workplace, union, temporary work, apprenticeship.
inline constexpr const char* kCnpjEstab = "11222333000181";

// An immigrant with a term of residence, an address in Brazil, a disability, two dependants
// (the second without type and sex) and a contact.
void PreencherTrabalhadorS1(esocial::TTrabalhador& t);
// A temporary CLT contract (one substitute) of an apprentice hired indirectly, 44 hours, a
// temporary domestic workplace without street type, a succession, a domestic transfer, a CPF
// change, a leave, a termination and a cession.
void PreencherVinculoS1(esocial::TVinculo& v);

}  // namespace esocialtest
