#include "app/riga_comando.h"

#include <algorithm>
#include <map>
#include <optional>
#include <ostream>

#include "app/cartella_lavoro.h"
#include "app/compattazione.h"
#include "app/diagnostica.h"
#include "app/file_sicuro.h"
#include "app/nomi_file.h"
#include "compact/codice_gara.h"
#include "scripts/copioni.h"

namespace compattatore {
namespace {

const char* const versione = "compattatore-cli 1.0.0";

const char* const aiuto =
    "Usage: compattatore-cli COMMAND [OPTIONS]\n"
    "\n"
    "Compiles a scenario's line script and train script into the three data\n"
    "files the simulator loads, with the same checks as the compactor program.\n"
    "\n"
    "Commands:\n"
    "  compile --line LINE_SCRIPT --train TRAIN_SCRIPT --out FOLDER\n"
    "          [--line-name NAME] [--train-number NUMBER] [--no-track-plan]\n"
    "      Reads both scripts (they are never changed) and writes NAME_linea.dat,\n"
    "      NAME_NUMBER.sim and NAME_NUMBER.dat into FOLDER, created if missing.\n"
    "      NAME and NUMBER default to Castoria_Belvento and 46183.\n"
    "      --no-track-plan writes no track plan and skips the curve rows.\n"
    "  scripts --out FOLDER\n"
    "      Writes the built-in line and train scripts into FOLDER, to start from.\n"
    "\n"
    "Options:\n"
    "  --help       show this text\n"
    "  --version    show the version\n"
    "\n"
    "Exit status: 0 compiled, 1 a row was refused (reported as\n"
    "FILE:LINE:COLUMN: error: ...), 2 usage error or a file that cannot be\n"
    "read or written.\n";

class errore_uso : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "--name value" pairs and bare flags, after the command.
struct opzioni {
  std::map<std::string, std::string> valori;
  std::map<std::string, bool> segnali;

  static opzioni leggi(const std::vector<std::string>& argomenti,
                       const std::vector<std::string>& con_valore,
                       const std::vector<std::string>& senza_valore) {
    opzioni o;
    for (std::size_t i = 1; i < argomenti.size(); ++i) {
      const std::string& nome = argomenti[i];
      if (std::find(con_valore.begin(), con_valore.end(), nome) != con_valore.end()) {
        if (i + 1 >= argomenti.size()) throw errore_uso(nome + " needs a value");
        o.valori[nome] = argomenti[++i];
      } else if (std::find(senza_valore.begin(), senza_valore.end(), nome) != senza_valore.end()) {
        o.segnali[nome] = true;
      } else {
        throw errore_uso("unknown option '" + nome + "' for " + argomenti[0]);
      }
    }
    return o;
  }

  const std::string& richiesto(const std::string& nome) const {
    auto trovato = valori.find(nome);
    if (trovato == valori.end()) throw errore_uso("missing " + nome);
    return trovato->second;
  }

