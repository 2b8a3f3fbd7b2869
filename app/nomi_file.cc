#include "app/nomi_file.h"

#include <string>

namespace compattatore {
namespace {

std::filesystem::path di_linea(const cartella& c, const scenario& s, const char* suffisso) {
  return c / (s.nome_linea + suffisso);
}

std::filesystem::path di_treno(const cartella& c, const scenario& s, const char* suffisso) {
  return c / (s.nome_linea + "_" + s.numero_treno + suffisso);
}

}  // namespace

std::filesystem::path file_script_linea(const cartella& c, const scenario& s) {
  return di_linea(c, s, "_linea.txt");
}
std::filesystem::path file_script_treno(const cartella& c, const scenario& s) {
  return di_treno(c, s, "-.txt");
}
std::filesystem::path file_note(const cartella& c, const scenario& s) {
  return di_treno(c, s, "_note.txt");
}
std::filesystem::path file_rallentamenti(const cartella& c, const scenario& s) {
  return di_treno(c, s, "_rallentamenti.txt");
}
std::filesystem::path file_scheda_treno(const cartella& c, const scenario& s) {
  return di_treno(c, s, "_scheda_treno.txt");
}
std::filesystem::path file_tracciato(const cartella& c, const scenario& s) {
  return di_linea(c, s, "_linea.dat");
}
std::filesystem::path file_voci(const cartella& c, const scenario& s) {
  return di_treno(c, s, ".sim");
}
std::filesystem::path file_percorso(const cartella& c, const scenario& s) {
  return di_treno(c, s, ".dat");
}

}  // namespace compattatore
