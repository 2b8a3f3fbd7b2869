// Replacing a file whole, or leaving the earlier one intact on failure.

#include "app/file_sicuro.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "tests/cartella_temporanea.h"

namespace compattatore {
namespace {

TEST(FileSicuro, ReplacesALongerEarlierFileWhole) {
  cartella_temporanea cartella;
  auto file = cartella.percorso() / "dati.dat";
  sostituisci_file(file, std::string(1000, 'a'));
  sostituisci_file(file, "bc");
  EXPECT_EQ(leggi_file(file), "bc");
  EXPECT_EQ(cartella.elenco(), "dati.dat") << "no temporary file is left behind";
}

TEST(FileSicuro, FailedWriteKeepsTheEarlierFileAndNamesTheFile) {
  cartella_temporanea cartella;
  auto file = cartella.percorso() / "dati.dat";
  sostituisci_file(file, "earlier");
  // A folder that does not exist cannot take the temporary file.
  auto altrove = cartella.percorso() / "missing" / "dati.dat";
  try {
    sostituisci_file(altrove, "new");
    FAIL() << "writing into a missing folder must fail";
  } catch (const errore_file& e) {
    EXPECT_NE(std::string(e.what()).find(altrove.string()), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("No such file or directory"), std::string::npos)
        << e.what();
  }
  EXPECT_EQ(leggi_file(file), "earlier");
}

TEST(FileSicuro, FailedRenameRemovesTheTemporaryFile) {
  cartella_temporanea cartella;
  // A folder in the target's place: the content is written, the rename fails.
  auto bersaglio = cartella.percorso() / "occupied";
  std::filesystem::create_directory(bersaglio);
  std::filesystem::create_directory(bersaglio / "inside");
  EXPECT_THROW(sostituisci_file(bersaglio, "content"), errore_file);
  EXPECT_EQ(cartella.elenco(), "occupied");
  EXPECT_TRUE(std::filesystem::is_directory(bersaglio / "inside"));
}

TEST(FileSicuro, ReadAndDelete) {
  cartella_temporanea cartella;
  auto file = cartella.percorso() / "x.txt";
  EXPECT_EQ(leggi_file(file), std::nullopt);
  EXPECT_NO_THROW(elimina_se_esiste(file));
  sostituisci_file(file, std::string("a\0b", 3));
  EXPECT_EQ(leggi_file(file), std::string("a\0b", 3));
  elimina_se_esiste(file);
  EXPECT_FALSE(std::filesystem::exists(file));
}

}  // namespace
}  // namespace compattatore
