// Speed limits and adhesion along the line. Each row opens a stretch at its
// own position; the cells of the stretch are written when the next row of
// its kind, or the end of the script, closes it.

#include "reader/gestori_righe.h"
#include "store/stato.h"

namespace compattatore {
namespace {

// Speed limits are stored as a fifth of the speed, in one byte.
std::uint8_t valore_velocita(std::int32_t velocita) {
  std::int64_t quinto = arrotonda(velocita / 5.0);
  if (quinto < 0 || quinto > 255)
    throw guasto_lettura("the speed limit " + std::to_string(velocita) +
                         " km/h does not fit the cell (0 to 1277 km/h)");
  return static_cast<std::uint8_t>(quinto);
}

std::uint8_t valore_aderenza(std::int32_t aderenza) {
  return static_cast<std::uint8_t>(aderenza);
}

template <typename Valore>
esito_riga riga_stretto(contesto_lettura& c, std::int32_t& indice, std::int32_t& precedente,
                        std::int64_t ultima, std::uint8_t cella::*campo, Valore valore) {
  std::int32_t p = c.campi.leggi_int32();
  std::int32_t v = c.campi.leggi_int32();
  if (c.fuori_percorso(p)) return esito_riga::fine_ciclo;
  std::int64_t n = indice_cella(p);
  if (n > 0)
    riempi_celle(indice, n, ultima,
                 [&](std::int32_t i) { c.s.cella_in(i).*campo = valore(precedente); });
  precedente = v;
  return esito_riga::continua;
}

}  // namespace

esito_riga riga_velocita(contesto_lettura& c) {
  // The speed fill never reaches the last cell.
  return riga_stretto(c, c.indice_velocita, c.velocita_precedente, c.s.fine_percorso - 1,
                      &cella::velocita_limite, valore_velocita);
}

esito_riga riga_aderenza(contesto_lettura& c) {
  return riga_stretto(c, c.indice_aderenza, c.aderenza_precedente, c.s.fine_percorso,
                      &cella::aderenza, valore_aderenza);
}

void completa_treno(contesto_lettura& c) {
  scenario& s = c.s;
  const std::int64_t coda = std::int64_t{s.fine_percorso} - 2;
  riempi_celle(c.indice_velocita, coda, s.fine_percorso, [&](std::int32_t i) {
    s.cella_in(i).velocita_limite = valore_velocita(c.velocita_precedente);
  });
  riempi_celle(c.indice_aderenza, coda, s.fine_percorso, [&](std::int32_t i) {
    s.cella_in(i).aderenza = valore_aderenza(c.aderenza_precedente);
  });
}

}  // namespace compattatore
