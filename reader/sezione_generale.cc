// The general section of the line script: the track length that sizes the
// route, the kilometric references, the scenery settings and the
// signal-repetition stretch.

#include <limits>

#include "reader/gestori_righe.h"
#include "reader/parole_chiave.h"
#include "store/stato.h"

namespace compattatore {

esito_riga riga_lunghezza_percorso(contesto_lettura& c) {
  std::int32_t l = c.campi.leggi_int32();
  c.s.voci[voce_totali].valore_b = l;
  // A line of no length has no cell to place anything in.
  if (l > lunghezza_massima || l < 1) {
    c.rifiuta(stato_lunghezza_percorso);
    return esito_riga::fine_lettura;
  }
  c.s.dimensiona(l);
  return esito_riga::continua;
}

void riga_progressiva(contesto_lettura& c, int numero_voce) {
  voce& v = c.s.voci[static_cast<std::size_t>(numero_voce)];
  v.valore_a = c.campi.leggi_int32();
  v.valore_b = c.campi.leggi_int32();
  v.valore_c = c.campi.leggi_int32();
}

void riga_sfondo(contesto_lettura& c, std::int32_t voce::*campo) {
  c.s.voci[voce_linea].*campo = c.campi.leggi_int32();
}

esito_riga riga_ripetizione_segnali(contesto_lettura& c) {
  voce& treno = c.s.voci[voce_treno];
  treno.valore_a = c.campi.leggi_int32();
  treno.valore_b = c.campi.leggi_int32();
  int stato = stato_nessuno;
  if (treno.valore_a % 50 != 0)
    stato = stato_inizio_ripetizione;
  else if (treno.valore_b % 50 != 0)
    stato = stato_fine_ripetizione;
  else if (contiene(c.s.riga, "4"))
    treno.valore_c = 4;
  else if (contiene(c.s.riga, "9"))
    treno.valore_c = 9;
  else
    stato = stato_codici_ripetizione;
  if (stato != stato_nessuno) {
    c.rifiuta(stato);
    return esito_riga::fine_lettura;
  }
  if (treno.valore_b == 0) treno.valore_c = 0;
  return esito_riga::continua;
}

std::array<int, 3> progressive_ordina(scenario& s) {
  struct progressiva {
    std::int32_t p, k, f;
    int da;  // 0 "tre", 1 "due", 2 "uno"; -1 once cleared
  };
  std::array<progressiva, 3> letta;
  for (int n = 0; n < 3; ++n) {
    const voce& v = s.voci[static_cast<std::size_t>(voce_progressiva_tre + n)];
    letta[static_cast<std::size_t>(n)] = {v.valore_a, v.valore_b, v.valore_c, n};
  }
  const progressiva& t = letta[0];
  const progressiva& d = letta[1];
  const progressiva& u = letta[2];
  const progressiva vuota{0, 0, 0, -1};
  std::array<progressiva, 3> ordinata = letta;

  if (static_cast<std::int64_t>(t.p) + d.p + u.p != 0) {
    // The greatest position first; between two equal lesser ones, "uno"
    // comes before "due" and "due" before "tre".
    std::array<const progressiva*, 3> per_precedenza = {&u, &d, &t};
    const progressiva* massima = nullptr;
    for (const progressiva* candidata : per_precedenza) {
      bool maggiore = true;
      for (const progressiva* altra : per_precedenza)
        if (altra != candidata && altra->p >= candidata->p) maggiore = false;
      if (maggiore) massima = candidata;
    }
    if (massima == nullptr) {
      ordinata = {vuota, vuota, vuota};
    } else {
      std::array<const progressiva*, 2> altre{};
      int n = 0;
      for (const progressiva* candidata : per_precedenza)
        if (candidata != massima) altre[static_cast<std::size_t>(n++)] = candidata;
      if (altre[1]->p > altre[0]->p) std::swap(altre[0], altre[1]);
      ordinata = {*massima, *altre[0], *altre[1]};
    }
  } else if (u.k > 0) {
    ordinata = {u, d, t};
  } else if (d.k > 0) {
    ordinata = {d, t, u};
  } else if (t.k <= 0) {
    ordinata = {vuota, vuota, vuota};
  }

  std::array<int, 3> provenienza{};
  for (int n = 0; n < 3; ++n) {
    const progressiva& o = ordinata[static_cast<std::size_t>(n)];
    voce& v = s.voci[static_cast<std::size_t>(voce_progressiva_tre + n)];
    v.valore_a = o.p;
    const std::int64_t chilometrica = o.f == 1 ? std::int64_t{o.k} + 100 : o.k;
    if (chilometrica > std::numeric_limits<std::int32_t>::max())
      throw guasto_lettura("the raised chainage " + std::to_string(chilometrica) +
                           " does not fit 32 bits");
    v.valore_b = static_cast<std::int32_t>(chilometrica);
    v.valore_c = o.f;
    provenienza[static_cast<std::size_t>(n)] = o.da;
  }
  return provenienza;
}

}  // namespace compattatore
