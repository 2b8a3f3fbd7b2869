#include "tests/cartella_temporanea.h"

#include <algorithm>
#include <vector>

namespace compattatore {

std::string cartella_temporanea::elenco() const {
  std::vector<std::string> nomi;
  for (const auto& voce : std::filesystem::directory_iterator(percorso()))
    nomi.push_back(voce.path().filename().string());
  std::sort(nomi.begin(), nomi.end());
  std::string testo;
  for (const auto& nome : nomi) testo += (testo.empty() ? "" : " ") + nome;
  return testo;
}

}  // namespace compattatore
