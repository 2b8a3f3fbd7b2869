#include "app/rapporto.h"

#include "app/form1.h"
#include "store/stato.h"

namespace compattatore {

std::string descrivi_stato(const stato_registrato& stato) {
  std::string testo =
      "status " + std::to_string(stato.codice) + ": " + significato_stato(stato.codice);
  if (!stato.luogo.dettaglio.empty()) testo += " (" + stato.luogo.dettaglio + ")";
  if (stato.posizione) testo += ", position " + std::to_string(*stato.posizione) + " m";
  return testo;
}

int concludi_corsa(const scenario& s, bool dati_scritti, piattaforma& p) {
  // The data files are written whatever status the reader left, as the
  // simulator's users expect; the status still decides how the run ends, so
  // that a refused row is never reported as success.
  const bool con_stato = s.codice_errore != 0 && !s.stati_registrati.empty();
  if (!dati_scritti) {
    p.segnala("no data file written: " +
              (con_stato ? descrivi_stato(s.stati_registrati.back()) : "no route cells"));
    return uscita_riga_rifiutata;
  }
  if (con_stato) {
    p.segnala(descrivi_stato(s.stati_registrati.back()));
    return uscita_riga_rifiutata;
  }
  return uscita_riuscita;
}

}  // namespace compattatore
