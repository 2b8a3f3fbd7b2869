#pragma once
// Words for the outcome of a compaction, as the program and the authoring
// tool tell it to the user.

#include <string>

#include "store/scenario.h"

namespace compattatore {

// "status N: <meaning>" with ", position P m" where the status has one.
// Meant for a store whose codice_errore is not 0.
std::string descrivi_stato(const scenario& s);

}  // namespace compattatore
