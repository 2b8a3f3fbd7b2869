// Reading the line script: the general section, its statuses and the files
// each leaves behind, the kilometric references, the dash and case rules.

#include <gtest/gtest.h>

#include "reader/gestori_righe.h"
#include "store/stato.h"
#include "tests/lettura_copioni.h"

namespace compattatore {
namespace {

const char* const solo_treno = "Linea_7-.txt";
const char* const nessun_file = "";

TEST(LetturaLinea, StatusesAndTheFilesTheyLeave) {
  struct caso {
    const char* nome;
    std::optional<std::string> linea;
    int stato;
    const char* rimasti;
  } casi[] = {
      {"missing line script", std::nullopt, 101, solo_treno},
      {"no [generale]", righe({"lunghezza percorso, 92000", "[fine]"}), 102, solo_treno},
      {"[generale] as the very last field", righe({"preamble", "[generale]"}), 102, solo_treno},
      {"empty line script", std::string(), 102, solo_treno},
      {"track length above the limit", copione_linea("", 1000001), 1, solo_treno},
      {"track length of 0", copione_linea("", 0), 1, solo_treno},
      {"no track-length row", righe({"[generale]", "sfondo uno, 3", "[fine]"}), 1, solo_treno},
      {"repetition start off the grid",
       copione_linea("", 92000, "ripetizione segnali 4, 60120, 90000\r\n"), 3, solo_treno},
      {"repetition end off the grid",
       copione_linea("", 92000, "ripetizione segnali 4, 60100, 90025\r\n"), 4, solo_treno},
      {"repetition without 4 or 9", copione_linea("", 92000, "ripetizione segnali, 60100, 0\r\n"),
       5, solo_treno},
      {"curve without class digit", copione_linea("curvad7,  550,  100\r\n"), 103, solo_treno},
      {"two boards in one cell",
       copione_linea("indicatori_vmax, 500, 75, 80, 80, 0, , , , 0\r\nindicatori_vmax, 510, 80, "
                     "85, 85, 0, , , , 0\r\n"),
       21, solo_treno},
      {"sign on a board",
       copione_linea(
           "indicatori_vmax, 500, 75, 80, 80, 0, , , , 0\r\ncartello indicatore, 510, VIA\r\n"),
       6, solo_treno},
      {"gradient beyond the route", copione_linea("pendenza, 98901, 3\r\n"), 15, nessun_file},
      {"number too large", copione_linea("pendenza, 99999999999, 3\r\n"), 25, nessun_file},
      {"row cut short by the end",
       righe({"[generale]", "lunghezza percorso, 92000", "[x]", "pendenza, 100"}), 25, nessun_file},
      {"raised chainage beyond 32 bits",
       copione_linea("", 92000, "progressiva chilometrica uno, 100, 2147483600, 1\r\n"), 25,
       nessun_file},
      {"clean script", copione_linea("pendenza, 0, 0\r\n"), 0, nessun_file},
  };
  for (const caso& c : casi) {
    lettura_prova esito = leggi_copioni(c.linea, copione_treno());
    EXPECT_EQ(esito.s.codice_errore, c.stato) << c.nome;
    EXPECT_EQ(esito.file_rimasti, c.rimasti) << c.nome;
    EXPECT_EQ(esito.s.voci[voce_linea].testo, "Linea") << c.nome;
    EXPECT_EQ(esito.s.voci[voce_treno].testo, "7") << c.nome;
  }
}

TEST(LetturaLinea, BuiltInGeneralSection) {
  std::string linea =
      righe({"[generale]", "lunghezza percorso,    92000",
             "progressiva chilometrica uno,    0,    87750,    1",
             "progressiva chilometrica due,    0,    0,    0",
             "progressiva chilometrica tre,    0,    0,    0", "sfondo uno,    0",
             "sfondo due,    1", "sfondo tre,    4000",
             "ripetizione segnali 4 codici,    60100,    90000", "[curve]", "[fine]"});
  scenario s = leggi_copioni(linea, copione_treno()).s;
  EXPECT_EQ(s.codice_errore, 0);
  EXPECT_EQ(s.voci[voce_totali].valore_b, 92000);
  EXPECT_EQ(s.fine_profilo, 99000);
  EXPECT_EQ(s.fine_percorso, 1980);
  EXPECT_EQ(s.percorso.size(), 1981u);
  EXPECT_EQ(s.profilo.metri(), 99001);
  const voce& linea85 = s.voci[voce_linea];
  EXPECT_EQ((std::array{linea85.valore_a, linea85.valore_b, linea85.valore_c}),
            (std::array{0, 4000, 1}));
  const voce& treno86 = s.voci[voce_treno];
  EXPECT_EQ((std::array{treno86.valore_a, treno86.valore_b, treno86.valore_c}),
            (std::array{60100, 90000, 4}));
  const voce& tre = s.voci[voce_progressiva_tre];
  EXPECT_EQ((std::array{tre.valore_a, tre.valore_b, tre.valore_c}), (std::array{0, 87850, 1}));
  for (int r : {voce_progressiva_due, voce_progressiva_uno}) {
    const voce& v = s.voci[static_cast<std::size_t>(r)];
    EXPECT_EQ((std::array{v.valore_a, v.valore_b, v.valore_c}), (std::array{0, 0, 0}));
  }
}

TEST(LetturaLinea, SizingAtTheLengthLimitAndWithoutTrackPlan) {
  scenario s = leggi_copioni(copione_linea("", 1000000), copione_treno()).s;
  EXPECT_EQ(s.codice_errore, 0);
  EXPECT_EQ(s.fine_percorso, 20140);
  scenario senza = leggi_copioni(copione_linea("curvas4, 550, 100\r\n"), copione_treno(), 0).s;
  EXPECT_EQ(senza.codice_errore, 0);
  EXPECT_FALSE(senza.profilo.allocato());
}

TEST(LetturaLinea, SignalRepetitionCodes) {
  struct caso {
    const char* riga;
    int codici;
  } casi[] = {
      {"ripetizione segnali 4 codici, 60100, 90000", 4},
      {"ripetizione segnali 9 codici, 60100, 90000", 9},
      {"ripetizione segnali 9 o 4, 60100, 90000", 4},
      {"ripetizione segnali 9, 60100, 0", 0},
  };
  for (const caso& c : casi) {
    scenario s =
        leggi_copioni(copione_linea("", 92000, std::string(c.riga) + "\r\n"), copione_treno()).s;
    EXPECT_EQ(s.codice_errore, 0) << c.riga;
    EXPECT_EQ(s.voci[voce_treno].valore_c, c.codici) << c.riga;
  }
}

std::array<std::int32_t, 9> progressive(const scenario& s) {
  std::array<std::int32_t, 9> v{};
  for (int n = 0; n < 3; ++n) {
    const voce& r = s.voci[static_cast<std::size_t>(voce_progressiva_tre + n)];
    v[static_cast<std::size_t>(3 * n)] = r.valore_a;
    v[static_cast<std::size_t>(3 * n + 1)] = r.valore_b;
    v[static_cast<std::size_t>(3 * n + 2)] = r.valore_c;
  }
  return v;
}

TEST(LetturaLinea, KilometricReferencesAreOrdered) {
  using terne = std::array<std::int32_t, 9>;  // tre, due, uno as read; rows 81..83 after
  struct caso {
    terne lette;
    terne attese;
  } casi[] = {
      // Descending positions.
      {{0, 1000, 0, 30000, 2000, 0, 60000, 3000, 0}, {60000, 3000, 0, 30000, 2000, 0, 0, 1000, 0}},
      // Equal lesser positions: "uno" before "due" before "tre".
      {{0, 100, 0, 0, 200, 0, 500, 300, 0}, {500, 300, 0, 0, 200, 0, 0, 100, 0}},
      {{500, 100, 0, 0, 200, 0, 0, 300, 0}, {500, 100, 0, 0, 300, 0, 0, 200, 0}},
      // Two share the greatest position: all cleared.
      {{500, 100, 0, 500, 200, 0, 0, 300, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0}},
      // All positions 0: the first of uno, due, tre with a chainage.
      {{0, 0, 0, 0, 0, 0, 0, 87750, 1}, {0, 87850, 1, 0, 0, 0, 0, 0, 0}},
      {{0, 50, 0, 0, 100, 0, 0, 0, 0}, {0, 100, 0, 0, 50, 0, 0, 0, 0}},
      {{0, 50, 0, 0, 0, 0, 0, 0, 0}, {0, 50, 0, 0, 0, 0, 0, 0, 0}},
      {{0, 0, 1, 0, -5, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0}},
      // A flag of 1 raises the chainage by 100.
      {{100, 1000, 1, 0, 0, 0, 0, 0, 0}, {100, 1100, 1, 0, 0, 0, 0, 0, 0}},
  };
  for (const caso& c : casi) {
    scenario s;
    for (int n = 0; n < 3; ++n) {
      voce& r = s.voci[static_cast<std::size_t>(voce_progressiva_tre + n)];
      r.valore_a = c.lette[static_cast<std::size_t>(3 * n)];
      r.valore_b = c.lette[static_cast<std::size_t>(3 * n + 1)];
      r.valore_c = c.lette[static_cast<std::size_t>(3 * n + 2)];
    }
    progressive_ordina(s);
    EXPECT_EQ(progressive(s), c.attese) << testing::PrintToString(c.lette);
  }
}

TEST(LetturaLinea, KilometricReferencesOffTheGridAreRefusedAtTheEnd) {
  std::string generale = "progressiva chilometrica due, 30000, 1030, 0\r\n";
  lettura_prova esito = leggi_copioni(copione_linea("", 92000, generale), copione_treno());
  EXPECT_EQ(esito.s.codice_errore, 2);
  EXPECT_EQ(esito.file_rimasti, "");
  EXPECT_EQ(esito.s.luogo_errore().riga, 3);
  EXPECT_EQ(esito.s.luogo_errore().file, "Linea_linea.txt");
  // A chainage ending in 50 stays on the grid once raised by 100.
  generale = "progressiva chilometrica due, 30000, 1050, 1\r\n";
  EXPECT_EQ(leggi_copioni(copione_linea("", 92000, generale), copione_treno()).s.codice_errore, 0);
}

TEST(LetturaLinea, CaseRulesOfTheGeneralSection) {
  std::string linea =
      righe({"[GENERALE]", "LUNGHEZZA PERCORSO, 92000", "PROGRESSIVA chilometrica uno, 0, 87750, 1",
             "SFONDO uno, 7", "sfondo UNO, 8", "[fine]"});
  scenario s = leggi_copioni(linea, copione_treno()).s;
  EXPECT_EQ(s.codice_errore, 0);
  EXPECT_EQ(s.voci[voce_totali].valore_b, 92000);
  // The unrecognised rows' numbers are read as fields and ignored.
  EXPECT_EQ(progressive(s), (std::array<std::int32_t, 9>{}));
  EXPECT_EQ(s.voci[voce_linea].valore_a, 0);
}

TEST(LetturaLinea, DashRuleLimits) {
  // In the general section ten fields with "-" are passed over: the
  // eleventh is used unchanged, and being a "-" field it ends nothing.
  std::string dieci;
  for (int n = 0; n < 10; ++n) dieci += "- comment\r\n";
  scenario s =
      leggi_copioni(copione_linea("", 92000, dieci + "sfondo uno, 5\r\n"), copione_treno()).s;
  EXPECT_EQ(s.voci[voce_linea].valore_a, 5);
  s = leggi_copioni(copione_linea("", 92000, dieci + "- sfondo uno, 5\r\n"), copione_treno()).s;
  EXPECT_EQ(s.voci[voce_linea].valore_a, 5);
  // Among the feature rows two are passed over, the third is examined.
  std::string elementi = "- a\r\n- b\r\n-montagna, 1000, 1500, 2\r\n";
  s = leggi_copioni(copione_linea(elementi), copione_treno()).s;
  EXPECT_EQ(s.numero_montagne, 1);
  elementi = "- a\r\n-montagna, 1000, 1500, 2\r\n";
  s = leggi_copioni(copione_linea(elementi), copione_treno()).s;
  EXPECT_EQ(s.codice_errore, 0);
  EXPECT_EQ(s.numero_montagne, 0) << "a disabled row's numbers are read and ignored";
}

TEST(LetturaLinea, LastFieldIsNeverActedOn) {
  // A keyword alone on the last line is not acted on; a full row there is.
  std::string linea = righe({"[generale]", "lunghezza percorso, 92000", "[x]", "montagna"});
  EXPECT_EQ(leggi_copioni(linea, copione_treno()).s.codice_errore, 0);
  linea = righe({"[generale]", "lunghezza percorso, 92000", "[x]", "montagna, 1000, 1500, 2"});
  scenario s = leggi_copioni(linea, copione_treno()).s;
  EXPECT_EQ(s.numero_montagne, 1);
  // A general section running to the end of the script is no error.
  linea = righe({"[generale]", "lunghezza percorso, 92000", "sfondo uno, 4"});
  s = leggi_copioni(linea, copione_treno()).s;
  EXPECT_EQ(s.codice_errore, 0);
  EXPECT_EQ(s.voci[voce_linea].valore_a, 4);
}

}  // namespace
}  // namespace compattatore
