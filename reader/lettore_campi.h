#pragma once
// The field reader both scripts are read with. A script is a sequence of
// fields, not of lines: a field ends at a comma or at the end of its line,
// blanks before it are skipped, and a number also ends at a blank. The
// reader knows the line and column of every field it returns, so a refused
// row can be shown with its place in the script.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace compattatore {

struct luogo_campo {
  int riga = 0;     // 1-based line
  int colonna = 0;  // 1-based column of the field's first non-blank byte
};

// Reading a field failed: past the end of the script, or a number that is
// not a whole number or does not fit its field. The reader's error exit
// turns it into a status.
class errore_lettura : public std::runtime_error {
 public:
  errore_lettura(const std::string& motivo, luogo_campo luogo, bool oltre_fine = false)
      : std::runtime_error(motivo), luogo_(luogo), oltre_fine_(oltre_fine) {}
  const luogo_campo& luogo() const { return luogo_; }
  // The script ended before the field: no field of its own to point at.
  bool oltre_fine() const { return oltre_fine_; }

 private:
  luogo_campo luogo_;
  bool oltre_fine_;
};

class lettore_campi {
 public:
  explicit lettore_campi(std::string contenuto);

  // True once the last field of the script, with its line end, has been
  // read. Reading a further field is a read error.
  bool fine() const { return pos_ >= testo_.size(); }

  // Up to the next comma or line end; trailing blanks are dropped.
  std::string leggi_testo();

  // An optionally signed whole number of the given width. An empty field
  // reads as 0; anything else that is not a whole number in range is a
  // read error.
  std::int32_t leggi_int32();
  std::int16_t leggi_int16();
  std::uint8_t leggi_uint8();

  // Where the field returned last begins.
  const luogo_campo& luogo() const { return luogo_; }

  // The text of a line of the script, without its line end.
  std::string testo_riga(int riga) const;

 private:
  std::int64_t leggi_numero(std::int64_t minimo, std::int64_t massimo, const char* campo);
  void inizia_campo();
  void salta_spazi();
  bool a_fine_riga() const;
  void consuma_fine_riga();

  std::string testo_;
  std::size_t pos_ = 0;
  int riga_ = 1;
  std::size_t inizio_riga_ = 0;
  luogo_campo luogo_;
};

}  // namespace compattatore
