#pragma once
// What one reading of a script shares between the reader's frame and its
// row handlers: the store, the open script, the keyword field in hand and the
// counters the rows carry from one to the next.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

#include "reader/lettore_campi.h"
#include "store/scenario.h"

namespace compattatore {

// How a row handler leaves the reading.
enum class esito_riga {
  continua,      // next candidate field
  fine_ciclo,    // a row beyond the route: the rows of this script end normally
  fine_lettura,  // a refused row: the reader stops at once
};

// A run-time failure inside a row (a value that does not fit where it must
// be stored, no room left for an item): it takes the reader's error exit.
class guasto_lettura : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct contesto_lettura {
  contesto_lettura(scenario& store, std::string nome_file, std::string contenuto);

  scenario& s;
  std::string nome_file;
  lettore_campi campi;
  luogo_campo luogo_riga;  // keyword field of the row being handled

  // Line script, feature rows.
  std::int32_t indice_pendenza = 0;
  std::int32_t pendenza_precedente = 0;
  std::int32_t contatore_metri = 2;
  std::int32_t voce_cartello = voce_primo_cartello;

  // Train script.
  std::int32_t indice_velocita = 0;
  std::int32_t velocita_precedente = 0;
  std::int32_t indice_aderenza = 0;
  std::int32_t aderenza_precedente = 0;
  std::int32_t contatore_stazioni = 1;

  // Reads the next candidate keyword field into riga and notes its place.
  const std::string& leggi_parola();

  // The head of the row loops: reads the next candidate keyword field,
  // passing over at most two fields that hold "-". False when the script
  // ended with the field just read, which is then not acted on.
  bool leggi_candidata();

  // Refuses a row beyond the last route cell, or one whose cells would fall
  // outside the route, with status 15: the rows of the script then end
  // normally. True when refused.
  bool fuori_percorso(std::int32_t posizione, bool celle_nel_percorso = true,
                      std::int64_t margine = 100);

  // Records a status together with the row that caused it.
  void rifiuta(int codice);
  void rifiuta(int codice, std::int32_t posizione);
  // Notes the row behind a status recorded elsewhere.
  void annota_luogo();

  // After an operation that records its own status (a board, a signal, a
  // slowdown): any status above 0 ends the reading, with this row's
  // position. A status left by an earlier row keeps that row's place.
  esito_riga dopo_memo(int stato_prima, std::int32_t posizione);
};

// The row tests made on one keyword field: every test that matches runs its
// handler in turn, until one of them ends the reading.
class prove_riga {
 public:
  template <typename Gestore>
  prove_riga& se(bool corrisponde, Gestore gestore) {
    if (esito_ == esito_riga::continua && corrisponde) esito_ = gestore();
    return *this;
  }
  esito_riga esito() const { return esito_; }

 private:
  esito_riga esito_ = esito_riga::continua;
};

// The fill of a stretch attribute (gradient, speed limit, adhesion): writes
// the cells from the fill index on, up to the cell before `fino_a` but at
// least one, advancing the index. It never writes past cell `ultima`: false
// when it had to stop there.
template <typename Scrivi>
bool riempi_celle(std::int32_t& indice, std::int64_t fino_a, std::int64_t ultima, Scrivi scrivi) {
  do {
    if (indice > ultima) return false;
    scrivi(indice);
    ++indice;
  } while (indice < fino_a);
  return true;
}

// Cell index of a position: p / 50 + scarto, computed in double, rounded.
std::int64_t indice_cella(std::int64_t posizione, double scarto = 0.0);

// True when a row at this position lies beyond the last route cell:
// (posizione + margine) / 50 > M.
bool oltre_percorso(const scenario& s, std::int64_t posizione, std::int64_t margine = 100);

}  // namespace compattatore
