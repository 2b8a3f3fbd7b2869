#include "app/cartella_lavoro.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "app/file_sicuro.h"

namespace compattatore {

cartella_lavoro::cartella_lavoro(const std::string& prefisso) {
  std::string modello = (std::filesystem::temp_directory_path() / (prefisso + "XXXXXX")).string();
  if (::mkdtemp(modello.data()) == nullptr)
    throw errore_file(modello, "create the work folder", std::strerror(errno));
  percorso_ = modello;
}

cartella_lavoro::~cartella_lavoro() {
  // A folder whose permissions were taken away inside it must still go.
  std::error_code ec;
  std::filesystem::permissions(percorso_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(percorso_, ec);
}

}  // namespace compattatore
