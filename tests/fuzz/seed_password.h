// The data password of the enciphered seed files; the fuzz targets of the
// enciphered data file answer the password query with it.
#pragma once

namespace tolka::fuzz {

inline constexpr const char* kSeedPassword = "Fuzz2026";

}  // namespace tolka::fuzz
