// The built-in line script of Castoria_Belvento: a 92 km mountain line with
// two summits, read back by the line reader on every run.
//
// Curve rows come in order of position and never overlap: the track plan is
// drawn metre by metre in row order, so a curve starting behind the end of the
// previous one would lose its first metres. Gradient rows sit on the 50 m cell
// grid because each one takes effect from its own cell on. The boards' cells
// (position / 50 + 1) are kept clear of every station stop point and signal of
// the train script, which are placed after them.

#include <string>
#include <vector>

#include "scripts/copioni.h"

namespace compattatore {

tabella_righe righe_linea() {
  // clang-format off
  const std::vector<std::string> righe = {
      "[generale]",
      "lunghezza percorso,    92000",
      "progressiva chilometrica uno,    0,    87750,    1",
      "progressiva chilometrica due,    0,    0,    0",
      "progressiva chilometrica tre,    0,    0,    0",
      "sfondo uno,    0",
      "sfondo due,    1",
      "sfondo tre,    4000",
      "ripetizione segnali 4 codici,    60100,    90000",
      "[curve]",
      // Out of FONTEBRUNA and up the valley: wide curves where the limit is 85 to 105 km/h.
      "curvas4,  550,  100",
      "curvad4,  1150,  350",
      "curvas3,  2500,  450",
      "curvad4,  3600,  400",
      "curvas3,  4700,  500",
      "curvad2,  6500,  900",
      "curvas2,  8300,  1000",
      // The climb to the first summit, at 90 km/h: radii of 1000 m and more.
      "curvad3,  10800,  600",
      "curvas4,  12200,  450",
      "curvad3,  14000,  650",
      "curvas4,  16200,  400",
      "curvad4,  17500,  450",
      "curvas3,  19100,  700",
      "curvad2,  21200,  1100",
      "curvas3,  23300,  800",
      // Down into the middle valley and up again towards PRATOSERENO.
      "curvad2,  25600,  1000",
      "curvas3,  27700,  700",
      "curvad4,  30200,  450",
      "curvas4,  31700,  400",
      // Round PRATOSERENO: the sharpest curves of the first half, under 75 km/h.
      "curvas5,  33450,  300",
      "curvad6,  33950,  200",
      "curvas5,  34300,  250",
      "curvad6,  34650,  200",
      "curvas5,  34950,  300",
      "curvad3,  36100,  700",
      "curvas2,  37600,  1000",
      "curvad4,  39100,  400",
      "curvas4,  40300,  450",
      // The second summit, 75 km/h from 42400 to 44650: reverse curves of 333-500 m.
      "curvad5,  41700,  300",
      "curvas6,  42200,  250",
      "curvad6,  42600,  200",
      "curvas5,  42950,  300",
      "curvad5,  43400,  300",
      "curvas6,  43850,  250",
      "curvad6,  44250,  200",
      // The long descent towards the plain, at 90 to 105 km/h.
      "curvas3,  45400,  650",
      "curvad2,  46900,  1100",
      "curvas4,  49100,  450",
      "curvad3,  51300,  700",
      "curvas2,  53100,  1200",
      "curvad4,  55400,  450",
      "curvas3,  57200,  700",
      "curvad3,  60700,  1250",
      "curvas2,  63300,  1200",
      // The plain; the last curves sit in the 50 km/h stretch before PORTA FERRATA and at the
      // terminus throat.
      "curvad4,  66400,  400",
      "curvas3,  69300,  700",
      "curvad3,  72800,  650",
      "curvas4,  76900,  450",
      "curvad6,  81650,  250",
      "curvas5,  82150,  300",
      "curvad6,  86900,  100",
      "curvas6,  87000,  100",
      "[pendenze]",
      // Level through FONTEBRUNA, then up to the first summit at 19800 (15 per thousand at its
      // steepest, where the adhesion drops); down and up again to the second summit at 43400, and a
      // long descent that levels out for the last stations.
      "pendenza,  0,   0",
      "pendenza,  1150,   3",
      "pendenza,  3400,   6",
      "pendenza,  6100,   4",
      "pendenza,  8750,   9",
      "pendenza,  11900,   12",
      "pendenza,  14650,   10",
      "pendenza,  16200,   13",
      "pendenza,  18400,   15",
      "pendenza,  19800,   -13",
      "pendenza,  22300,   -8",
      "pendenza,  25350,   -3",
      "pendenza,  28700,   5",
      "pendenza,  31900,   11",
      "pendenza,  35300,   14",
      "pendenza,  39150,   8",
      "pendenza,  41850,   3",
      "pendenza,  43400,   -15",
      "pendenza,  47650,   -9",
      "pendenza,  56300,   -4",
      "pendenza,  64700,   -13",
      "pendenza,  78250,   0",
      "[montagne]",
      "montagna,   1000,  1500,  12",
      "montagna,   34600,  35300,  1",
      "montagna,   42400,  43400,  12",
      "montagna,   77600,  81600,  2",
      "montagna,   84400,  86650,  11",
      "[cartelli]",
      // Boards before the signal-repetition stretch carry the left-hand set only.
      "indicatori_vmax,  500,  75,  80,  80,  0,  ,  ,  ,  0",
      "indicatori_vmax,  1900,  80,  85,  85,  0,  ,  ,  ,  0",
      "indicatori_vmax,  5900,  100,  105,  105,  0,  ,  ,  ,  0",
      "indicatori_vmax,  11500,  85,  90,  90,  0,  ,  ,  ,  0",
      "indicatori_vmax,  25200,  90,  95,  95,  0,  ,  ,  ,  0",
      "indicatori_vmax,  33350,  55,  75,  75,  0,  ,  ,  ,  0",
      "indicatori_vmax,  35350,  90,  95,  95,  0,  ,  ,  ,  0",
      "indicatori_vmax,  35650,  90,  95,  95,  0,  ,  ,  ,  0",
      "indicatori_vmax,  38350,  80,  90,  90,  0,  ,  ,  ,  0",
      "indicatori_vmax,  41600,  70,  75,  75,  0,  ,  ,  ,  0",
      "indicatori_vmax,  44600,  90,  95,  95,  0,  ,  ,  ,  0",
      "indicatori_vmax,  48950,  80,  85,  85,  0,  ,  ,  ,  0",
      "indicatori_vmax,  50450,  85,  90,  90,  0,  ,  ,  ,  0",
      // Within the signal-repetition stretch the right-hand set repeats the left-hand one.
      "indicatori_vmax,  62750,  95,  105,  105,  0,  95,  105,  105,  0",
      "indicatori_vmax,  64950,  90,  95,  95,  0,  90,  95,  95,  0",
      "indicatori_vmax,  66200,  80,  85,  85,  0,  80,  85,  85,  0",
      "indicatori_vmax,  81500,  50,  50,  50,  0,  50,  50,  50,  0",
      "indicatori_vmax,  83750,  80,  85,  90,  0,  80,  85,  90,  0",
      "[indicazioni]",
      "[fine]",
  };
  // clang-format on
  return tabella_righe(righe);
}

}  // namespace compattatore
