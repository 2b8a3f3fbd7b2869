#include "compact/file_dati.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <stdexcept>

#include "app/file_sicuro.h"
#include "app/nomi_file.h"
#include "compact/codifica_le.h"

namespace compattatore {
namespace {

// Track plan element: type code u16, then nothing (vuoto), an i16 (intero16)
// or a double (doppio). All x values for every metre, then all y values.
constexpr std::size_t dimensione_tipo = 2;
constexpr std::size_t dimensione_vuoto = dimensione_tipo;
constexpr std::size_t dimensione_intero = dimensione_tipo + 2;
constexpr std::size_t dimensione_doppio = dimensione_tipo + 8;
static_assert(dimensione_vuoto == 2 && dimensione_intero == 4 && dimensione_doppio == 10);

// Item row: categoria u8, valore_a i32, valore_b i32, valore_c i32, opzione u8,
// text length u16, the text bytes, intero1..intero5 i16, byte1..byte4 u8,
// valore_d i32. Only the text varies in size.
constexpr std::size_t parte_fissa_voce = 1 + 4 + 4 + 4 + 1 + 2 + 5 * 2 + 4 * 1 + 4;
static_assert(parte_fissa_voce == 34);

// The simulator reads the text length back as a 16-bit count; keeping it
// within the positive half means it reads the same whether that count is taken
// as signed or unsigned. A longer text would shift every later field.
constexpr std::size_t testo_massimo = 32767;

// Route cell: tipo_cella u8, valore1..valore4 i16, then tempo_segnale,
// preavviso, tipo_montagna, velocita_limite, pendenza, aderenza u8.
constexpr std::size_t dimensione_cella = 1 + 4 * 2 + 6 * 1;
static_assert(dimensione_cella == 15);

void aggiungi_elemento(std::string& uscita, const valore_profilo& e) {
  switch (e.tipo) {
    case tipo_valore::vuoto:
      aggiungi_u16(uscita, static_cast<std::uint16_t>(e.tipo));
      return;
    case tipo_valore::intero16:
      // A value that is not a whole 16-bit number would be silently changed
      // by the narrowing; the plan is refused instead.
      if (!(e.valore >= INT16_MIN && e.valore <= INT16_MAX) || std::trunc(e.valore) != e.valore)
        throw std::invalid_argument("track plan integer element outside 16 bits");
      aggiungi_u16(uscita, static_cast<std::uint16_t>(e.tipo));
      aggiungi_i16(uscita, static_cast<std::int16_t>(e.valore));
      return;
    case tipo_valore::doppio:
      aggiungi_u16(uscita, static_cast<std::uint16_t>(e.tipo));
      aggiungi_doppio(uscita, e.valore);
      return;
  }
  throw std::invalid_argument("track plan element of an unknown type");
}

void aggiungi_voce(std::string& uscita, const voce& v) {
  if (v.testo.size() > testo_massimo) throw std::length_error("item text longer than 32767 bytes");
  aggiungi_u8(uscita, v.categoria);
  aggiungi_i32(uscita, v.valore_a);
  aggiungi_i32(uscita, v.valore_b);
  aggiungi_i32(uscita, v.valore_c);
  aggiungi_u8(uscita, v.opzione);
  aggiungi_u16(uscita, static_cast<std::uint16_t>(v.testo.size()));
  // The text already holds Windows-1252 bytes, the code page the simulator
  // reads; it goes out unchanged.
  uscita += v.testo;
  aggiungi_i16(uscita, v.intero1);
  aggiungi_i16(uscita, v.intero2);
  aggiungi_i16(uscita, v.intero3);
  aggiungi_i16(uscita, v.intero4);
  aggiungi_i16(uscita, v.intero5);
  aggiungi_u8(uscita, v.byte1);
  aggiungi_u8(uscita, v.byte2);
  aggiungi_u8(uscita, v.byte3);
  aggiungi_u8(uscita, v.byte4);
  aggiungi_i32(uscita, v.valore_d);
}

void aggiungi_cella(std::string& uscita, const cella& c) {
  aggiungi_u8(uscita, c.tipo_cella);
  aggiungi_i16(uscita, c.valore1);
  aggiungi_i16(uscita, c.valore2);
  aggiungi_i16(uscita, c.valore3);
  aggiungi_i16(uscita, c.valore4);
  aggiungi_u8(uscita, c.tempo_segnale);
  aggiungi_u8(uscita, c.preavviso);
  aggiungi_u8(uscita, c.tipo_montagna);
  aggiungi_u8(uscita, c.velocita_limite);
  aggiungi_u8(uscita, c.pendenza);
  aggiungi_u8(uscita, c.aderenza);
}

}  // namespace

std::string codifica_tracciato(const scenario& s) {
  std::string uscita;
  const std::int32_t metri = s.profilo.metri();
  uscita.reserve(2 * static_cast<std::size_t>(metri) * dimensione_doppio);
  for (int coordinata : {coordinata_x, coordinata_y})
    for (std::int32_t m = 0; m < metri; ++m) aggiungi_elemento(uscita, s.profilo.at(m, coordinata));
  return uscita;
}

std::string codifica_voci(const scenario& s) {
  std::string uscita;
  uscita.reserve(s.voci.size() * parte_fissa_voce);
  for (const voce& v : s.voci) aggiungi_voce(uscita, v);
  return uscita;
}

std::string codifica_percorso(const scenario& s) {
  std::string uscita;
  uscita.reserve(s.percorso.size() * dimensione_cella);
  for (const cella& c : s.percorso) aggiungi_cella(uscita, c);
  return uscita;
}

void scrivi_file_dati(const scenario& s, const std::filesystem::path& cartella) {
  const bool con_tracciato = s.con_profilo != 0;
  const auto nome_tracciato = file_tracciato(cartella, s);
  const auto nome_voci = file_voci(cartella, s);
  const auto nome_percorso = file_percorso(cartella, s);

  // Everything is encoded before the first file is replaced: a store that
  // cannot be written leaves the files of the earlier run together, instead
  // of a new track plan beside an old item table.
  std::string tracciato, voci, percorso;
  const std::filesystem::path* in_corso = &nome_tracciato;
  try {
    if (con_tracciato) tracciato = codifica_tracciato(s);
    in_corso = &nome_voci;
    voci = codifica_voci(s);
    in_corso = &nome_percorso;
    percorso = codifica_percorso(s);
  } catch (const std::logic_error& e) {
    throw errore_file(*in_corso, "write", e.what());
  }

  if (con_tracciato) sostituisci_file(nome_tracciato, tracciato);
  sostituisci_file(nome_voci, voci);
  sostituisci_file(nome_percorso, percorso);
}

}  // namespace compattatore
