// SHA-256 (FIPS 180-4) for deriving the exam-settings and subject-settings
// passwords from the school data. Only a digest: nothing here encrypts.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tolka::settings {

using Digest256 = std::array<uint8_t, 32>;

Digest256 Sha256(const std::string& message);

}  // namespace tolka::settings
