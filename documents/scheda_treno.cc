// The blank train sheet: a heading band, two boxes and a timetable grid of 31
// empty rows. The "x" groups are placeholders the crew fills in by hand.

#include <string>
#include <vector>

#include "documents/documenti.h"

namespace compattatore {

tabella_righe righe_scheda_treno() {
  const std::string riga_griglia =
      " |     |     |          |     |                            |                |     |";
  const std::string chiusura_griglia =
      " |_____|_____|__________|_____|____________________________|________________|_____|";
  std::vector<std::string> righe = {
      "",
      "",
      "  ___________________                                               ______________",
      " |                   |                    SCHEDA                   |              |",
      " |   TRENO n.xxxxx   |                   da: xxxxxx                |    Vxxx C    |",
      " |___________________|                    a: xxxxxx                |     xxx%     |",
      "                                                                   |______________|",
      "  ___________________                ___________________",
      " |  CLASSIFICAZIONE  |              |  MASSA BLOCCATA   |       ",
      " |        xxx        |              |      xxxT         |",
      " |___________________|              |___________________|",
      "",
      "  ________________________________________________________________________________",
      " | Vel.| Vel.| Progr Km |  No |   Localita' di  Servizio   |     Orario     | Rec |",
      " | Lim.|Marc.|          |  Rs |                            |                |     |",
      chiusura_griglia,
  };
  righe.insert(righe.end(), 31, riga_griglia);
  righe.push_back(chiusura_griglia);
  righe.push_back("");
  return tabella_righe(righe);
}

}  // namespace compattatore
