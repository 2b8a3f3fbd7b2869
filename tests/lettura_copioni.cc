#include "tests/lettura_copioni.h"

#include "app/file_sicuro.h"
#include "app/nomi_file.h"
#include "reader/memorizza_dati.h"

namespace compattatore {

std::string righe(std::initializer_list<const char*> testo) {
  std::string tutto;
  for (const char* riga : testo) tutto += std::string(riga) + "\r\n";
  return tutto;
}

std::string copione_linea(const std::string& elementi, std::int32_t lunghezza,
                          const std::string& generale) {
  return "[generale]\r\nlunghezza percorso,    " + std::to_string(lunghezza) + "\r\n" + generale +
         "[elementi]\r\n" + elementi + "[fine]\r\n";
}

std::string copione_treno(const std::string& righe_treno) {
  return "[generale]\r\n" + righe_treno + "[fine]\r\n";
}

lettura_prova leggi_copioni(const std::optional<std::string>& linea,
                            const std::optional<std::string>& treno, std::int32_t con_profilo) {
  cartella_temporanea cartella;
  lettura_prova esito;
  scenario& s = esito.s;
  s.nome_linea = "Linea";
  s.numero_treno = "7";
  s.con_profilo = con_profilo;
  if (linea) sostituisci_file(file_script_linea(cartella.percorso(), s), *linea);
  if (treno) sostituisci_file(file_script_treno(cartella.percorso(), s), *treno);
  memorizza_dati(s, cartella.percorso());
  esito.file_rimasti = cartella.elenco();
  return esito;
}

std::string descrivi_celle(const scenario& s, std::int64_t da, std::int64_t a) {
  std::string testo;
  for (std::int64_t i = da; i <= a; ++i) {
    const cella& c = s.cella_in(i);
    std::string parte;
    if (c.tipo_cella != 0 || c.valore1 || c.valore2 || c.valore3 || c.valore4 || c.tempo_segnale)
      parte = "t" + std::to_string(c.tipo_cella) + "," + std::to_string(c.valore1) + "," +
              std::to_string(c.valore2) + "," + std::to_string(c.valore3) + "," +
              std::to_string(c.valore4) +
              (c.tempo_segnale ? "," + std::to_string(c.tempo_segnale) : "");
    if (c.preavviso) parte += (parte.empty() ? "p" : "/p") + std::to_string(c.preavviso);
    if (parte.empty()) continue;
    testo += (testo.empty() ? "" : " ") + std::to_string(i) + ":" + parte;
  }
  return testo;
}

std::string tratti(const scenario& s, std::uint8_t cella::*campo, std::int64_t da, std::int64_t a) {
  std::string testo;
  std::int64_t inizio = da;
  for (std::int64_t i = da; i <= a; ++i) {
    if (i < a && s.cella_in(i + 1).*campo == s.cella_in(i).*campo) continue;
    testo += (testo.empty() ? "" : " ") + std::to_string(inizio) + "-" + std::to_string(i) + ":" +
             std::to_string(s.cella_in(i).*campo);
    inizio = i + 1;
  }
  return testo;
}

}  // namespace compattatore
