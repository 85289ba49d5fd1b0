#pragma once

#include <optional>
#include <string_view>

// A DXF real as dxflib reads a sound one: blanks around it, an optional '+', and ',' taken
// for the decimal point. Nothing when the text is anything else, or when it reads as an
// infinity or NaN, which dxflib would silently turn into 0.
std::optional<double> DxfReal(std::string_view text);

// A DXF integer, whole and in the range of 64 bits; nothing otherwise.
std::optional<long long> DxfInteger(std::string_view text);

// The text without the blanks and the carriage return that may surround a value.
std::string_view DxfStripped(std::string_view text);
