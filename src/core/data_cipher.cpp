#include "core/data_cipher.h"

#include <array>
#include <cstdint>

namespace tolka::core {

namespace {
// The built-in key K (string[15]). Files enciphered with another key cannot be
// deciphered, so this value must never change.
constexpr std::array<uint8_t, kPasswordCapacity> kKey = {
    0x54, 0xB3, 0x2E, 0x9A, 0x61, 0x0F, 0xC7, 0x38, 0x7D, 0xE2, 0x15, 0x8C, 0x43, 0xF9, 0x26};
}  // namespace

std::string ScramblePassword(const std::string& password) {
  std::string s = password.substr(0, kPasswordCapacity);
  for (size_t i = 0; i < s.size(); ++i) {
    s[i] = static_cast<char>(static_cast<uint8_t>(s[i]) ^ kKey[i]);
  }
  return s;
}

bool PasswordMatches(const std::string& typed, const std::string& scrambled_field) {
  return ScramblePassword(typed) == scrambled_field;
}

void ApplyCipher(DataFileBlock& block, const std::string& scrambled, CipherVariant variant) {
  const size_t n = scrambled.size();
  if (n == 0) return;
  for (size_t j = 0; j < kTableSize; ++j) {
    uint8_t mask = static_cast<uint8_t>(scrambled[j % n]) ^ kKey[(j + 6) % kPasswordCapacity];
    if (variant == CipherVariant::Neu) mask ^= static_cast<uint8_t>(j % 67);
    block.at(j) ^= mask;
  }
}

}  // namespace tolka::core
