// The completion pass: guards, inner points and the point after a slowdown,
// points before signals ahead of a warning, and the statuses when no cell is
// free.

#include "compact/completamento.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "store/stato.h"

namespace compattatore {
namespace {

// "i:tipo/valore1" for every cell in da..a that holds an object.
std::string dump(const scenario& s, std::int64_t da, std::int64_t a) {
  std::string t;
  for (std::int64_t i = da; i <= a && s.cella_esiste(i); ++i) {
    const cella& c = s.cella_in(i);
    if (c.tipo_cella == vuota) continue;
    t += (t.empty() ? "" : " ") + std::to_string(i) + ":" + std::to_string(c.tipo_cella) + "/" +
         std::to_string(c.valore1);
  }
  return t;
}
std::string dump(const scenario& s) {
  return dump(s, 0, static_cast<std::int64_t>(s.percorso.size()));
}

scenario percorso_vuoto(std::int32_t ultima_cella) {
  scenario s;
  s.fine_percorso = ultima_cella;
  s.percorso.assign(static_cast<std::size_t>(ultima_cella) + 1, cella{});
  return s;
}

void metti(scenario& s, std::int64_t i, std::uint8_t tipo, std::int16_t valore1 = 0) {
  s.cella_in(i).tipo_cella = tipo;
  s.cella_in(i).valore1 = valore1;
}

void rallentamento(scenario& s, std::int64_t inizio, std::int64_t fine, std::int16_t velocita) {
  metti(s, inizio, inizio_rallentamento, velocita);
  metti(s, fine, fine_rallentamento, velocita);
}

TEST(Completamento, MinimoKeepsTheSmaller) {
  EXPECT_EQ(minimo(180, 240), 180);
  EXPECT_EQ(minimo(180, 100), 100);
  EXPECT_EQ(minimo(180, -5), -5);
  EXPECT_EQ(minimo(180, 180), 180);
}

TEST(Completamento, SlowdownWorkedExample) {
  struct caso {
    std::int16_t velocita;
    const char* atteso;
  } casi[] = {
      {60, "12:12/180 19:12/180 25:12/180 30:3/60 38:12/180 46:12/180 50:2/60 54:12/180 55:1/0"},
      {109, "12:12/180 19:12/180 25:12/180 30:3/109 38:12/180 46:12/180 50:2/109 54:12/180 55:1/0"},
      // A slowdown at 110 or above gets its guards only.
      {110, "12:12/180 19:12/180 25:12/180 30:3/110 50:2/110 55:1/0"},
      {300, "12:12/180 19:12/180 25:12/180 30:3/300 50:2/300 55:1/0"},
  };
  for (const caso& c : casi) {
    scenario s = percorso_vuoto(100);
    rallentamento(s, 30, 50, c.velocita);
    metti(s, 55, segnale);
    completa_abbattimenti(s);
    EXPECT_EQ(dump(s), c.atteso) << "speed " << c.velocita;
    EXPECT_EQ(s.codice_errore, 0) << "speed " << c.velocita;
  }
}

TEST(Completamento, GuardsNeedRoomBeforeTheStart) {
  struct caso {
    std::int64_t inizio;
    const char* atteso;
  } casi[] = {
      {7, ""},
      {8, "3:12/180"},
      {13, "8:12/180"},
      {14, "3:12/180 9:12/180"},
      {20, "9:12/180 15:12/180"},
      {21, "3:12/180 10:12/180 16:12/180"},
  };
  for (const caso& c : casi) {
    scenario s = percorso_vuoto(100);
    rallentamento(s, c.inizio, c.inizio + 2, 110);
    completa_abbattimenti(s);
    EXPECT_EQ(dump(s, 0, c.inizio - 1), c.atteso) << "start " << c.inizio;
    EXPECT_EQ(s.codice_errore, 0);
  }
}

TEST(Completamento, GuardTakesTheNearestFreeCellAndNeverMerges) {
  struct caso {
    const char* nome;
    std::vector<std::int64_t> occupate;  // cells holding a stop point
    const char* atteso;                  // cells 9 to 29
    int stato;
  } casi[] = {
      {"first choice taken", {25}, "12:12/180 19:12/180 24:12/180 25:10/0", 0},
      {"two taken", {25, 24}, "12:12/180 19:12/180 23:12/180 24:10/0 25:10/0", 0},
      // No guard for the first triple: status 12 at the start, the others go on.
      {"all three taken", {25, 24, 23}, "12:12/180 19:12/180 23:10/0 24:10/0 25:10/0", 12},
  };
  for (const caso& c : casi) {
    scenario s = percorso_vuoto(100);
    rallentamento(s, 30, 32, 110);
    for (auto i : c.occupate) metti(s, i, fermata);
    completa_abbattimenti(s);
    EXPECT_EQ(dump(s, 9, 29), c.atteso) << c.nome;
    EXPECT_EQ(s.codice_errore, c.stato) << c.nome;
    if (c.stato != 0) {
      EXPECT_EQ(s.posizione_errore, 1500) << c.nome;
    }
  }

  // An abatement already in the first candidate is passed over, not reused.
  scenario s = percorso_vuoto(100);
  rallentamento(s, 30, 32, 110);
  metti(s, 25, abbattimento, 240);
  completa_abbattimenti(s);
  EXPECT_EQ(dump(s, 20, 29), "24:12/180 25:12/240");
}

TEST(Completamento, PointOnAMountainCellKeepsTheStretch) {
  scenario s = percorso_vuoto(100);
  rallentamento(s, 30, 32, 110);
  cella& montagna = s.cella_in(25);
  montagna = {segno_montagna, 0, 7, 8, 9, 1, 62, 2, 24, 105, 3};
  completa_abbattimenti(s);
  const cella& c = s.cella_in(25);
  EXPECT_EQ(c.tipo_cella, abbattimento);
  EXPECT_EQ(c.valore1, 180);
  EXPECT_EQ(c.valore2, 7);
  EXPECT_EQ(c.valore3, 8);
  EXPECT_EQ(c.valore4, 9);
  EXPECT_EQ(c.tempo_segnale, 1);
  EXPECT_EQ(c.preavviso, 62);
  EXPECT_EQ(c.tipo_montagna, 2);
  EXPECT_EQ(c.velocita_limite, 24);
  EXPECT_EQ(c.pendenza, 105);
  EXPECT_EQ(c.aderenza, 3);
}

TEST(Completamento, InnerPointsMoveByOneCellAndKeepTheirSpacing) {
  struct caso {
    const char* nome;
    std::vector<std::int64_t> occupate;  // cells holding a stop point
    const char* atteso;                  // points in cells 31 to 59
    int stato;
    std::int32_t posizione;
  } casi[] = {
      {"on time", {}, "38:12/180 46:12/180 54:12/180", 0, 0},
      // Moved back: the next comes 8 cells after the moved one.
      {"one back", {38}, "37:12/180 45:12/180 53:12/180", 0, 0},
      {"one ahead", {38, 37}, "39:12/180 47:12/180 55:12/180", 0, 0},
      // Three taken: status 13, and no further inner points for this slowdown.
      {"none free", {38, 37, 39}, "", 13, 1900},
  };
  for (const caso& c : casi) {
    scenario s = percorso_vuoto(100);
    rallentamento(s, 30, 60, 60);
    for (auto i : c.occupate) metti(s, i, fermata);
    completa_abbattimenti(s);
    std::string punti;
    for (std::int64_t i = 31; i < 60; ++i)
      if (s.cella_in(i).tipo_cella == abbattimento)
        punti += (punti.empty() ? "" : " ") + dump(s, i, i);
    EXPECT_EQ(punti, c.atteso) << c.nome;
    EXPECT_EQ(s.codice_errore, c.stato) << c.nome;
    EXPECT_EQ(s.posizione_errore, c.posizione) << c.nome;
  }
}

TEST(Completamento, FailedInnerPointStillGetsThePointAfterTheSlowdown) {
  scenario s = percorso_vuoto(100);
  rallentamento(s, 30, 50, 60);
  metti(s, 55, segnale);
  for (std::int64_t i : {37, 38, 39}) metti(s, i, fermata);
  completa_abbattimenti(s);
  EXPECT_EQ(dump(s, 31, 60), "37:10/0 38:10/0 39:10/0 50:2/60 54:12/180 55:1/0");
  EXPECT_EQ(s.codice_errore, 13);
  EXPECT_EQ(s.posizione_errore, 1900);
}

TEST(Completamento, PointAfterTheSlowdownLooksTwelveCellsAhead) {
  struct caso {
    const char* nome;
    std::int64_t segnale_in;
    std::vector<std::int64_t> occupate;
    const char* atteso;  // cells 49 to 70
    int stato;
  } casi[] = {
      {"signal at the last cell searched", 62, {}, "50:2/60 61:12/180 62:1/0", 0},
      {"signal beyond the search", 63, {}, "50:2/60 63:1/0", 0},
      {"cell before the signal taken", 55, {54}, "50:2/60 53:12/180 54:10/0 55:1/0", 0},
      {"both cells taken", 55, {54, 53}, "50:2/60 53:10/0 54:10/0 55:1/0", 13},
      // The end cell itself is taken, so the point goes inside the slowdown.
      {"signal next to the end", 51, {}, "49:12/180 50:2/60 51:1/0", 0},
  };
  for (const caso& c : casi) {
    scenario s = percorso_vuoto(100);
    rallentamento(s, 30, 50, 60);
    metti(s, c.segnale_in, segnale);
    for (auto i : c.occupate) metti(s, i, fermata);
    completa_abbattimenti(s);
    EXPECT_EQ(dump(s, 49, 70), c.atteso) << c.nome;
    EXPECT_EQ(s.codice_errore, c.stato) << c.nome;
    if (c.stato != 0) {
      EXPECT_EQ(s.posizione_errore, 2500) << c.nome;
    }
  }
}

TEST(Completamento, SlowdownWithoutEndStopsAtTheLastCell) {
  // Start at 80 of a route ending at cell 97: inner points at 88 and 96, the
  // walk ends at 97 without an end cell, so no point after it even though a
  // signal stands there.
  scenario s = percorso_vuoto(97);
  metti(s, 80, inizio_rallentamento, 60);
  metti(s, 97, segnale);
  completa_abbattimenti(s);
  EXPECT_EQ(dump(s, 81, 97), "88:12/180 96:12/180 97:1/0");
  EXPECT_EQ(s.codice_errore, 0);

  // The count reaches 8 on the last cell, which is taken along with the one
  // before it: the cell after it is not part of the route.
  scenario fine = percorso_vuoto(96);
  metti(fine, 80, inizio_rallentamento, 60);
  for (std::int64_t i : {95, 96}) metti(fine, i, fermata);
  completa_abbattimenti(fine);
  EXPECT_EQ(dump(fine, 81, 96), "88:12/180 95:10/0 96:10/0");
  EXPECT_EQ(fine.codice_errore, 13);
  EXPECT_EQ(fine.posizione_errore, 96 * 50);
}

TEST(Completamento, LastTwoCellsAreNotVisited) {
  scenario s = percorso_vuoto(40);
  metti(s, 39, inizio_rallentamento, 60);
  completa_abbattimenti(s);
  EXPECT_EQ(dump(s), "39:3/60") << "a start in cell M - 1 gets no guards";

  scenario t = percorso_vuoto(40);
  metti(t, 38, inizio_rallentamento, 60);
  completa_abbattimenti(t);
  EXPECT_EQ(dump(t), "20:12/180 27:12/180 33:12/180 38:3/60");
}

TEST(Completamento, SignalsBeforeAWarningDownToCellThree) {
  struct caso {
    std::int64_t avviso;
    std::int64_t segnale_in;
    const char* atteso;
  } casi[] = {
      {10, 3, "2:12/180 3:1/0 10:4/0"},    {10, 2, "2:1/0 10:4/0"},
      {30, 10, "9:12/180 10:1/0 30:4/0"},  // 20 cells back: still looked at
      {31, 10, "10:1/0 31:4/0"},           // 21 cells back: not
      {30, 29, "28:12/180 29:1/0 30:4/0"},
  };
  for (const caso& c : casi) {
    scenario s = percorso_vuoto(100);
    metti(s, c.avviso, avviso_rallentamento);
    metti(s, c.segnale_in, segnale);
    completa_abbattimenti(s);
    EXPECT_EQ(dump(s), c.atteso) << "warning " << c.avviso << ", signal " << c.segnale_in;
    EXPECT_EQ(s.codice_errore, 0);
  }
}

TEST(Completamento, SignalWithBothCellsTakenLowersAnAbatementThere) {
  struct caso {
    const char* nome;
    std::uint8_t tipo24;
    std::int16_t valore24;
    std::uint8_t tipo23;
    std::int16_t valore23;
    const char* atteso;  // cells 23 and 24
    int stato;
  } casi[] = {
      {"point before lowered", abbattimento, 240, fermata, 0, "23:10/0 24:12/180", 0},
      {"small value kept", abbattimento, 100, fermata, 0, "23:10/0 24:12/100", 0},
      {"point two before lowered", fermata, 0, abbattimento, 240, "23:12/180 24:10/0", 0},
      {"no abatement", fermata, 0, cartello, 0, "23:14/0 24:10/0", 11},
  };
  for (const caso& c : casi) {
    scenario s = percorso_vuoto(100);
    metti(s, 40, avviso_rallentamento);
    metti(s, 25, segnale);
    metti(s, 24, c.tipo24, c.valore24);
    metti(s, 23, c.tipo23, c.valore23);
    completa_abbattimenti(s);
    EXPECT_EQ(dump(s, 23, 24), c.atteso) << c.nome;
    EXPECT_EQ(s.codice_errore, c.stato) << c.nome;
    if (c.stato != 0) {
      EXPECT_EQ(s.posizione_errore, 25 * 50) << c.nome;
    }
  }
}

TEST(Completamento, OverlappingWarningsTreatTheSameSignalTwice) {
  scenario s = percorso_vuoto(100);
  metti(s, 30, avviso_rallentamento);
  metti(s, 35, avviso_rallentamento);
  metti(s, 20, segnale);
  completa_abbattimenti(s);
  EXPECT_EQ(dump(s, 15, 20), "18:12/180 19:12/180 20:1/0");

  // With the second cell taken the first point is lowered, and stays 180.
  scenario t = percorso_vuoto(100);
  metti(t, 30, avviso_rallentamento);
  metti(t, 35, avviso_rallentamento);
  metti(t, 20, segnale);
  metti(t, 18, fermata);
  completa_abbattimenti(t);
  EXPECT_EQ(dump(t, 15, 20), "18:10/0 19:12/180 20:1/0");
  EXPECT_EQ(t.codice_errore, 0);
}

TEST(Completamento, WarningAndSlowdownTogetherAndStatusOverwrite) {
  // A warning 24 cells before the start, a signal between them, and a status
  // left by the reader that the pass replaces with its own.
  scenario s = percorso_vuoto(100);
  s.registra_stato(stato_fuori_percorso, 99);
  metti(s, 16, avviso_rallentamento, 30);
  metti(s, 10, segnale);
  for (std::int64_t i : {8, 9}) metti(s, i, fermata);
  rallentamento(s, 40, 44, 30);
  completa_abbattimenti(s);
  EXPECT_EQ(dump(s), "8:10/0 9:10/0 10:1/0 16:4/30 22:12/180 29:12/180 35:12/180 40:3/30 44:2/30");
  EXPECT_EQ(s.codice_errore, stato_abbattimento_segnale);
  EXPECT_EQ(s.posizione_errore, 500);
}

TEST(Completamento, EmptyOrTinyRouteIsLeftAlone) {
  scenario vuoto;
  EXPECT_NO_THROW(completa_abbattimenti(vuoto));
  scenario corto = percorso_vuoto(2);
  metti(corto, 1, inizio_rallentamento, 10);
  completa_abbattimenti(corto);
  EXPECT_EQ(dump(corto), "1:3/10");
}

}  // namespace
}  // namespace compattatore
