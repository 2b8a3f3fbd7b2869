// The byte layouts of the three data files and how they reach the folder.

#include "compact/file_dati.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>

#include "app/file_sicuro.h"
#include "compact/codifica_le.h"
#include "tests/cartella_temporanea.h"

namespace compattatore {
namespace {

// Readers written out byte by byte, independent of the encoders under test.
std::uint8_t u8(const std::string& b, std::size_t o) {
  return static_cast<std::uint8_t>(b.at(o));
}
std::int16_t i16(const std::string& b, std::size_t o) {
  return static_cast<std::int16_t>(u8(b, o) | (u8(b, o + 1) << 8));
}
std::uint16_t u16(const std::string& b, std::size_t o) {
  return static_cast<std::uint16_t>(u8(b, o) | (u8(b, o + 1) << 8));
}
std::int32_t i32(const std::string& b, std::size_t o) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(u16(b, o)) |
                                   (static_cast<std::uint32_t>(u16(b, o + 2)) << 16));
}
double doppio(const std::string& b, std::size_t o) {
  std::uint64_t bits = 0;
  for (int k = 7; k >= 0; --k) bits = (bits << 8) | u8(b, o + static_cast<std::size_t>(k));
  double d;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}

std::string byte(std::initializer_list<int> valori) {
  std::string s;
  for (int v : valori) s.push_back(static_cast<char>(v));
  return s;
}

// Decodes one item row at offset o, moving o past it.
voce leggi_voce(const std::string& b, std::size_t& o) {
  voce v;
  v.categoria = u8(b, o + 0);
  v.valore_a = i32(b, o + 1);
  v.valore_b = i32(b, o + 5);
  v.valore_c = i32(b, o + 9);
  v.opzione = u8(b, o + 13);
  const std::size_t n = u16(b, o + 14);
  v.testo = b.substr(o + 16, n);
  v.intero1 = i16(b, o + 16 + n);
  v.intero2 = i16(b, o + 18 + n);
  v.intero3 = i16(b, o + 20 + n);
  v.intero4 = i16(b, o + 22 + n);
  v.intero5 = i16(b, o + 24 + n);
  v.byte1 = u8(b, o + 26 + n);
  v.byte2 = u8(b, o + 27 + n);
  v.byte3 = u8(b, o + 28 + n);
  v.byte4 = u8(b, o + 29 + n);
  v.valore_d = i32(b, o + 30 + n);
  o += 34 + n;
  return v;
}

std::string descrivi(const voce& v) {
  return std::to_string(v.categoria) + " " + std::to_string(v.valore_a) + " " +
         std::to_string(v.valore_b) + " " + std::to_string(v.valore_c) + " " +
         std::to_string(v.opzione) + " [" + v.testo + "] " + std::to_string(v.intero1) + " " +
         std::to_string(v.intero2) + " " + std::to_string(v.intero3) + " " +
         std::to_string(v.intero4) + " " + std::to_string(v.intero5) + " " +
         std::to_string(v.byte1) + " " + std::to_string(v.byte2) + " " + std::to_string(v.byte3) +
         " " + std::to_string(v.byte4) + " " + std::to_string(v.valore_d);
}

cella leggi_cella(const std::string& b, std::size_t indice) {
  const std::size_t o = 15 * indice;
  cella c;
  c.tipo_cella = u8(b, o + 0);
  c.valore1 = i16(b, o + 1);
  c.valore2 = i16(b, o + 3);
  c.valore3 = i16(b, o + 5);
  c.valore4 = i16(b, o + 7);
  c.tempo_segnale = u8(b, o + 9);
  c.preavviso = u8(b, o + 10);
  c.tipo_montagna = u8(b, o + 11);
  c.velocita_limite = u8(b, o + 12);
  c.pendenza = u8(b, o + 13);
  c.aderenza = u8(b, o + 14);
  return c;
}

std::string descrivi(const cella& c) {
  std::string t;
  for (int v : {int{c.tipo_cella}, int{c.valore1}, int{c.valore2}, int{c.valore3}, int{c.valore4},
                int{c.tempo_segnale}, int{c.preavviso}, int{c.tipo_montagna},
                int{c.velocita_limite}, int{c.pendenza}, int{c.aderenza}})
    t += (t.empty() ? "" : " ") + std::to_string(v);
  return t;
}

