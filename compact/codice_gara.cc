#include "compact/codice_gara.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace compattatore {
namespace {

// Appended so that the code text always reaches the length the codes count,
// however short the names.
constexpr std::string_view riempitivo = "aabbccddeeffgghhiillmmnnoo";
constexpr std::size_t caratteri_contati = 25;
static_assert(riempitivo.size() > caratteri_contati);

// Lower case in the Windows-1252 code page, in which the names are held.
unsigned char minuscola(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 0x20);
  // 0xD7 is the multiplication sign, between the accented capitals.
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 0x20);
  switch (c) {
    case 0x8A:
      return 0x9A;  // S caron
    case 0x8C:
      return 0x9C;  // OE ligature
    case 0x8E:
      return 0x9E;  // Z caron
    case 0x9F:
      return 0xFF;  // Y diaeresis
    default:
      return c;
  }
}

// Train number then line name, as the reader copied them into the header
// rows, lower-cased, then the filler.
void prepara_testo_codice(scenario& s) {
  std::string testo = s.voci[voce_treno].testo + s.voci[voce_linea].testo;
  for (char& c : testo) c = static_cast<char>(minuscola(static_cast<unsigned char>(c)));
  testo += riempitivo;
  s.riga = std::move(testo);
}

// The byte value, 0 to 255: a plain char may be signed.
std::int32_t codice_carattere(char c) {
  return static_cast<std::int32_t>(static_cast<unsigned char>(c));
}

std::size_t caratteri_in_conto(const std::string& testo) {
  return std::min(testo.size(), caratteri_contati);
}

}  // namespace

std::int32_t codice_gara_st(scenario& s) {
  prepara_testo_codice(s);
  std::int32_t somma = 0;
  const std::size_t n = caratteri_in_conto(s.riga);
  for (std::size_t p = 1; p <= n; ++p)
    somma += static_cast<std::int32_t>(p) * codice_carattere(s.riga[p - 1]);
  return somma;
}

std::int16_t codice_gara_og(scenario& s) {
  prepara_testo_codice(s);
  std::int32_t somma = 0;
  const std::size_t n = caratteri_in_conto(s.riga);
  for (std::size_t p = 0; p < n; ++p) somma += codice_carattere(s.riga[p]);
  // At most 25 x 255 = 6375.
  return static_cast<std::int16_t>(somma);
}

int timbra_codice_gara(scenario& s) {
  voce& linea = s.voci[voce_linea];
  cella& prima = s.cella_in(1);
  // Both slots are checked before anything is written, so a refused stamp
  // leaves the store exactly as the completion pass left it.
  if (linea.intero1 != 0 || prima.valore1 != 0) return avviso_marcatore_occupato;
  if (linea.valore_d != 0 || prima.valore2 != 0) return avviso_codice_occupato;

  linea.intero1 = marcatore_voci;
  prima.valore1 = marcatore_percorso;
  linea.valore_d = codice_gara_st(s);
  prima.valore2 = codice_gara_og(s);
  return 0;
}

}  // namespace compattatore
