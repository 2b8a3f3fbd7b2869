#include "reader/parole_chiave.h"

#include <algorithm>

namespace compattatore {
namespace {

char minuscola(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool contiene(std::string_view campo, std::string_view parola) {
  return campo.find(parola) != std::string_view::npos;
}

bool contiene_senza_caso(std::string_view campo, std::string_view parola) {
  auto trovato = std::search(campo.begin(), campo.end(), parola.begin(), parola.end(),
                             [](char a, char b) { return minuscola(a) == minuscola(b); });
  return trovato != campo.end() || parola.empty();
}

}  // namespace compattatore