// Line "A", train "1", four route cells and a few filled rows, with values
// whose bytes differ so a field at a wrong offset shows.
scenario piccolo_scenario() {
  scenario s;
  s.nome_linea = "A";
  s.numero_treno = "1";
  s.fine_percorso = 3;
  s.percorso.assign(4, cella{});
  s.percorso[1] = {segnale, 0x1234, -2, 300, -32768, 200, 61, 2, 24, 105, 7};
  s.percorso[3] = {abbattimento, 180, 0, 0, 0, 0, 0, 0, 255, 0, 0};

  voce& stazione = s.voci[1];
  stazione = {3, -1, 92000, 0x01020304, 9, "Stazione \xC8", -5, 2, 3, 4, 5, 250, 6, 7, 8, 45296};
  s.voci[80].testo = "km";
  s.voci[85].testo = "A";
  s.voci[85].intero1 = 610;
  s.voci[85].valore_d = 33907;
  s.voci[86].testo = "1";
  return s;
}

TEST(FileDati, LittleEndianWritersPutTheLowByteFirst) {
  std::string b;
  aggiungi_u8(b, 0xAB);
  aggiungi_i16(b, -2);
  aggiungi_u16(b, 0x1234);
  aggiungi_i32(b, 0x01020304);
  aggiungi_i32(b, -1);
  aggiungi_doppio(b, 1.0);
  EXPECT_EQ(b, byte({0xAB, 0xFE, 0xFF, 0x34, 0x12, 0x04, 0x03, 0x02, 0x01, 0xFF, 0xFF,
                     0xFF, 0xFF, 0,    0,    0,    0,    0,    0,    0xF0, 0x3F}));
}

TEST(FileDati, ItemTableRowsDecodeFieldByField) {
  const scenario s = piccolo_scenario();
  const std::string b = codifica_voci(s);

  EXPECT_EQ(b.substr(0, 34), std::string(34, '\0')) << "row 0 is 34 zero bytes";
  // Row 1 starts right after row 0; its text length sits at 14 and the
  // fields after the text move with it.
  EXPECT_EQ(u8(b, 34 + 0), 3);
  EXPECT_EQ(i32(b, 34 + 1), -1);
  EXPECT_EQ(i32(b, 34 + 5), 92000);
  EXPECT_EQ(i32(b, 34 + 9), 0x01020304);
  EXPECT_EQ(u8(b, 34 + 13), 9);
  EXPECT_EQ(u16(b, 34 + 14), 10);
  EXPECT_EQ(b.substr(34 + 16, 10), "Stazione \xC8") << "Windows-1252 bytes go out unchanged";
  EXPECT_EQ(i16(b, 34 + 26), -5);
  EXPECT_EQ(i16(b, 34 + 34), 5);
  EXPECT_EQ(u8(b, 34 + 36), 250);
  EXPECT_EQ(u8(b, 34 + 39), 8);
  EXPECT_EQ(i32(b, 34 + 40), 45296);

  std::size_t o = 0;
  for (int r = 0; r < numero_voci; ++r)
    EXPECT_EQ(descrivi(leggi_voce(b, o)), descrivi(s.voci[r])) << "row " << r;
  EXPECT_EQ(o, b.size()) << "nothing follows row 86";
  EXPECT_EQ(b.size(), 87u * 34 + 10 + 2 + 1 + 1);
}

TEST(FileDati, RouteCellsAreFifteenBytesEach) {
  const scenario s = piccolo_scenario();
  const std::string b = codifica_percorso(s);
  ASSERT_EQ(b.size(), 15u * 4);
  EXPECT_EQ(b.substr(0, 15), std::string(15, '\0'));
  EXPECT_EQ(u8(b, 15 + 1), 0x34) << "valore1 follows tipo_cella with no gap, low byte first";
  EXPECT_EQ(u8(b, 15 + 2), 0x12);
  for (std::size_t i = 0; i < s.percorso.size(); ++i)
    EXPECT_EQ(descrivi(leggi_cella(b, i)), descrivi(s.percorso[i])) << "cell " << i;
}

TEST(FileDati, TrackPlanWritesXRunThenYRunAsTaggedValues) {
  scenario s;
  s.profilo.crea(3);
  s.profilo.imposta_intero(0, coordinata_x, 0);
  s.profilo.imposta_intero(0, coordinata_y, 0);
  s.profilo.imposta_intero(1, coordinata_x, 0);
  s.profilo.imposta_intero(1, coordinata_y, 1);
  s.profilo.imposta_doppio(2, coordinata_x, 0.25);
  s.profilo.imposta_doppio(2, coordinata_y, -1500.0);
  const std::string atteso =
      byte({2, 0, 0, 0, 2, 0, 0, 0,                         // x of metres 0 and 1
            5, 0, 0, 0, 0, 0, 0, 0,    0xD0, 0x3F, 0, 0,    // x of metre 2, metre 3 empty
            2, 0, 0, 0, 2, 0, 1, 0,                         // y of metres 0 and 1
            5, 0, 0, 0, 0, 0, 0, 0x70, 0x97, 0xC0, 0, 0});  // y of metre 2, metre 3 empty
  EXPECT_EQ(codifica_tracciato(s), atteso);
}

