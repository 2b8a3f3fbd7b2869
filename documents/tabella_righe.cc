#include "documents/tabella_righe.h"

#include <stdexcept>

namespace compattatore {

tabella_righe::tabella_righe(const std::vector<std::string>& righe) {
  if (righe.size() >= slot_.size())
    throw std::length_error("a line table holds at most 1000 lines before its end marker");
  std::size_t slot = 0;
  for (const std::string& riga : righe) slot_[slot++] = riga;
  slot_[slot] = std::string(marcatore_fine);
}

std::string tabella_righe::testo() const {
  std::string contenuto;
  for (const std::string& riga : slot_) {
    if (riga == marcatore_fine) break;
    contenuto += riga;
    contenuto += "\r\n";
  }
  return contenuto;
}

}  // namespace compattatore
