#include "store/scenario.h"

#include <cmath>
#include <stdexcept>

namespace compattatore {

std::int64_t arrotonda(double valore) {
  // nearbyint follows the current rounding mode, which the program never
  // changes from round-to-nearest-even.
  return static_cast<std::int64_t>(std::nearbyint(valore));
}

cella& scenario::cella_in(std::int64_t indice) {
  if (!cella_esiste(indice)) throw std::out_of_range("route cell outside the route");
  return percorso[static_cast<std::size_t>(indice)];
}

const cella& scenario::cella_in(std::int64_t indice) const {
  if (!cella_esiste(indice)) throw std::out_of_range("route cell outside the route");
  return percorso[static_cast<std::size_t>(indice)];
}

void scenario::azzera_voci() {
  for (auto& v : voci) v = voce{};
}

void scenario::dimensiona(std::int32_t l) {
  fine_profilo = l + coda_percorso;
  fine_percorso = static_cast<std::int32_t>(arrotonda(fine_profilo / 50.0));
  percorso.assign(static_cast<std::size_t>(fine_percorso) + 1, cella{});
  profilo.libera();
  if (con_profilo != 0) profilo.crea(fine_profilo);
}

void scenario::registra_stato(int codice) {
  codice_errore = codice;
  stati_registrati.push_back({codice, std::nullopt, {}});
}

void scenario::registra_stato(int codice, std::int32_t posizione) {
  codice_errore = codice;
  posizione_errore = posizione;
  stati_registrati.push_back({codice, posizione, {}});
}

void scenario::registra_posizione(std::int32_t posizione) {
  posizione_errore = posizione;
  stati_registrati.back().posizione = posizione;
}

}  // namespace compattatore
