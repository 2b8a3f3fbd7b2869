// Mountains, speed-indicator boards and signs on the route cells.

#include <gtest/gtest.h>

#include "tests/lettura_copioni.h"

namespace compattatore {
namespace {

std::string segni(const scenario& s, int da, int a) {
  std::string testo;
  for (int i = da; i <= a; ++i)
    if (s.cella_in(i).tipo_cella == segno_montagna)
      testo += (testo.empty() ? "" : " ") + std::to_string(i);
  return testo;
}

TEST(ElementiLinea, BuiltInMountains) {
  std::string elementi = righe({"montagna,   1000,  1500,  12", "montagna,   34600,  35300,  1",
                                "montagna,   42400,  43400,  12", "montagna,   77600,  81600,  2",
                                "montagna,   84400,  86650,  11"});
  scenario s = leggi_copioni(copione_linea(elementi), copione_treno()).s;
  EXPECT_EQ(s.codice_errore, 0);
  EXPECT_EQ(s.numero_montagne, 5);
  EXPECT_EQ(tratti(s, &cella::tipo_montagna, 0, 1980),
            "0-19:0 20-29:2 30-691:0 692-705:1 706-847:0 848-867:2 868-1551:0 "
            "1552-1631:2 1632-1687:0 1688-1732:1 1733-1980:0");
  EXPECT_EQ(segni(s, 0, 1980),
            "23 27 851 855 859 863 867 1691 1695 1699 1703 1707 1711 1715 1719 1723 1727 1731");
  EXPECT_EQ(s.inizio_montagna[5], 84400);
  EXPECT_EQ(s.fine_montagna[5], 86650);
  EXPECT_EQ(s.inizio_montagna[0], 0);
}

TEST(ElementiLinea, MountainsCloseTogetherJoin) {
  scenario s =
      leggi_copioni(copione_linea("montagna, 1000, 1500, 2\r\nmontagna, 1650, 2000, 14\r\n"),
                    copione_treno())
          .s;
  EXPECT_EQ(tratti(s, &cella::tipo_montagna, 0, 100), "0-19:0 20-29:2 30-32:0 33-39:3 40-100:0");
  EXPECT_EQ(segni(s, 0, 100), "36") << "a joined mountain keeps its markers";
  s = leggi_copioni(copione_linea("montagna, 1000, 1500, 2\r\nmontagna, 1651, 2000, 4\r\n"),
                    copione_treno())
          .s;
  EXPECT_EQ(tratti(s, &cella::tipo_montagna, 0, 100), "0-19:0 20-29:2 30-32:0 33-39:4 40-100:0");
  // A mountain covering no cell is still counted.
  s = leggi_copioni(copione_linea("montagna, 1000, 1000, 2\r\n"), copione_treno()).s;
  EXPECT_EQ(s.numero_montagne, 1);
  EXPECT_EQ(tratti(s, &cella::tipo_montagna, 0, 100), "0-100:0");
}

TEST(ElementiLinea, MountainsOutsideTheRouteOrTooMany) {
  scenario s = leggi_copioni(copione_linea("montagna, 98000, 99500, 2\r\n"), copione_treno()).s;
  EXPECT_EQ(s.codice_errore, 15);
  EXPECT_EQ(s.posizione_errore, 99500);
  EXPECT_EQ(s.numero_montagne, 0);
  s = leggi_copioni(copione_linea("montagna, -500, 500, 2\r\n"), copione_treno()).s;
  EXPECT_EQ(s.codice_errore, 15);
  EXPECT_EQ(s.posizione_errore, -500);
  std::string ottantuno;
  for (int n = 0; n < 81; ++n)
    ottantuno +=
        "montagna, " + std::to_string(n * 1000) + ", " + std::to_string(n * 1000 + 100) + ", 1\r\n";
  lettura_prova esito = leggi_copioni(copione_linea(ottantuno), copione_treno());
  EXPECT_EQ(esito.s.codice_errore, 25);
  EXPECT_EQ(esito.s.numero_montagne, 80);
  EXPECT_EQ(esito.file_rimasti, "");
}

TEST(ElementiLinea, Boards) {
  std::string elementi = righe({"indicatori_vmax,  500,  75,  80,  80,  0,  ,  ,  ,  0",
                                "indicatori_vmax,  62750,  95,  105,  105,  0,  95,  105,  105,  0",
                                "indicatori_vmax,  1000,  1,  2,  3,  4,  -7,  12,  13,  -5"});
  scenario s = leggi_copioni(copione_linea(elementi), copione_treno()).s;
  EXPECT_EQ(s.codice_errore, 0);
  EXPECT_EQ(descrivi_celle(s, 11, 11), "11:t6,1500,1600,1600,0");
  EXPECT_EQ(descrivi_celle(s, 1256, 1256), "1256:t6,1919,2121,2121,0");
  // 20 - 7/5 = 18.6 gives 19; 40 + 2.4 = 42.4 gives 42; 60 + 2.6 gives 63.
  EXPECT_EQ(descrivi_celle(s, 21, 21), "21:t6,19,42,63,35");
}

TEST(ElementiLinea, BoardStatuses) {
  struct caso {
    const char* nome;
    const char* elementi;
    int stato;
    int posizione;
    const char* rimasti;
  } casi[] = {
      {"second board in the same cell",
       "indicatori_vmax, 500, 1\r\n,,,,,,,\r\nindicatori_vmax, 520, 2, , , , , , ,\r\n", 21, 520,
       "Linea_7-.txt"},
      {"sign on a board", "indicatori_vmax, 500, 1, , , , , , ,\r\ncartello indicatore, 520, X\r\n",
       6, 520, "Linea_7-.txt"},
      {"board at the last place", "indicatori_vmax, 98900, 1, , , , , , ,\r\n", 0, 0, ""},
      {"board beyond the route", "indicatori_vmax, 98901, 1, , , , , , ,\r\n", 15, 98901, ""},
      {"board before the route", "indicatori_vmax, -100, 1, , , , , , ,\r\n", 15, -100, ""},
      {"board value beyond 16 bits", "indicatori_vmax, 500, 1700, , , , , , ,\r\n", 25, 0, ""},
      {"stripes beyond 16 bits", "indicatori_vmax, 500, 1, , , 4000, , , , 0\r\n", 25, 0, ""},
      {"stripe product beyond 16 bits", "indicatori_vmax, 500, 1, , , 4000, , , , -8000\r\n", 25, 0,
       ""},
  };
  for (const caso& c : casi) {
    lettura_prova esito = leggi_copioni(copione_linea(c.elementi), copione_treno());
    EXPECT_EQ(esito.s.codice_errore, c.stato) << c.nome;
    EXPECT_EQ(esito.s.posizione_errore, c.posizione) << c.nome;
    EXPECT_EQ(esito.file_rimasti, c.rimasti) << c.nome;
  }
}

TEST(ElementiLinea, BoardStatusIsRecordedOnceWithItsRow) {
  scenario s = leggi_copioni(copione_linea("indicatori_vmax, 500, 1, , , , , , ,\r\n"
                                           "indicatori_vmax, 510, 2, , , , , , ,\r\n"),
                             copione_treno())
                   .s;
  ASSERT_EQ(s.stati_registrati.size(), 1u);
  EXPECT_EQ(s.stati_registrati[0].luogo.riga, 5);
  EXPECT_EQ(s.stati_registrati[0].posizione, 510);
}

TEST(ElementiLinea, BoardValueThatDoesNotFitLeavesTheFieldsBeforeIt) {
  scenario s = leggi_copioni(copione_linea("indicatori_vmax, 500, 75, 2000, 80, 0, , , , 0\r\n"),
                             copione_treno())
                   .s;
  EXPECT_EQ(s.codice_errore, 25);
  EXPECT_EQ(descrivi_celle(s, 11, 11), "11:t6,1500,0,0,0");
}

TEST(ElementiLinea, BoardOrSignTakesAMountainMarker) {
  std::string elementi =
      righe({"montagna, 1000, 1500, 12", "indicatori_vmax, 1100, 80, , , , , , ,",
             "cartello indicatore, 1300, PIANA"});
  scenario s = leggi_copioni(copione_linea(elementi), copione_treno()).s;
  EXPECT_EQ(s.codice_errore, 0);
  EXPECT_EQ(descrivi_celle(s, 20, 29), "23:t6,1600,0,0,0 27:t14,80,0,0,0");
  EXPECT_EQ(s.cella_in(23).tipo_montagna, 2);
}

TEST(ElementiLinea, SignsTakeItemRowsDownward) {
  std::string elementi = righe(
      {"cartello indicatore, 2000, PIAN DI SOTTO", "CARTELLO INDICATIVO, 4000, S. ROCCO - BIVIO"});
  scenario s = leggi_copioni(copione_linea(elementi), copione_treno()).s;
  EXPECT_EQ(s.codice_errore, 0);
  EXPECT_EQ(descrivi_celle(s, 0, 1980), "41:t14,80,0,0,0 81:t14,79,0,0,0");
  EXPECT_EQ(s.voci[80].testo, "PIAN DI SOTTO");
  EXPECT_EQ(s.voci[79].testo, "S. ROCCO - BIVIO");
}

}  // namespace
}  // namespace compattatore

namespace compattatore {
namespace {

TEST(ElementiLinea, SignsBeyondTheItemRowsTakeTheErrorExit) {
  std::string ottanta;
  for (int n = 0; n < 80; ++n)
    ottanta += "cartello indicatore, " + std::to_string(1000 + n * 100) + ", S\r\n";
  scenario s = leggi_copioni(copione_linea(ottanta), copione_treno()).s;
  EXPECT_EQ(s.codice_errore, 0);
  EXPECT_EQ(s.voci[1].testo, "S");
  lettura_prova esito =
      leggi_copioni(copione_linea(ottanta + "cartello indicatore, 20000, T\r\n"), copione_treno());
  EXPECT_EQ(esito.s.codice_errore, 25);
  EXPECT_TRUE(esito.s.voci[0].testo.empty()) << "row 0 stays empty";
  EXPECT_EQ(esito.file_rimasti, "");
}

}  // namespace
}  // namespace compattatore
