// The built-in scenario compacted end to end: every value its store must
// hold once the scripts are read, completed and stamped.

#include <gtest/gtest.h>

#include <map>

#include "app/compattazione.h"
#include "scripts/copioni.h"
#include "tests/cartella_temporanea.h"
#include "tests/lettura_copioni.h"

namespace compattatore {
namespace {

class Incorporato : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    cartella_temporanea cartella;
    s_ = new scenario;
    s_->nome_linea = nome_linea_incorporato;
    s_->numero_treno = numero_treno_incorporato;
    dati_linea(*s_, cartella.percorso());
    dati_treno(*s_, cartella.percorso());
    esito_ = memorizza_percorso(*s_, 1, cartella.percorso(), cartella.percorso());
    rimasti_ = cartella.elenco();
  }
  static void TearDownTestSuite() { delete s_; }

  static const cella& c(int i) { return s_->cella_in(i); }

  static scenario* s_;
  static esito_compattazione esito_;
  static std::string rimasti_;
};

scenario* Incorporato::s_ = nullptr;
esito_compattazione Incorporato::esito_;
std::string Incorporato::rimasti_;

TEST_F(Incorporato, ReadWithoutStatusAndScriptsDeleted) {
  EXPECT_EQ(s_->codice_errore, 0);
  EXPECT_TRUE(esito_.dati_scritti);
  EXPECT_EQ(rimasti_,
            "Castoria_Belvento_46183.dat Castoria_Belvento_46183.sim Castoria_Belvento_linea.dat");
}

TEST_F(Incorporato, HeaderRows) {
  auto terna = [](int r) {
    const voce& v = s_->voci[static_cast<std::size_t>(r)];
    return std::array{v.valore_a, v.valore_b, v.valore_c};
  };
  EXPECT_EQ(terna(81), (std::array{0, 87850, 1}));
  EXPECT_EQ(terna(82), (std::array{0, 0, 0}));
  EXPECT_EQ(terna(83), (std::array{0, 0, 0}));
  EXPECT_EQ(terna(84), (std::array{130, 92000, 5}));
  EXPECT_EQ(terna(85), (std::array{0, 4000, 1}));
  EXPECT_EQ(terna(86), (std::array{60100, 90000, 4}));
  const voce& treno = s_->voci[86];
  EXPECT_EQ((std::array{treno.intero1, treno.intero3, treno.intero4, treno.intero5}),
            (std::array<std::int16_t, 4>{300, 6, 37, 45}));
  EXPECT_EQ(treno.testo, "46183");
  EXPECT_EQ(s_->voci[85].testo, "Castoria_Belvento");
  EXPECT_EQ(s_->voci[85].intero1, 610);
  EXPECT_EQ(s_->voci[85].valore_d, 33290);
  EXPECT_EQ(c(1).valore1, 5121);
  EXPECT_EQ(c(1).valore2, 2366);
  EXPECT_EQ(s_->riga.substr(0, 25), "46183castoria_belventoaab");
  const voce& zero = s_->voci[0];
  EXPECT_TRUE(zero.testo.empty() && zero.valore_a == 0 && zero.valore_d == 0 &&
              zero.categoria == 0 && zero.intero1 == 0);
}

TEST_F(Incorporato, SizesAndTrackPlan) {
  EXPECT_EQ(s_->fine_profilo, 99000);
  EXPECT_EQ(s_->fine_percorso, 1980);
  const profilo_tracciato& p = s_->profilo;
  EXPECT_EQ(p.at(551, 0).valore, -0.001);
  EXPECT_EQ(p.at(551, 1).valore, 551.0);
  EXPECT_NEAR(p.x(552), -0.003, 1e-15);
  EXPECT_NEAR(p.y(552), 551.999999, 1e-9);
  EXPECT_EQ(p.at(98998, 1).tipo, tipo_valore::doppio);
  EXPECT_EQ(p.at(98999, 0).tipo, tipo_valore::vuoto);
  EXPECT_EQ(p.at(99000, 1).tipo, tipo_valore::vuoto);
}

TEST_F(Incorporato, GradientsSpeedsAndAdhesion) {
  EXPECT_EQ(tratti(*s_, &cella::pendenza, 1500, 1980), "1500-1564:87 1565-1977:100 1978-1980:0");
  EXPECT_EQ(c(368).pendenza, 115) << "15 from 18400";
  EXPECT_EQ(c(396).pendenza, 87) << "-13 from 19800";
  EXPECT_EQ(tratti(*s_, &cella::velocita_limite, 0, 117), "0-31:16 32-117:17");
  EXPECT_EQ(tratti(*s_, &cella::velocita_limite, 1355, 1980), "1355-1977:17 1978-1980:0");
  EXPECT_EQ(tratti(*s_, &cella::aderenza, 0, 1980),
            "0-305:100 306-365:81 366-385:75 386-1977:100 1978-1980:0");
}

