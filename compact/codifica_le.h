#pragma once
// Little-endian writers for the data files. Every number goes out least
// significant byte first whatever the machine's own order, since the files are
// a byte contract with the simulator and not a memory image.

#include <bit>
#include <cstdint>
#include <string>

namespace compattatore {

inline void aggiungi_u8(std::string& uscita, std::uint8_t valore) {
  uscita.push_back(static_cast<char>(valore));
}

inline void aggiungi_u16(std::string& uscita, std::uint16_t valore) {
  aggiungi_u8(uscita, static_cast<std::uint8_t>(valore));
  aggiungi_u8(uscita, static_cast<std::uint8_t>(valore >> 8));
}

inline void aggiungi_u32(std::string& uscita, std::uint32_t valore) {
  aggiungi_u16(uscita, static_cast<std::uint16_t>(valore));
  aggiungi_u16(uscita, static_cast<std::uint16_t>(valore >> 16));
}

inline void aggiungi_u64(std::string& uscita, std::uint64_t valore) {
  aggiungi_u32(uscita, static_cast<std::uint32_t>(valore));
  aggiungi_u32(uscita, static_cast<std::uint32_t>(valore >> 32));
}

// Signed values in two's complement.
inline void aggiungi_i16(std::string& uscita, std::int16_t valore) {
  aggiungi_u16(uscita, static_cast<std::uint16_t>(valore));
}

inline void aggiungi_i32(std::string& uscita, std::int32_t valore) {
  aggiungi_u32(uscita, static_cast<std::uint32_t>(valore));
}

// IEEE 754 double precision, bit for bit.
inline void aggiungi_doppio(std::string& uscita, double valore) {
  aggiungi_u64(uscita, std::bit_cast<std::uint64_t>(valore));
}

}  // namespace compattatore
