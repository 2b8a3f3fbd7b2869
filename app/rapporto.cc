#include "app/rapporto.h"

#include "store/stato.h"

namespace compattatore {
namespace {

// Statuses recorded without a position of their own leave posizione_errore
// as an earlier status set it, so it would mislead the reader of the report.
bool ha_posizione(int codice) {
  switch (codice) {
    case stato_abbattimento_occupato:
    case stato_stazione_non_multipla:
    case stato_lunghezza_stazione:
    case stato_abbattimento_segnale:
    case stato_guardia_rallentamento:
    case stato_punto_rallentamento:
    case stato_fuori_percorso:
    case stato_segnale_occupato:
    case stato_avviso_occupato:
    case stato_inizio_rallentamento:
    case stato_fine_rallentamento:
    case stato_preavvisi_occupati:
    case stato_indicatore_occupato:
    case stato_stazione_vicina:
    case stato_cartello_occupato:
      return true;
    default:
      return false;
  }
}

}  // namespace

std::string descrivi_stato(const scenario& s) {
  std::string testo = "status " + std::to_string(s.codice_errore) + ": " +
                      significato_stato(s.codice_errore);
  if (!s.luogo_errore.dettaglio.empty()) testo += " (" + s.luogo_errore.dettaglio + ")";
  if (ha_posizione(s.codice_errore))
    testo += ", position " + std::to_string(s.posizione_errore) + " m";
  return testo;
}

}  // namespace compattatore
