#pragma once
// What the files of the shared event writers have in common; included only by them.
#include "esocial/event_types.h"

namespace esocial {

// The 2.x nisTrab is optional only for the categories of workers that have none (901, 903
// and 904); the writers pass this as the field's occurrence.
inline int OcorrenciaNisTrab(int CodCateg) { return CodCateg == 901 || CodCateg == 903 || CodCateg == 904 ? 0 : 1; }

// The S-1 layouts give every address a longer street name and district.
inline int MaximoDscLograd(TVersaoeSocial Versao) { return Versao >= veS01_00_00 ? 100 : 80; }
inline int MaximoBairro(TVersaoeSocial Versao) { return Versao >= veS01_00_00 ? 90 : 60; }

// The S-1 layouts take an annual period as the year alone ("2024") wherever the kind of
// period can be given; elsewhere a period is a month.
inline int MinimoPerApur(TVersaoeSocial Versao) { return Versao >= veS01_00_00 ? 4 : 7; }

}  // namespace esocial
