// Whole runs of the program in a test folder: the files it leaves, their
// replacement on a second run, the fatal notice and the end of the run.

#include <gtest/gtest.h>

#include <cstring>

#include "app/file_sicuro.h"
#include "app/form1.h"
#include "app/nomi_file.h"
#include "app/rapporto.h"
#include "tests/cartella_temporanea.h"
#include "tests/lettura_copioni.h"
#include "tests/piattaforma_prova.h"

namespace compattatore {
namespace {

const char* const sei_file =
    "Castoria_Belvento_46183.dat Castoria_Belvento_46183.sim "
    "Castoria_Belvento_46183_note.txt Castoria_Belvento_46183_rallentamenti.txt "
    "Castoria_Belvento_46183_scheda_treno.txt Castoria_Belvento_linea.dat";

std::string leggi(const cartella_temporanea& c, const char* nome) {
  return leggi_file(c.percorso() / nome).value_or("<missing>");
}

template <typename T>
T a(const std::string& byte, std::size_t offset) {
  T valore{};
  std::memcpy(&valore, byte.data() + offset, sizeof(T));  // the test machine is little-endian
  return valore;
}

TEST(Esecuzione, BuiltInRunLeavesSixFiles) {
  cartella_temporanea cartella;
  piattaforma_prova piattaforma(cartella.percorso());
  Form1 form(piattaforma);
  form.Form_Load();
  EXPECT_EQ(piattaforma.attese, std::vector<std::string>{"Attendere"});
  EXPECT_TRUE(piattaforma.avvisi.empty());
  EXPECT_TRUE(piattaforma.rapporti.empty()) << piattaforma.rapporti.front();
  EXPECT_EQ(piattaforma.stati_uscita, std::vector<int>{0});
  EXPECT_EQ(cartella.elenco(), sei_file);

  EXPECT_EQ(leggi(cartella, "Castoria_Belvento_linea.dat").size(), 1979964u);
  EXPECT_EQ(leggi(cartella, "Castoria_Belvento_46183_note.txt").size(), 0u);
  EXPECT_EQ(leggi(cartella, "Castoria_Belvento_46183_rallentamenti.txt").size(), 3283u);
  EXPECT_EQ(leggi(cartella, "Castoria_Belvento_46183_scheda_treno.txt").size(), 3733u);

  const std::string celle = leggi(cartella, "Castoria_Belvento_46183.dat");
  ASSERT_EQ(celle.size(), 29715u);
  EXPECT_EQ(a<std::int16_t>(celle, 15 + 1), 5121);
  EXPECT_EQ(a<std::int16_t>(celle, 15 + 3), 2366);

  const std::string voci = leggi(cartella, "Castoria_Belvento_46183.sim");
  EXPECT_EQ(voci.substr(0, 34), std::string(34, '\0'));
  // Row 85 follows 85 rows whose texts the store knows.
  std::size_t offset = 0;
  for (int r = 0; r < 85; ++r)
    offset += 34 + form.dati.voci[static_cast<std::size_t>(r)].testo.size();
  EXPECT_EQ(a<std::uint16_t>(voci, offset + 14), 17);
  EXPECT_EQ(voci.substr(offset + 16, 17), "Castoria_Belvento");
  EXPECT_EQ(a<std::int16_t>(voci, offset + 33), 610);
  EXPECT_EQ(a<std::int32_t>(voci, offset + 47), 33290);
  EXPECT_EQ(voci.substr(offset + 51 + 16, 5), "46183");
}

TEST(Esecuzione, SecondRunReplacesEveryFileWithTheSameBytes) {
  cartella_temporanea cartella;
  std::vector<std::string> prima;
  for (int corsa = 0; corsa < 2; ++corsa) {
    piattaforma_prova piattaforma(cartella.percorso());
    Form1 form(piattaforma);
    if (corsa == 1) {
      // Longer leftovers of another run must leave no trailing bytes.
      for (const char* nome : {"Castoria_Belvento_46183_note.txt", "Castoria_Belvento_46183.dat"})
        sostituisci_file(cartella.percorso() / nome, std::string(40000, 'z'));
    }
    form.Form_Load();
    std::vector<std::string> contenuti;
    for (const auto& voce : std::filesystem::directory_iterator(cartella.percorso()))
      contenuti.push_back(voce.path().filename().string() + "=" +
                          leggi_file(voce.path()).value_or(""));
    std::sort(contenuti.begin(), contenuti.end());
    if (corsa == 0)
      prima = contenuti;
    else
      EXPECT_TRUE(contenuti == prima) << "a second run gives byte-identical files";
  }
  EXPECT_EQ(cartella.elenco(), sei_file);
}

// A folder holding the scripts of a scenario and data files of an earlier
// run; the driver is then run directly.
struct corsa_diretta {
  cartella_temporanea cartella;
  piattaforma_prova piattaforma{cartella.percorso()};
  Form1 form{piattaforma};

