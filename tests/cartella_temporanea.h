#pragma once
// A fresh empty folder for one test, removed with everything in it.

#include <filesystem>
#include <string>

namespace compattatore {

class cartella_temporanea {
 public:
  cartella_temporanea();
  ~cartella_temporanea();
  cartella_temporanea(const cartella_temporanea&) = delete;
  cartella_temporanea& operator=(const cartella_temporanea&) = delete;

  const std::filesystem::path& percorso() const { return percorso_; }
  // Names of the files in the folder, sorted.
  std::string elenco() const;

 private:
  std::filesystem::path percorso_;
};

}  // namespace compattatore
