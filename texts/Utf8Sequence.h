#pragma once

#include <cstddef>
#include <string_view>

// The length of the valid UTF-8 sequence at bytes[i], or 0 where none starts; overlong
// forms, surrogates and code points above U+10FFFF are not valid.
std::size_t Utf8SequenceLength(std::string_view bytes, std::size_t i);
