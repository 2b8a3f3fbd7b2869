#pragma once
// The line table every text file of the program is written from: 1001 slots
// whose content ends at the first slot holding exactly the end marker. The
// marker itself never reaches the file.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace compattatore {

inline constexpr int slot_tabella = 1001;
inline constexpr std::string_view marcatore_fine = "riferimento fine del file";

class tabella_righe {
 public:
  // Lines from slot 0 on, the end marker in the slot after the last one.
  // At most 1000 lines fit before the marker.
  explicit tabella_righe(const std::vector<std::string>& righe);

  const std::string& operator[](int slot) const { return slot_[static_cast<std::size_t>(slot)]; }

  // The file content: every slot before the end marker followed by CR LF.
  // A table without the marker stops after its last slot.
  std::string testo() const;

 private:
  std::array<std::string, slot_tabella> slot_;
};

}  // namespace compattatore