TEST(FileDati, StraightTrackPlanHasTheExpectedSize) {
  constexpr std::int32_t l = 40;
  scenario s;
  s.profilo.crea(l + coda_percorso);
  for (int c : {coordinata_x, coordinata_y}) {
    s.profilo.imposta_intero(0, c, 0);
    s.profilo.imposta_intero(1, c, c == coordinata_y ? 1 : 0);
    for (std::int32_t m = 2; m <= l + 6998; ++m)
      s.profilo.imposta_doppio(m, c, c == coordinata_y ? m : 0.0);
  }
  const std::string b = codifica_tracciato(s);
  EXPECT_EQ(b.size(), 2u * (10 * (l + 7000) - 18));

  // Walk the elements: only types 0, 2 and 5, and x and y runs alike.
  std::size_t o = 0;
  std::size_t meta = 0;
  double ultimo_y = 0;
  for (std::int32_t k = 0; k < 2 * (l + 7001); ++k) {
    if (k == l + 7001) meta = o;
    const std::uint16_t tipo = u16(b, o);
    ASSERT_TRUE(tipo == 0 || tipo == 2 || tipo == 5) << "element " << k;
    if (tipo == 5 && k > l + 7001) ultimo_y = doppio(b, o + 2);
    o += tipo == 0 ? 2 : tipo == 2 ? 4 : 10;
  }
  EXPECT_EQ(o, b.size());
  EXPECT_EQ(meta * 2, b.size());
  EXPECT_EQ(ultimo_y, l + 6998.0);
}

TEST(FileDati, RefusesWhatTheFilesCannotHold) {
  scenario testo_lungo = piccolo_scenario();
  testo_lungo.voci[80].testo = std::string(32767, 'x');
  EXPECT_NO_THROW(codifica_voci(testo_lungo));
  testo_lungo.voci[80].testo += 'x';
  EXPECT_THROW(codifica_voci(testo_lungo), std::length_error);

  for (double fuori : {32768.0, -32769.0, 0.5}) {
    scenario s;
    s.profilo.crea(1);
    s.profilo.at(1, coordinata_y) = {tipo_valore::intero16, fuori};
    EXPECT_THROW(codifica_tracciato(s), std::invalid_argument) << fuori;
  }
}

TEST(FileDati, WritesTheThreeFilesUnderTheirNames) {
  cartella_temporanea cartella;
  scenario s = piccolo_scenario();
  s.con_profilo = 1;
  s.profilo.crea(2);
  s.profilo.imposta_intero(1, coordinata_y, 1);
  scrivi_file_dati(s, cartella.percorso());
  EXPECT_EQ(cartella.elenco(), "A_1.dat A_1.sim A_linea.dat");
  EXPECT_EQ(leggi_file(cartella.percorso() / "A_linea.dat"), codifica_tracciato(s));
  EXPECT_EQ(leggi_file(cartella.percorso() / "A_1.sim"), codifica_voci(s));
  EXPECT_EQ(leggi_file(cartella.percorso() / "A_1.dat"), codifica_percorso(s));
}

TEST(FileDati, WithoutTrackPlanTheEarlierPlanIsLeftAlone) {
  cartella_temporanea cartella;
  sostituisci_file(cartella.percorso() / "A_linea.dat", "earlier plan");
  sostituisci_file(cartella.percorso() / "A_1.dat", std::string(1000, 'z'));
  scenario s = piccolo_scenario();
  s.con_profilo = 0;
  scrivi_file_dati(s, cartella.percorso());
  EXPECT_EQ(cartella.elenco(), "A_1.dat A_1.sim A_linea.dat");
  EXPECT_EQ(leggi_file(cartella.percorso() / "A_linea.dat"), "earlier plan");
  EXPECT_EQ(leggi_file(cartella.percorso() / "A_1.dat"), codifica_percorso(s))
      << "a longer earlier file leaves no trailing bytes";
}

TEST(FileDati, AStoreThatCannotBeEncodedTouchesNoFile) {
  cartella_temporanea cartella;
  scenario s = piccolo_scenario();
  s.con_profilo = 1;
  s.profilo.crea(2);
  s.voci[80].testo = std::string(40000, 'x');
  try {
    scrivi_file_dati(s, cartella.percorso());
    FAIL() << "an item text too long for its length field must be refused";
  } catch (const errore_file& e) {
    EXPECT_EQ(e.file(), cartella.percorso() / "A_1.sim");
  }
  EXPECT_EQ(cartella.elenco(), "") << "not even the track plan, encoded first, is written";
}

}  // namespace
}  // namespace compattatore