TEST_F(Incorporato, MountainsAndBoards) {
  EXPECT_EQ(tratti(*s_, &cella::tipo_montagna, 15, 35), "15-19:0 20-29:2 30-35:0");
  EXPECT_EQ(tratti(*s_, &cella::tipo_montagna, 1685, 1735), "1685-1687:0 1688-1732:1 1733-1735:0");
  struct tabella {
    int posizione, vas, vbs, vcs, vad, vbd, vcd;
  } tavole[] = {
      {500, 75, 80, 80, 0, 0, 0},      {1900, 80, 85, 85, 0, 0, 0},
      {5900, 100, 105, 105, 0, 0, 0},  {11500, 85, 90, 90, 0, 0, 0},
      {25200, 90, 95, 95, 0, 0, 0},    {33350, 55, 75, 75, 0, 0, 0},
      {35350, 90, 95, 95, 0, 0, 0},    {35650, 90, 95, 95, 0, 0, 0},
      {38350, 80, 90, 90, 0, 0, 0},    {41600, 70, 75, 75, 0, 0, 0},
      {44600, 90, 95, 95, 0, 0, 0},    {48950, 80, 85, 85, 0, 0, 0},
      {50450, 85, 90, 90, 0, 0, 0},    {62750, 95, 105, 105, 95, 105, 105},
      {64950, 90, 95, 95, 90, 95, 95}, {66200, 80, 85, 85, 80, 85, 85},
      {81500, 50, 50, 50, 50, 50, 50}, {83750, 80, 85, 90, 80, 85, 90},
  };
  for (const tabella& t : tavole) {
    const cella& cl = c(t.posizione / 50 + 1);
    EXPECT_EQ(cl.tipo_cella, indicatore_velocita) << t.posizione;
    EXPECT_EQ(cl.valore1, t.vas * 20 + t.vad / 5) << t.posizione;
    EXPECT_EQ(cl.valore2, t.vbs * 20 + t.vbd / 5) << t.posizione;
    EXPECT_EQ(cl.valore3, t.vcs * 20 + t.vcd / 5) << t.posizione;
    EXPECT_EQ(cl.valore4, 0) << t.posizione;
  }
  EXPECT_EQ(c(11).valore1, 1500);
  EXPECT_EQ(c(1256).valore1, 1919);
}

TEST_F(Incorporato, StationsAndSignals) {
  auto celle = [](int da, int a) {
    std::string testo;
    for (int i = da; i <= a; ++i) {
      if (c(i).tipo_cella == 0 && c(i).preavviso == 0) continue;
      testo += (testo.empty() ? "" : " ") + std::to_string(i) + ":" +
               std::to_string(c(i).tipo_cella) + "/" + std::to_string(c(i).valore1) + "/p" +
               std::to_string(c(i).preavviso);
    }
    return testo;
  };
  EXPECT_EQ(celle(2, 5), "2:0/0/p83 3:0/0/p82 4:0/0/p81 5:10/1/p0");
  EXPECT_EQ(celle(34, 38), "34:0/0/p84 35:0/0/p83 36:0/0/p82 37:0/0/p81 38:10/2/p0");
  EXPECT_EQ(celle(10, 18), "10:0/0/p64 11:6/1500/p0 12:0/0/p63 14:0/0/p62 16:0/0/p61 18:1/40/p0");
  EXPECT_EQ(celle(59, 67), "59:0/0/p34 61:0/0/p33 63:0/0/p32 65:0/0/p31 67:1/40/p0");
  EXPECT_EQ(celle(1330, 1338), "1330:0/0/p84 1332:0/0/p83 1334:0/0/p82 1336:0/0/p81 1338:1/42/p0");
  EXPECT_EQ(c(18).valore4, 6);
  EXPECT_EQ(c(67).valore4, 3);
  EXPECT_EQ((std::array{c(763).valore1, c(763).valore2, c(763).valore4}),
            (std::array<std::int16_t, 3>{30, 10, 6}));
  EXPECT_EQ(c(763).tempo_segnale, 240);
  EXPECT_EQ((std::array{c(1338).valore2, c(1338).valore3, c(1338).valore4}),
            (std::array<std::int16_t, 3>{11, 0, 8}));
  EXPECT_EQ(c(1674).tipo_cella, fermata);
  EXPECT_EQ(c(1783).tipo_cella, fermata);
  EXPECT_EQ((std::array{s_->voci[1].valore_a, s_->voci[1].valore_b}), (std::array{-300, 300}));
}

TEST_F(Incorporato, NoObjectReplacedAnother) {
  std::map<int, int> conta;
  for (const cella& cl : s_->percorso) ++conta[cl.tipo_cella];
  // 48 signals, 17 stop points (stations below type 25), 18 boards and the
  // 18 markers of the two mountains with markers; nothing else.
  EXPECT_EQ(s_->numero_stazioni, 30);
  EXPECT_EQ(conta[segnale], 48);
  EXPECT_EQ(conta[fermata], 17);
  EXPECT_EQ(conta[indicatore_velocita], 18);
  EXPECT_EQ(conta[segno_montagna], 18);
  EXPECT_EQ(conta[vuota], 1981 - 48 - 17 - 18 - 18);
}

}  // namespace
}  // namespace compattatore
