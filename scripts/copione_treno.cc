// The built-in train script: service 46183 over Castoria_Belvento, from
// FONTEBRUNA at 6:39 to ROCCAFELCE at 8:15, read back by the train reader on
// every run.
//
// Rows that claim route cells are written in running order, stations before
// signals: a signal is refused on a cell that a station stop point or a line
// board already holds, so every signal cell (position / 50 + 1) is kept clear
// of both. The scheduled times allow the running time under the speed limits
// below plus a margin of 6 to 20 per cent.

#include <string>
#include <vector>

#include "scripts/copioni.h"

namespace compattatore {

tabella_righe righe_treno() {
  // clang-format off
  const std::vector<std::string> righe = {
      "[generale]",
      "numero vetture,    5",
      "percentuale massa frenata,    130",
      "sabbia,    300",
      "orologio,    6               37            45 ",
      "[aderenze]",
      "aderenza,   0,    100",
      "aderenza,   15300,    81",
      "aderenza,   18300,    75",
      "aderenza,   19300,   100",
      "[vel_limite]",
      "velocita,       0,    80",
      "velocita,    1600,    85",
      "velocita,    5900,   105",
      "velocita,   10550,    90",
      "velocita,   24950,    95",
      "velocita,   34250,    75",
      "velocita,   34950,    95",
      "velocita,   39950,    90",
      "velocita,   42400,    75",
      "velocita,   44650,    95",
      "velocita,   50250,    90",
      "velocita,   62750,   105",
      "velocita,   65750,    95",
      "velocita,   67750,    85",
      "[stazioni]",
      // Position, type, length, columns 4 to 12, stop time (s), scheduled time h m s, name.
      // Types 26 and 27 place nothing on the route cells; the others get a stop point
      // near the far end of their area, which never falls on a board cell. A station
      // without a scheduled time is run through without stopping.
      "stazione,       0,   8,  300,  0,  0,  0,  1,  1,  0,  4,  1,  1,   1,  6, 39,  0, FONTEBRUNA",
      "stazione,    1800,  12,  300,  0,  0,  0,  1,  1,  0,  4,  1,  1,  30,  6, 41, 30, BORGOCHIARO",
      "stazione,    5500,  22,  300,  0,  0,  0,  0,  0,  0,  4,  1,  1,   0,  0,  0,  0, VALLEMORA",
      "stazione,    9600,  27,  300,  0,  0,  0,  0,  0,  0,  0,  0,  0,   0,  0,  0,  0, CASE LUPARE",
      "stazione,   13400,  26,  300,  0,  0,  0,  0,  0,  0,  0,  0,  0,   0,  0,  0,  0, POGGIOLIETO",
      "stazione,   17600,  27,  300,  0,  0,  0,  0,  0,  0,  0,  0,  0,   0,  0,  0,  0, FELCEROSSA",
      "stazione,   21600,  27,  300,  0,  0,  0,  0,  0,  0,  0,  0,  0,   0,  0,  0,  0, PIAN DELLE CIVETTE",
      "stazione,   26000,  22,  300,  0,  0,  0,  0,  0,  0,  4,  1,  1,   0,  0,  0,  0, SASSOROTONDO",
      "stazione,   29900,  26,  300,  0,  0,  0,  0,  0,  0,  0,  0,  0,   0,  0,  0,  0, VALSPINOSA",
      "stazione,   34250,  22,  300,  0,  0,  0,  0,  0,  0,  4,  1,  1,  60,  7,  5,  0, PRATOSERENO",
      "stazione,   37600,  22,  300,  0,  0,  0,  0,  0,  0,  4,  1,  1,  30,  7,  9, 30, CERVARANA",
      "stazione,   40900,  27,  300,  0,  0,  0,  0,  0,  0,  0,  0,  0,   0,  0,  0,  0, MOLINO DEI GRILLI",
      "stazione,   44000,  26,  300,  0,  0,  0,  0,  0,  0,  0,  0,  0,   0,  0,  0,  0, CRESTAVENTA",
      "stazione,   46800,  12,  400,  0,  0,  0,  1,  1,  0,  4,  1,  1,  60,  7, 18,  0, MONTEFOSCO",
      "stazione,   50900,  22,  300,  0,  0,  0,  0,  0,  0,  4,  1,  1,  30,  7, 23,  0, VIGNALUPA",
      "stazione,   54700,  27,  300,  0,  0,  0,  0,  0,  0,  0,  0,  0,   0,  0,  0,  0, FOSSO MORELLO",
      "stazione,   57300,  22,  300,  0,  0,  0,  0,  0,  0,  4,  1,  1,  60,  7, 29,  0, GROTTAMIELE",
      "stazione,   60700,  22,  300,  0,  0,  0,  0,  0,  0,  4,  1,  1,  30,  7, 33, 30, QUERCEDOLCE",
      "stazione,   63600,  27,  300,  0,  0,  0,  0,  0,  0,  0,  0,  0,   0,  0,  0,  0, CAMPOGRILLO",
      "stazione,   66600,  27,  300,  0,  0,  0,  0,  0,  0,  0,  0,  0,  30,  7, 38, 30, SORBETO",
      "stazione,   67700,  22,  300,  0,  0,  0,  0,  0,  0,  4,  1,  1,  30,  7, 41,  0, PONTE ROVELLO",
      "stazione,   69900,  27,  300,  0,  0,  0,  0,  0,  0,  0,  0,  0,  30,  7, 44, 30, TORRE GIUNCA",
      "stazione,   71800,  22,  300,  0,  0,  0,  0,  0,  0,  4,  1,  1,  60,  7, 47, 30, CASALE DELLE GAZZE",
      "stazione,   73400,  12,  300,  0,  0,  0,  1,  1,  0,  4,  1,  1,  60,  7, 51,  0, PIETRALUCE",
      "stazione,   75700,  27,  300,  0,  0,  0,  0,  0,  0,  0,  0,  0,  30,  7, 55,  0, ORTALUNGA",
      "stazione,   77900,  22,  300,  0,  0,  0,  0,  0,  0,  4,  1,  1,  60,  7, 58, 30, SPINAVERDE",
      "stazione,   80300,  22,  300,  0,  0,  0,  0,  0,  0,  4,  1,  1,  60,  8,  2, 30, TERRAFOSCA",
      "stazione,   83500,  12,  400,  0,  0,  1,  1,  1,  0,  4,  1,  1,  60,  8,  7,  0, PORTA FERRATA",
      "stazione,   86300,  27,  300,  0,  0,  0,  0,  0,  0,  0,  0,  0,  30,  8, 11, 30, ROGGIA FONDA",
      "stazione,   89000,   4,  400,  1,  0,  0,  1,  1,  0,  2,  1,  1,   0,  8, 15,  0, ROCCAFELCE",
      "[rallentamenti]",
      "[segnali]",
      // Entry signals stand 400 to 700 m ahead of a station area, exits 350 to 550 m
      // past it, distant signals 1250 to 1550 m before the entry. Consecutive signals
      // are at least 500 m apart, so the approach markers a signal leaves on the four
      // cells behind it are never overwritten by the next one.
      "segnale,     850,   2, 4, 1,  0, 0,    0,  0,0,0, 0",    // exit from FONTEBRUNA
      "segnale,    2350,   2, 4, 1,  0, 0,    0,  0,0,0, 0",    // exit from BORGOCHIARO
      "segnale,    3300,   1, 4, 1,  0, 0,    0,  0,0,0, 0",    // distant signal for VALLEMORA
      "segnale,    4850,   2, 4, 1,  0, 0,    0,  0,0,0, 0",    // entry to VALLEMORA
      "segnale,    6150,   2, 4, 1,  0, 0,    0,  0,0,0, 0",    // exit from VALLEMORA
      "segnale,   11300,   1, 4, 1,  0, 0,    0,  0,0,0, 0",    // distant signal for POGGIOLIETO
      "segnale,   12750,   2, 5, 1,  0, 0,    0,  0,0,0, 0",    // entry to POGGIOLIETO
      "segnale,   14050,   2, 4, 1,  0, 0,    0,  0,0,0, 0",    // exit from POGGIOLIETO
      "segnale,   24000,   1, 4, 1,  1, 0,    0,  0,0,0, 0",    // distant signal for SASSOROTONDO
      "segnale,   25400,   2, 4, 1,  0, 0,    0,  0,0,0, 0",    // entry to SASSOROTONDO
      "segnale,   26550,   2, 4, 1,  0, 0,    0,  0,0,0, 0",    // exit from SASSOROTONDO
      "segnale,   27800,   1, 4, 1,  0, 0,    0,  0,0,0, 0",    // distant signal for VALSPINOSA
      "segnale,   29250,   2, 5, 1,  0, 0,    0,  0,0,0, 0",    // entry to VALSPINOSA
      "segnale,   30450,   2, 4, 1,  0, 0,    0,  0,0,0, 0",    // exit from VALSPINOSA
      "segnale,   32150,   1, 4, 1,  0, 0,    0,  0,0,0, 0",    // distant signal for PRATOSERENO
      "segnale,   33600,   2, 5, 4,  0, 0,    0,  0,0,0, 0",    // entry to PRATOSERENO
      "segnale,   34850,   2, 4, 1,  0, 0,    0,  0,0,0, 0",    // exit from PRATOSERENO
      "segnale,   35500,   1, 4, 1,  0, 0,    0,  0,0,0, 0",    // distant signal for CERVARANA
      "segnale,   36950,   2, 4, 1,  0, 0,    0,  0,0,0, 0",    // entry to CERVARANA
      "segnale,   38100,   2, 3, 1,  0, 0,    0,  0,0,0, 240",  // exit from CERVARANA
      "segnale,   41900,   1, 4, 1,  1, 0,    0,  0,0,0, 0",    // distant signal for CRESTAVENTA
      "segnale,   43350,   2, 5, 1,  0, 0,    0,  0,0,0, 0",    // entry to CRESTAVENTA
      "segnale,   44500,   2, 4, 1,  0, 0,    0,  0,0,0, 0",    // exit from CRESTAVENTA
      "segnale,   46100,   2, 4, 1,  0, 0,    0,  0,0,0, 0",    // entry to MONTEFOSCO
      "segnale,   47450,   2, 3, 1,  0, 0,    0,  0,0,0, 240",  // exit from MONTEFOSCO
      "segnale,   48800,   1, 4, 1,  0, 0,    0,  0,0,0, 0",    // distant signal for VIGNALUPA
      "segnale,   50250,   2, 4, 1,  0, 0,    0,  0,0,0, 0",    // entry to VIGNALUPA
      "segnale,   51450,   2, 4, 1,  0, 0,    0,  0,0,0, 0",    // exit from VIGNALUPA
      "segnale,   55200,   1, 4, 1,  0, 0,    0,  0,0,0, 0",    // distant signal for GROTTAMIELE
      "segnale,   56650,   2, 4, 1,  0, 0,    0,  0,0,0, 0",    // entry to GROTTAMIELE
      "segnale,   57850,   2, 3, 1,  0, 0,    0,  0,0,0, 240",  // exit from GROTTAMIELE
      "segnale,   60050,   2, 4, 1,  0, 0,    0,  0,0,0, 0",    // entry to QUERCEDOLCE
      "segnale,   61250,   2, 4, 0,  0, 0,    0,  0,0,0, 0",    // exit from QUERCEDOLCE
      "segnale,   66850,   2, 4, 1,  0, 0,    2,  2,1,0, 0",    // entry to PONTE ROVELLO
      "segnale,   68250,   2, 4, 0,  0, 0,    2,  2,0,0, 0",    // exit from PONTE ROVELLO
      "segnale,   71150,   2, 4, 1,  0, 0,    2,  2,1,0, 0",    // entry to CASALE DELLE GAZZE
      "segnale,   72350,   2, 4, 0,  0, 0,    0,  0,0,0, 0",    // exit from CASALE DELLE GAZZE
      "segnale,   72850,   2, 4, 1,  0, 0,    2,  2,1,0, 0",    // entry to PIETRALUCE
      "segnale,   74000,   2, 4, 0,  0, 0,    2,  2,0,0, 0",    // exit from PIETRALUCE
      "segnale,   77250,   2, 4, 1,  0, 0,    2,  2,1,0, 0",    // entry to SPINAVERDE
      "segnale,   78450,   2, 4, 0,  0, 0,    0,  0,0,0, 0",    // exit from SPINAVERDE
      "segnale,   79650,   2, 4, 1,  0, 0,    0,  0,0,0, 0",    // entry to TERRAFOSCA
      "segnale,   80850,   2, 4, 0,  0, 0,    0,  0,0,0, 0",    // exit from TERRAFOSCA
      "segnale,   81550,   1, 4, 1,  0, 0,    1,  2,1,0, 0",    // distant signal for PORTA FERRATA
      "segnale,   82800,   2, 5, 1,  0, 0,    2,  2,1,0, 0",    // entry to PORTA FERRATA
      "segnale,   84250,   2, 4, 0,  0, 0,    0,  0,0,0, 0",    // exit from PORTA FERRATA
      "segnale,   85400,   2, 4, 3,  0, 0,    0,  0,0,0, 0",    // block signal before ROGGIA FONDA
      "segnale,   88400,   2, 2, 1,  0, 0,    0,  0,0,0, 0",    // entry to ROCCAFELCE
      "[codici]",
      "[fine]",
  };
  // clang-format on
  return tabella_righe(righe);
}

}  // namespace compattatore
