// The scenario store's shared rules: reset, sizing, rounding, free cells and
// the bounds of its tables.

#include "store/scenario.h"

#include <gtest/gtest.h>

namespace compattatore {
namespace {

TEST(Scenario, ResetClearsEveryItemRow) {
  scenario s;
  for (voce& v : s.voci) {
    v.categoria = 9;
    v.valore_a = v.valore_b = v.valore_c = v.valore_d = -1;
    v.opzione = v.byte1 = v.byte2 = v.byte3 = v.byte4 = 1;
    v.intero1 = v.intero2 = v.intero3 = v.intero4 = v.intero5 = 7;
    v.testo = "leftover";
  }
  s.azzera_voci();
  for (const voce& v : s.voci) {
    EXPECT_EQ(v.testo, "");
    const std::array<std::int64_t, 15> numeri = {
        v.categoria, v.valore_a, v.valore_b, v.valore_c, v.opzione, v.intero1, v.intero2, v.intero3,
        v.intero4,   v.intero5,  v.byte1,    v.byte2,    v.byte3,   v.byte4,   v.valore_d};
    EXPECT_EQ(numeri, (std::array<std::int64_t, 15>{}));
  }
}

TEST(Scenario, SizingFromTheTrackLength) {
  struct caso {
    std::int32_t l, fine_percorso;
  } casi[] = {{92000, 1980}, {1000000, 20140}, {1, 140}, {1625, 172}, {25, 140}};
  for (const caso& c : casi) {
    scenario s;
    s.con_profilo = 1;
    s.dimensiona(c.l);
    EXPECT_EQ(s.fine_profilo, c.l + 7000);
    EXPECT_EQ(s.fine_percorso, c.fine_percorso) << c.l;
    EXPECT_EQ(s.percorso.size(), static_cast<std::size_t>(c.fine_percorso) + 1);
    EXPECT_EQ(s.profilo.metri(), c.l + 7001);
  }
  scenario s;
  s.dimensiona(92000);
  EXPECT_FALSE(s.profilo.allocato()) << "no track plan without con_profilo";
  s.percorso[5].tipo_cella = segnale;
  s.dimensiona(92000);
  EXPECT_EQ(s.percorso[5].tipo_cella, vuota) << "a new length discards the cells";
}

TEST(Scenario, RoundingHalvesToEven) {
  struct caso {
    double valore;
    std::int64_t atteso;
  } casi[] = {{32.5, 32},     {33.5, 34}, {1125 / 50.0, 22}, {1175 / 50.0, 24}, {25 / 50.0, 0},
              {75 / 50.0, 2}, {-0.5, 0},  {-1.5, -2},        {255.4, 255}};
  for (const caso& c : casi) EXPECT_EQ(arrotonda(c.valore), c.atteso) << c.valore;
}

TEST(Scenario, FreeCellsAndBounds) {
  for (int tipo = 0; tipo <= 14; ++tipo) {
    cella c;
    c.tipo_cella = static_cast<std::uint8_t>(tipo);
    EXPECT_EQ(cella_libera(c), tipo == vuota || tipo == segno_montagna) << tipo;
  }
  scenario s;
  s.dimensiona(1000);
  EXPECT_TRUE(s.cella_esiste(160));
  EXPECT_FALSE(s.cella_esiste(161));
  EXPECT_FALSE(s.cella_esiste(-1));
  EXPECT_THROW(s.cella_in(161), std::out_of_range);
  EXPECT_THROW(s.cella_in(-1), std::out_of_range);
}

TEST(Scenario, TrackPlanKeepsXThenYAndChecksItsBounds) {
  profilo_tracciato p;
  p.crea(3);
  p.imposta_intero(1, coordinata_y, 1);
  p.imposta_doppio(2, coordinata_x, -0.5);
  EXPECT_EQ(p.at(1, coordinata_y).tipo, tipo_valore::intero16);
  EXPECT_EQ(p.y(1), 1.0);
  EXPECT_EQ(p.at(2, coordinata_x).tipo, tipo_valore::doppio);
  EXPECT_EQ(p.at(3, coordinata_x).tipo, tipo_valore::vuoto);
  EXPECT_THROW(p.at(4, coordinata_x), std::out_of_range);
  EXPECT_THROW(p.at(0, 2), std::out_of_range);
}

TEST(Scenario, StatusesKeepTheirPositionOnlyWhereGiven) {
  scenario s;
  s.registra_stato(15, 98901);
  s.registra_stato(2);
  EXPECT_EQ(s.codice_errore, 2);
  EXPECT_EQ(s.posizione_errore, 98901) << "a status without position leaves the earlier one";
  ASSERT_EQ(s.stati_registrati.size(), 2u);
  EXPECT_EQ(s.stati_registrati[0].posizione, 98901);
  EXPECT_FALSE(s.stati_registrati[1].posizione.has_value());
}

}  // namespace
}  // namespace compattatore
