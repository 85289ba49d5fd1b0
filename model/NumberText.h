#pragma once

#include <charconv>
#include <string>

// The shortest text that reads back as the same number, with a point whatever the locale,
// as files for other programs want it.
inline std::string ShortestText(double value) {
    char text[32]; // holds any double
    return {text, std::to_chars(text, text + sizeof text, value).ptr};
}
