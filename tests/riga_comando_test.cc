// The authoring tool: compiling an author's scripts, the diagnostics that
// name the refused row, and the errors of its command line.

#include "app/riga_comando.h"

#include <gtest/gtest.h>

#include <sstream>

#include "app/file_sicuro.h"
#include "app/form1.h"
#include "store/stato.h"
#include "tests/cartella_temporanea.h"
#include "tests/lettura_copioni.h"
#include "tests/piattaforma_prova.h"

namespace compattatore {
namespace {

struct esito_cli {
  int stato;
  std::string uscita, errori;
};

esito_cli cli(const std::vector<std::string>& argomenti) {
  std::ostringstream uscita, errori;
  int stato = esegui_riga_comando(argomenti, uscita, errori);
  return {stato, uscita.str(), errori.str()};
}

// Compiles the two texts as line.txt and train.txt in a fresh folder.
struct compilazione {
  cartella_temporanea cartella;
  esito_cli esito;

  compilazione(const std::string& linea, const std::string& treno,
               std::vector<std::string> altre = {}) {
    sostituisci_file(file("line.txt"), linea);
    sostituisci_file(file("train.txt"), treno);
    std::vector<std::string> argomenti = {"compile",         "--line", file("line.txt"), "--train",
                                          file("train.txt"), "--out",  file("out")};
    argomenti.insert(argomenti.end(), altre.begin(), altre.end());
    esito = cli(argomenti);
  }
  std::string file(const std::string& nome) const { return (cartella.percorso() / nome).string(); }
};

TEST(RigaComando, CompilesTheBuiltInScriptsToTheProgramsOwnBytes) {
  cartella_temporanea programma;
  piattaforma_prova piattaforma(programma.percorso());
  Form1 form(piattaforma);
  form.Form_Load();

  cartella_temporanea autore;
  esito_cli copioni = cli({"scripts", "--out", (autore.percorso() / "start").string()});
  ASSERT_EQ(copioni.stato, 0) << copioni.errori;
  const auto start = autore.percorso() / "start";
  const std::string linea = (start / "Castoria_Belvento_linea.txt").string();
  const std::string treno = (start / "Castoria_Belvento_46183-.txt").string();
  const std::string prima_linea = *leggi_file(linea);
  esito_cli esito = cli({"compile", "--line", linea, "--train", treno, "--out",
                         (autore.percorso() / "out").string()});
  ASSERT_EQ(esito.stato, 0) << esito.errori;
  EXPECT_EQ(esito.errori, "");
  EXPECT_NE(esito.uscita.find("compiled: 1981 cells, 30 stations, 48 signals; wrote "),
            std::string::npos)
      << esito.uscita;
  for (const char* nome : {"Castoria_Belvento_linea.dat", "Castoria_Belvento_46183.sim",
                           "Castoria_Belvento_46183.dat"})
    EXPECT_TRUE(leggi_file(autore.percorso() / "out" / nome) ==
                leggi_file(programma.percorso() / nome))
        << nome;
  EXPECT_EQ(*leggi_file(linea), prima_linea) << "the author's script is left as it was";
  EXPECT_TRUE(std::filesystem::exists(treno));
}

std::string stazione(int posizione, int tipo = 12, int lunghezza = 300) {
  return "stazione, " + std::to_string(posizione) + ", " + std::to_string(tipo) + ", " +
         std::to_string(lunghezza) + ", 0,0,0, 1,1,0,4,1,1, 60, 7,5,0, BORGO\r\n";
}

std::string segnale(int posizione) {
  return "segnale, " + std::to_string(posizione) + ", 2, 4,1,0,0,0,0,0,0,0\r\n";
}

TEST(RigaComando, EveryStatusNamesItsRow) {
  const std::string linea = copione_linea();  // its feature rows start on line 4
  std::string settantanove;
  for (int n = 0; n < 79; ++n) settantanove += stazione(n * 1000, 26);
  struct caso {
    int stato;
    std::string linea, treno;
    const char* dove;  // file[:line:column] as reported
  } casi[] = {
      {102, righe({"lunghezza percorso, 92000"}), copione_treno(), "line.txt"},
      {1, copione_linea("", 2000000), copione_treno(), "line.txt:2:1"},
      {1, righe({"[generale]", "sfondo uno, 1", "[fine]"}), copione_treno(), "line.txt"},
      {3, copione_linea("", 92000, "ripetizione segnali 4, 60120, 90000\r\n"), copione_treno(),
       "line.txt:3:1"},
      {4, copione_linea("", 92000, "ripetizione segnali 4, 60100, 90025\r\n"), copione_treno(),
       "line.txt:3:1"},
      {5, copione_linea("", 92000, "ripetizione segnali, 60100, 90000\r\n"), copione_treno(),
       "line.txt:3:1"},
      {103, copione_linea("curvad7, 550, 100\r\n"), copione_treno(), "line.txt:4:1"},
      {15, copione_linea("pendenza, 0, 0\r\npendenza, 98901, 2\r\n"), copione_treno(),
       "line.txt:5:1"},
      {21, copione_linea("indicatori_vmax, 500, 75,,,,,,,\r\nindicatori_vmax, 510, 75,,,,,,,\r\n"),
       copione_treno(), "line.txt:5:1"},
      {6, copione_linea("indicatori_vmax, 500, 75,,,,,,,\r\n  cartello indicatore, 510, X\r\n"),
       copione_treno(), "line.txt:5:3"},
      {25, copione_linea("pendenza, 12x, 3\r\n"), copione_treno(), "line.txt:4:11"},
      {2, copione_linea("", 92000, "progressiva chilometrica due, 30000, 1030, 0\r\n"),
       copione_treno(), "line.txt:3:1"},
      {15, linea, copione_treno("velocita, 0, 80\r\nvelocita, 98901, 90\r\n"), "train.txt:3:1"},
      {25, linea, copione_treno("sabbia, 40000\r\n"), "train.txt:2:9"},
      {25, linea, righe({"[generale]", "aderenza, 100"}), "train.txt:2:1"},
      {8, linea, copione_treno(stazione(1825)), "train.txt:2:1"},
      {9, linea, copione_treno(stazione(2000, 12, 350)), "train.txt:2:1"},
      {22, linea, copione_treno(stazione(0) + stazione(600)), "train.txt:3:1"},
      {24, linea, copione_treno(stazione(0, 12, 200)), "train.txt:2:1"},
      {10, linea, copione_treno(settantanove), "train.txt:80:1"},
      {16, linea, copione_treno(segnale(5000) + segnale(5010)), "train.txt:3:1"},
      {17, linea, copione_treno(segnale(5000) + "rallentamento, 6200, 60, 500, 0, 0, 0\r\n"),
       "train.txt:3:1"},
      {18, linea, copione_treno(segnale(5000) + "rallentamento, 5000, 60, 500, 0, 0, 0\r\n"),
       "train.txt:3:1"},
      {19, linea, copione_treno(segnale(5000) + "rallentamento, 4500, 60, 500, 0, 0, 0\r\n"),
       "train.txt:3:1"},
      {20, linea, copione_treno(segnale(4850) + "rallentamento, 6150, 60, 500, 0, 1, 0\r\n"),
       "train.txt:3:1"},
      {7, linea, copione_treno(segnale(950) + "abbattimento, 1000, 80\r\n"), "train.txt:3:1"},
      // The completion pass has no row of its own: it names the train script.
      {11, linea,
       copione_treno(segnale(1350) + segnale(1400) + segnale(1450) +
                     "rallentamento, 3000, 120, 500, 0, 0, 0\r\n"),
       "train.txt"},
      {12, linea,
       copione_treno(segnale(100) + segnale(150) + segnale(200) +
                     "rallentamento, 450, 120, 500, 0, 0, 0\r\n"),
       "train.txt"},
      {13, linea,
       copione_treno(segnale(800) + segnale(850) + segnale(900) +
                     "rallentamento, 450, 60, 1000, 0, 0, 0\r\n"),
       "train.txt"},
  };
  for (const caso& c : casi) {
    compilazione prova(c.linea, c.treno);
    EXPECT_EQ(prova.esito.stato, 1) << c.stato;
    const std::string atteso = prova.file(c.dove) + ": error: " + significato_stato(c.stato);
    EXPECT_NE(prova.esito.errori.find(atteso), std::string::npos)
        << "expected: " << atteso << "\ngot: " << prova.esito.errori;
    EXPECT_NE(prova.esito.errori.find("(status " + std::to_string(c.stato)), std::string::npos)
        << prova.esito.errori;
    std::size_t errori = 0;
    for (std::size_t at = 0; (at = prova.esito.errori.find(": error: ", at)) != std::string::npos;
         ++at)
      ++errori;
    EXPECT_EQ(errori, 1u) << "one diagnostic per refused row:\n" << prova.esito.errori;
  }
}

TEST(RigaComando, DiagnosticShowsTheRowAndThePosition) {
  compilazione prova(
      copione_linea(),
      copione_treno("  stazione, 1825, 12, 300, 0,0,0, 1,1,0,4,1,1, 60, 7,5,0, BORGO\r\n"));
  EXPECT_EQ(prova.esito.errori,
            prova.file("train.txt") +
                ":2:3: error: the station position is not a multiple of 50 (status 8, position "
                "1825 m)\n      stazione, 1825, 12, 300, 0,0,0, 1,1,0,4,1,1, 60, 7,5,0, BORGO\n");
  EXPECT_NE(prova.esito.uscita.find("compiled with errors"), std::string::npos);
}

TEST(RigaComando, FatalNoticeWritesNoDataFile) {
  compilazione prova(copione_linea(), copione_treno(segnale(0)));
  EXPECT_EQ(prova.esito.stato, 1);
  EXPECT_NE(prova.esito.errori.find("error: Errore n. 1250: route cell 1 already holds"),
            std::string::npos)
      << prova.esito.errori;
  EXPECT_FALSE(std::filesystem::exists(prova.file("out") + "/Castoria_Belvento_46183.dat"));
}

TEST(RigaComando, NamesAndTrackPlanOptions) {
  compilazione prova(copione_linea(), copione_treno(),
                     {"--line-name", "Valle", "--train-number", "12", "--no-track-plan"});
  ASSERT_EQ(prova.esito.stato, 0) << prova.esito.errori;
  std::string elenco;
  for (const auto& voce : std::filesystem::directory_iterator(prova.file("out")))
    elenco += voce.path().filename().string() + " ";
  EXPECT_TRUE(elenco == "Valle_12.dat Valle_12.sim " || elenco == "Valle_12.sim Valle_12.dat ")
      << elenco;
  const std::string voci = *leggi_file(prova.file("out/Valle_12.sim"));
  EXPECT_NE(voci.find("Valle"), std::string::npos);
}

TEST(RigaComando, UsageAndFileErrors) {
  cartella_temporanea cartella;
  const std::string linea = (cartella.percorso() / "l.txt").string();
  sostituisci_file(linea, copione_linea());
  sostituisci_file(cartella.percorso() / "occupied", "a file, not a folder");
  struct caso {
    std::vector<std::string> argomenti;
    int stato;
    std::string messaggio;
  } casi[] = {
      {{}, 2, "no command given"},
      {{"frobnicate"}, 2, "unknown command 'frobnicate'"},
      {{"compile", "--line", linea}, 2, "missing --train"},
      {{"compile", "--line"}, 2, "--line needs a value"},
      {{"compile", "--speed", "9"}, 2, "unknown option '--speed'"},
      {{"compile", "--line", linea, "--train", linea + ".missing", "--out", "x"},
       2,
       "cannot read " + linea + ".missing: no such file"},
      {{"compile", "--line", linea, "--train", linea, "--out",
        (cartella.percorso() / "occupied").string()},
       2,
       "cannot create the folder"},
      {{"compile", "--line", linea, "--train", linea, "--out", "x", "--line-name", "../up"},
       2,
       "--line-name must be printable ASCII without '/' or '\\'"},
      {{"scripts"}, 2, "missing --out"},
  };
  for (const caso& c : casi) {
    esito_cli esito = cli(c.argomenti);
    EXPECT_EQ(esito.stato, c.stato) << testing::PrintToString(c.argomenti);
    EXPECT_NE(esito.errori.find(c.messaggio), std::string::npos) << esito.errori;
  }
  EXPECT_EQ(cli({"--help"}).stato, 0);
  EXPECT_NE(cli({"--help"}).uscita.find("compile --line LINE_SCRIPT"), std::string::npos);
  EXPECT_EQ(cli({"--version"}).uscita, "compattatore-cli 1.0.0\n");
}

}  // namespace
}  // namespace compattatore
