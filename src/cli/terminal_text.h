// The texts of the core are Windows-1252 with "\r" as the line break; the
// terminal speaks UTF-8. These are the conversions at that boundary.
#pragma once

#include <cstdio>
#include <string>

namespace tolka::cli {

// A message for the terminal: UTF-8, every "\r\n" and "\r" a "\n".
std::string ToTerminal(const std::string& cp1252);

// Text the user typed (UTF-8) for a message: characters that Windows-1252
// lacks, and bytes that are not UTF-8, become '?'.
std::string FromUtf8Lossy(const std::string& utf8);

// Writes ToTerminal(message) and a line break to `stream`.
void PrintMessage(std::FILE* stream, const std::string& cp1252);

}  // namespace tolka::cli
