#pragma once
// One row of the item table: a station, a sign text, a kilometric reference
// or a header row, depending on its row number.

#include <cstdint>
#include <string>

namespace compattatore {

struct voce {
  std::uint8_t categoria = 0;
  std::int32_t valore_a = 0;
  std::int32_t valore_b = 0;
  std::int32_t valore_c = 0;
  std::uint8_t opzione = 0;
  std::string testo;  // bytes in the Windows-1252 code page
  std::int16_t intero1 = 0;
  std::int16_t intero2 = 0;
  std::int16_t intero3 = 0;
  std::int16_t intero4 = 0;
  std::int16_t intero5 = 0;
  std::uint8_t byte1 = 0;
  std::uint8_t byte2 = 0;
  std::uint8_t byte3 = 0;
  std::uint8_t byte4 = 0;
  std::int32_t valore_d = 0;
};

// Row numbers with a fixed meaning.
inline constexpr int numero_voci = 87;
inline constexpr int voce_prima_stazione = 1;
inline constexpr int voce_primo_cartello = 80;
inline constexpr int voce_progressiva_tre = 81;
inline constexpr int voce_progressiva_due = 82;
inline constexpr int voce_progressiva_uno = 83;
inline constexpr int voce_totali = 84;
inline constexpr int voce_linea = 85;
inline constexpr int voce_treno = 86;

}  // namespace compattatore
