#pragma once
// The three crew documents left beside the data files: blank forms whose text
// is fixed, whatever the scenario.

#include <filesystem>

#include "documents/tabella_righe.h"
#include "store/scenario.h"

namespace compattatore {

tabella_righe righe_note();
tabella_righe righe_rallentamenti();
tabella_righe righe_scheda_treno();

// Each replaces its document in the folder; throws errore_file on failure.
void dati_note(const scenario& s, const std::filesystem::path& cartella);
void dati_rallentamenti(const scenario& s, const std::filesystem::path& cartella);
void dati_scheda(const scenario& s, const std::filesystem::path& cartella);

}  // namespace compattatore
