// The field reader: where fields end, how numbers are read, the end-of-file
// rule, and the place of every field.

#include "reader/lettore_campi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reader/parole_chiave.h"

namespace compattatore {
namespace {

// Reads a script as the given sequence of field kinds and renders what came
// back: texts in brackets, numbers bare, "!" for a read error, "$" after a
// field that reached the end of the file.
std::string leggi(const std::string& testo, const std::string& tipi) {
  lettore_campi campi(testo);
  std::string esito;
  for (char tipo : tipi) {
    if (!esito.empty()) esito += ' ';
    try {
      switch (tipo) {
        case 't':
          esito += "[" + campi.leggi_testo() + "]";
          break;
        case 'l':
          esito += std::to_string(campi.leggi_int32());
          break;
        case 'i':
          esito += std::to_string(campi.leggi_int16());
          break;
        case 'b':
          esito += std::to_string(campi.leggi_uint8());
          break;
      }
    } catch (const errore_lettura&) {
      return esito + "!";
    }
    if (campi.fine()) esito += "$";
  }
  return esito;
}

TEST(LettoreCampi, FieldsAndNumbers) {
  struct caso {
    const char* testo;
    const char* tipi;
    const char* atteso;
  } casi[] = {
      // A text field runs to the comma or the line end, blanks before it skipped.
      {"lunghezza percorso,    92000\r\n", "tl", "[lunghezza percorso] 92000$"},
      {"  a b  ,c\r\n", "tt", "[a b] [c]$"},
      {"[fine]\r\n", "t", "[[fine]]$"},
      {"[fine]", "t", "[[fine]]$"},
      {"a\nb\rc\r\n", "ttt", "[a] [b] [c]$"},
      {"\r\n\r\nx\r\n", "ttt", "[] [] [x]$"},
      // Numbers end at a blank; the blanks after them and one comma go too.
      {"orologio,    6               37            45 \r\n", "tiii", "[orologio] 6 37 45$"},
      {"x,  1  ,  2\r\ny\r\n", "tllt", "[x] 1 2 [y]$"},
      {"x,1 ,,3\r\n", "tlll", "[x] 1 0 3$"},
      {"indicatori_vmax,  500,  75,  ,  0\r\n", "tllll", "[indicatori_vmax] 500 75 0 0$"},
      {"pendenza,  19800,   -13\r\n", "tll", "[pendenza] 19800 -13$"},
      {"+7,-0\r\n", "ll", "7 0$"},
      // Empty number fields read as 0.
      {"  ,\r\n", "ll", "0 0$"},
      {"\r\n", "l", "0$"},
      // Widths: 32, 16 and 8 bits.
      {"2147483647,-2147483648\r\n", "ll", "2147483647 -2147483648$"},
      {"2147483648\r\n", "l", "!"},
      {"-2147483649\r\n", "l", "!"},
      {"32767,-32768,32768\r\n", "iii", "32767 -32768 !"},
      {"255,0,256\r\n", "bbb", "255 0 !"},
      {"-1\r\n", "b", "!"},
      {"99999999999999999999999\r\n", "l", "!"},
      // A number field must hold a whole number.
      {"12a\r\n", "l", "!"},
      {"1.5\r\n", "l", "!"},
      {"-\r\n", "l", "!"},
      {"abc\r\n", "l", "!"},
      // Reading past the last field is a read error.
      {"a\r\n", "tt", "[a]$ !"},
      {"", "t", "!"},
      {"5\r\n", "ll", "5$ !"},
      // A comma inside a text cannot be kept: the rest is the next field.
      {"stazione, 5, PIAN, DEL LAGO\r\n", "tltt", "[stazione] 5 [PIAN] [DEL LAGO]$"},
      // Text keeps its dots, dashes and inner blanks.
      {"S. MARIA - ALTA  \r\n", "t", "[S. MARIA - ALTA]$"},
  };
  for (const caso& c : casi) EXPECT_EQ(leggi(c.testo, c.tipi), c.atteso) << c.testo;
}

TEST(LettoreCampi, KnowsTheLineAndColumnOfEveryField) {
  lettore_campi campi("[generale]\r\nsfondo uno,    0\r\n  x\r\n");
  std::vector<std::pair<int, int>> luoghi;
  campi.leggi_testo();
  luoghi.emplace_back(campi.luogo().riga, campi.luogo().colonna);
  campi.leggi_testo();
  luoghi.emplace_back(campi.luogo().riga, campi.luogo().colonna);
  campi.leggi_int32();
  luoghi.emplace_back(campi.luogo().riga, campi.luogo().colonna);
  campi.leggi_testo();
  luoghi.emplace_back(campi.luogo().riga, campi.luogo().colonna);
  EXPECT_EQ(luoghi, (std::vector<std::pair<int, int>>{{1, 1}, {2, 1}, {2, 16}, {3, 3}}));
  EXPECT_EQ(campi.testo_riga(2), "sfondo uno,    0");
  EXPECT_EQ(campi.testo_riga(3), "  x");
  EXPECT_EQ(campi.testo_riga(9), "");
}

TEST(LettoreCampi, ReadErrorsCarryThePlaceAndTheReason) {
  lettore_campi campi("a,\r\nb, 300\r\n");
  campi.leggi_testo();
  campi.leggi_testo();
  campi.leggi_testo();
  try {
    campi.leggi_uint8();
    FAIL();
  } catch (const errore_lettura& e) {
    EXPECT_EQ(e.luogo().riga, 2);
    EXPECT_EQ(e.luogo().colonna, 4);
    EXPECT_STREQ(e.what(), "300 does not fit a 8-bit field");
  }
}

TEST(ParoleChiave, CaseRules) {
  struct caso {
    const char* campo;
    const char* parola;
    bool esatto;
    bool senza_caso;
  } casi[] = {
      {"progressiva chilometrica uno", "progressiva", true, true},
      {"PROGRESSIVA chilometrica uno", "progressiva", false, true},
      {"[GENERALE]", "[generale]", false, true},
      {"curvaS4", "s", false, true},
      {"[aderenze]", "aderenza", false, false},
      {"[stazioni]", "stazione", false, false},
      {"ripetizione segnali 4 codici", "4", true, true},
      {"", "x", false, false},
  };
  for (const caso& c : casi) {
    EXPECT_EQ(contiene(c.campo, c.parola), c.esatto) << c.campo << " / " << c.parola;
    EXPECT_EQ(contiene_senza_caso(c.campo, c.parola), c.senza_caso) << c.campo << " / " << c.parola;
  }
}

}  // namespace
}  // namespace compattatore
