#pragma once

#include <charconv>
#include <cstdint>
#include <string>

// The shortest text that reads back as the same number, with a point whatever the locale,
// as files for other programs want it.
inline std::string ShortestText(double value) {
    char text[32]; // holds any double
    return {text, std::to_chars(text, text + sizeof text, value).ptr};
}

// Hundredths of a millimetre as millimetres with a decimal comma: "12,5", "200"; with two
// decimals always when fixed: "2,00".
std::string MillimetreText(std::int64_t hundredths, bool fixed = false);
