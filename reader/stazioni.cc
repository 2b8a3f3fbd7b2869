// Stations: one item row each, from row 1 upward, and on the route a stop
// point near the far end of the station area with four approach markers
// before it.

#include "reader/gestori_righe.h"
#include "store/stato.h"

namespace compattatore {
namespace {

constexpr int primo_tipo_senza_celle = 25;

bool tipo_con_fermata(int tipo) {
  return tipo < primo_tipo_senza_celle;
}
bool tipo_con_preavvisi(int tipo) {
  return tipo_con_fermata(tipo) && tipo != 5 && tipo != 6;
}

std::int32_t a_32_bit(std::int64_t valore) {
  return static_cast<std::int32_t>(valore);
}

// Start and end of the station area; types 5 to 8 lose the area-extension flag.
void area_stazione(voce& v, std::int32_t lunghezza) {
  const std::int64_t p = v.valore_c;
  switch (v.categoria) {
    case 5:
    case 6:
      v.valore_a = a_32_bit(p - lunghezza);
      v.valore_b = a_32_bit(p + 150);
      v.byte3 = 0;
      break;
    case 7:
    case 8:
      v.valore_a = a_32_bit(p - lunghezza);
      v.valore_b = a_32_bit(p + lunghezza);
      v.byte3 = 0;
      break;
    default:
      v.valore_a = a_32_bit(p - lunghezza / 2);
      v.valore_b = a_32_bit(p + lunghezza / 2 + (v.byte3 != 0 ? 50 : 0));
  }
}

void leggi_colonne(lettore_campi& campi, voce& v) {
  v.opzione = campi.leggi_uint8();
  v.byte4 = campi.leggi_uint8();
  v.byte3 = campi.leggi_uint8();
  v.intero1 = campi.leggi_int16();
  v.intero2 = campi.leggi_int16();
  v.byte1 = campi.leggi_uint8();
  v.intero3 = campi.leggi_int16();
  v.intero4 = campi.leggi_int16();
  v.intero5 = campi.leggi_int16();
  v.byte2 = campi.leggi_uint8();
  std::int64_t ore = campi.leggi_int32();
  std::int64_t minuti = campi.leggi_int32();
  std::int64_t secondi = campi.leggi_int32();
  // The time of day in seconds; like the simulator's own clock it is kept
  // in 32 bits, whatever the columns hold.
  v.valore_d =
      static_cast<std::int32_t>(static_cast<std::uint32_t>((ore * 60 + minuti) * 60 + secondi));
  v.testo = campi.leggi_testo();
}

}  // namespace

esito_riga riga_stazione(contesto_lettura& c) {
  scenario& s = c.s;
  const std::int32_t k = c.contatore_stazioni;
  voce& v = s.voci[static_cast<std::size_t>(k)];
  const std::int32_t p = c.campi.leggi_int32();
  v.valore_c = p;
  if (c.fuori_percorso(p, true, 800)) return esito_riga::fine_ciclo;
  if (p % 50 != 0) {
    c.rifiuta(stato_stazione_non_multipla, p);
    return esito_riga::fine_lettura;
  }
  v.categoria = c.campi.leggi_uint8();
  const std::int32_t lunghezza = c.campi.leggi_int32();
  if (lunghezza % 100 != 0) {
    c.rifiuta(stato_lunghezza_stazione, p);
    return esito_riga::fine_lettura;
  }
  leggi_colonne(c.campi, v);
  area_stazione(v, lunghezza);
  if (lunghezza < 600) v.byte4 = 0;
  if (k == 1) v.byte3 = v.byte4 = 0;

  const double fine_area = v.valore_b / 50.0;
  // The 800 m left by the bound test is not enough for a long station near
  // the end of the route: its stop point must still fall on a route cell.
  if (tipo_con_fermata(v.categoria) && arrotonda(fine_area - 1) > s.fine_percorso) {
    c.rifiuta(stato_fuori_percorso, p);
    return esito_riga::fine_ciclo;
  }
  if (tipo_con_preavvisi(v.categoria)) {
    for (int h = 1; h <= 4; ++h)
      if (fine_area - h - 1 > 1)
        s.cella_in(arrotonda(fine_area - h - 1)).preavviso = static_cast<std::uint8_t>(80 + h);
  }
  if (tipo_con_fermata(v.categoria)) {
    if (!(fine_area - 1 > 1)) {
      c.rifiuta(stato_fermata_iniziale);
      return esito_riga::fine_lettura;
    }
    cella& fermata_cella = s.cella_in(arrotonda(fine_area - 1));
    fermata_cella.tipo_cella = fermata;
    fermata_cella.valore1 = static_cast<std::int16_t>(k);
  }
  if (k > 1 && std::int64_t{v.valore_a} - 350 < s.voci[static_cast<std::size_t>(k - 1)].valore_b) {
    c.rifiuta(stato_stazione_vicina, p);
    return esito_riga::fine_lettura;
  }
  s.numero_stazioni = k;
  c.contatore_stazioni = k + 1;
  if (c.contatore_stazioni >= c.voce_cartello) {
    c.rifiuta(stato_stazioni_troppe);
    return esito_riga::fine_lettura;
  }
  return esito_riga::continua;
}

}  // namespace compattatore
