#pragma once
// The track plan: x and y of the track centre for every metre of the line, as
// tagged values. Elements are kept in one flat array, metre index fastest,
// x values first: at the length limit the plan holds two million values, so
// nothing may cost an allocation of its own.

#include <cstdint>
#include <vector>

namespace compattatore {

// Type numbers of the tagged values, as the track-plan file records them.
enum class tipo_valore : std::uint16_t { vuoto = 0, intero16 = 2, doppio = 5 };

struct valore_profilo {
  tipo_valore tipo = tipo_valore::vuoto;
  double valore = 0.0;  // an intero16 is held exactly as a double
};

inline constexpr int coordinata_x = 0;
inline constexpr int coordinata_y = 1;

class profilo_tracciato {
 public:
  // Metres 0 to ultimo_metro, every element empty.
  void crea(std::int32_t ultimo_metro);
  void libera() {
    elementi_.clear();
    metri_ = 0;
  }
  bool allocato() const { return metri_ > 0; }
  std::int32_t metri() const { return metri_; }  // ultimo_metro + 1

  const valore_profilo& at(std::int32_t metro, int coordinata) const;
  valore_profilo& at(std::int32_t metro, int coordinata);

  void imposta_intero(std::int32_t metro, int coordinata, std::int16_t v);
  void imposta_doppio(std::int32_t metro, int coordinata, double v);
  double x(std::int32_t metro) const { return at(metro, coordinata_x).valore; }
  double y(std::int32_t metro) const { return at(metro, coordinata_y).valore; }

 private:
  std::vector<valore_profilo> elementi_;
  std::int32_t metri_ = 0;
};

}  // namespace compattatore