  std::string oppure(const std::string& nome, const std::string& predefinito) const {
    auto trovato = valori.find(nome);
    return trovato == valori.end() ? predefinito : trovato->second;
  }
};

// Names become parts of file names and item-table texts: printable plain
// ASCII only, and nothing that would lead out of the output folder.
std::string nome_valido(const std::string& nome, const std::string& opzione) {
  for (char c : nome)
    if (c < 0x20 || c > 0x7e || c == '/' || c == '\\')
      throw errore_uso(opzione + " must be printable ASCII without '/' or '\\'");
  return nome;
}

void crea_cartella(const std::filesystem::path& cartella) {
  std::error_code ec;
  std::filesystem::create_directories(cartella, ec);
  if (ec || !std::filesystem::is_directory(cartella))
    throw errore_file(cartella, "create the folder",
                      ec ? ec.message() : "a file of that name is in the way");
}

std::string leggi_copione(const std::string& file) {
  std::optional<std::string> contenuto = leggi_file(file);
  if (!contenuto) throw errore_file(file, "read", "no such file");
  return *contenuto;
}

std::string conteggio(int quanti, const char* cosa) {
  return std::to_string(quanti) + " " + cosa + (quanti == 1 ? "" : "s");
}

std::string avviso_fatale(int avviso) {
  const char* valore = avviso == avviso_marcatore_occupato ? "first" : "second";
  const char* uso = avviso == avviso_marcatore_occupato ? "route-cell marker" : "scenario code";
  return "Errore n. " + std::to_string(avviso) + ": route cell 1 already holds an object with a " +
         valore + " value, where the " + uso + " goes; no data file written";
}

int compila(const std::vector<std::string>& argomenti, std::ostream& uscita, std::ostream& errori) {
  opzioni o =
      opzioni::leggi(argomenti, {"--line", "--train", "--out", "--line-name", "--train-number"},
                     {"--no-track-plan"});
  const std::string linea = o.richiesto("--line");
  const std::string treno = o.richiesto("--train");
  const std::filesystem::path uscita_dati = o.richiesto("--out");

  scenario s;
  s.nome_linea = nome_valido(o.oppure("--line-name", nome_linea_incorporato), "--line-name");
  s.numero_treno =
      nome_valido(o.oppure("--train-number", numero_treno_incorporato), "--train-number");
  const std::string testo_linea = leggi_copione(linea);
  const std::string testo_treno = leggi_copione(treno);
  crea_cartella(uscita_dati);

  // The reader deletes the scripts it reads: the author's own files are only
  // ever copied into a private folder for it.
  cartella_lavoro lavoro("compattatore-cli-");
  sostituisci_file(file_script_linea(lavoro.percorso(), s), testo_linea);
  sostituisci_file(file_script_treno(lavoro.percorso(), s), testo_treno);
  const std::int32_t j = o.segnali.count("--no-track-plan") ? 0 : 1;
  esito_compattazione esito = memorizza_percorso(s, j, lavoro.percorso(), uscita_dati);

  // The reader knows the scripts by their work names; the author by the paths given.
  const std::map<std::string, std::string> nomi = {
      {file_script_linea(lavoro.percorso(), s).filename().string(), linea},
      {file_script_treno(lavoro.percorso(), s).filename().string(), treno}};
  for (const stato_registrato& stato : s.stati_registrati) {
    auto nome = nomi.find(stato.luogo.file);
    errori << diagnostica(stato, nome != nomi.end() ? nome->second : treno) << '\n';
  }
  if (esito.avviso != 0) {
    errori << "compattatore-cli: error: " << avviso_fatale(esito.avviso) << '\n';
    return cli_riga_rifiutata;
  }
  if (!esito.dati_scritti) {
    errori << "compattatore-cli: no data file written\n";
    return cli_riga_rifiutata;
  }

  std::string scritti;
  for (auto* file : {&file_tracciato, &file_voci, &file_percorso}) {
    if (file == &file_tracciato && j == 0) continue;
    scritti += (scritti.empty() ? "" : ", ") + (*file)(uscita_dati, s).string();
  }
  int segnali = 0;
  for (const cella& c : s.percorso) segnali += c.tipo_cella == segnale;
  uscita << (s.codice_errore != 0 ? "compiled with errors: " : "compiled: ")
         << conteggio(static_cast<int>(s.percorso.size()), "cell") << ", "
         << conteggio(s.numero_stazioni, "station") << ", " << conteggio(segnali, "signal")
         << "; wrote " << scritti << '\n';
  return s.codice_errore != 0 ? cli_riga_rifiutata : cli_riuscito;
}

int scrivi_copioni(const std::vector<std::string>& argomenti, std::ostream& uscita) {
  opzioni o = opzioni::leggi(argomenti, {"--out"}, {});
  const std::filesystem::path cartella = o.richiesto("--out");
  crea_cartella(cartella);
  scenario s;
  s.nome_linea = nome_linea_incorporato;
  s.numero_treno = numero_treno_incorporato;
  dati_linea(s, cartella);
  dati_treno(s, cartella);
  uscita << "wrote " << file_script_linea(cartella, s).string() << ", "
         << file_script_treno(cartella, s).string() << '\n';
  return cli_riuscito;
}

}  // namespace

int esegui_riga_comando(const std::vector<std::string>& argomenti, std::ostream& uscita,
                        std::ostream& errori) {
  try {
    if (argomenti.empty()) throw errore_uso("no command given");
    const std::string& comando = argomenti[0];
    if (comando == "--help" || comando == "-h" || comando == "help") {
      uscita << aiuto;
      return cli_riuscito;
    }
    if (comando == "--version") {
      uscita << versione << '\n';
      return cli_riuscito;
    }
    if (comando == "compile") return compila(argomenti, uscita, errori);
    if (comando == "scripts") return scrivi_copioni(argomenti, uscita);
    throw errore_uso("unknown command '" + comando + "'");
  } catch (const errore_uso& e) {
    errori << "compattatore-cli: " << e.what() << "\nTry 'compattatore-cli --help'.\n";
  } catch (const errore_file& e) {
    errori << "compattatore-cli: " << e.what() << '\n';
  }
  return cli_errore_uso;
}

}  // namespace compattatore
