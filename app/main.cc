// The program: compacts its built-in scenario in the folder that holds it.

#include <iostream>

#include "app/form1.h"
#include "app/piattaforma_terminale.h"

int main(int argc, char** argv) {
  compattatore::piattaforma_terminale piattaforma(std::cerr, argc > 0 ? argv[0] : "");
  compattatore::Form1 form(piattaforma);
  form.Form_Load();
  return piattaforma.stato_uscita();
}
