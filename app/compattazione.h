#pragma once
// The compaction driver: reads the scripts into the store, completes and
// stamps it, and writes the data files.

#include <cstdint>
#include <filesystem>

#include "store/scenario.h"

namespace compattatore {

struct esito_compattazione {
  int avviso = 0;             // 1250 / 1251 when the stamp found its slots taken
  bool dati_scritti = false;  // false when the route was never sized or the stamp refused
};

// Reads the scripts from cartella_script and writes the data files into
// cartella_dati (the program uses one folder for both). Statuses stay in the
// store. With no route cells sized, or on a fatal stamp, no data file is
// touched. Throws errore_file when a file cannot be written.
esito_compattazione memorizza_percorso(scenario& s, std::int32_t j,
                                       const std::filesystem::path& cartella_script,
                                       const std::filesystem::path& cartella_dati);

}  // namespace compattatore
