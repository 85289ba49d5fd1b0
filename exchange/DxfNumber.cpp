#include "DxfNumber.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace {

// from_chars takes no '+'; a sign after it would be a second one.
std::string_view WithoutPlus(std::string_view text) {
    if (text.size() > 1 && text.front() == '+' && text[1] != '-' && text[1] != '+')
        text.remove_prefix(1);
    return text;
}

} // namespace

std::string_view DxfStripped(std::string_view text) {
    while (!text.empty() && (text.back() == '\r' || text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    return text;
}

std::optional<double> DxfReal(std::string_view text) {
    std::string number(WithoutPlus(DxfStripped(text)));
    std::replace(number.begin(), number.end(), ',', '.');
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<long long> DxfInteger(std::string_view text) {
    const std::string_view digits = WithoutPlus(DxfStripped(text));
    long long value = 0;
    const auto [end, error] = std::from_chars(digits.begin(), digits.end(), value);
    if (error != std::errc() || end != digits.end())
        return std::nullopt;
    return value;
}