  corsa_diretta(const std::optional<std::string>& linea, const std::string& treno) {
    form.dati.nome_linea = "Castoria_Belvento";
    form.dati.numero_treno = "46183";
    for (auto* file : {&file_tracciato, &file_voci, &file_percorso})
      sostituisci_file((*file)(cartella.percorso(), form.dati), "earlier");
    if (linea) sostituisci_file(file_script_linea(cartella.percorso(), form.dati), *linea);
    sostituisci_file(file_script_treno(cartella.percorso(), form.dati), treno);
  }
  std::string dati(std::filesystem::path (*file)(const std::filesystem::path&, const scenario&)) {
    return leggi_file(file(cartella.percorso(), form.dati)).value_or("<missing>");
  }
};

TEST(Esecuzione, WithoutTrackPlanTheEarlierPlanStays) {
  corsa_diretta corsa(copione_linea(), copione_treno());
  corsa.form.memorizza_percorso(0);
  EXPECT_EQ(corsa.dati(file_tracciato), "earlier");
  EXPECT_EQ(corsa.dati(file_percorso).size(), 15u * 1981);
}

TEST(Esecuzione, FatalNoticeWritesNoDataFile) {
  struct caso {
    const char* treno;
    const char* avviso;
  } casi[] = {
      {"segnale, 0, 2, 4,1,0,0,0,0,0,0,0\r\n", " Errore n. 1250"},
      // A signal whose first value is 0 but the second is not.
      {"segnale, 0, 2, 0,1,0,0,0,0,0,0,0\r\n", " Errore n. 1251"},
  };
  for (const caso& c : casi) {
    corsa_diretta corsa(copione_linea(), copione_treno(c.treno));
    EXPECT_THROW(corsa.form.memorizza_percorso(1), programma_terminato) << c.treno;
    EXPECT_EQ(corsa.piattaforma.avvisi, std::vector<std::string>{c.avviso});
    for (auto* file : {&file_tracciato, &file_voci, &file_percorso})
      EXPECT_EQ(corsa.dati(*file), "earlier") << c.treno;
  }
}

TEST(Esecuzione, RefusedRowStillWritesTheDataFilesButFailsTheRun) {
  corsa_diretta corsa(copione_linea(), copione_treno("stazione, 1825, 12, 300\r\n"));
  corsa.form.memorizza_percorso(1);
  EXPECT_EQ(corsa.form.dati.codice_errore, 8);
  EXPECT_EQ(corsa.dati(file_percorso).size(), 15u * 1981);
}

}  // namespace
}  // namespace compattatore

namespace compattatore {
namespace {

TEST(Esecuzione, EndOfRunReportsTheLastStatus) {
  cartella_temporanea cartella;
  piattaforma_prova piattaforma(cartella.percorso());
  scenario s;
  EXPECT_EQ(concludi_corsa(s, true, piattaforma), 0);
  EXPECT_TRUE(piattaforma.rapporti.empty());

  s.registra_stato(15, 98901);
  s.registra_stato(2);
  EXPECT_EQ(concludi_corsa(s, true, piattaforma), 1);
  s.registra_stato(25);
  s.luogo_errore().dettaglio = "the train script is missing";
  EXPECT_EQ(concludi_corsa(s, false, piattaforma), 1);
  scenario vuoto;
  EXPECT_EQ(concludi_corsa(vuoto, false, piattaforma), 1);
  s.registra_stato(22, 5500);
  EXPECT_EQ(concludi_corsa(s, true, piattaforma), 1);
  EXPECT_EQ(piattaforma.rapporti,
            (std::vector<std::string>{
                "status 2: a kilometric reference's position or chainage is not a multiple of 50",
                "no data file written: status 25: the script could not be read (the train script "
                "is missing)",
                "no data file written: no route cells",
                "status 22: the station area starts less than 350 m after the end of the "
                "previous station's area, position 5500 m"}));
}

TEST(Esecuzione, MissingLineScriptWritesNoDataFile) {
  corsa_diretta corsa(std::nullopt, copione_treno());
  corsa.form.memorizza_percorso(1);
  EXPECT_EQ(corsa.form.dati.codice_errore, 101);
  for (auto* file : {&file_tracciato, &file_voci, &file_percorso})
    EXPECT_EQ(corsa.dati(*file), "earlier");
}

TEST(Esecuzione, AFileThatCannotBeWrittenStopsTheRunAndNamesIt) {
  cartella_temporanea cartella;
  piattaforma_prova piattaforma(cartella.percorso() / "missing-folder");
  Form1 form(piattaforma);
  form.Form_Load();
  EXPECT_EQ(piattaforma.stati_uscita, std::vector<int>{2});
  ASSERT_EQ(piattaforma.rapporti.size(), 1u);
  EXPECT_NE(piattaforma.rapporti[0].find("Castoria_Belvento_linea.txt"), std::string::npos)
      << piattaforma.rapporti[0];
  EXPECT_NE(piattaforma.rapporti[0].find("No such file or directory"), std::string::npos);
  EXPECT_EQ(cartella.elenco(), "");
}

}  // namespace
}  // namespace compattatore
