#include "app/piattaforma_terminale.h"

#include <ostream>
#include <system_error>

namespace compattatore {

piattaforma_terminale::piattaforma_terminale(std::ostream& errori, std::filesystem::path argv0)
    : errori_(errori), argv0_(std::move(argv0)) {}

void piattaforma_terminale::mostra_attesa(const std::string& etichetta) {
  errori_ << etichetta << '\n' << std::flush;
}

void piattaforma_terminale::mostra_avviso(const std::string& testo) {
  errori_ << testo << '\n' << std::flush;
}

void piattaforma_terminale::segnala(const std::string& riga) {
  errori_ << riga << '\n' << std::flush;
}

std::filesystem::path piattaforma_terminale::cartella_programma() const {
  std::error_code ec;
  auto eseguibile = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) eseguibile = std::filesystem::absolute(argv0_, ec);
  return eseguibile.parent_path();
}

void piattaforma_terminale::termina(int stato_uscita) {
  stato_uscita_ = stato_uscita;
}

}  // namespace compattatore
