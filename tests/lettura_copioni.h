#pragma once
// Runs the script reader on small scripts written into a fresh folder.

#include <cstdint>
#include <optional>
#include <string>

#include "store/scenario.h"
#include "tests/cartella_temporanea.h"

namespace compattatore {

// Lines joined with CR LF, each line ended by it.
std::string righe(std::initializer_list<const char*> testo);

// A line script: "[generale]", the track length, the extra general rows,
// a section header, the feature rows and "[fine]".
std::string copione_linea(const std::string& elementi = "", std::int32_t lunghezza = 92000,
                          const std::string& generale = "");

// A train script: "[generale]", the rows, "[fine]".
std::string copione_treno(const std::string& righe_treno = "");

struct lettura_prova {
  scenario s;
  std::string file_rimasti;  // names of the files left in the folder
};

// Writes the scripts that are given (a missing one is not written), reads
// them as the compaction driver does and reports the store and the folder.
lettura_prova leggi_copioni(const std::optional<std::string>& linea,
                            const std::optional<std::string>& treno, std::int32_t con_profilo = 1);

// The objects and approach markers of cells da..a, empty cells left out:
// "16:p61 18:t1,40,10,0,6" (type, valore1 to valore4, then tempo_segnale
// where it is set) and "/p81" after an object for its marker.
std::string descrivi_celle(const scenario& s, std::int64_t da, std::int64_t a);

// "first-last:value" runs of one byte field of the cells da..a, for
// comparisons of whole stretches: "0-31:16 32-117:17".
std::string tratti(const scenario& s, std::uint8_t cella::*campo, std::int64_t da, std::int64_t a);

}  // namespace compattatore
