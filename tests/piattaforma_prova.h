#pragma once
// A platform for tests: the program folder is a test folder, and everything
// the program shows or reports is kept for the test to look at.

#include <string>
#include <vector>

#include "app/piattaforma.h"

namespace compattatore {

class piattaforma_prova : public piattaforma {
 public:
  explicit piattaforma_prova(std::filesystem::path cartella) : cartella_(std::move(cartella)) {}

  void mostra_attesa(const std::string& etichetta) override { attese.push_back(etichetta); }
  void mostra_avviso(const std::string& testo) override { avvisi.push_back(testo); }
  void segnala(const std::string& riga) override { rapporti.push_back(riga); }
  std::filesystem::path cartella_programma() const override { return cartella_; }
  void termina(int stato) override { stati_uscita.push_back(stato); }

  std::vector<std::string> attese, avvisi, rapporti;
  std::vector<int> stati_uscita;

 private:
  std::filesystem::path cartella_;
};

}  // namespace compattatore
