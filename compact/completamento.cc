#include "compact/completamento.h"

#include <array>
#include <cstddef>
#include <optional>

#include "store/stato.h"

namespace compattatore {
namespace {

constexpr std::int16_t valore_punto = 180;
// Slowdowns slower than this get inner points.
constexpr std::int16_t velocita_punti_interni = 110;
constexpr int passo_punti_interni = 8;          // cells between inner points
constexpr std::int64_t ricerca_dopo_fine = 12;  // cells after a slowdown end searched for a signal
constexpr std::int64_t ricerca_prima_avviso = 20;  // cells before a warning searched for signals
// A signal needs two cells before it for its point, and cell 0 is not one.
constexpr std::int64_t primo_segnale_trattato = 3;
// Guards ahead of a slowdown start, nearest candidate first.
constexpr std::array<std::array<std::int64_t, 3>, 3> guardie = {
    {{5, 6, 7}, {11, 12, 13}, {18, 19, 20}}};

std::int32_t in_metri(std::int64_t indice) {
  return static_cast<std::int32_t>(indice * metri_per_cella);
}

// A cell that does not exist can take no point, so it counts as taken.
bool libera(const scenario& s, std::int64_t i) {
  return s.cella_esiste(i) && cella_libera(s.cella_in(i));
}

bool di_tipo(const scenario& s, std::int64_t i, std::uint8_t tipo) {
  return s.cella_esiste(i) && s.cella_in(i).tipo_cella == tipo;
}

// Only the object changes: the stretch attributes of the cell stay.
void metti_punto(scenario& s, std::int64_t i) {
  cella& c = s.cella_in(i);
  c.tipo_cella = abbattimento;
  c.valore1 = valore_punto;
}

void abbassa_punto(scenario& s, std::int64_t i) {
  cella& c = s.cella_in(i);
  c.valore1 = static_cast<std::int16_t>(minimo(valore_punto, c.valore1));
}

// Every signal within the look-back before a warning gets a point in one of
// the two cells before it, or has a point already there lowered to 180.
void abbatti_prima_dei_segnali(scenario& s, std::int64_t avviso) {
  for (std::int64_t k = 1; k <= ricerca_prima_avviso; ++k) {
    const std::int64_t a = avviso - k;
    if (a < primo_segnale_trattato) return;
    if (!di_tipo(s, a, segnale)) continue;
    if (libera(s, a - 1)) {
      metti_punto(s, a - 1);
    } else if (libera(s, a - 2)) {
      metti_punto(s, a - 2);
    } else if (di_tipo(s, a - 1, abbattimento)) {
      abbassa_punto(s, a - 1);
    } else if (di_tipo(s, a - 2, abbattimento)) {
      abbassa_punto(s, a - 2);
    } else {
      s.registra_stato(stato_abbattimento_segnale, in_metri(a));
    }
  }
}

// A guard is always a point of its own: an abatement already standing in a
// candidate cell does not count as one.
void metti_guardie(scenario& s, std::int64_t inizio) {
  for (const auto& distanze : guardie) {
    if (inizio <= distanze.back()) continue;
    bool messa = false;
    for (std::int64_t d : distanze) {
      if (libera(s, inizio - d)) {
        metti_punto(s, inizio - d);
        messa = true;
        break;
      }
    }
    if (!messa) s.registra_stato(stato_guardia_rallentamento, in_metri(inizio));
  }
}

// Walks from the start to the slowdown end, placing a point every 8 cells; a
// point moved back or forward by one cell shifts the count with it so the
// spacing holds. Returns the end cell, or nothing when the route ends first:
// the reader leaves no end cell for a slowdown shorter than one cell, and
// nothing past the last cell belongs to the route, so the walk stops there.
std::optional<std::int64_t> metti_punti_interni(scenario& s, std::int64_t inizio) {
  const std::int64_t ultima = static_cast<std::int64_t>(s.percorso.size()) - 1;
  int c = 0;
  for (std::int64_t k = inizio + 1; k <= ultima; ++k) {
    ++c;
    if (c == passo_punti_interni) {
      if (libera(s, k)) {
        metti_punto(s, k);
        c = 0;
      } else if (libera(s, k - 1)) {
        metti_punto(s, k - 1);
        c = 1;
      } else if (libera(s, k + 1)) {
        metti_punto(s, k + 1);
        c = -1;
      } else {
        // The count runs on past 8: this slowdown gets no further inner points.
        s.registra_stato(stato_punto_rallentamento, in_metri(k));
      }
    }
    if (di_tipo(s, k, fine_rallentamento)) return k;
  }
  return std::nullopt;
}

// A point just before the first signal within 12 cells of the slowdown end.
// The search stops at the last cell of the route.
void metti_punto_dopo(scenario& s, std::int64_t fine) {
  for (std::int64_t k = fine; k <= fine + ricerca_dopo_fine && s.cella_esiste(k); ++k) {
    if (!di_tipo(s, k, segnale)) continue;
    const std::int64_t t = k - 1;
    if (t <= 0) return;
    if (libera(s, t)) {
      metti_punto(s, t);
    } else if (libera(s, t - 1)) {
      metti_punto(s, t - 1);
    } else {
      s.registra_stato(stato_punto_rallentamento, in_metri(fine));
    }
    return;
  }
}

void completa_rallentamento(scenario& s, std::int64_t inizio) {
  metti_guardie(s, inizio);
  // A fast slowdown gets neither inner points nor the point after it: the
  // walk for inner points is what finds its end cell, and without a known end
  // there is no place to start looking for the next signal. A slow one whose
  // walk ran off the route has no end either, so it too gets no point after.
  if (s.cella_in(inizio).valore1 >= velocita_punti_interni) return;
  if (auto fine = metti_punti_interni(s, inizio)) metti_punto_dopo(s, *fine);
}

}  // namespace

std::int32_t minimo(std::int32_t x, std::int32_t y) {
  return y < x ? y : x;
}

void completa_abbattimenti(scenario& s) {
  // Cells 1 to M - 2: a slowdown starting in one of the last two cells would
  // have no room left after it for its end.
  const std::int64_t ultima_visitata = static_cast<std::int64_t>(s.percorso.size()) - 3;
  for (std::int64_t i = 1; i <= ultima_visitata; ++i) {
    switch (s.cella_in(i).tipo_cella) {
      case avviso_rallentamento:
        abbatti_prima_dei_segnali(s, i);
        break;
      case inizio_rallentamento:
        completa_rallentamento(s, i);
        break;
      default:
        break;
    }
  }
}

}  // namespace compattatore
