#pragma once
// The authoring tool: compiles a scenario author's own line and train
// scripts with the same reader, completion, stamp and writers as the
// program, and tells exactly which row was refused and why.

#include <iosfwd>
#include <string>
#include <vector>

namespace compattatore {

inline constexpr int cli_riuscito = 0;
inline constexpr int cli_riga_rifiutata = 1;
inline constexpr int cli_errore_uso = 2;  // usage errors and files that cannot be read or written

// Runs one command line (without the program name); returns the exit status.
int esegui_riga_comando(const std::vector<std::string>& argomenti, std::ostream& uscita,
                        std::ostream& errori);

}  // namespace compattatore
