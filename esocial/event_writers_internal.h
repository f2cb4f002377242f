#pragma once
// What the files of the shared event writers have in common; included only by them.
namespace esocial {

// The 2.x nisTrab is optional only for the categories of workers that have none (901, 903
// and 904); the writers pass this as the field's occurrence.
inline int OcorrenciaNisTrab(int CodCateg) { return CodCateg == 901 || CodCateg == 903 || CodCateg == 904 ? 0 : 1; }

}  // namespace esocial
