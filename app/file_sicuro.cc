#include "app/file_sicuro.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace compattatore {
namespace {

std::string motivo_di_sistema(int numero) {
  return std::strerror(numero);
}

// Writes all bytes, going on after a short write; false with errno set on failure.
bool scrivi_tutto(int fd, std::string_view contenuto) {
  while (!contenuto.empty()) {
    ssize_t scritti = ::write(fd, contenuto.data(), contenuto.size());
    if (scritti < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    contenuto.remove_prefix(static_cast<std::size_t>(scritti));
  }
  return true;
}

mode_t maschera_utente() {
  mode_t maschera = ::umask(0);
  ::umask(maschera);
  return maschera;
}

}  // namespace

errore_file::errore_file(const std::filesystem::path& file, const std::string& azione,
                         const std::string& motivo)
    : std::runtime_error("cannot " + azione + " " + file.string() + ": " + motivo), file_(file) {}

void sostituisci_file(const std::filesystem::path& file, std::string_view contenuto) {
  std::string modello =
      (file.parent_path() / ("." + file.filename().string() + ".XXXXXX")).string();
  std::vector<char> nome(modello.begin(), modello.end());
  nome.push_back('\0');
  int fd = ::mkstemp(nome.data());
  if (fd < 0) throw errore_file(file, "write", motivo_di_sistema(errno));
  const std::string temporaneo(nome.data());

  auto fallisci = [&](int numero) {
    ::unlink(temporaneo.c_str());
    throw errore_file(file, "write", motivo_di_sistema(numero));
  };
  if (!scrivi_tutto(fd, contenuto)) {
    int numero = errno;
    ::close(fd);
    fallisci(numero);
  }
  // mkstemp creates the file for its owner only; the files the program
  // leaves get the same permissions as any file the user creates.
  ::fchmod(fd, 0666 & ~maschera_utente());
  if (::close(fd) != 0) fallisci(errno);
  if (::rename(temporaneo.c_str(), file.c_str()) != 0) fallisci(errno);
}

std::optional<std::string> leggi_file(const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in) throw errore_file(file, "read", motivo_di_sistema(errno));
  std::string contenuto((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw errore_file(file, "read", motivo_di_sistema(errno));
  return contenuto;
}

void elimina_se_esiste(const std::filesystem::path& file) {
  if (::unlink(file.c_str()) != 0 && errno != ENOENT)
    throw errore_file(file, "delete", motivo_di_sistema(errno));
}

}  // namespace compattatore
