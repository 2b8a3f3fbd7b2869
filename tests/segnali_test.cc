// Signals, slowdowns and abatements: the cells they claim and refuse.

#include <gtest/gtest.h>

#include "tests/lettura_copioni.h"

namespace compattatore {
namespace {

scenario leggi_treno(const std::string& righe_treno, const std::string& elementi = "") {
  return leggi_copioni(copione_linea(elementi), copione_treno(righe_treno)).s;
}

TEST(Segnali, BuiltInWorkedExamples) {
  struct caso {
    const char* riga;
    int da, a;
    const char* celle;
  } casi[] = {
      {"segnale,     850,   2, 4, 1,  0, 0,    0,  0,0,0, 0", 0, 30,
       "10:p64 12:p63 14:p62 16:p61 18:t1,40,10,0,6"},
      {"segnale,    3300,   1, 4, 1,  0, 0,    0,  0,0,0, 0", 55, 70,
       "59:p34 61:p33 63:p32 65:p31 67:t1,40,10,0,3"},
      {"segnale,   38100,   2, 3, 1,  0, 0,    0,  0,0,0, 240", 763, 763, "763:t1,30,10,0,6,240"},
      {"segnale,   66850,   2, 4, 1,  0, 0,    2,  2,1,0, 0", 1325, 1340,
       "1330:p84 1332:p83 1334:p82 1336:p81 1338:t1,42,11,0,8"},
      {"segnale,   24000,   1, 4, 1,  1, 0,    0,  0,0,0, 0", 481, 481, "481:t1,40,10,10,3"},
  };
  for (const caso& c : casi) {
    scenario s = leggi_treno(std::string(c.riga) + "\r\n");
    EXPECT_EQ(s.codice_errore, 0) << c.riga;
    EXPECT_EQ(descrivi_celle(s, c.da, c.a), c.celle) << c.riga;
  }
}

TEST(Segnali, TimeValue) {
  struct caso {
    int sx, tempo, atteso;
  } casi[] = {{2, 50, 101},  {2, 1, 101},  {2, 100, 101}, {2, 0, 0},
              {2, 101, 101}, {2, 300, 44}, {1, 240, 0},   {0, 50, 0}};
  for (const caso& c : casi) {
    scenario s = leggi_treno("segnale, 5000, " + std::to_string(c.sx) + ", 4,1,0,0,0,0,0,0, " +
                             std::to_string(c.tempo) + "\r\n");
    EXPECT_EQ(s.cella_in(101).tempo_segnale, c.atteso) << c.sx << " " << c.tempo;
  }
}

TEST(Segnali, CellRules) {
  // A mountain marker gives way to a signal.
  scenario s =
      leggi_treno("segnale, 1100, 2, 4,1,0,0,0,0,0,0,0\r\n", "montagna, 1000, 1500, 12\r\n");
  EXPECT_EQ(s.codice_errore, 0);
  EXPECT_EQ(s.cella_in(23).tipo_cella, segnale);
  EXPECT_EQ(s.cella_in(23).tipo_montagna, 2);
  // A signal 200 m beyond another writes its markers over the other's cell.
  s = leggi_treno("segnale, 5000, 2, 4,1,0,0,0,0,0,0,0\r\nsegnale, 5200, 1, 4,1,0,0,0,0,0,0,0\r\n");
  EXPECT_EQ(descrivi_celle(s, 93, 105),
            "93:p64 95:p63 97:p34 99:p33 101:t1,40,10,0,6/p32 103:p31 105:t1,40,10,0,3");
  // Markers before the first cell are left out.
  s = leggi_treno("segnale, 100, 2, 4,1,0,0,0,0,0,0,0\r\n");
  EXPECT_EQ(s.codice_errore, 0);
  EXPECT_EQ(descrivi_celle(s, 0, 5), "1:p61 3:t1,40,10,0,6");
}

TEST(Segnali, SignalStatuses) {
  struct caso {
    const char* nome;
    std::string righe_treno;
    int stato;
    int posizione;
  } casi[] = {
      {"second signal in a cell",
       "segnale, 5000, 2, 4,1,0,0,0,0,0,0,0\r\nsegnale, 5010, 2, 4,1,0,0,0,0,0,0,0\r\n", 16, 5010},
      {"beyond the route", "segnale, 98901, 2, 4,1,0,0,0,0,0,0,0\r\n", 15, 98901},
      {"before the route", "segnale, -200, 2, 4,1,0,0,0,0,0,0,0\r\n", 15, -200},
  };
  for (const caso& c : casi) {
    lettura_prova esito = leggi_copioni(copione_linea(), copione_treno(c.righe_treno));
    EXPECT_EQ(esito.s.codice_errore, c.stato) << c.nome;
    EXPECT_EQ(esito.s.posizione_errore, c.posizione) << c.nome;
    EXPECT_EQ(esito.file_rimasti, "") << c.nome;
  }
}

TEST(Rallentamenti, WorkedExampleAndEdges) {
  struct caso {
    const char* riga;
    int da, a;
    const char* celle;
  } casi[] = {
      {"rallentamento, 20000, 30, 500, 1, 1, 0", 370, 415,
       "373:t5,4,0,0,0 374:t5,3,0,0,0 375:t5,2,0,0,0 376:t5,1,0,0,0 377:t4,30,0,0,0 "
       "401:t3,30,0,1,0 411:t2,30,0,1,0"},
      {"rallentamento, 20000, 30, 500, 1, 1, 7", 370, 415,
       "373:t5,4,4,0,0 374:t5,3,3,0,0 375:t5,2,2,0,0 376:t5,1,1,0,0 377:t4,30,7,0,0 "
       "401:t3,30,7,1,0 411:t2,30,7,1,0"},
      {"rallentamento, 1500, 60, 500, 0, 1, 0", 0, 45, "31:t3,60,0,0,0 41:t2,60,0,0,0"},
      {"rallentamento, 1550, 60, 500, 0, 1, 0", 0, 45,
       "4:t5,4,0,0,0 5:t5,3,0,0,0 6:t5,2,0,0,0 7:t5,1,0,0,0 8:t4,60,0,0,0 "
       "32:t3,60,0,0,0 42:t2,60,0,0,0"},
      {"rallentamento, 5000, 40, 20, 1, 0, 0", 95, 105, "101:t3,40,0,1,0"},
  };
  for (const caso& c : casi) {
    scenario s = leggi_treno(std::string(c.riga) + "\r\n");
    EXPECT_EQ(s.codice_errore, 0) << c.riga;
    EXPECT_EQ(descrivi_celle(s, c.da, c.a), c.celle) << c.riga;
  }
}

TEST(Rallentamenti, Statuses) {
  const std::string segnale_in_101 = "segnale, 5000, 2, 4,1,0,0,0,0,0,0,0\r\n";
  struct caso {
    const char* nome;
    std::string righe_treno;
    int stato;
    int posizione;
    const char* celle;  // cells 70 to 115
  } casi[] = {
      {"warning cell taken", segnale_in_101 + "rallentamento, 6200, 60, 500, 0, 0, 0\r\n", 17, 6200,
       "93:p64 95:p63 97:p62 99:p61 101:t1,40,10,0,6"},
      {"start cell taken", segnale_in_101 + "rallentamento, 5000, 60, 500, 0, 0, 0\r\n", 18, 5000,
       "93:p64 95:p63 97:p62 99:p61 101:t1,40,10,0,6"},
      {"end cell taken", segnale_in_101 + "rallentamento, 4500, 60, 500, 0, 0, 0\r\n", 19, 4500,
       "93:p64 95:p63 97:p62 99:p61 101:t1,40,10,0,6"},
      // Warning in cell 100, markers wanted in 99 to 96, a signal in 98:
      // the end, start and warning cells stay.
      {"marker cells taken",
       "segnale, 4850, 2, 4,1,0,0,0,0,0,0,0\r\nrallentamento, 6150, 60, 500, 0, 1, 0\r\n", 20, 6150,
       "90:p64 92:p63 94:p62 96:p61 98:t1,40,10,0,6 100:t4,60,0,0,0 124:t3,60,0,0,0"},
      {"end beyond the route", "rallentamento, 98800, 60, 500, 0, 0, 0\r\n", 15, 98800, ""},
  };
  for (const caso& c : casi) {
    lettura_prova esito = leggi_copioni(copione_linea(), copione_treno(c.righe_treno));
    EXPECT_EQ(esito.s.codice_errore, c.stato) << c.nome;
    EXPECT_EQ(esito.s.posizione_errore, c.posizione) << c.nome;
    EXPECT_EQ(esito.file_rimasti, "") << c.nome;
    if (c.stato != 15) {
      EXPECT_EQ(descrivi_celle(esito.s, 70, 124), c.celle) << c.nome;
    }
  }
}

TEST(Rallentamenti, HalvesToEvenPutTheFirstMarkerOnTheWarning) {
  scenario s = leggi_treno("rallentamento, 1575, 60, 500, 0, 1, 0\r\n");
  EXPECT_EQ(s.codice_errore, 20);
  EXPECT_EQ(s.posizione_errore, 1575);
  EXPECT_EQ(s.cella_in(8).tipo_cella, avviso_rallentamento);
}

TEST(Abbattimenti, CellsAndStatuses) {
  scenario s = leggi_treno(
      "abbattimento, 1000, 70000\r\nabbattimento, 2000, 0\r\n"
      "abbattimento, 3000, -5\r\nsegnale, 1000, 1, 4,1,0,0,0,0,0,0,0\r\n");
  EXPECT_EQ(s.codice_errore, 0);
  EXPECT_EQ(descrivi_celle(s, 20, 60),
            "20:t12,4464,0,0,0 21:t1,40,10,0,3 40:t13,0,0,0,0 60:t13,0,0,0,0");
  s = leggi_treno("segnale, 950, 1, 4,1,0,0,0,0,0,0,0\r\nabbattimento, 1000, 80\r\n");
  EXPECT_EQ(s.codice_errore, 7);
  EXPECT_EQ(s.posizione_errore, 1000);
  s = leggi_treno("abbattimento, -100, 80\r\n");
  EXPECT_EQ(s.codice_errore, 15);
}

TEST(Segnali, LineStatusEndsTheTrainScriptAtTheFirstSignal) {
  std::string treno =
      "numero vetture, 4\r\nsegnale, 5000, 2, 4,1,0,0,0,0,0,0,0\r\n"
      "sabbia, 9\r\n";
  lettura_prova esito =
      leggi_copioni(copione_linea("pendenza, 98901, 1\r\n"), copione_treno(treno));
  EXPECT_EQ(esito.s.codice_errore, 15);
  EXPECT_EQ(esito.s.posizione_errore, 5000);
  EXPECT_EQ(esito.s.voci[84].valore_c, 4);
  EXPECT_EQ(esito.s.cella_in(101).tipo_cella, segnale) << "the row is still stored";
  EXPECT_EQ(esito.s.voci[86].intero1, 0) << "reading ended at the signal";
  EXPECT_EQ(esito.s.cella_in(500).velocita_limite, 0) << "no tail fill";
  EXPECT_EQ(esito.file_rimasti, "");
  EXPECT_EQ(esito.s.luogo_errore().file, "Linea_linea.txt") << "the status keeps its own row";
}

}  // namespace
}  // namespace compattatore
