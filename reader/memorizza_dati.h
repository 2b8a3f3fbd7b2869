#pragma once
// The script reader: reads the line script, then the train script, from the
// folder into the store, and deletes both. Refused rows are recorded in
// codice_errore / posizione_errore (and stati_registrati), never thrown.

#include <filesystem>

#include "store/scenario.h"

namespace compattatore {

void memorizza_dati(scenario& s, const std::filesystem::path& cartella);

}  // namespace compattatore
