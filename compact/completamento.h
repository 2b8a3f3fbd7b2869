#pragma once
// The completion pass over the route cells: abatement points ahead of
// slowdowns, inside slow ones, after them before the next signal, and ahead
// of signals that stand just before a slowdown warning.

#include <cstdint>

#include "store/scenario.h"

namespace compattatore {

// The smaller of two numbers; x when they are equal.
std::int32_t minimo(std::int32_t x, std::int32_t y);

// Records statuses 11, 12 and 13 and carries on; touches only cells 0 to M.
void completa_abbattimenti(scenario& s);

}  // namespace compattatore
