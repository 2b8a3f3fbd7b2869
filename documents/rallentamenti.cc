// The blank slow-order form: heading, a grid of 26 empty rows for the
// slowdowns, and the key of the "Prescrizioni specifiche" column.

#include <string>
#include <vector>

#include "documents/documenti.h"

namespace compattatore {

tabella_righe righe_rallentamenti() {
  const std::string riga_griglia =
      " |   |                            |            |          |         |            |";
  const std::string chiusura_griglia =
      " |___|____________________________|____________|__________|_________|____________|";
  std::vector<std::string> righe = {
      "",
      "                               Modulo M. 3",
      "                           ORDINE DI RALLENTAMENTO",
      " ________________________________________________________________________________",
      "  Linea  xxxxxx xxxxxxx",
      "",
      "  Si ordina al macchinista del treno xxxxx di effettuare i seguenti rallentamenti",
      "  _______________________________________________________________________________",
      " |   |                            |Inizio dopo |          |         |            |",
      " | N.|      FRA LE STAZIONI       | il cippo   | Velocita'|Lunghezza|Prescrizioni|",
      " |   |   (o nelle Stazioni di)    |chilometrico|          |   metri | specifiche |",
      chiusura_griglia,
  };
  righe.insert(righe.end(), 26, riga_griglia);
  righe.push_back(chiusura_griglia);
  righe.insert(righe.end(), {
                                "",
                                "              Prescrizioni specifiche",
                                " A - Da rispettare con tutto il treno (per i treni viaggiatori)",
                                " B - Interessa anche la stazione di.......",
                                " D - Rallentamneto N. ... e N. ...  sono contigui",
                                " C - Da rispettare dalle ore ....  alle ore ..... di tutti",
                                "     i giorni esclusi i seguenti:.........",
                            });
  return tabella_righe(righe);
}

}  // namespace compattatore
