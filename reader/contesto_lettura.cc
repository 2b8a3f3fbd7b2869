#include "reader/contesto_lettura.h"

#include "store/stato.h"

namespace compattatore {

contesto_lettura::contesto_lettura(scenario& store, std::string nome, std::string contenuto)
    : s(store), nome_file(std::move(nome)), campi(std::move(contenuto)) {}

const std::string& contesto_lettura::leggi_parola() {
  s.riga = campi.leggi_testo();
  luogo_riga = campi.luogo();
  return s.riga;
}

bool contesto_lettura::leggi_candidata() {
  const std::string* riga = &leggi_parola();
  if (campi.fine()) return false;
  for (int n = 0; n < 2 && riga->find('-') != std::string::npos; ++n) {
    riga = &leggi_parola();
    if (campi.fine()) return false;
  }
  return true;
}

bool contesto_lettura::fuori_percorso(std::int32_t posizione, bool celle_nel_percorso,
                                      std::int64_t margine) {
  if (!oltre_percorso(s, posizione, margine) && celle_nel_percorso) return false;
  rifiuta(stato_fuori_percorso, posizione);
  return true;
}

void contesto_lettura::annota_luogo() {
  s.luogo_errore() = {nome_file, luogo_riga.riga, luogo_riga.colonna,
                      campi.testo_riga(luogo_riga.riga), ""};
}

void contesto_lettura::rifiuta(int codice) {
  s.registra_stato(codice);
  annota_luogo();
}

void contesto_lettura::rifiuta(int codice, std::int32_t posizione) {
  s.registra_stato(codice, posizione);
  annota_luogo();
}

esito_riga contesto_lettura::dopo_memo(int stato_prima, std::int32_t posizione) {
  if (s.codice_errore <= 0) return esito_riga::continua;
  s.registra_posizione(posizione);
  if (s.codice_errore == stato_prima)
    s.luogo_errore().dettaglio =
        "the reading of " + nome_file + " stopped at line " + std::to_string(luogo_riga.riga);
  else
    annota_luogo();
  return esito_riga::fine_lettura;
}

std::int64_t indice_cella(std::int64_t posizione, double scarto) {
  return arrotonda(static_cast<double>(posizione) / 50.0 + scarto);
}

bool oltre_percorso(const scenario& s, std::int64_t posizione, std::int64_t margine) {
  return static_cast<double>(posizione + margine) / 50.0 > static_cast<double>(s.fine_percorso);
}

}  // namespace compattatore
