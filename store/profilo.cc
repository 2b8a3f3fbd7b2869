#include "store/profilo.h"

#include <stdexcept>

namespace compattatore {

void profilo_tracciato::crea(std::int32_t ultimo_metro) {
  if (ultimo_metro < 0) throw std::length_error("track plan with a negative last metre");
  metri_ = ultimo_metro + 1;
  elementi_.assign(2 * static_cast<std::size_t>(metri_), valore_profilo{});
}

const valore_profilo& profilo_tracciato::at(std::int32_t metro, int coordinata) const {
  if (metro < 0 || metro >= metri_ || (coordinata != coordinata_x && coordinata != coordinata_y))
    throw std::out_of_range("track plan element outside the plan");
  return elementi_[static_cast<std::size_t>(coordinata) * metri_ + metro];
}

valore_profilo& profilo_tracciato::at(std::int32_t metro, int coordinata) {
  const auto& self = *this;
  return const_cast<valore_profilo&>(self.at(metro, coordinata));
}

void profilo_tracciato::imposta_intero(std::int32_t metro, int coordinata, std::int16_t v) {
  at(metro, coordinata) = {tipo_valore::intero16, static_cast<double>(v)};
}

void profilo_tracciato::imposta_doppio(std::int32_t metro, int coordinata, double v) {
  at(metro, coordinata) = {tipo_valore::doppio, v};
}

}  // namespace compattatore
