#pragma once
// A private folder under the system's temporary folder, removed with
// everything in it when it goes out of scope.

#include <filesystem>
#include <string>

namespace compattatore {

class cartella_lavoro {
 public:
  // Throws errore_file when the folder cannot be created.
  explicit cartella_lavoro(const std::string& prefisso);
  ~cartella_lavoro();
  cartella_lavoro(const cartella_lavoro&) = delete;
  cartella_lavoro& operator=(const cartella_lavoro&) = delete;

  const std::filesystem::path& percorso() const { return percorso_; }

 private:
  std::filesystem::path percorso_;
};

}  // namespace compattatore
