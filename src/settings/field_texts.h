// The conversions of the settings windows' edit fields, as the platform's
// run-time library does them for a German installation: counts are decimal
// integers that must fit a u16, hour minimums are floating-point numbers
// written with the decimal comma ("5,5"). A failed conversion gives the
// run-time library's message, which the window's caller shows.
#pragma once

#include <cstdint>
#include <string>

namespace tolka::settings {

extern const char* const kRangeCheckError;

// "'%s' ist kein gültiger Integerwert" / "... Gleitkommawert" with `text`.
std::string NotAnIntegerMessage(const std::string& text);
std::string NotAFloatMessage(const std::string& text);

// A decimal integer: leading and trailing blanks, an optional sign, digits.
// Not an integer (or beyond the platform's 32-bit integers): the integer
// message; outside 0..65535: "Fehler bei Bereichsprüfung". Returns the
// message, empty on success; `value` is set only on success.
std::string ParseWordField(const std::string& text, uint16_t& value);

// A floating-point number in German notation: blanks around it, an optional
// sign, digits with at most one decimal comma, an optional exponent ("E-2").
// A decimal point is refused. Returns the message, empty on success.
std::string ParseRealField(const std::string& text, double& value);

// Display texts: a count as a decimal integer; an hour minimum in fixed
// notation with one decimal and the decimal comma ("5,5", "7,0").
std::string WordFieldText(uint16_t value);
std::string RealFieldText(double value);

}  // namespace tolka::settings
