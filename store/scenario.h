#pragma once
// The scenario store: the one in-memory model of the scenario, filled by the
// reader, completed and stamped, then copied to the data files.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "store/cella.h"
#include "store/profilo.h"
#include "store/voce.h"

namespace compattatore {

inline constexpr int massimo_montagne = 80;
inline constexpr std::int32_t lunghezza_massima = 1000000;
inline constexpr std::int32_t coda_percorso = 7000;  // metres of route kept after the line end
inline constexpr std::int32_t metri_per_cella = 50;

// Where in a script the row behind a status stands; empty when the status
// has no row (completion pass, missing script).
struct luogo_stato {
  std::string file;        // script file name, without folder
  int riga = 0;            // 1-based line of the row's keyword field
  int colonna = 0;         // 1-based column of that field
  std::string testo_riga;  // the whole script line
  std::string dettaglio;   // what exactly failed, for a read error
};

// One status as it was recorded, for reports: codice_errore and
// posizione_errore only keep the last one.
struct stato_registrato {
  int codice = 0;
  std::optional<std::int32_t> posizione;  // only where the setter had one
  luogo_stato luogo;
};

struct scenario {
  std::string nome_linea;
  std::string numero_treno;
  std::int32_t con_profilo = 0;

  std::vector<cella> percorso;  // cells 0 to fine_percorso; empty until sized
  std::array<voce, numero_voci> voci{};
  profilo_tracciato profilo;

  std::array<std::int32_t, massimo_montagne + 1> inizio_montagna{};
  std::array<std::int32_t, massimo_montagne + 1> fine_montagna{};
  std::int32_t numero_montagne = 0;
  std::int32_t numero_stazioni = 0;  // station rows accepted, in item rows 1 upward

  std::int32_t fine_profilo = 0;
  std::int32_t fine_percorso = 0;
  std::string riga;
  std::int32_t codice_errore = 0;
  std::int32_t posizione_errore = 0;

  // Every status recorded since the last compaction started, oldest first.
  std::vector<stato_registrato> stati_registrati;

  bool percorso_dimensionato() const { return !percorso.empty(); }
  bool cella_esiste(std::int64_t indice) const {
    return indice >= 0 && indice < static_cast<std::int64_t>(percorso.size());
  }
  // Throws std::out_of_range for an index outside 0 to fine_percorso.
  cella& cella_in(std::int64_t indice);
  const cella& cella_in(std::int64_t indice) const;

  // Every row back to zeros and empty text.
  void azzera_voci();

  // Sizes the route cells (and the track plan when con_profilo is not 0) for
  // track length l, discarding whatever they held.
  void dimensiona(std::int32_t l);

  // Records a status; the position only where the setter has one.
  void registra_stato(int codice);
  void registra_stato(int codice, std::int32_t posizione);
  // Gives the status recorded last a position of its own.
  void registra_posizione(std::int32_t posizione);
  // The place of the status recorded last. Requires one.
  luogo_stato& luogo_errore() { return stati_registrati.back().luogo; }
};

// Nearest whole number, halves to the even one, of a value computed in double.
std::int64_t arrotonda(double valore);

}  // namespace compattatore
