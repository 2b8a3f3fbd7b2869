#include "store/stato.h"

namespace compattatore {

std::string significato_stato(int codice) {
  switch (codice) {
    case stato_nessuno:
      return "no status recorded";
    case stato_lunghezza_percorso:
      return "the track length is missing or lies outside 1 to 1000000 metres";
    case stato_progressiva_non_multipla:
      return "a kilometric reference's position or chainage is not a multiple of 50";
    case stato_inizio_ripetizione:
      return "the signal-repetition start is not a multiple of 50";
    case stato_fine_ripetizione:
      return "the signal-repetition end is not a multiple of 50";
    case stato_codici_ripetizione:
      return "the signal-repetition row names neither 4 nor 9 codes";
    case stato_cartello_occupato:
      return "the sign's cell already holds an object";
    case stato_abbattimento_occupato:
      return "the abatement's cell already holds an object";
    case stato_stazione_non_multipla:
      return "the station position is not a multiple of 50";
    case stato_lunghezza_stazione:
      return "the station length is not a multiple of 100";
    case stato_stazioni_troppe:
      return "the station rows reach the item rows taken by the sign texts";
    case stato_abbattimento_segnale:
      return "no free cell for an abatement point before a signal ahead of a slowdown warning";
    case stato_guardia_rallentamento:
      return "no free cell for a guard abatement point before a slowdown";
    case stato_punto_rallentamento:
      return "no free cell for an abatement point inside or after a slowdown";
    case stato_fuori_percorso:
      return "the position lies outside the route cells";
    case stato_segnale_occupato:
      return "the signal's cell already holds an object";
    case stato_avviso_occupato:
      return "the slowdown warning's cell already holds an object";
    case stato_inizio_rallentamento:
      return "the slowdown start's cell already holds an object";
    case stato_fine_rallentamento:
      return "the slowdown end's cell already holds an object";
    case stato_preavvisi_occupati:
      return "the four cells before the slowdown warning are not all free";
    case stato_indicatore_occupato:
      return "the speed-indicator board's cell already holds an object";
    case stato_stazione_vicina:
      return "the station area starts less than 350 m after the end of the previous station's area";
    case stato_fermata_iniziale:
      return "the station's stop point falls on cell 1 or lower";
    case stato_errore_lettura:
      return "the script could not be read";
    case stato_linea_mancante:
      return "the line script is missing";
    case stato_generale_mancante:
      return "the line script has no \"[generale]\" field";
    case stato_tracciato:
      return "a curve row has no class digit 1 to 6, or the track plan runs past 1000000 metres";
    default:
      return "unknown status";
  }
}

}  // namespace compattatore
