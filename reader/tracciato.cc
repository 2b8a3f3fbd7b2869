// Gradient and curve rows: the gradient of every route cell, and the plan of
// the track drawn metre by metre. The arithmetic of the plan is a contract
// with the simulator: every point is computed in double, in exactly this
// order, from the stored points before it.

#include "reader/gestori_righe.h"
#include "reader/parole_chiave.h"
#include "store/stato.h"

namespace compattatore {
namespace {

constexpr std::int32_t ultimo_metro_calcolabile = 1000000;

// Gradient plus 100, in one byte, for the cells of the previous row's
// stretch; false when the fill ran past the last cell.
bool riempi_pendenze(contesto_lettura& c, std::int64_t fino_a) {
  return riempi_celle(c.indice_pendenza, fino_a, c.s.fine_percorso, [&](std::int32_t i) {
    c.s.cella_in(i).pendenza = static_cast<std::uint8_t>(std::int64_t{c.pendenza_precedente} + 100);
  });
}

// Point j continues the last step, turned by k radians per metre (0 on a
// straight): dx and dy come from the stored points before either coordinate
// of point j is written.
void prossimo_punto(profilo_tracciato& p, std::int32_t j, double k) {
  double dx = p.x(j - 1) - p.x(j - 2);
  double dy = p.y(j - 1) - p.y(j - 2);
  if (k == 0.0) {
    p.imposta_doppio(j, coordinata_x, p.x(j - 1) + dx);
    p.imposta_doppio(j, coordinata_y, p.y(j - 1) + dy);
  } else {
    p.imposta_doppio(j, coordinata_x, p.x(j - 1) + dx + k * dy);
    p.imposta_doppio(j, coordinata_y, p.y(j - 1) + dy - k * dx);
  }
}

// Turn per metre of each class digit, tested in this order.
constexpr struct {
  const char* cifra;
  double k;
} classi_curva[] = {{"1", 0.0001}, {"2", 0.0002}, {"3", 0.0004},
                    {"4", 0.001},  {"5", 0.002},  {"6", 0.003}};

// Draws metres up to `fino_a`; false when the counter passes the limit.
bool traccia_fino_a(contesto_lettura& c, std::int64_t fino_a, double k) {
  while (c.contatore_metri <= fino_a) {
    prossimo_punto(c.s.profilo, c.contatore_metri, k);
    ++c.contatore_metri;
    if (c.contatore_metri > ultimo_metro_calcolabile) return false;
  }
  return true;
}

}  // namespace

void inizia_tracciato(contesto_lettura& c) {
  if (c.s.profilo.allocato()) {
    c.s.profilo.imposta_intero(0, coordinata_x, 0);
    c.s.profilo.imposta_intero(0, coordinata_y, 0);
    c.s.profilo.imposta_intero(1, coordinata_x, 0);
    c.s.profilo.imposta_intero(1, coordinata_y, 1);
  }
  c.indice_pendenza = 0;
  c.pendenza_precedente = 0;
  c.contatore_metri = 2;
  c.s.numero_montagne = 0;
  c.voce_cartello = voce_primo_cartello;
}

esito_riga riga_pendenza(contesto_lettura& c) {
  std::int32_t p = c.campi.leggi_int32();
  std::int32_t g = c.campi.leggi_int32();
  if (c.fuori_percorso(p)) return esito_riga::fine_ciclo;
  std::int64_t n = indice_cella(p);
  // Rows out of order push the fill on by a cell each; past the last cell
  // the row is refused like any row beyond the route.
  if (n > 0 && !riempi_pendenze(c, n)) {
    c.rifiuta(stato_fuori_percorso, p);
    return esito_riga::fine_ciclo;
  }
  c.pendenza_precedente = g;
  return esito_riga::continua;
}

esito_riga riga_curva(contesto_lettura& c, const std::string& parola) {
  std::int32_t p = c.campi.leggi_int32();
  std::int32_t lunghezza = c.campi.leggi_int32();
  if (c.fuori_percorso(p)) return esito_riga::fine_ciclo;
  double k = 0.0;
  for (const auto& classe : classi_curva) {
    if (contiene(parola, classe.cifra)) {
      k = classe.k;
      break;
    }
  }
  if (k == 0.0) {
    c.rifiuta(stato_tracciato);
    return esito_riga::fine_lettura;
  }
  if (contiene_senza_caso(parola, "s")) k = k * -1.0;

  // A curve running past the last metre of the plan would draw outside it;
  // on a plan that reaches metre 1000000 the counter limit stops it first.
  const std::int64_t fine_curva = std::int64_t{p} + lunghezza;
  if (fine_curva > c.s.fine_profilo && c.s.fine_profilo < ultimo_metro_calcolabile) {
    c.rifiuta(stato_fuori_percorso, p);
    return esito_riga::fine_ciclo;
  }
  if (!traccia_fino_a(c, p, 0.0) || !traccia_fino_a(c, fine_curva, k)) {
    c.rifiuta(stato_tracciato);
    return esito_riga::fine_lettura;
  }
  return esito_riga::continua;
}

void completa_tracciato(contesto_lettura& c) {
  riempi_pendenze(c, std::int64_t{c.s.fine_percorso} - 2);
  if (c.s.con_profilo == 0 || !c.s.profilo.allocato()) return;
  while (c.contatore_metri <= c.s.fine_profilo - 2) {
    prossimo_punto(c.s.profilo, c.contatore_metri, 0.0);
    ++c.contatore_metri;
  }
}

}  // namespace compattatore
