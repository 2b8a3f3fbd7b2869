#pragma once
// The name of every file the program touches: the folder, then the line name,
// optionally "_" and the train number, then a fixed suffix.

#include <filesystem>

#include "store/scenario.h"

namespace compattatore {

using cartella = std::filesystem::path;

std::filesystem::path file_script_linea(const cartella& c, const scenario& s);
std::filesystem::path file_script_treno(const cartella& c, const scenario& s);
std::filesystem::path file_note(const cartella& c, const scenario& s);
std::filesystem::path file_rallentamenti(const cartella& c, const scenario& s);
std::filesystem::path file_scheda_treno(const cartella& c, const scenario& s);
std::filesystem::path file_tracciato(const cartella& c, const scenario& s);
std::filesystem::path file_voci(const cartella& c, const scenario& s);
std::filesystem::path file_percorso(const cartella& c, const scenario& s);

}  // namespace compattatore
