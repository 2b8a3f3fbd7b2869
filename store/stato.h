#pragma once
// Status codes recorded in codice_errore when a script row is refused or the
// completion pass finds no room, each with the sentence every report uses.

#include <string>

namespace compattatore {

enum codice_stato : int {
  stato_nessuno = 0,
  stato_lunghezza_percorso = 1,        // track length missing or outside 1 to 1000000 m
  stato_progressiva_non_multipla = 2,  // kilometric reference not on a multiple of 50
  stato_inizio_ripetizione = 3,        // signal-repetition start not on a multiple of 50
  stato_fine_ripetizione = 4,          // signal-repetition end not on a multiple of 50
  stato_codici_ripetizione = 5,        // signal-repetition keyword names neither 4 nor 9
  stato_cartello_occupato = 6,         // sign cell taken
  stato_abbattimento_occupato = 7,     // abatement cell taken
  stato_stazione_non_multipla = 8,     // station position not a multiple of 50
  stato_lunghezza_stazione = 9,        // station length not a multiple of 100
  stato_stazioni_troppe = 10,          // station rows reach the sign rows
  stato_abbattimento_segnale = 11,     // no free cell before a signal ahead of a warning
  stato_guardia_rallentamento = 12,    // no free cell for a guard before a slowdown
  stato_punto_rallentamento = 13,      // no free cell for an inner or after-slowdown point
  stato_fuori_percorso = 15,           // position outside the route cells
  stato_segnale_occupato = 16,         // signal cell taken
  stato_avviso_occupato = 17,          // slowdown warning cell taken
  stato_inizio_rallentamento = 18,     // slowdown start cell taken
  stato_fine_rallentamento = 19,       // slowdown end cell taken
  stato_preavvisi_occupati = 20,       // the four cells before a warning not all free
  stato_indicatore_occupato = 21,      // speed-indicator cell taken
  stato_stazione_vicina = 22,          // station too close to the previous one
  stato_fermata_iniziale = 24,         // stop point on cell 1 or lower
  stato_errore_lettura = 25,           // read error or run-time failure in the reader
  stato_linea_mancante = 101,          // line script missing
  stato_generale_mancante = 102,       // line script without "[generale]"
  stato_tracciato = 103,               // curve without class digit, or plan past 1000000 m
};

// The sentence that explains a status to a scenario author; a generic
// sentence for a code the system never records.
std::string significato_stato(int codice);

}  // namespace compattatore
