#include "tests/cartella_temporanea.h"

#include <unistd.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace compattatore {

cartella_temporanea::cartella_temporanea() {
  std::string modello = (std::filesystem::temp_directory_path() / "compattatore-XXXXXX").string();
  if (::mkdtemp(modello.data()) == nullptr) throw std::runtime_error("cannot create a test folder");
  percorso_ = modello;
}

cartella_temporanea::~cartella_temporanea() {
  std::error_code ec;
  std::filesystem::permissions(percorso_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(percorso_, ec);
}

std::string cartella_temporanea::elenco() const {
  std::vector<std::string> nomi;
  for (const auto& voce : std::filesystem::directory_iterator(percorso_))
    nomi.push_back(voce.path().filename().string());
  std::sort(nomi.begin(), nomi.end());
  std::string testo;
  for (const auto& nome : nomi) testo += (testo.empty() ? "" : " ") + nome;
  return testo;
}

}  // namespace compattatore
