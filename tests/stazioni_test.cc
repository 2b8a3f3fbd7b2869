// Station rows: item rows from 1 upward, station areas, stop points and
// approach markers, and the station statuses.

#include <gtest/gtest.h>

#include "tests/lettura_copioni.h"

namespace compattatore {
namespace {

// A station row with the given position, type, length and area-extension
// flag; the other columns as the built-in rows of a type 12 station.
std::string stazione(int posizione, int tipo, int lunghezza, int estensione = 0,
                     const char* nome = "BORGO") {
  return "stazione, " + std::to_string(posizione) + ", " + std::to_string(tipo) + ", " +
         std::to_string(lunghezza) + ", 0, 0, " + std::to_string(estensione) +
         ", 1, 1, 0, 4, 1, 1, 60, 7, 5, 30, " + nome + "\r\n";
}

TEST(Stazioni, BuiltInFirstStationsAndTheirCells) {
  std::string treno =
      "stazione,      0,  8, 300, 0, 0, 0, 1, 1, 0, 4, 1, 1,  1, 6, 39, 0, FONTEBRUNA\r\n" +
      stazione(1800, 12, 300) + stazione(83500, 12, 400, 1, "PORTA FERRATA") +
      "stazione,  89000,  4, 400, 1, 0, 0, 1, 1, 0, 2, 1, 1,  0, 8, 15, 0, ROCCAFELCE\r\n";
  scenario s = leggi_copioni(copione_linea(), copione_treno(treno)).s;
  EXPECT_EQ(s.codice_errore, 0);
  EXPECT_EQ(descrivi_celle(s, 0, 40),
            "2:p83 3:p82 4:p81 5:t10,1,0,0,0 34:p84 35:p83 36:p82 37:p81 38:t10,2,0,0,0");
  EXPECT_EQ(descrivi_celle(s, 1674, 1674), "1674:t10,3,0,0,0");
  EXPECT_EQ(descrivi_celle(s, 1783, 1783), "1783:t10,4,0,0,0");
  const voce& prima = s.voci[1];
  EXPECT_EQ((std::array{prima.valore_a, prima.valore_b, prima.valore_c, prima.valore_d}),
            (std::array{-300, 300, 0, (6 * 60 + 39) * 60}));
  EXPECT_EQ(prima.categoria, 8);
  EXPECT_EQ(prima.byte2, 1);
  EXPECT_EQ(prima.testo, "FONTEBRUNA");
  const voce& porta = s.voci[3];
  EXPECT_EQ((std::array{porta.valore_a, porta.valore_b}), (std::array{83300, 83750}));
  EXPECT_EQ(porta.byte3, 1);
  EXPECT_EQ((std::array{porta.intero1, porta.intero2, porta.intero3, porta.intero4, porta.intero5}),
            (std::array<std::int16_t, 5>{1, 1, 4, 1, 1}));
  EXPECT_EQ(porta.valore_d, (7 * 60 + 5) * 60 + 30);
  const voce& ultima = s.voci[4];
  EXPECT_EQ((std::array{ultima.valore_a, ultima.valore_b}), (std::array{88800, 89200}));
  EXPECT_EQ(ultima.opzione, 1);
  EXPECT_EQ(s.voci[5].testo, "") << "rows above the last station stay as reset";
}

TEST(Stazioni, AreasByType) {
  struct caso {
    int tipo;
    int estensione;
    int lunghezza;
    std::array<std::int32_t, 2> area;
    const char* celle;  // 20000 m is cell 400
  } casi[] = {
      {5, 1, 300, {19700, 20150}, "402:t10,2,0,0,0"},
      {7, 0, 400, {19600, 20400}, "403:p84 404:p83 405:p82 406:p81 407:t10,2,0,0,0"},
      {22, 1, 300, {19850, 20200}, "399:p84 400:p83 401:p82 402:p81 403:t10,2,0,0,0"},
      {26, 0, 300, {19850, 20150}, ""},
  };
  for (const caso& c : casi) {
    std::string treno = stazione(0, 8, 300) + stazione(20000, c.tipo, c.lunghezza, c.estensione);
    scenario s = leggi_copioni(copione_linea(), copione_treno(treno)).s;
    EXPECT_EQ(s.codice_errore, 0) << c.tipo;
    EXPECT_EQ((std::array{s.voci[2].valore_a, s.voci[2].valore_b}), c.area) << c.tipo;
    EXPECT_EQ(descrivi_celle(s, 390, 410), c.celle) << c.tipo;
    EXPECT_EQ(s.voci[2].byte3, c.tipo == 5 || c.tipo == 7 ? 0 : c.estensione) << c.tipo;
  }
}

TEST(Stazioni, FlagsClearedForShortAndFirstStations) {
  std::string treno =
      "stazione, 0, 12, 300, 0, 1, 1, 0,0,0,0,0,0, 0, 0,0,0, A\r\n"
      "stazione, 5000, 12, 600, 0, 1, 1, 0,0,0,0,0,0, 0, 0,0,0, B\r\n"
      "stazione, 9000, 12, 500, 0, 1, 1, 0,0,0,0,0,0, 0, 0,0,0, C\r\n";
  scenario s = leggi_copioni(copione_linea(), copione_treno(treno)).s;
  EXPECT_EQ(s.codice_errore, 0);
  EXPECT_EQ((std::array{s.voci[1].byte3, s.voci[1].byte4}), (std::array<std::uint8_t, 2>{0, 0}));
  EXPECT_EQ(s.voci[1].valore_b, 200) << "the first station still gets the 50 extra metres";
  EXPECT_EQ((std::array{s.voci[2].byte3, s.voci[2].byte4}), (std::array<std::uint8_t, 2>{1, 1}));
  EXPECT_EQ((std::array{s.voci[3].byte3, s.voci[3].byte4}), (std::array<std::uint8_t, 2>{1, 0}));
}

TEST(Stazioni, Statuses) {
  struct caso {
    const char* nome;
    std::string righe_treno;
    int stato;
    int posizione;
  } casi[] = {
      {"position off the grid", stazione(1825, 12, 300), 8, 1825},
      {"length not a multiple of 100", stazione(2000, 12, 350), 9, 2000},
      {"gap of exactly 350 m", stazione(0, 12, 300) + stazione(650, 12, 300), 0, 0},
      {"gap of 300 m", stazione(0, 12, 300) + stazione(600, 12, 300), 22, 600},
      {"stop point on cell 1 or lower", stazione(0, 12, 200), 24, 0},
      {"beyond the route", stazione(98250, 12, 300), 15, 98250},
      {"long station whose stop point leaves the route", stazione(98200, 8, 1000), 15, 98200},
  };
  for (const caso& c : casi) {
    lettura_prova esito = leggi_copioni(copione_linea(), copione_treno(c.righe_treno));
    EXPECT_EQ(esito.s.codice_errore, c.stato) << c.nome;
    EXPECT_EQ(esito.s.posizione_errore, c.posizione) << c.nome;
    EXPECT_EQ(esito.file_rimasti, "") << c.nome;
  }
}

TEST(Stazioni, StopPointNearTheStartOfTheRoute) {
  // An area ending at 150 m: stop point in cell 2 and no marker; at 200 m:
  // cell 3 and one marker in cell 2.
  scenario s = leggi_copioni(copione_linea(), copione_treno(stazione(0, 12, 300))).s;
  EXPECT_EQ(descrivi_celle(s, 0, 10), "2:t10,1,0,0,0");
  s = leggi_copioni(copione_linea(), copione_treno(stazione(50, 12, 300))).s;
  EXPECT_EQ(descrivi_celle(s, 0, 10), "2:p81 3:t10,1,0,0,0");
  // The status 24 row is stored with its markers.
  s = leggi_copioni(copione_linea(), copione_treno(stazione(0, 12, 200))).s;
  EXPECT_EQ(s.voci[1].testo, "BORGO");
}

TEST(Stazioni, StationRowsMayNotReachTheSignRows) {
  auto molte = [](int quante) {
    std::string righe_treno;
    for (int n = 0; n < quante; ++n) righe_treno += stazione(n * 1000, 26, 300);
    return righe_treno;
  };
  lettura_prova esito = leggi_copioni(copione_linea(), copione_treno(molte(79)));
  EXPECT_EQ(esito.s.codice_errore, 10);
  EXPECT_EQ(esito.s.voci[79].valore_c, 78000) << "the 79th station is stored";
  EXPECT_EQ(leggi_copioni(copione_linea(), copione_treno(molte(78))).s.codice_errore, 0);
  std::string cartelli = righe({"cartello indicatore, 500, A", "cartello indicatore, 600, B",
                                "cartello indicatore, 700, C"});
  esito = leggi_copioni(copione_linea(cartelli), copione_treno(molte(76)));
  EXPECT_EQ(esito.s.codice_errore, 10);
  EXPECT_EQ(esito.s.voci[78].testo, "C") << "the sign rows are untouched";
  EXPECT_EQ(leggi_copioni(copione_linea(cartelli), copione_treno(molte(75))).s.codice_errore, 0);
}

TEST(Stazioni, StopPointReplacesASignalButNotTheOtherWay) {
  std::string segnale = "segnale, 1000, 2, 4, 1, 0, 0, 0, 0, 0, 0, 0\r\n";
  scenario s = leggi_copioni(copione_linea(), copione_treno(segnale + stazione(950, 12, 300))).s;
  EXPECT_EQ(s.codice_errore, 0);
  EXPECT_EQ(s.cella_in(21).tipo_cella, fermata);
  s = leggi_copioni(copione_linea(), copione_treno(stazione(950, 12, 300) + segnale)).s;
  EXPECT_EQ(s.codice_errore, 16);
  EXPECT_EQ(s.posizione_errore, 1000);
}

}  // namespace
}  // namespace compattatore
