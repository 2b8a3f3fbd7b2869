// Reading the train script: train values, speed limits and adhesion along
// the route, the normal end with its tails, and the error exit.

#include <gtest/gtest.h>

#include "tests/lettura_copioni.h"

namespace compattatore {
namespace {

const std::string velocita_incorporate =
    righe({"velocita,       0,    80", "velocita,    1600,    85", "velocita,    5900,   105",
           "velocita,   10550,    90", "velocita,   24950,    95", "velocita,   34250,    75",
           "velocita,   34950,    95", "velocita,   39950,    90", "velocita,   42400,    75",
           "velocita,   44650,    95", "velocita,   50250,    90", "velocita,   62750,   105",
           "velocita,   65750,    95", "velocita,   67750,    85"});
const std::string aderenze_incorporate =
    righe({"aderenza,   0,    100", "aderenza,   15300,    81", "aderenza,   18300,    75",
           "aderenza,   19300,   100"});

TEST(LetturaTreno, BuiltInTrainValuesSpeedsAndAdhesion) {
  std::string treno =
      righe({"numero vetture,    5", "percentuale massa frenata,    130", "sabbia,    300",
             "orologio,    6               37            45 ", "[aderenze]"}) +
      aderenze_incorporate + "[vel_limite]\r\n" + velocita_incorporate;
  lettura_prova esito = leggi_copioni(copione_linea(), copione_treno(treno));
  const scenario& s = esito.s;
  EXPECT_EQ(s.codice_errore, 0);
  EXPECT_EQ(esito.file_rimasti, "");
  EXPECT_EQ(s.voci[84].valore_a, 130);
  EXPECT_EQ(s.voci[84].valore_c, 5);
  EXPECT_EQ(s.voci[86].intero1, 300);
  EXPECT_EQ((std::array{s.voci[86].intero3, s.voci[86].intero4, s.voci[86].intero5}),
            (std::array<std::int16_t, 3>{6, 37, 45}));
  EXPECT_EQ(tratti(s, &cella::velocita_limite, 0, 117), "0-31:16 32-117:17");
  EXPECT_EQ(tratti(s, &cella::velocita_limite, 1300, 1980),
            "1300-1314:21 1315-1354:19 1355-1977:17 1978-1980:0");
  EXPECT_EQ(tratti(s, &cella::aderenza, 0, 1980),
            "0-305:100 306-365:81 366-385:75 386-1977:100 1978-1980:0");
}

TEST(LetturaTreno, SpeedFillEdges) {
  struct caso {
    const char* nome;
    std::string righe_treno;
    const char* atteso;  // cells 0 to 9
  } casi[] = {
      {"position 25 rounds to cell 0", "velocita, 25, 50\r\nvelocita, 250, 100\r\n",
       "0-4:10 5-9:20"},
      {"position 75 rounds to cell 2", "velocita, 0, 50\r\nvelocita, 75, 100\r\n", "0-1:10 2-9:20"},
      {"two rows in one cell", "velocita, 0, 50\r\nvelocita, 100, 60\r\nvelocita, 110, 70\r\n",
       "0-1:10 2-2:12 3-9:14"},
      {"start value 0 before the first row", "velocita, 200, 50\r\n", "0-3:0 4-9:10"},
      {"fifth of a speed rounds half to even", "velocita, 0, 1277\r\n", "0-9:255"},
  };
  for (const caso& c : casi) {
    scenario s = leggi_copioni(copione_linea(), copione_treno(c.righe_treno)).s;
    EXPECT_EQ(s.codice_errore, 0) << c.nome;
    EXPECT_EQ(tratti(s, &cella::velocita_limite, 0, 9), c.atteso) << c.nome;
  }
}

TEST(LetturaTreno, AdhesionKeepsItsLowByte) {
  scenario s =
      leggi_copioni(copione_linea(), copione_treno("aderenza, 0, 300\r\naderenza, 100, -1\r\n")).s;
  EXPECT_EQ(tratti(s, &cella::aderenza, 0, 4), "0-1:44 2-4:255");
}

TEST(LetturaTreno, FillsNeverPassTheLastCell) {
  std::string treno = "velocita, 98900, 50\r\naderenza, 98900, 70\r\n";
  for (int n = 0; n < 5; ++n) treno += "velocita, 100, 60\r\naderenza, 100, 80\r\n";
  scenario s = leggi_copioni(copione_linea(), copione_treno(treno)).s;
  EXPECT_EQ(s.codice_errore, 0);
  EXPECT_EQ(tratti(s, &cella::velocita_limite, 1976, 1980),
            "1976-1977:0 1978-1978:10 1979-1980:12");
  EXPECT_EQ(tratti(s, &cella::aderenza, 1976, 1980), "1976-1977:0 1978-1978:70 1979-1980:80");
}

TEST(LetturaTreno, RowBeyondTheRouteEndsNormally) {
  std::string generale = "progressiva chilometrica uno, 0, 1025, 0\r\n";
  std::string treno =
      "velocita, 0, 50\r\nvelocita, 500, 60\r\nvelocita, 98901, 70\r\n"
      "numero vetture, 9\r\n";
  lettura_prova esito = leggi_copioni(copione_linea("", 92000, generale), copione_treno(treno));
  EXPECT_EQ(esito.file_rimasti, "");
  EXPECT_EQ(esito.s.voci[84].valore_c, 0) << "rows after it are not read";
  EXPECT_EQ(tratti(esito.s, &cella::velocita_limite, 0, 1980), "0-9:10 10-1977:12 1978-1980:0");
  EXPECT_EQ(esito.s.codice_errore, 2) << "the kilometric check still runs and replaces 15";
  esito = leggi_copioni(copione_linea(), copione_treno(treno));
  EXPECT_EQ(esito.s.codice_errore, 15);
  EXPECT_EQ(esito.s.posizione_errore, 98901);
}

TEST(LetturaTreno, ScriptWithoutGeneralSection) {
  lettura_prova esito = leggi_copioni(copione_linea(), righe({"velocita, 0, 50", "[fine]"}));
  EXPECT_EQ(esito.s.codice_errore, 0);
  EXPECT_EQ(esito.file_rimasti, "");
  EXPECT_EQ(tratti(esito.s, &cella::velocita_limite, 0, 1980), "0-1980:0");
  EXPECT_EQ(tratti(esito.s, &cella::aderenza, 0, 1980), "0-1980:0");
}

TEST(LetturaTreno, ErrorExit) {
  struct caso {
    const char* nome;
    std::optional<std::string> treno;
  } casi[] = {
      {"missing train script", std::nullopt},
      {"row cut short by the end of the file", righe({"[generale]", "aderenza, 100"})},
      {"speed whose fifth exceeds a byte",
       copione_treno("velocita, 0, 1278\r\nvelocita, 500, 5\r\n")},
      {"16-bit field overflow", copione_treno("sabbia, 40000\r\n")},
      {"8-bit station column overflow", copione_treno("stazione, 0, 256, 300\r\n")},
      {"letters in a number field", copione_treno("numero vetture, cinque\r\n")},
  };
  for (const caso& c : casi) {
    lettura_prova esito = leggi_copioni(copione_linea(), c.treno);
    EXPECT_EQ(esito.s.codice_errore, 25) << c.nome;
    EXPECT_EQ(esito.file_rimasti, "") << c.nome;
    EXPECT_FALSE(esito.s.luogo_errore().dettaglio.empty()) << c.nome;
  }
}

TEST(LetturaTreno, KeywordsMatchAnyCaseAndSectionHeadersMatchNothing) {
  std::string treno = righe({"[aderenze]", "NUMERO VETTURE, 4", "[stazioni]", "Sabbia, 12"});
  scenario s = leggi_copioni(copione_linea(), copione_treno(treno)).s;
  EXPECT_EQ(s.codice_errore, 0);
  EXPECT_EQ(s.voci[84].valore_c, 4);
  EXPECT_EQ(s.voci[86].intero1, 12);
  // A keyword alone on the last line is not acted on.
  s = leggi_copioni(copione_linea(), righe({"[generale]", "numero vetture"})).s;
  EXPECT_EQ(s.codice_errore, 0);
  s = leggi_copioni(copione_linea(), righe({"[generale]", "numero vetture, 3"})).s;
  EXPECT_EQ(s.voci[84].valore_c, 3);
}

}  // namespace
}  // namespace compattatore

#include "app/file_sicuro.h"
#include "app/nomi_file.h"
#include "reader/memorizza_dati.h"

namespace compattatore {
namespace {

TEST(LetturaTreno, TrainScriptThatCannotBeReadTakesTheErrorExit) {
  cartella_temporanea cartella;
  scenario s;
  s.nome_linea = "Linea";
  s.numero_treno = "7";
  sostituisci_file(file_script_linea(cartella.percorso(), s), copione_linea());
  std::filesystem::create_directory(file_script_treno(cartella.percorso(), s));
  memorizza_dati(s, cartella.percorso());
  EXPECT_EQ(s.codice_errore, 25);
  EXPECT_EQ(cartella.elenco(), "Linea_7-.txt") << "the folder in its place is left alone";
}

}  // namespace
}  // namespace compattatore
