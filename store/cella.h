#pragma once
// One route cell: 50 metres of line. The first seven fields describe the one
// object standing in the cell; the rest are attributes of the stretch that
// every cell carries whatever object it holds.

#include <cstdint>

namespace compattatore {

// What a cell holds. Codes 7, 8 and 9 are never written.
enum tipo_cella_codice : std::uint8_t {
  vuota = 0,
  segnale = 1,
  fine_rallentamento = 2,
  inizio_rallentamento = 3,
  avviso_rallentamento = 4,
  preavviso_rallentamento = 5,
  indicatore_velocita = 6,
  fermata = 10,
  segno_montagna = 11,
  abbattimento = 12,
  abbattimento_senza_valore = 13,
  cartello = 14,
};

struct cella {
  std::uint8_t tipo_cella = vuota;
  std::int16_t valore1 = 0;
  std::int16_t valore2 = 0;
  std::int16_t valore3 = 0;
  std::int16_t valore4 = 0;
  std::uint8_t tempo_segnale = 0;
  std::uint8_t preavviso = 0;
  std::uint8_t tipo_montagna = 0;
  std::uint8_t velocita_limite = 0;
  std::uint8_t pendenza = 0;
  std::uint8_t aderenza = 0;
};

// A mountain marker gives way to any later object; every other object keeps
// its cell.
inline bool cella_libera(const cella& c) {
  return c.tipo_cella == vuota || c.tipo_cella == segno_montagna;
}

}  // namespace compattatore
