#pragma once
// The three data files the simulator loads, encoded field by field in little
// endian: the track plan, the item table and the route cells.

#include <filesystem>
#include <string>

#include "store/scenario.h"

namespace compattatore {

std::string codifica_tracciato(const scenario& s);
std::string codifica_voci(const scenario& s);
std::string codifica_percorso(const scenario& s);

// Replaces the track plan (only when con_profilo is not 0), then the item
// table, then the route cells. Throws errore_file on failure.
void scrivi_file_dati(const scenario& s, const std::filesystem::path& cartella);

}  // namespace compattatore
