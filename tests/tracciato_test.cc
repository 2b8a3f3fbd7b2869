// Gradients per route cell and the track plan drawn metre by metre.

#include <gtest/gtest.h>

#include <cmath>

#include "tests/lettura_copioni.h"

namespace compattatore {
namespace {

TEST(Tracciato, GradientFill) {
  struct caso {
    const char* nome;
    std::string elementi;
    const char* atteso;  // cells 0 to 1980
  } casi[] = {
      {"no gradient rows", "", "0-1977:100 1978-1980:0"},
      {"first row at 0 writes nothing", "pendenza,  0,   0\r\npendenza,  1150,   3\r\n",
       "0-22:100 23-1977:103 1978-1980:0"},
      {"halves to even", "pendenza, 1125, 5\r\npendenza, 1175, -2\r\n",
       "0-21:100 22-23:105 24-1977:98 1978-1980:0"},
      {"two rows in one cell", "pendenza, 1000, 5\r\npendenza, 1010, -7\r\npendenza, 2000, 0\r\n",
       "0-19:100 20-20:105 21-39:93 40-1977:100 1978-1980:0"},
      {"last rows of the line", "pendenza, 0, 0\r\npendenza, 19800, -13\r\npendenza, 78250, 0\r\n",
       "0-395:100 396-1564:87 1565-1977:100 1978-1980:0"},
      {"fill index already past M - 2", "pendenza, 98900, 4\r\n",
       "0-1977:100 1978-1978:104 1979-1980:0"},
      {"beyond the route", "pendenza, 1000, 5\r\npendenza, 98901, 1\r\npendenza, 99000, 9\r\n",
       "0-19:100 20-1977:105 1978-1980:0"},
  };
  for (const caso& c : casi) {
    scenario s = leggi_copioni(copione_linea(c.elementi), copione_treno()).s;
    EXPECT_EQ(tratti(s, &cella::pendenza, 0, 1980), c.atteso) << c.nome;
  }
}

TEST(Tracciato, PositionCheckBoundary) {
  scenario s = leggi_copioni(copione_linea("pendenza, 98900, 1\r\n"), copione_treno()).s;
  EXPECT_EQ(s.codice_errore, 0);
  s = leggi_copioni(copione_linea("pendenza, 98901, 1\r\nmontagna, 1000, 1500, 2\r\n"),
                    copione_treno())
          .s;
  EXPECT_EQ(s.codice_errore, 15);
  EXPECT_EQ(s.posizione_errore, 98901);
  EXPECT_EQ(s.numero_montagne, 0) << "rows after a status 15 are not read";
  EXPECT_EQ(s.profilo.at(98998, 1).tipo, tipo_valore::doppio) << "the run-out still runs";
}

TEST(Tracciato, GradientRowsOutOfOrderStopAtTheLastCell) {
  std::string elementi = "pendenza, 98900, 1\r\n";
  for (int n = 0; n < 5; ++n) elementi += "pendenza, 100, 2\r\n";
  scenario s = leggi_copioni(copione_linea(elementi), copione_treno()).s;
  EXPECT_EQ(s.codice_errore, 15);
  EXPECT_EQ(s.posizione_errore, 100);
  EXPECT_EQ(tratti(s, &cella::pendenza, 1976, 1980), "1976-1977:100 1978-1978:101 1979-1980:102");
}

TEST(Tracciato, StraightLine) {
  scenario s = leggi_copioni(copione_linea(""), copione_treno()).s;
  const profilo_tracciato& p = s.profilo;
  EXPECT_EQ(p.at(0, 0).tipo, tipo_valore::intero16);
  EXPECT_EQ(p.at(1, 1).tipo, tipo_valore::intero16);
  EXPECT_EQ(p.y(1), 1.0);
  for (int m : {2, 550, 50000, 98998}) {
    EXPECT_EQ(p.at(m, 0).tipo, tipo_valore::doppio) << m;
    EXPECT_EQ(p.x(m), 0.0) << m;
    EXPECT_EQ(p.y(m), m) << m;
  }
  for (int m : {98999, 99000})
    for (int c : {0, 1}) EXPECT_EQ(p.at(m, c).tipo, tipo_valore::vuoto) << m;
}

TEST(Tracciato, FirstBuiltInCurve) {
  scenario s = leggi_copioni(copione_linea("curvas4,  550,  100\r\n"), copione_treno()).s;
  const profilo_tracciato& p = s.profilo;
  EXPECT_EQ(p.x(550), 0.0);
  EXPECT_EQ(p.y(550), 550.0);
  EXPECT_EQ(p.x(551), -0.001);
  EXPECT_EQ(p.y(551), 551.0);
  // Computed in this order, as the simulator expects the bits.
  EXPECT_EQ(p.x(552), -0.001 + -0.001 + -0.001 * 1.0);
  EXPECT_EQ(p.y(552), 551.0 + 1.0 - -0.001 * -0.001);
  EXPECT_NEAR(p.x(552), -0.003, 1e-15);
  EXPECT_NEAR(p.y(552), 551.999999, 1e-9);
  double direzione = std::atan2(-(p.x(651) - p.x(650)), p.y(651) - p.y(650));
  EXPECT_NEAR(direzione, 0.1, 0.001) << "about 0.1 radian towards -x after metre 650";
}

TEST(Tracciato, CurveClassesAndSides) {
  struct caso {
    const char* parola;
    double k;
  } casi[] = {
      {"curvas4", -0.001},   {"CURVAS3", -0.0004}, {"curva3", 0.0004}, {"curvad2", 0.0002},
      {"curvas12", -0.0001}, {"curvad6", 0.003},   {"curvad5", 0.002},
  };
  for (const caso& c : casi) {
    scenario s =
        leggi_copioni(copione_linea(std::string(c.parola) + ", 1000, 10\r\n"), copione_treno()).s;
    EXPECT_EQ(s.codice_errore, 0) << c.parola;
    EXPECT_EQ(s.profilo.x(1001), c.k) << c.parola;
  }
}

TEST(Tracciato, CurvesJoinedOrBehindTheCounter) {
  scenario a =
      leggi_copioni(copione_linea("curvas4, 550, 100\r\ncurvad4, 650, 150\r\n"), copione_treno()).s;
  // No lead-in: metre 651 already turns the other way.
  double passo_650 = a.profilo.x(650) - a.profilo.x(649);
  double passo_651 = a.profilo.x(651) - a.profilo.x(650);
  EXPECT_GT(passo_651, passo_650);
  // A curve wholly behind the counter draws nothing.
  scenario b =
      leggi_copioni(copione_linea("curvas4, 550, 100\r\ncurvad6, 100, 200\r\n"), copione_treno()).s;
  scenario c = leggi_copioni(copione_linea("curvas4, 550, 100\r\n"), copione_treno()).s;
  EXPECT_EQ(b.profilo.x(5000), c.profilo.x(5000));
  EXPECT_EQ(b.profilo.y(5000), c.profilo.y(5000));
}

TEST(Tracciato, CurveStatuses) {
  // Past the last metre of the plan: refused like a row beyond the route.
  scenario s = leggi_copioni(copione_linea("curvas4, 98800, 300\r\n"), copione_treno()).s;
  EXPECT_EQ(s.codice_errore, 15);
  EXPECT_EQ(s.posizione_errore, 98800);
  EXPECT_EQ(s.profilo.x(98998), 0.0);
  // Up to the last metre is fine and fills the two metres the run-out leaves.
  s = leggi_copioni(copione_linea("curvas4, 98800, 200\r\n"), copione_treno()).s;
  EXPECT_EQ(s.codice_errore, 0);
  EXPECT_EQ(s.profilo.at(99000, 0).tipo, tipo_valore::doppio);
  // The counter may not pass metre 1000000, even for a curve that would
  // also run past the end of the plan.
  for (const char* curva : {"curvas4, 999000, 1500\r\n", "curvas4, 990000, 20000\r\n"}) {
    lettura_prova esito = leggi_copioni(copione_linea(curva, 1000000), copione_treno());
    EXPECT_EQ(esito.s.codice_errore, 103) << curva;
    EXPECT_EQ(esito.file_rimasti, "Linea_7-.txt") << curva;
    EXPECT_EQ(esito.s.profilo.at(1000000, 0).tipo, tipo_valore::doppio) << curva;
    EXPECT_EQ(esito.s.profilo.at(1000001, 0).tipo, tipo_valore::vuoto) << curva;
  }
}

TEST(Tracciato, CurvesIgnoredWithoutTrackPlan) {
  scenario s =
      leggi_copioni(copione_linea("curvad7, 550, 100\r\npendenza, 1000, 2\r\n"), copione_treno(), 0)
          .s;
  EXPECT_EQ(s.codice_errore, 0);
  EXPECT_EQ(s.cella_in(25).pendenza, 102);
}

}  // namespace
}  // namespace compattatore
