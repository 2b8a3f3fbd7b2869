#pragma once
// The program on a text terminal: the wait label, notices and reports go to
// standard error, and the exit status is kept for main to return.

#include <iosfwd>

#include "app/piattaforma.h"

namespace compattatore {

class piattaforma_terminale : public piattaforma {
 public:
  // argv0 is the path the program was started with, used when the running
  // executable cannot be asked for its own path.
  piattaforma_terminale(std::ostream& errori, std::filesystem::path argv0);

  void mostra_attesa(const std::string& etichetta) override;
  void mostra_avviso(const std::string& testo) override;
  void segnala(const std::string& riga) override;
  std::filesystem::path cartella_programma() const override;
  void termina(int stato_uscita) override;

  int stato_uscita() const { return stato_uscita_; }

 private:
  std::ostream& errori_;
  std::filesystem::path argv0_;
  int stato_uscita_ = 0;
};

}  // namespace compattatore
