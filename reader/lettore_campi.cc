#include "reader/lettore_campi.h"

#include <charconv>
#include <string_view>

namespace compattatore {
namespace {

bool spazio(char c) {
  return c == ' ' || c == '\t';
}
bool fine_riga(char c) {
  return c == '\r' || c == '\n';
}

}  // namespace

lettore_campi::lettore_campi(std::string contenuto) : testo_(std::move(contenuto)) {}

bool lettore_campi::a_fine_riga() const {
  return pos_ < testo_.size() && fine_riga(testo_[pos_]);
}

void lettore_campi::consuma_fine_riga() {
  // CR LF, a lone LF or a lone CR all end a line.
  if (testo_[pos_] == '\r' && pos_ + 1 < testo_.size() && testo_[pos_ + 1] == '\n') ++pos_;
  ++pos_;
  ++riga_;
  inizio_riga_ = pos_;
}

void lettore_campi::salta_spazi() {
  while (pos_ < testo_.size() && spazio(testo_[pos_])) ++pos_;
}

void lettore_campi::inizia_campo() {
  if (fine()) {
    luogo_ = {riga_, static_cast<int>(pos_ - inizio_riga_) + 1};
    throw errore_lettura("the script ends where a further field was expected", luogo_, true);
  }
  salta_spazi();
  luogo_ = {riga_, static_cast<int>(pos_ - inizio_riga_) + 1};
}

std::string lettore_campi::leggi_testo() {
  inizia_campo();
  std::size_t inizio = pos_;
  while (pos_ < testo_.size() && testo_[pos_] != ',' && !fine_riga(testo_[pos_])) ++pos_;
  std::size_t fine_testo = pos_;
  while (fine_testo > inizio && spazio(testo_[fine_testo - 1])) --fine_testo;
  std::string campo = testo_.substr(inizio, fine_testo - inizio);
  if (pos_ < testo_.size()) {
    if (testo_[pos_] == ',')
      ++pos_;
    else
      consuma_fine_riga();
  }
  return campo;
}

std::int64_t lettore_campi::leggi_numero(std::int64_t minimo, std::int64_t massimo,
                                         const char* campo) {
  inizia_campo();
  std::size_t inizio = pos_;
  while (pos_ < testo_.size() && !spazio(testo_[pos_]) && testo_[pos_] != ',' &&
         !fine_riga(testo_[pos_]))
    ++pos_;
  std::string_view cifre(testo_.data() + inizio, pos_ - inizio);
  // The blanks after a number and one comma or line end go with it; anything
  // else on the line begins the next field.
  salta_spazi();
  if (pos_ < testo_.size()) {
    if (testo_[pos_] == ',')
      ++pos_;
    else if (a_fine_riga())
      consuma_fine_riga();
  }
  if (cifre.empty()) return 0;

  const std::string mostrato(cifre);
  bool negativo = cifre.front() == '-';
  if (cifre.front() == '+' || cifre.front() == '-') cifre.remove_prefix(1);
  bool solo_cifre = !cifre.empty();
  for (char c : cifre) solo_cifre = solo_cifre && c >= '0' && c <= '9';
  if (!solo_cifre) throw errore_lettura("\"" + mostrato + "\" is not a whole number", luogo_);

  std::uint64_t assoluto = 0;
  auto risultato = std::from_chars(cifre.data(), cifre.data() + cifre.size(), assoluto);
  const std::uint64_t limite = negativo ? static_cast<std::uint64_t>(-(minimo + 1)) + 1
                                        : static_cast<std::uint64_t>(massimo);
  if (risultato.ec == std::errc::result_out_of_range || assoluto > limite)
    throw errore_lettura(mostrato + " does not fit a " + campo + " field", luogo_);
  return negativo ? -static_cast<std::int64_t>(assoluto) : static_cast<std::int64_t>(assoluto);
}

std::int32_t lettore_campi::leggi_int32() {
  return static_cast<std::int32_t>(leggi_numero(INT32_MIN, INT32_MAX, "32-bit"));
}

std::int16_t lettore_campi::leggi_int16() {
  return static_cast<std::int16_t>(leggi_numero(INT16_MIN, INT16_MAX, "16-bit"));
}

std::uint8_t lettore_campi::leggi_uint8() {
  return static_cast<std::uint8_t>(leggi_numero(0, UINT8_MAX, "8-bit"));
}

std::string lettore_campi::testo_riga(int riga) const {
  std::size_t inizio = 0;
  for (int n = 1; n < riga && inizio < testo_.size(); ++n) {
    while (inizio < testo_.size() && !fine_riga(testo_[inizio])) ++inizio;
    if (inizio < testo_.size()) {
      if (testo_[inizio] == '\r' && inizio + 1 < testo_.size() && testo_[inizio + 1] == '\n')
        ++inizio;
      ++inizio;
    }
  }
  std::size_t fine_testo = inizio;
  while (fine_testo < testo_.size() && !fine_riga(testo_[fine_testo])) ++fine_testo;
  return testo_.substr(inizio, fine_testo - inizio);
}

}  // namespace compattatore
