// The scenario codes and the stamp that puts them, with their markers, into
// the item table and route cell 1.

#include "compact/codice_gara.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace compattatore {
namespace {

// A store as the reader leaves it: names copied into the header rows and a
// few route cells.
scenario con_nomi(const std::string& treno, const std::string& linea) {
  scenario s;
  s.voci[voce_treno].testo = treno;
  s.voci[voce_linea].testo = linea;
  s.fine_percorso = 4;
  s.percorso.assign(5, cella{});
  return s;
}

struct codici {
  std::int32_t st;
  std::int16_t og;
};

codici calcola(const std::string& treno, const std::string& linea) {
  scenario s = con_nomi(treno, linea);
  codici c;
  c.st = codice_gara_st(s);
  c.og = codice_gara_og(s);
  return c;
}

TEST(CodiceGara, WorkedExamples) {
  struct caso {
    const char* treno;
    const char* linea;
    const char* primi_25;
    std::int16_t og;
    std::int32_t st;
  } casi[] = {
      {"1", "A", "1aaabbccddeeffgghhiillmmn", 2508, 33907},
      {"46183", "Castoria_Belvento", "46183castoria_belventoaab", 2366, 33290},
      // Empty names: the filler alone.
      {"", "", "aabbccddeeffgghhiillmmnno", 2583, 34355},
      // Names of 25 characters or more never reach the filler.
      {"abcdefghijklmnopqrstuvwxyz", "", "abcdefghijklmnopqrstuvwxy", 2725, 36725},
  };
  for (const caso& c : casi) {
    scenario s = con_nomi(c.treno, c.linea);
    EXPECT_EQ(codice_gara_st(s), c.st) << c.treno << "/" << c.linea;
    EXPECT_EQ(s.riga.substr(0, 25), c.primi_25);
    EXPECT_EQ(codice_gara_og(s), c.og) << c.treno << "/" << c.linea;
  }
}

TEST(CodiceGara, CodeTextIsLeftInRiga) {
  scenario s = con_nomi("46183", "Castoria_Belvento");
  codice_gara_og(s);
  EXPECT_EQ(s.riga, "46183castoria_belventoaabbccddeeffgghhiillmmnnoo");
}

TEST(CodiceGara, CaseDoesNotChangeTheCodes) {
  const codici basso = calcola("46183", "castoria_belvento");
  for (const char* linea : {"Castoria_Belvento", "CASTORIA_BELVENTO", "cAsToRiA_bElVeNtO"}) {
    const codici c = calcola("46183", linea);
    EXPECT_EQ(c.st, basso.st) << linea;
    EXPECT_EQ(c.og, basso.og) << linea;
  }
}

TEST(CodiceGara, WindowsLettersLowerAndCountAsUnsignedBytes) {
  struct caso {
    unsigned char maiuscola;
    unsigned char minuscola;
  } casi[] = {
      {0xC9, 0xE9},
      {0xC0, 0xE0},
      {0xDE, 0xFE},
      {0x8A, 0x9A},
      {0x8C, 0x9C},
      {0x8E, 0x9E},
      {0x9F, 0xFF},
      // The multiplication sign and the sharp s have no case.
      {0xD7, 0xD7},
      {0xDF, 0xDF},
      {0xE9, 0xE9},
  };
  for (const caso& c : casi) {
    scenario s = con_nomi(std::string(1, static_cast<char>(c.maiuscola)), "");
    const std::int32_t st = codice_gara_st(s);
    ASSERT_FALSE(s.riga.empty());
    EXPECT_EQ(static_cast<unsigned char>(s.riga[0]), c.minuscola) << int{c.maiuscola};
    // The same text with an "a" in first place: the codes differ by exactly
    // the byte value minus 97, at weight 1.
    const codici a = calcola("a", "");
    EXPECT_EQ(st - a.st, c.minuscola - 97) << int{c.maiuscola};
    EXPECT_EQ(codice_gara_og(s) - a.og, c.minuscola - 97) << int{c.maiuscola};
  }
}

TEST(CodiceGara, StampPutsMarkersAndCodes) {
  scenario s = con_nomi("1", "A");
  s.cella_in(1).valore3 = 77;
  ASSERT_EQ(timbra_codice_gara(s), 0);
  EXPECT_EQ(s.voci[voce_linea].intero1, 610);
  EXPECT_EQ(s.voci[voce_linea].valore_d, 33907);
  EXPECT_EQ(s.cella_in(1).valore1, 5121);
  EXPECT_EQ(s.cella_in(1).valore2, 2508);
  EXPECT_EQ(s.cella_in(1).valore3, 77);
  EXPECT_EQ(s.riga.substr(0, 25), "1aaabbccddeeffgghhiillmmn");
}

TEST(CodiceGara, TakenSlotsRefuseTheStampAndChangeNothing) {
  struct caso {
    const char* nome;
    std::int16_t intero1;
    std::int16_t valore1;
    std::int32_t valore_d;
    std::int16_t valore2;
    int atteso;
  } casi[] = {
      {"item marker taken", 1, 0, 0, 0, avviso_marcatore_occupato},
      {"cell marker taken", 0, 180, 0, 0, avviso_marcatore_occupato},
      {"both markers and a code", 5, 5, 0, 5, avviso_marcatore_occupato},
      {"cell code taken", 0, 0, 0, -3, avviso_codice_occupato},
      {"item code taken", 0, 0, 12, 0, avviso_codice_occupato},
  };
  for (const caso& c : casi) {
    scenario s = con_nomi("1", "A");
    s.riga = "earlier field";
    s.voci[voce_linea].intero1 = c.intero1;
    s.voci[voce_linea].valore_d = c.valore_d;
    s.cella_in(1).valore1 = c.valore1;
    s.cella_in(1).valore2 = c.valore2;
    EXPECT_EQ(timbra_codice_gara(s), c.atteso) << c.nome;
    EXPECT_EQ(s.voci[voce_linea].intero1, c.intero1) << c.nome;
    EXPECT_EQ(s.voci[voce_linea].valore_d, c.valore_d) << c.nome;
    EXPECT_EQ(s.cella_in(1).valore1, c.valore1) << c.nome;
    EXPECT_EQ(s.cella_in(1).valore2, c.valore2) << c.nome;
    EXPECT_EQ(s.riga, "earlier field") << c.nome;
  }
}

}  // namespace
}  // namespace compattatore
