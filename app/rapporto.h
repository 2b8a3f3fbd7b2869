#pragma once
// Words for the outcome of a compaction, as the program and the authoring
// tool tell it to the user.

#include <string>

#include "app/piattaforma.h"
#include "store/scenario.h"

namespace compattatore {

// "status N: <meaning> (<detail>), position P m"; the detail and the
// position only where the status has them.
std::string descrivi_stato(const stato_registrato& stato);

// Tells the user how a compaction ended: nothing when it went through, one
// line for the status left last, or why no data file was written. Returns
// the exit status of the run.
int concludi_corsa(const scenario& s, bool dati_scritti, piattaforma& p);

}  // namespace compattatore
