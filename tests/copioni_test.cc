// The built-in scenario scripts: the fixed rows in their slots, and the rules
// that the free rows (curves, gradients, stations, signals) keep.

#include "scripts/copioni.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace compattatore {
namespace {

// The pieces of a row between commas and blanks, empty pieces dropped.
std::vector<std::string> pezzi(const std::string& riga) {
  std::vector<std::string> risultato;
  std::string corrente;
  for (char c : riga) {
    if (c == ',' || c == ' ') {
      if (!corrente.empty()) risultato.push_back(corrente);
      corrente.clear();
    } else {
      corrente += c;
    }
  }
  if (!corrente.empty()) risultato.push_back(corrente);
  return risultato;
}

// The numbers after a row's keyword; a piece that is not a whole number
// fails the test and reads as a value no row uses.
std::vector<int> numeri(const std::string& riga) {
  std::vector<int> valori;
  std::vector<std::string> p = pezzi(riga);
  for (std::size_t i = 1; i < p.size(); ++i) {
    int v = 0;
    auto [fine, errore] = std::from_chars(p[i].data(), p[i].data() + p[i].size(), v);
    EXPECT_TRUE(errore == std::errc() && fine == p[i].data() + p[i].size())
        << "'" << p[i] << "' in: " << riga;
    valori.push_back(errore == std::errc() ? v : -999999);
  }
  return valori;
}

std::string a_destra(int v, std::size_t larghezza) {
  std::string s = std::to_string(v);
  return std::string(larghezza > s.size() ? larghezza - s.size() : 0, ' ') + s;
}

int righe_scritte(const tabella_righe& t) {
  const std::string testo = t.testo();
  int n = 0;
  for (std::size_t i = testo.find("\r\n"); i != std::string::npos; i = testo.find("\r\n", i + 2))
    ++n;
  return n;
}

struct riga_fissa {
  int slot;
  const char* testo;
};

// ---------------------------------------------------------------- line script

constexpr int primo_slot_curve = 10, ultimo_slot_curve = 61;
constexpr int primo_slot_pendenze = 63, ultimo_slot_pendenze = 84;

TEST(CopioneLinea, FixedRowsStandInTheirSlots) {
  const tabella_righe t = righe_linea();
  EXPECT_EQ(righe_scritte(t), 112);
  EXPECT_EQ(t[112], marcatore_fine);
  const riga_fissa fisse[] = {
      {0, "[generale]"},
      {1, "lunghezza percorso,    92000"},
      {2, "progressiva chilometrica uno,    0,    87750,    1"},
      {3, "progressiva chilometrica due,    0,    0,    0"},
      {4, "progressiva chilometrica tre,    0,    0,    0"},
      {5, "sfondo uno,    0"},
      {6, "sfondo due,    1"},
      {7, "sfondo tre,    4000"},
      {8, "ripetizione segnali 4 codici,    60100,    90000"},
      {9, "[curve]"},
      {10, "curvas4,  550,  100"},
      {60, "curvad6,  86900,  100"},
      {61, "curvas6,  87000,  100"},
      {62, "[pendenze]"},
      {63, "pendenza,  0,   0"},
      {84, "pendenza,  78250,   0"},
      {85, "[montagne]"},
      {86, "montagna,   1000,  1500,  12"},
      {87, "montagna,   34600,  35300,  1"},
      {88, "montagna,   42400,  43400,  12"},
      {89, "montagna,   77600,  81600,  2"},
      {90, "montagna,   84400,  86650,  11"},
      {91, "[cartelli]"},
      {110, "[indicazioni]"},
      {111, "[fine]"},
  };
  for (const riga_fissa& f : fisse) EXPECT_EQ(t[f.slot], f.testo) << "slot " << f.slot;

  const std::string sparse[] = {"curvad3,  60700,  1250", "pendenza,  18400,   15",
                                "pendenza,  19800,   -13"};
  for (const std::string& riga : sparse) {
    int trovate = 0;
    for (int s = primo_slot_curve; s <= ultimo_slot_pendenze; ++s) trovate += t[s] == riga;
    EXPECT_EQ(trovate, 1) << riga;
  }
}

TEST(CopioneLinea, BoardRowsFollowTheirTable) {
  // Position, then the "s" and "d" sets; -1 marks a field left empty.
  const int tavole[18][9] = {
      {500, 75, 80, 80, 0, -1, -1, -1, 0},     {1900, 80, 85, 85, 0, -1, -1, -1, 0},
      {5900, 100, 105, 105, 0, -1, -1, -1, 0}, {11500, 85, 90, 90, 0, -1, -1, -1, 0},
      {25200, 90, 95, 95, 0, -1, -1, -1, 0},   {33350, 55, 75, 75, 0, -1, -1, -1, 0},
      {35350, 90, 95, 95, 0, -1, -1, -1, 0},   {35650, 90, 95, 95, 0, -1, -1, -1, 0},
      {38350, 80, 90, 90, 0, -1, -1, -1, 0},   {41600, 70, 75, 75, 0, -1, -1, -1, 0},
      {44600, 90, 95, 95, 0, -1, -1, -1, 0},   {48950, 80, 85, 85, 0, -1, -1, -1, 0},
      {50450, 85, 90, 90, 0, -1, -1, -1, 0},   {62750, 95, 105, 105, 0, 95, 105, 105, 0},
      {64950, 90, 95, 95, 0, 90, 95, 95, 0},   {66200, 80, 85, 85, 0, 80, 85, 85, 0},
      {81500, 50, 50, 50, 0, 50, 50, 50, 0},   {83750, 80, 85, 90, 0, 80, 85, 90, 0},
  };
  const tabella_righe t = righe_linea();
  for (int i = 0; i < 18; ++i) {
    std::string attesa = "indicatori_vmax,";
    for (int campo = 0; campo < 9; ++campo) {
      attesa += "  ";
      if (tavole[i][campo] >= 0) attesa += std::to_string(tavole[i][campo]);
      if (campo < 8) attesa += ",";
    }
    EXPECT_EQ(t[92 + i], attesa) << "slot " << 92 + i;
  }
}

TEST(CopioneLinea, CurveRowsRiseWithoutOverlapAndUseEveryClassOnBothSides) {
  const tabella_righe t = righe_linea();
  std::map<char, std::set<char>> classi;
  int lunghe = 0, fine_precedente = 0;
  for (int s = primo_slot_curve; s <= ultimo_slot_curve; ++s) {
    const std::string& riga = t[s];
    SCOPED_TRACE("slot " + std::to_string(s) + ": " + riga);
    const std::string chiave = pezzi(riga).at(0);
    const std::vector<int> v = numeri(riga);
    ASSERT_EQ(v.size(), 2u);
    ASSERT_EQ(chiave.size(), 7u);
    EXPECT_EQ(chiave.substr(0, 5), "curva");
    EXPECT_TRUE(chiave[5] == 's' || chiave[5] == 'd');
    EXPECT_TRUE(chiave[6] >= '2' && chiave[6] <= '6');
    EXPECT_EQ(riga, chiave + ",  " + std::to_string(v[0]) + ",  " + std::to_string(v[1]));
    EXPECT_GE(v[0], s == primo_slot_curve ? 550 : fine_precedente) << "overlaps the curve before";
    EXPECT_LE(v[0], 87000);
    EXPECT_GE(v[1], 100);
    EXPECT_LE(v[1], 1250);
    lunghe += v[1] == 1250;
    classi[chiave[5]].insert(chiave[6]);
    fine_precedente = v[0] + v[1];
  }
  EXPECT_EQ(lunghe, 1);
  const std::set<char> tutte = {'2', '3', '4', '5', '6'};
  EXPECT_EQ(classi['s'], tutte);
  EXPECT_EQ(classi['d'], tutte);
}

TEST(CopioneLinea, GradientRowsRiseOnTheCellGridWithinTheirRange) {
  const tabella_righe t = righe_linea();
  int precedente = -1, minima = 0, massima = 0;
  for (int s = primo_slot_pendenze; s <= ultimo_slot_pendenze; ++s) {
    const std::string& riga = t[s];
    SCOPED_TRACE("slot " + std::to_string(s) + ": " + riga);
    const std::vector<int> v = numeri(riga);
    ASSERT_EQ(v.size(), 2u);
    EXPECT_EQ(riga, "pendenza,  " + std::to_string(v[0]) + ",   " + std::to_string(v[1]));
    EXPECT_GT(v[0], precedente);
    EXPECT_EQ(v[0] % 50, 0);
    minima = std::min(minima, v[1]);
    massima = std::max(massima, v[1]);
    precedente = v[0];
  }
  EXPECT_EQ(minima, -15);
  EXPECT_EQ(massima, 15);
  // The descent that the last row ends.
  EXPECT_EQ(numeri(t[ultimo_slot_pendenze - 1]).at(1), -13);
}

// --------------------------------------------------------------- train script

constexpr int primo_slot_stazioni = 26, ultimo_slot_stazioni = 55;
constexpr int primo_slot_segnali = 58, ultimo_slot_segnali = 105;

TEST(CopioneTreno, FixedRowsStandInTheirSlots) {
  const tabella_righe t = righe_treno();
  EXPECT_EQ(righe_scritte(t), 108);
  EXPECT_EQ(t[108], marcatore_fine);
  const riga_fissa fisse[] = {
      {0, "[generale]"},
      {1, "numero vetture,    5"},
      {2, "percentuale massa frenata,    130"},
      {3, "sabbia,    300"},
      {4, "orologio,    6               37            45 "},
      {5, "[aderenze]"},
      {6, "aderenza,   0,    100"},
      {7, "aderenza,   15300,    81"},
      {8, "aderenza,   18300,    75"},
      {9, "aderenza,   19300,   100"},
      {10, "[vel_limite]"},
      {11, "velocita,       0,    80"},
      {12, "velocita,    1600,    85"},
      {13, "velocita,    5900,   105"},
      {14, "velocita,   10550,    90"},
      {15, "velocita,   24950,    95"},
      {16, "velocita,   34250,    75"},
      {17, "velocita,   34950,    95"},
      {18, "velocita,   39950,    90"},
      {19, "velocita,   42400,    75"},
      {20, "velocita,   44650,    95"},
      {21, "velocita,   50250,    90"},
      {22, "velocita,   62750,   105"},
      {23, "velocita,   65750,    95"},
      {24, "velocita,   67750,    85"},
      {25, "[stazioni]"},
      {56, "[rallentamenti]"},
      {57, "[segnali]"},
      {106, "[codici]"},
      {107, "[fine]"},
  };
  for (const riga_fissa& f : fisse) EXPECT_EQ(t[f.slot], f.testo) << "slot " << f.slot;
}

struct stazione {
  std::vector<int> colonne;  // columns 1 to 16
  std::string nome;
};

std::vector<stazione> stazioni() {
  const tabella_righe t = righe_treno();
  std::vector<stazione> elenco;
  for (int s = primo_slot_stazioni; s <= ultimo_slot_stazioni; ++s) {
    const std::string& riga = t[s];
    const std::size_t virgola = riga.rfind(", ");
    EXPECT_NE(virgola, std::string::npos) << riga;
    if (virgola == std::string::npos) continue;
    EXPECT_EQ(pezzi(riga).at(0), "stazione") << riga;
    stazione st{numeri(riga.substr(0, virgola)), riga.substr(virgola + 2)};
    EXPECT_EQ(st.colonne.size(), 16u) << riga;
    st.colonne.resize(16, -1);
    elenco.push_back(st);
  }
  return elenco;
}

int secondi(const stazione& st) {
  return (st.colonne[13] * 60 + st.colonne[14]) * 60 + st.colonne[15];
}

TEST(CopioneTreno, StationRowsKeepTheirCountsAndColumnsByType) {
  const std::vector<stazione> elenco = stazioni();
  ASSERT_EQ(elenco.size(), 30u);
  // Columns 7 to 12 for each type code, and how many stations have it.
  const std::map<int, std::pair<std::vector<int>, int>> per_tipo = {
      {8, {{1, 1, 0, 4, 1, 1}, 1}},  {12, {{1, 1, 0, 4, 1, 1}, 4}},  {22, {{0, 0, 0, 4, 1, 1}, 11}},
      {26, {{0, 0, 0, 0, 0, 0}, 3}}, {27, {{0, 0, 0, 0, 0, 0}, 10}}, {4, {{1, 1, 0, 2, 1, 1}, 1}},
  };
  std::map<int, int> conteggio;
  std::vector<int> lunghe;
  std::set<std::string> nomi;
  int precedente = -50;
  for (std::size_t i = 0; i < elenco.size(); ++i) {
    const std::vector<int>& c = elenco[i].colonne;
    SCOPED_TRACE(elenco[i].nome);
    EXPECT_GT(c[0], precedente);
    EXPECT_EQ(c[0] % 50, 0);
    precedente = c[0];
    auto tipo = per_tipo.find(c[1]);
    ASSERT_NE(tipo, per_tipo.end()) << "type " << c[1];
    ++conteggio[c[1]];
    EXPECT_EQ(std::vector<int>(c.begin() + 6, c.begin() + 12), tipo->second.first);
    EXPECT_TRUE(c[2] == 300 || c[2] == 400);
    if (c[2] == 400) lunghe.push_back(c[0]);
    EXPECT_EQ(c[3], i + 1 == elenco.size() ? 1 : 0);
    EXPECT_EQ(c[4], 0);
    EXPECT_EQ(c[5], c[0] == 83500 ? 1 : 0);
    EXPECT_FALSE(elenco[i].nome.empty());
    EXPECT_TRUE(std::all_of(elenco[i].nome.begin(), elenco[i].nome.end(),
                            [](char ch) { return (ch >= 'A' && ch <= 'Z') || ch == ' '; }));
    EXPECT_NE(elenco[i].nome.back(), ' ');
    nomi.insert(elenco[i].nome);
  }
  for (const auto& [tipo, atteso] : per_tipo) EXPECT_EQ(conteggio[tipo], atteso.second) << tipo;
  EXPECT_EQ(elenco.front().colonne[1], 8);
  EXPECT_EQ(elenco.back().colonne[1], 4);
  EXPECT_EQ(elenco.front().colonne[0], 0);
  EXPECT_EQ(elenco.back().colonne[0], 89000);
  EXPECT_EQ(std::vector<int>(elenco[1].colonne.begin(), elenco[1].colonne.begin() + 3),
            (std::vector<int>{1800, 12, 300}));
  EXPECT_EQ(lunghe.size(), 3u);
  EXPECT_NE(std::find(lunghe.begin(), lunghe.end(), 83500), lunghe.end());
  EXPECT_NE(std::find(lunghe.begin(), lunghe.end(), 89000), lunghe.end());
  EXPECT_EQ(nomi.size(), elenco.size()) << "station names repeat";
}

TEST(CopioneTreno, TimetableRunsForwardWithItsStops) {
  const std::vector<stazione> elenco = stazioni();
  ASSERT_EQ(elenco.size(), 30u);
  std::vector<const stazione*> con_orario;
  std::map<int, int> soste;
  for (const stazione& st : elenco) {
    SCOPED_TRACE(st.nome);
    if (st.colonne[13] == 0) {
      EXPECT_EQ(std::vector<int>(st.colonne.begin() + 12, st.colonne.end()),
                (std::vector<int>{0, 0, 0, 0}))
          << "a station without a time has no stop";
      continue;
    }
    con_orario.push_back(&st);
    ++soste[st.colonne[12]];
    EXPECT_TRUE(st.colonne[15] == 0 || st.colonne[15] == 30);
    EXPECT_LT(st.colonne[14], 60);
  }
  ASSERT_EQ(con_orario.size(), 19u);
  for (std::size_t i = 1; i < con_orario.size(); ++i)
    EXPECT_LT(secondi(*con_orario[i - 1]), secondi(*con_orario[i])) << con_orario[i]->nome;
  EXPECT_EQ(con_orario.front(), &elenco.front());
  EXPECT_EQ(con_orario.back(), &elenco.back());
  EXPECT_EQ(secondi(elenco.front()), (6 * 60 + 39) * 60);
  EXPECT_EQ(secondi(elenco.back()), (8 * 60 + 15) * 60);
  EXPECT_EQ(soste, (std::map<int, int>{{0, 1}, {1, 1}, {30, 9}, {60, 8}}));
  EXPECT_EQ(elenco.front().colonne[12], 1);
  EXPECT_EQ(elenco.back().colonne[12], 0);
}

TEST(CopioneTreno, NamedStationsCarryTheirFixedRows) {
  const stazione attese[] = {
      {{0, 8, 300, 0, 0, 0, 1, 1, 0, 4, 1, 1, 1, 6, 39, 0}, "FONTEBRUNA"},
      {{5500, 22, 300, 0, 0, 0, 0, 0, 0, 4, 1, 1, 0, 0, 0, 0}, "VALLEMORA"},
      {{34250, 22, 300, 0, 0, 0, 0, 0, 0, 4, 1, 1, 60, 7, 5, 0}, "PRATOSERENO"},
      {{66600, 27, 300, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 7, 38, 30}, "SORBETO"},
      {{83500, 12, 400, 0, 0, 1, 1, 1, 0, 4, 1, 1, 60, 8, 7, 0}, "PORTA FERRATA"},
      {{89000, 4, 400, 1, 0, 0, 1, 1, 0, 2, 1, 1, 0, 8, 15, 0}, "ROCCAFELCE"},
  };
  const std::vector<stazione> elenco = stazioni();
  for (const stazione& attesa : attese) {
    auto st = std::find_if(elenco.begin(), elenco.end(),
                           [&](const stazione& s) { return s.nome == attesa.nome; });
    ASSERT_NE(st, elenco.end()) << attesa.nome;
    EXPECT_EQ(st->colonne, attesa.colonne) << attesa.nome;
  }
}

TEST(CopioneTreno, SignalRowsKeepTheirLayoutOrderAndValueSets) {
  const tabella_righe t = righe_treno();
  const std::set<std::string> fisse_segnali = {
      "segnale,     850,   2, 4, 1,  0, 0,    0,  0,0,0, 0",
      "segnale,    3300,   1, 4, 1,  0, 0,    0,  0,0,0, 0",
      "segnale,   24000,   1, 4, 1,  1, 0,    0,  0,0,0, 0",
      "segnale,   38100,   2, 3, 1,  0, 0,    0,  0,0,0, 240",
      "segnale,   61250,   2, 4, 0,  0, 0,    0,  0,0,0, 0",
      "segnale,   66850,   2, 4, 1,  0, 0,    2,  2,1,0, 0",
      "segnale,   74000,   2, 4, 0,  0, 0,    2,  2,0,0, 0",
      "segnale,   81550,   1, 4, 1,  0, 0,    1,  2,1,0, 0",
      "segnale,   85400,   2, 4, 3,  0, 0,    0,  0,0,0, 0",
  };
  // The values each of the columns 2 to 11 takes over the whole table.
  const std::vector<std::set<int>> insiemi = {
      {1, 2}, {2, 3, 4, 5}, {0, 1, 3, 4}, {0, 1}, {0}, {0, 1, 2}, {0, 2}, {0, 1}, {0}, {0, 240}};
  std::vector<std::set<int>> visti(insiemi.size());
  std::map<int, int> per_sx;
  int con_dx = 0, trovati = 0, precedente = 0;
  for (int s = primo_slot_segnali; s <= ultimo_slot_segnali; ++s) {
    const std::string& riga = t[s];
    SCOPED_TRACE("slot " + std::to_string(s) + ": " + riga);
    EXPECT_EQ(pezzi(riga).at(0), "segnale");
    const std::vector<int> v = numeri(riga);
    ASSERT_EQ(v.size(), 11u);
    const std::string attesa =
        "segnale," + a_destra(v[0], 8) + ",   " + std::to_string(v[1]) + ", " +
        std::to_string(v[2]) + ", " + std::to_string(v[3]) + ",  " + std::to_string(v[4]) + ", " +
        std::to_string(v[5]) + ",    " + std::to_string(v[6]) + ",  " + std::to_string(v[7]) + "," +
        std::to_string(v[8]) + "," + std::to_string(v[9]) + ", " + std::to_string(v[10]);
    EXPECT_EQ(riga, attesa);
    // 500 m keep a signal's approach markers off the signal before it.
    if (s > primo_slot_segnali) {
      EXPECT_GE(v[0] - precedente, 500);
    }
    precedente = v[0];
    for (std::size_t c = 0; c < insiemi.size(); ++c) visti[c].insert(v[c + 1]);
    ++per_sx[v[1]];
    con_dx += v[6] != 0;
    if (v[10] != 0) {
      EXPECT_EQ(v[1], 2) << "a time value is kept only on a main signal";
    }
    trovati += fisse_segnali.count(riga);
  }
  EXPECT_EQ(numeri(t[primo_slot_segnali]).at(0), 850);
  EXPECT_EQ(numeri(t[ultimo_slot_segnali]).at(0), 88400);
  for (std::size_t c = 0; c < insiemi.size(); ++c)
    EXPECT_EQ(visti[c], insiemi[c]) << "column " << c + 2;
  EXPECT_EQ(per_sx, (std::map<int, int>{{1, 10}, {2, 38}}));
  EXPECT_EQ(con_dx, 8);
  EXPECT_EQ(trovati, static_cast<int>(fisse_segnali.size()));
}

}  // namespace
}  // namespace compattatore
