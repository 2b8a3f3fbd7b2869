// What stands beside the track: mountains, speed-indicator boards and signs.

#include <limits>

#include "reader/gestori_righe.h"
#include "store/stato.h"

namespace compattatore {
namespace {

// A board value must fit its 16-bit field; one that does not is a fault of
// the script, not something to wrap around.
std::int16_t valore_16(std::int64_t valore, const char* nome) {
  if (valore < std::numeric_limits<std::int16_t>::min() ||
      valore > std::numeric_limits<std::int16_t>::max())
    throw guasto_lettura(std::string("the board's ") + nome + " value " + std::to_string(valore) +
                         " does not fit 16 bits");
  return static_cast<std::int16_t>(valore);
}

std::int16_t valore_velocita(std::int32_t s, std::int32_t d, const char* nome) {
  return valore_16(arrotonda(static_cast<double>(std::int64_t{s} * 20) + d / 5.0), nome);
}

}  // namespace

void memo_montagna(scenario& s, std::int32_t& inizio, std::int32_t& fine, std::int32_t& tipo) {
  bool con_segni = tipo > 10;
  if (con_segni) tipo -= 10;
  if (s.numero_montagne >= massimo_montagne) throw guasto_lettura("more than 80 mountain rows");
  std::int32_t n = ++s.numero_montagne;
  s.inizio_montagna[static_cast<std::size_t>(n)] = inizio;
  s.fine_montagna[static_cast<std::size_t>(n)] = fine;
  // A mountain that begins within 150 m of the previous one's end joins it.
  if (n > 1 && std::int64_t{inizio} - s.fine_montagna[static_cast<std::size_t>(n - 1)] <= 150)
    tipo = 3;
  std::int64_t conta = 0;
  for (std::int64_t i = indice_cella(inizio), ultima = indice_cella(fine, -1.0); i <= ultima; ++i) {
    cella& cl = s.cella_in(i);
    ++conta;
    cl.tipo_montagna = static_cast<std::uint8_t>(tipo);
    if (con_segni && conta % 4 == 0 && cl.tipo_cella == vuota) cl.tipo_cella = segno_montagna;
  }
}

void memo_indicatori_v_max(scenario& s, std::int32_t posizione, std::int32_t& vas,
                           std::int32_t& vbs, std::int32_t& vcs, std::int16_t& strisces,
                           std::int32_t& vad, std::int32_t& vbd, std::int32_t& vcd,
                           std::int16_t& strisced) {
  cella& cl = s.cella_in(indice_cella(posizione, 1.0));
  if (!cella_libera(cl)) {
    s.registra_stato(stato_indicatore_occupato);
    return;
  }
  // Filled field by field: a value that does not fit stops the reader with
  // the fields before it in place.
  cl.tipo_cella = indicatore_velocita;
  cl.valore1 = valore_velocita(vas, vad, "first");
  cl.valore2 = valore_velocita(vbs, vbd, "second");
  cl.valore3 = valore_velocita(vcs, vcd, "third");
  // The stripes are 16-bit values, so their product must fit too.
  cl.valore4 = valore_16(valore_16(std::int64_t{strisces} * 10, "stripe") + strisced, "stripe");
}

esito_riga riga_montagna(contesto_lettura& c) {
  std::int32_t inizio = c.campi.leggi_int32();
  std::int32_t fine = c.campi.leggi_int32();
  std::int32_t tipo = c.campi.leggi_int32();
  if (c.fuori_percorso(inizio)) return esito_riga::fine_ciclo;
  // A mountain may cover no cell at all; one that covers cells outside the
  // route is refused by the end that lies outside.
  std::int64_t prima = indice_cella(inizio), ultima = indice_cella(fine, -1.0);
  if (prima <= ultima && (!c.s.cella_esiste(prima) || !c.s.cella_esiste(ultima))) {
    c.fuori_percorso(c.s.cella_esiste(prima) ? fine : inizio, false);
    return esito_riga::fine_ciclo;
  }
  memo_montagna(c.s, inizio, fine, tipo);
  return esito_riga::continua;
}

esito_riga riga_indicatori(contesto_lettura& c) {
  std::int32_t posizione = c.campi.leggi_int32();
  std::int32_t vas = c.campi.leggi_int32(), vbs = c.campi.leggi_int32();
  std::int32_t vcs = c.campi.leggi_int32(), strisces = c.campi.leggi_int32();
  std::int32_t vad = c.campi.leggi_int32(), vbd = c.campi.leggi_int32();
  std::int32_t vcd = c.campi.leggi_int32(), strisced = c.campi.leggi_int32();
  // Boards and signs take the cell after their position's; one before the
  // first cell is refused like one past the last.
  if (c.fuori_percorso(posizione, c.s.cella_esiste(indice_cella(posizione, 1.0))))
    return esito_riga::fine_ciclo;
  // Only the low 16 bits of the stripe values are handed on.
  std::int16_t strisce_s = static_cast<std::int16_t>(strisces);
  std::int16_t strisce_d = static_cast<std::int16_t>(strisced);
  const int stato_prima = c.s.codice_errore;
  memo_indicatori_v_max(c.s, posizione, vas, vbs, vcs, strisce_s, vad, vbd, vcd, strisce_d);
  return c.dopo_memo(stato_prima, posizione);
}

esito_riga riga_cartello(contesto_lettura& c) {
  std::int32_t posizione = c.campi.leggi_int32();
  std::string testo = c.campi.leggi_testo();
  std::int64_t indice = indice_cella(posizione, 1.0);
  if (c.fuori_percorso(posizione, c.s.cella_esiste(indice))) return esito_riga::fine_ciclo;
  cella& cl = c.s.cella_in(indice);
  if (!cella_libera(cl)) {
    c.rifiuta(stato_cartello_occupato, posizione);
    return esito_riga::fine_lettura;
  }
  // Row 0 stays empty; the sign texts may come down to row 1 at most.
  if (c.voce_cartello < voce_prima_stazione)
    throw guasto_lettura("no item row left for the sign's text");
  cl.tipo_cella = cartello;
  cl.valore1 = static_cast<std::int16_t>(c.voce_cartello);
  c.s.voci[static_cast<std::size_t>(c.voce_cartello)].testo = testo;
  --c.voce_cartello;
  return esito_riga::continua;
}

}  // namespace compattatore
