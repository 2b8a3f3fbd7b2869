#include "app/diagnostica.h"

#include "store/stato.h"

namespace compattatore {

std::string diagnostica(const stato_registrato& stato, const std::string& file) {
  const luogo_stato& luogo = stato.luogo;
  std::string testo = file;
  if (luogo.riga > 0)
    testo += ":" + std::to_string(luogo.riga) + ":" + std::to_string(luogo.colonna);
  testo += ": error: " + significato_stato(stato.codice);
  if (!luogo.dettaglio.empty()) testo += ": " + luogo.dettaglio;
  testo += " (status " + std::to_string(stato.codice);
  if (stato.posizione) testo += ", position " + std::to_string(*stato.posizione) + " m";
  testo += ")";
  if (luogo.riga > 0) testo += "\n    " + luogo.testo_riga;
  return testo;
}

}  // namespace compattatore
