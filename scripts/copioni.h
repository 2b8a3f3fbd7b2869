#pragma once
// The scenario carried by the program, as the text of its two scripts, and
// their emission to the temporary script files the reader takes back.

#include <filesystem>

#include "documents/tabella_righe.h"
#include "store/scenario.h"

namespace compattatore {

// The identity of the scenario this build carries.
inline constexpr const char* nome_linea_incorporato = "Castoria_Belvento";
inline constexpr const char* numero_treno_incorporato = "46183";

// The built-in line script: 112 lines.
tabella_righe righe_linea();
// The built-in train script: 108 lines.
tabella_righe righe_treno();

// Each replaces its script file in the folder; throws errore_file on failure.
void dati_linea(const scenario& s, const std::filesystem::path& cartella);
void dati_treno(const scenario& s, const std::filesystem::path& cartella);

}  // namespace compattatore
