#include "reader/memorizza_dati.h"

#include <optional>

#include "app/file_sicuro.h"
#include "app/nomi_file.h"
#include "reader/contesto_lettura.h"
#include "reader/gestori_righe.h"
#include "reader/parole_chiave.h"
#include "store/stato.h"

namespace compattatore {
namespace {

// The reader's two scripts and the one being read.
struct lettura {
  scenario& s;
  std::filesystem::path file_linea;
  std::filesystem::path file_treno;
  std::optional<contesto_lettura> aperto;
  const std::filesystem::path* in_lettura = nullptr;  // the script being read, open or not
  // Where rows 81 to 83 were read from, once put in order.
  std::array<luogo_stato, 3> luoghi_progressive{};

  contesto_lettura& apri(const std::filesystem::path& file, std::string contenuto) {
    aperto.emplace(s, file.filename().string(), std::move(contenuto));
    return *aperto;
  }

  // Closes the line script, deletes it and records a status that belongs
  // to the script as a whole rather than to one of its rows.
  void ferma_linea(int codice, const std::string& dettaglio = "") {
    elimina_se_esiste(file_linea);
    s.registra_stato(codice);
    s.luogo_errore() = {file_linea.filename().string(), 0, 0, "", dettaglio};
  }
};

bool fine_sezione(const std::string& riga) {
  return !riga.starts_with('-') && contiene(riga, "[") && contiene(riga, "]");
}

// The general section: rows in any order up to the first field that holds
// "[" and "]". False when a row refused ends the reader.
bool leggi_sezione_generale(lettura& l, std::array<luogo_campo, 3>& luoghi_progressive) {
  contesto_lettura& c = *l.aperto;
  while (!c.campi.fine()) {
    const std::string* riga = &c.leggi_parola();
    if (c.campi.fine()) break;
    // Comments and disabled rows: up to ten in a row are passed over.
    for (int n = 0; n < 10 && contiene(*riga, "-"); ++n) riga = &c.leggi_parola();
    const std::string parola = *riga;

    if (contiene_senza_caso(parola, "lunghezza") && contiene_senza_caso(parola, "percorso") &&
        riga_lunghezza_percorso(c) != esito_riga::continua) {
      elimina_se_esiste(l.file_linea);
      return false;
    }
    const char* numeri[] = {"tre", "due", "uno"};
    for (int n = 0; n < 3; ++n) {
      if (contiene(parola, "progressiva") && contiene(parola, numeri[n])) {
        luoghi_progressive[n] = c.luogo_riga;
        riga_progressiva(c, voce_progressiva_tre + n);
      }
    }
    if (contiene(parola, "sfondo") && contiene(parola, "uno")) riga_sfondo(c, &voce::valore_a);
    if (contiene(parola, "sfondo") && contiene(parola, "due")) riga_sfondo(c, &voce::valore_c);
    if (contiene(parola, "sfondo") && contiene(parola, "tre")) riga_sfondo(c, &voce::valore_b);
    if (contiene(parola, "ripetizione") && contiene(parola, "segnali") &&
        riga_ripetizione_segnali(c) != esito_riga::continua) {
      elimina_se_esiste(l.file_linea);
      return false;
    }
    if (fine_sezione(parola)) break;
  }
  return true;
}

// The feature rows, to the end of the script or to a row beyond the route.
esito_riga leggi_elementi(contesto_lettura& c) {
  while (!c.campi.fine() && c.leggi_candidata()) {
    const std::string parola = c.s.riga;
    auto ha = [&](const char* chiave) { return contiene_senza_caso(parola, chiave); };
    esito_riga esito =
        prove_riga()
            .se(ha("pendenza"), [&] { return riga_pendenza(c); })
            .se(ha("curva") && c.s.con_profilo != 0, [&] { return riga_curva(c, parola); })
            .se(ha("montagna"), [&] { return riga_montagna(c); })
            .se(ha("indicatori_v"), [&] { return riga_indicatori(c); })
            .se(ha("cartello") && ha("indicat"), [&] { return riga_cartello(c); })
            .esito();
    if (esito != esito_riga::continua) return esito;
  }
  return esito_riga::fine_ciclo;
}

// Keeps, for rows 81 to 83 as ordered, the script row each came from.
void annota_progressive(lettura& l, const std::array<luogo_campo, 3>& luoghi) {
  const std::array<int, 3> provenienza = progressive_ordina(l.s);
  for (int n = 0; n < 3; ++n) {
    int da = provenienza[static_cast<std::size_t>(n)];
    if (da < 0 || luoghi[static_cast<std::size_t>(da)].riga == 0) continue;
    const luogo_campo& luogo = luoghi[static_cast<std::size_t>(da)];
    l.luoghi_progressive[static_cast<std::size_t>(n)] = {
        l.aperto->nome_file, luogo.riga, luogo.colonna, l.aperto->campi.testo_riga(luogo.riga), ""};
  }
}

// The line script. False when the reader has stopped.
bool leggi_linea(lettura& l) {
  scenario& s = l.s;
  l.in_lettura = &l.file_linea;
  std::optional<std::string> contenuto = leggi_file(l.file_linea);
  if (!contenuto) {
    s.registra_stato(stato_linea_mancante);
    s.luogo_errore() = {l.file_linea.filename().string(), 0, 0, "", ""};
    return false;
  }
  contesto_lettura& c = l.apri(l.file_linea, std::move(*contenuto));

  // Everything before "[generale]" is preamble. An empty script has none.
  bool trovato = false;
  while (!trovato && !c.campi.fine()) {
    const std::string& riga = c.leggi_parola();
    if (c.campi.fine()) break;
    trovato = contiene_senza_caso(riga, "[generale]");
  }
  if (!trovato) {
    l.ferma_linea(stato_generale_mancante);
    return false;
  }

  std::array<luogo_campo, 3> luoghi{};
  if (!leggi_sezione_generale(l, luoghi)) return false;
  if (!s.percorso_dimensionato()) {
    // Nothing can be placed on a line of unknown length.
    l.ferma_linea(stato_lunghezza_percorso, "no \"lunghezza percorso\" row");
    return false;
  }
  annota_progressive(l, luoghi);

  inizia_tracciato(c);
  esito_riga esito = leggi_elementi(c);
  elimina_se_esiste(l.file_linea);
  if (esito == esito_riga::fine_lettura) return false;
  completa_tracciato(c);
  return true;
}

// The rows of the train script, to its end or to a refused row.
esito_riga leggi_righe_treno(contesto_lettura& c) {
  while (!c.campi.fine() && c.leggi_candidata()) {
    const std::string parola = c.s.riga;
    auto ha = [&](const char* chiave) { return contiene_senza_caso(parola, chiave); };
    voce& totali = c.s.voci[voce_totali];
    voce& treno = c.s.voci[voce_treno];
    auto leggi = [&](auto& campo, auto leggi_numero) {
      campo = (c.campi.*leggi_numero)();
      return esito_riga::continua;
    };
    esito_riga esito =
        prove_riga()
            .se(ha("frenata") && ha("massa"),
                [&] { return leggi(totali.valore_a, &lettore_campi::leggi_int32); })
            .se(ha("vetture"), [&] { return leggi(totali.valore_c, &lettore_campi::leggi_int32); })
            .se(ha("velocit"), [&] { return riga_velocita(c); })
            .se(ha("aderenza"), [&] { return riga_aderenza(c); })
            .se(ha("orologio"),
                [&] {
                  leggi(treno.intero3, &lettore_campi::leggi_int16);
                  leggi(treno.intero4, &lettore_campi::leggi_int16);
                  return leggi(treno.intero5, &lettore_campi::leggi_int16);
                })
            .se(ha("sabbia"), [&] { return leggi(treno.intero1, &lettore_campi::leggi_int16); })
            .se(ha("segnale"), [&] { return riga_segnale(c); })
            .se(ha("rallentamento"), [&] { return riga_rallentamento(c); })
            .se(ha("abbattimento"), [&] { return riga_abbattimento(c); })
            .se(ha("stazione"), [&] { return riga_stazione(c); })
            .esito();
    if (esito != esito_riga::continua) return esito;
  }
  return esito_riga::fine_ciclo;
}

// Status 2 when a kilometric reference, as ordered and raised, is off the
// 50-metre grid.
void controlla_progressive(lettura& l) {
  for (int n = 0; n < 3; ++n) {
    const voce& v = l.s.voci[static_cast<std::size_t>(voce_progressiva_tre + n)];
    if (v.valore_a % 50 != 0 || v.valore_b % 50 != 0) {
      l.s.registra_stato(stato_progressiva_non_multipla);
      l.s.luogo_errore() = l.luoghi_progressive[static_cast<std::size_t>(n)];
      return;
    }
  }
}

// The train script; its existence is not tested first, so a missing one
// takes the error exit.
void leggi_treno(lettura& l) {
  const std::int32_t voce_cartello = l.aperto->voce_cartello;
  l.aperto.reset();
  l.in_lettura = &l.file_treno;
  std::optional<std::string> contenuto = leggi_file(l.file_treno);
  if (!contenuto) throw guasto_lettura("the train script is missing");
  contesto_lettura& c = l.apri(l.file_treno, std::move(*contenuto));
  c.voce_cartello = voce_cartello;

  bool trovato = false;
  while (!trovato && !c.campi.fine()) trovato = contiene_senza_caso(c.leggi_parola(), "[generale]");
  esito_riga esito = trovato ? leggi_righe_treno(c) : esito_riga::fine_ciclo;
  elimina_se_esiste(l.file_treno);
  if (esito == esito_riga::fine_lettura) return;
  completa_treno(c);
  controlla_progressive(l);
}

}  // namespace

void memorizza_dati(scenario& s, const std::filesystem::path& cartella) {
  lettura l{s, file_script_linea(cartella, s), file_script_treno(cartella, s), std::nullopt, {}};
  s.voci[voce_linea].testo = s.nome_linea;
  s.voci[voce_treno].testo = s.numero_treno;
  try {
    if (leggi_linea(l)) leggi_treno(l);
  } catch (const std::exception& guasto) {
    // The error exit: every file closed, both scripts gone, status 25. A
    // script that cannot be read or deleted ends here too; the exit itself
    // deletes what it can, since the status already tells the reading failed.
    std::error_code ignorato;
    for (const auto* file : {&l.file_linea, &l.file_treno})
      if (std::filesystem::is_regular_file(*file, ignorato))
        std::filesystem::remove(*file, ignorato);
    s.registra_stato(stato_errore_lettura);
    if (l.aperto) {
      const auto* lettura_fallita = dynamic_cast<const errore_lettura*>(&guasto);
      // A field that could not be read is shown itself; a script that ends
      // too soon is shown by the row it cut short.
      if (lettura_fallita && !lettura_fallita->oltre_fine())
        l.aperto->luogo_riga = lettura_fallita->luogo();
      l.aperto->annota_luogo();
    } else if (l.in_lettura) {
      s.luogo_errore().file = l.in_lettura->filename().string();
    }
    s.luogo_errore().dettaglio = guasto.what();
  }
}

}  // namespace compattatore
