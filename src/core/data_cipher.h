// The data password: scrambling of the password into the file's password
// field and the enciphering of the table with it.
#pragma once

#include <string>

#include "core/data_file_image.h"

namespace tolka::core {

// "neu" is what every save writes; "alt" only reads older files.
enum class CipherVariant { Neu, Alt };

// S[i] = P[i] XOR K[i] with the built-in 15-character key K; the password is
// cut to 15 characters first. Scrambling is its own inverse.
std::string ScramblePassword(const std::string& password);

// Password test on opening: the typed password scrambled equals the stored
// field in length and every byte.
bool PasswordMatches(const std::string& typed, const std::string& scrambled_field);

// Enciphers (or deciphers: the operation is its own inverse) bytes
// 0..159695 of `block` with the scrambled password S (length n >= 1):
//   byte[j] ^= S[1 + j mod n] ^ K[1 + (j + 6) mod 15] ^ (j mod 67)
// The last term is left out for "alt". The password field is not touched.
// An empty S leaves the block unchanged.
void ApplyCipher(DataFileBlock& block, const std::string& scrambled, CipherVariant variant);

}  // namespace tolka::core
