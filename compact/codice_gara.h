#pragma once
// The scenario code stamp: two fixed markers and two checksums of the
// scenario's identity, tying each data file to its line and train.

#include <cstdint>

#include "store/scenario.h"

namespace compattatore {

inline constexpr std::int16_t marcatore_voci = 610;
inline constexpr std::int16_t marcatore_percorso = 5121;
inline constexpr int avviso_marcatore_occupato = 1250;
inline constexpr int avviso_codice_occupato = 1251;

// Both leave the code text in riga.
std::int32_t codice_gara_st(scenario& s);  // weighted code
std::int16_t codice_gara_og(scenario& s);  // plain code

// Stamps the store. Returns 0, or the number of the fatal notice
// (1250 / 1251) when a slot is already taken; the caller raises the notice.
int timbra_codice_gara(scenario& s);

}  // namespace compattatore
