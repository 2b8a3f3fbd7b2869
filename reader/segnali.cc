// Signals, slowdowns and abatements: objects that claim a route cell only
// when it is free.

#include "reader/gestori_righe.h"
#include "store/stato.h"

namespace compattatore {
namespace {

std::int16_t basso_16(std::int64_t valore) {
  return static_cast<std::int16_t>(valore);
}

constexpr std::int32_t inizio_avvisi = 1500;  // slowdowns from here on get a warning
constexpr std::int32_t anticipo_avviso = 1200;

bool celle_libere(const scenario& s, std::initializer_list<std::int64_t> indici) {
  for (std::int64_t i : indici)
    if (!s.cella_esiste(i) || !cella_libera(s.cella_in(i))) return false;
  return true;
}

}  // namespace

void memo_segnale(scenario& s, std::int32_t posizione, std::int32_t& sx, std::int32_t& s1,
                  std::int32_t& s2, std::int32_t& s3, std::int32_t& rapp, std::int32_t& dx,
                  std::int32_t& d1, std::int32_t& d2, std::int32_t& d3, std::int32_t& tempo) {
  const std::int64_t c = indice_cella(posizione, 1.0);
  cella& cl = s.cella_in(c);
  if (!cella_libera(cl)) {
    s.registra_stato(stato_segnale_occupato);
    return;
  }
  cl.tipo_cella = segnale;
  cl.valore4 = basso_16(10 * std::int64_t{rapp} + 3 * std::int64_t{sx} + dx);
  cl.valore1 = basso_16(10 * std::int64_t{s1} + d1);
  cl.valore2 = basso_16(10 * std::int64_t{s2} + d2);
  cl.valore3 = basso_16(10 * std::int64_t{s3} + d3);
  if (tempo >= 1 && tempo <= 100) tempo = 101;
  cl.tempo_segnale = sx == 2 ? static_cast<std::uint8_t>(tempo) : 0;
  // Approach markers 100 to 400 m before the signal; those that would fall
  // before the first cell are left out.
  for (int b = 1; b <= 4; ++b)
    if (s.cella_esiste(c - 2 * b))
      s.cella_in(c - 2 * b).preavviso =
          static_cast<std::uint8_t>(10 * (3 * std::int64_t{sx} + dx) + b);
}

void memo_rallentamento(scenario& s, std::int32_t x, std::int32_t& v, std::int32_t& l,
                        std::int32_t& f_tt, std::int32_t f_ta, std::int32_t& d_v) {
  const std::int64_t avviso = indice_cella(std::int64_t{x} - anticipo_avviso, 1.0);
  const std::int64_t inizio = indice_cella(x, 1.0);
  const std::int64_t fine = indice_cella(std::int64_t{x} + l, 1.0);
  const bool con_avviso = x > inizio_avvisi;
  if (con_avviso && !celle_libere(s, {avviso})) {
    s.registra_stato(stato_avviso_occupato);
    return;
  }
  if (!con_avviso) f_ta = 0;
  if (!celle_libere(s, {inizio})) {
    s.registra_stato(stato_inizio_rallentamento);
    return;
  }
  if (!celle_libere(s, {fine})) {
    s.registra_stato(stato_fine_rallentamento);
    return;
  }
  cella& cella_fine = s.cella_in(fine);
  cella_fine.tipo_cella = fine_rallentamento;
  if (d_v != 0) cella_fine.valore2 = basso_16(d_v);
  cella& cella_inizio = s.cella_in(inizio);
  cella_inizio.tipo_cella = inizio_rallentamento;
  if (d_v != 0) cella_inizio.valore2 = basso_16(d_v);
  if (con_avviso) {
    cella& cella_avviso = s.cella_in(avviso);
    cella_avviso.tipo_cella = avviso_rallentamento;
    if (d_v != 0) cella_avviso.valore2 = basso_16(d_v);
    cella_avviso.valore1 = basso_16(v);
  }
  cella_inizio.valore1 = basso_16(v);
  cella_fine.valore1 = basso_16(v);
  cella_inizio.valore3 = basso_16(f_tt);
  cella_fine.valore3 = basso_16(f_tt);
  if (f_ta == 0) return;

  const std::int64_t t = indice_cella(std::int64_t{x} - anticipo_avviso);
  if (!celle_libere(s, {t, t - 1, t - 2, t - 3})) {
    s.registra_stato(stato_preavvisi_occupati);
    return;
  }
  for (int i = 0; i <= 3; ++i) {
    cella& marcatore = s.cella_in(t - i);
    marcatore.tipo_cella = preavviso_rallentamento;
    marcatore.valore1 = static_cast<std::int16_t>(i + 1);
    if (d_v != 0) marcatore.valore2 = static_cast<std::int16_t>(i + 1);
  }
}

esito_riga riga_segnale(contesto_lettura& c) {
  std::int32_t colonne[11];
  for (std::int32_t& colonna : colonne) colonna = c.campi.leggi_int32();
  auto& [posizione, sx, s1, s2, s3, rapp, dx, d1, d2, d3, tempo] = colonne;
  if (c.fuori_percorso(posizione, c.s.cella_esiste(indice_cella(posizione, 1.0))))
    return esito_riga::fine_ciclo;
  const int stato_prima = c.s.codice_errore;
  memo_segnale(c.s, posizione, sx, s1, s2, s3, rapp, dx, d1, d2, d3, tempo);
  return c.dopo_memo(stato_prima, posizione);
}

esito_riga riga_rallentamento(contesto_lettura& c) {
  std::int32_t colonne[6];
  for (std::int32_t& colonna : colonne) colonna = c.campi.leggi_int32();
  auto& [x, v, l, f_tt, f_ta, d_v] = colonne;
  // Only the start is tested against the end of the route; the end and the
  // start must also fall on route cells, or the slowdown is refused whole.
  if (c.fuori_percorso(x, c.s.cella_esiste(indice_cella(x, 1.0)) &&
                              c.s.cella_esiste(indice_cella(std::int64_t{x} + l, 1.0))))
    return esito_riga::fine_ciclo;
  const int stato_prima = c.s.codice_errore;
  memo_rallentamento(c.s, x, v, l, f_tt, f_ta, d_v);
  return c.dopo_memo(stato_prima, x);
}

esito_riga riga_abbattimento(contesto_lettura& c) {
  std::int32_t p = c.campi.leggi_int32();
  std::int32_t a = c.campi.leggi_int32();
  const std::int64_t indice = indice_cella(p);
  if (c.fuori_percorso(p, c.s.cella_esiste(indice))) return esito_riga::fine_ciclo;
  cella& cl = c.s.cella_in(indice);
  if (!cella_libera(cl)) {
    c.rifiuta(stato_abbattimento_occupato, p);
    return esito_riga::fine_lettura;
  }
  if (a > 0) {
    cl.tipo_cella = abbattimento;
    cl.valore1 = basso_16(a);
  } else {
    cl.tipo_cella = abbattimento_senza_valore;
  }
  return esito_riga::continua;
}

}  // namespace compattatore
