#include "app/compattazione.h"

#include "compact/codice_gara.h"
#include "compact/completamento.h"
#include "compact/file_dati.h"
#include "reader/memorizza_dati.h"

namespace compattatore {

esito_compattazione memorizza_percorso(scenario& s, std::int32_t j,
                                       const std::filesystem::path& cartella_script,
                                       const std::filesystem::path& cartella_dati) {
  s.con_profilo = j;
  s.codice_errore = 0;
  s.stati_registrati.clear();
  s.azzera_voci();
  // A store used for an earlier compaction must not lend its route to this one.
  s.percorso.clear();
  s.profilo.libera();
  s.numero_stazioni = 0;

  memorizza_dati(s, cartella_script);
  // Without route cells there is nothing to complete or write; the earlier
  // data files are better left whole than replaced by empty ones.
  if (!s.percorso_dimensionato()) return {};

  completa_abbattimenti(s);
  if (int avviso = timbra_codice_gara(s)) return {avviso, false};
  scrivi_file_dati(s, cartella_dati);
  return {0, true};
}

}  // namespace compattatore
