// The authoring tool's command line: see --help.

#include <iostream>
#include <string>
#include <vector>

#include "app/riga_comando.h"

int main(int argc, char** argv) {
  std::vector<std::string> argomenti(argv + 1, argv + argc);
  return compattatore::esegui_riga_comando(argomenti, std::cout, std::cerr);
}
