#include "app/form1.h"

#include "app/compattazione.h"
#include "app/file_sicuro.h"
#include "app/rapporto.h"
#include "documents/documenti.h"
#include "scripts/copioni.h"

namespace compattatore {

Form1::Form1(piattaforma& p) : piattaforma_(p), cartella_(p.cartella_programma()) {}

void Form1::Form_Load() {
  dati.nome_linea = nome_linea_incorporato;
  dati.numero_treno = numero_treno_incorporato;
  piattaforma_.mostra_attesa("Attendere");

  int stato_uscita = uscita_riuscita;
  try {
    dati_linea(dati, cartella_);
    dati_treno(dati, cartella_);
    dati_note(dati, cartella_);
    dati_rallentamenti(dati, cartella_);
    dati_scheda(dati, cartella_);
    memorizza_percorso(1);
    stato_uscita = concludi_corsa(dati, dati_scritti_, piattaforma_);
  } catch (const programma_terminato& fine) {
    stato_uscita = fine.stato_uscita();
  } catch (const errore_file& e) {
    piattaforma_.segnala(e.what());
    stato_uscita = uscita_errore_file;
  }
  piattaforma_.termina(stato_uscita);
}

void Form1::memorizza_percorso(std::int32_t j) {
  esito_compattazione esito = compattatore::memorizza_percorso(dati, j, cartella_, cartella_);
  if (esito.avviso != 0) errore(std::to_string(esito.avviso));
  dati_scritti_ = esito.dati_scritti;
}

void Form1::errore(const std::string& a) {
  piattaforma_.mostra_avviso(" Errore n. " + a);
  throw programma_terminato(uscita_riga_rifiutata);
}

}  // namespace compattatore
