// The crew documents: fixed blank forms, written whole over earlier files.

#include "documents/documenti.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/file_sicuro.h"
#include "app/nomi_file.h"
#include "tests/cartella_temporanea.h"

namespace compattatore {
namespace {

std::vector<std::string> righe_di(const std::string& testo) {
  std::vector<std::string> righe;
  std::size_t inizio = 0;
  while (inizio < testo.size()) {
    std::size_t fine = testo.find("\r\n", inizio);
    EXPECT_NE(fine, std::string::npos) << "every line ends with CR LF";
    if (fine == std::string::npos) break;
    righe.push_back(testo.substr(inizio, fine - inizio));
    inizio = fine + 2;
  }
  return righe;
}

// Columns (counted from 1) holding '|' in a line.
std::vector<int> colonne_barre(const std::string& riga) {
  std::vector<int> colonne;
  for (std::size_t i = 0; i < riga.size(); ++i)
    if (riga[i] == '|') colonne.push_back(static_cast<int>(i) + 1);
  return colonne;
}

TEST(TabellaRighe, StopsAtTheEndMarkerAndNeverWritesIt) {
  tabella_righe t({"uno", "", "  tre  "});
  EXPECT_EQ(t[3], "riferimento fine del file");
  EXPECT_EQ(t.testo(), "uno\r\n\r\n  tre  \r\n");
}

TEST(TabellaRighe, RefusesMoreLinesThanSlotsBeforeTheMarker) {
  EXPECT_NO_THROW(tabella_righe(std::vector<std::string>(1000, "x")));
  EXPECT_THROW(tabella_righe(std::vector<std::string>(1001, "x")), std::length_error);
}

TEST(Documenti, NotesAreEmpty) {
  EXPECT_EQ(righe_note().testo(), "");
}

TEST(Documenti, TrainSheetShape) {
  const std::string testo = righe_scheda_treno().testo();
  EXPECT_EQ(testo.size(), 3733u);
  auto righe = righe_di(testo);
  ASSERT_EQ(righe.size(), 49u);
  for (int n : {1, 2, 12, 49}) EXPECT_EQ(righe[n - 1], "") << "line " << n;
  for (int n = 4; n <= 6; ++n)
    EXPECT_EQ(colonne_barre(righe[n - 1]), (std::vector<int>{2, 22, 68, 83})) << "line " << n;
  for (int n = 9; n <= 11; ++n)
    EXPECT_EQ(colonne_barre(righe[n - 1]), (std::vector<int>{2, 22, 37, 57})) << "line " << n;
  for (int n = 14; n <= 48; ++n)
    EXPECT_EQ(colonne_barre(righe[n - 1]), (std::vector<int>{2, 8, 14, 25, 31, 60, 77, 83}))
        << "line " << n;
  for (int n = 17; n <= 47; ++n) EXPECT_EQ(righe[n - 1], righe[16]) << "line " << n;
  EXPECT_EQ(righe[47], righe[15]);
  EXPECT_EQ(righe[8].size(), 64u);
  EXPECT_EQ(righe[8].substr(57), "       ") << "line 9 keeps its trailing spaces";
  EXPECT_EQ(righe[3],
            " |                   |                    SCHEDA                   |              |");
  EXPECT_EQ(righe[4],
            " |   TRENO n.xxxxx   |                   da: xxxxxx                |    Vxxx C    |");
  EXPECT_EQ(righe[5],
            " |___________________|                    a: xxxxxx                |     xxx%     |");
  EXPECT_EQ(righe[6], std::string(67, ' ') + "|______________|");
  EXPECT_EQ(righe[9], " |        xxx        |              |      xxxT         |");
  EXPECT_EQ(righe[13],
            " | Vel.| Vel.| Progr Km |  No |   Localita' di  Servizio   |     Orario     | Rec |");
  EXPECT_EQ(righe[14],
            " | Lim.|Marc.|          |  Rs |                            |                |     |");
  for (const char* segnaposto :
       {"TRENO n.xxxxx", "da: xxxxxx", "a: xxxxxx", "Vxxx C", "xxx%", "SCHEDA", "xxxT",
        "CLASSIFICAZIONE", "MASSA BLOCCATA", "Localita' di  Servizio"})
    EXPECT_NE(testo.find(segnaposto), std::string::npos) << segnaposto;
}

TEST(Documenti, SlowOrderFormShape) {
  const std::string testo = righe_rallentamenti().testo();
  EXPECT_EQ(testo.size(), 3283u);
  auto righe = righe_di(testo);
  ASSERT_EQ(righe.size(), 46u);
  for (int n : {1, 6, 40}) EXPECT_EQ(righe[n - 1], "") << "line " << n;
  for (int n = 9; n <= 39; ++n)
    EXPECT_EQ(colonne_barre(righe[n - 1]), (std::vector<int>{2, 6, 35, 48, 59, 69, 82}))
        << "line " << n;
  for (int n = 13; n <= 38; ++n) EXPECT_EQ(righe[n - 1], righe[12]) << "line " << n;
  EXPECT_EQ(righe[38], righe[11]);
  for (const std::string& riga : righe)
    EXPECT_TRUE(riga.empty() || riga.back() != ' ') << "no trailing spaces: " << riga;
  EXPECT_EQ(righe[1], std::string(31, ' ') + "Modulo M. 3");
  EXPECT_EQ(righe[2], std::string(27, ' ') + "ORDINE DI RALLENTAMENTO");
  EXPECT_EQ(righe[9],
            " | N.|      FRA LE STAZIONI       | il cippo   | Velocita'|Lunghezza|Prescrizioni|");
  EXPECT_EQ(righe[10],
            " |   |   (o nelle Stazioni di)    |chilometrico|          |   metri | specifiche |");
  // The notes come in the order A, B, D, C.
  EXPECT_EQ(righe[40], "              Prescrizioni specifiche");
  EXPECT_EQ(righe[41], " A - Da rispettare con tutto il treno (per i treni viaggiatori)");
  EXPECT_EQ(righe[42], " B - Interessa anche la stazione di.......");
  EXPECT_EQ(righe[43], " D - Rallentamneto N. ... e N. ...  sono contigui");
  EXPECT_EQ(righe[44], " C - Da rispettare dalle ore ....  alle ore ..... di tutti");
  EXPECT_EQ(righe[45], "     i giorni esclusi i seguenti:.........");
  EXPECT_NE(testo.find("Linea  xxxxxx xxxxxxx"), std::string::npos);
  EXPECT_NE(testo.find("treno xxxxx"), std::string::npos);
}

TEST(Documenti, WrittenUnderTheirNamesReplacingEarlierFiles) {
  cartella_temporanea cartella;
  scenario s;
  s.nome_linea = "Castoria_Belvento";
  s.numero_treno = "46183";
  sostituisci_file(file_note(cartella.percorso(), s), "an earlier, longer note");
  dati_note(s, cartella.percorso());
  dati_rallentamenti(s, cartella.percorso());
  dati_scheda(s, cartella.percorso());
  auto leggi = [&](const char* nome) { return leggi_file(cartella.percorso() / nome); };
  EXPECT_EQ(leggi("Castoria_Belvento_46183_note.txt"), std::string());
  EXPECT_EQ(leggi("Castoria_Belvento_46183_rallentamenti.txt"), righe_rallentamenti().testo());
  EXPECT_EQ(leggi("Castoria_Belvento_46183_scheda_treno.txt"), righe_scheda_treno().testo());
}

}  // namespace
}  // namespace compattatore
