#include "documents/documenti.h"

#include "app/file_sicuro.h"
#include "app/nomi_file.h"

namespace compattatore {

tabella_righe righe_note() {
  return tabella_righe({});
}

void dati_note(const scenario& s, const std::filesystem::path& cartella) {
  sostituisci_file(file_note(cartella, s), righe_note().testo());
}

void dati_rallentamenti(const scenario& s, const std::filesystem::path& cartella) {
  sostituisci_file(file_rallentamenti(cartella, s), righe_rallentamenti().testo());
}

void dati_scheda(const scenario& s, const std::filesystem::path& cartella) {
  sostituisci_file(file_scheda_treno(cartella, s), righe_scheda_treno().testo());
}

}  // namespace compattatore
