#pragma once
// The program's one window: it owns the scenario store and runs the whole
// program from its start-up handler, without any user input.

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "app/piattaforma.h"
#include "store/scenario.h"

namespace compattatore {

// Exit statuses of a run.
inline constexpr int uscita_riuscita = 0;
inline constexpr int uscita_riga_rifiutata = 1;  // a status was recorded, or the fatal notice
inline constexpr int uscita_errore_file = 2;

// Thrown by errore to end the program: no statement after it runs.
class programma_terminato : public std::exception {
 public:
  explicit programma_terminato(int stato_uscita) : stato_uscita_(stato_uscita) {}
  int stato_uscita() const { return stato_uscita_; }
  const char* what() const noexcept override { return "program ended by a fatal notice"; }

 private:
  int stato_uscita_;
};

class Form1 {
 public:
  explicit Form1(piattaforma& p);

  // Runs the program once and ends it through the platform.
  void Form_Load();

  // Compacts the scripts in the program folder; j not 0 builds the track plan.
  void memorizza_percorso(std::int32_t j);

  // Shows " Errore n. " + a and ends the program.
  [[noreturn]] void errore(const std::string& a);

  scenario dati;

 private:
  piattaforma& piattaforma_;
  std::filesystem::path cartella_;
  bool dati_scritti_ = false;
};

}  // namespace compattatore
