#include "app/file_sicuro.h"
#include "app/nomi_file.h"
#include "scripts/copioni.h"

namespace compattatore {

void dati_linea(const scenario& s, const std::filesystem::path& cartella) {
  sostituisci_file(file_script_linea(cartella, s), righe_linea().testo());
}

void dati_treno(const scenario& s, const std::filesystem::path& cartella) {
  sostituisci_file(file_script_treno(cartella, s), righe_treno().testo());
}

}  // namespace compattatore
