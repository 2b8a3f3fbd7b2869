#pragma once
// A fresh empty folder for one test, removed with everything in it.

#include <string>

#include "app/cartella_lavoro.h"

namespace compattatore {

class cartella_temporanea : public cartella_lavoro {
 public:
  cartella_temporanea() : cartella_lavoro("compattatore-") {}

  // Names of the files in the folder, sorted.
  std::string elenco() const;
};

}  // namespace compattatore
