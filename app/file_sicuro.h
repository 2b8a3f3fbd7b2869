#pragma once
// Replacing a file whole. The content goes to a temporary file beside the
// target, which is closed and then renamed over it: a reader of the folder
// sees either the earlier file or the complete new one, and a failure while
// writing leaves the earlier file as it was.

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace compattatore {

// A file could not be written, read or deleted; what() names the file and
// the system's reason.
class errore_file : public std::runtime_error {
 public:
  errore_file(const std::filesystem::path& file, const std::string& azione,
              const std::string& motivo);
  const std::filesystem::path& file() const { return file_; }

 private:
  std::filesystem::path file_;
};

// Throws errore_file; the temporary file is gone and the target untouched.
void sostituisci_file(const std::filesystem::path& file, std::string_view contenuto);

// The whole content of a file, or nothing when no such file exists. Throws
// errore_file when it exists but cannot be read.
std::optional<std::string> leggi_file(const std::filesystem::path& file);

// Deletes the file where it exists. Throws errore_file when it cannot.
void elimina_se_esiste(const std::filesystem::path& file);

}  // namespace compattatore
