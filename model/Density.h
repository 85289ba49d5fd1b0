#pragma once

#include <string_view>

// Reads the density from a material text "name - number" (UTF-8): the first " - ",
// then at most 10 characters, converted with the given decimal separator (the user's
// locale's). When that fails, the other separator ('.' or ',') is replaced by the
// locale's one in the whole text and the conversion tried again, so the built-in
// "Aço - 7,75" reads as 7.75 under both separators. Returns 0 for an unreadable text.
// Throws PerfilError("Floating point overflow") when the first attempt converts to a
// value beyond the float64 range.
double ReadDensity(std::string_view materialText, char decimalSeparator);
