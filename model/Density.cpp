#include "Density.h"

#include "PerfilError.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>
#include <system_error>

namespace {

// Up to `count` UTF-8 characters of text, starting at byte `from`.
std::string_view TakeCharacters(std::string_view text, std::size_t from, int count) {
    std::size_t end = from;
    for (int taken = 0; end < text.size() && taken < count; ++taken) {
        ++end;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            ++end; // continuation bytes belong to the same character
    }
    return text.substr(from, end - from);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

enum class Conversion { Ok, Invalid, Overflow };

struct Converted {
    Conversion status = Conversion::Invalid;
    double value = 0.0;
};

// Decimal exponent of the leading significant digit of integer.fraction; only its
// sign matters, to tell an overflow from an underflow.
long long LeadExponent(std::string_view integer, std::string_view fraction) {
    const std::size_t firstInteger = integer.find_first_not_of('0');
    if (firstInteger != std::string_view::npos)
        return static_cast<long long>(integer.size() - firstInteger) - 1;
    const std::size_t firstFraction = fraction.find_first_not_of('0');
    return -static_cast<long long>(firstFraction) - 1;
}

// Blanks, optional sign, digits with at most one separator, optional exponent, blanks;
// nothing else. Parsed by hand because the C library's strtod follows the process
// locale, which the GUI sets from the environment.
Converted Convert(std::string_view r, char separator) {
    std::size_t i = 0;
    auto skipBlanks = [&] {
        while (i < r.size() && r[i] == ' ')
            ++i;
    };
    auto takeDigits = [&] {
        const std::size_t from = i;
        while (i < r.size() && IsDigit(r[i]))
            ++i;
        return r.substr(from, i - from);
    };
    skipBlanks();
    const bool negative = i < r.size() && r[i] == '-';
    if (i < r.size() && (r[i] == '+' || r[i] == '-'))
        ++i;
    const std::string_view integer = takeDigits();
    std::string_view fraction;
    if (i < r.size() && r[i] == separator) {
        ++i;
        fraction = takeDigits();
    }
    if (integer.empty() && fraction.empty())
        return {};
    long long exponent = 0;
    std::string_view exponentText;
    if (i < r.size() && (r[i] == 'e' || r[i] == 'E')) {
        ++i;
        const std::size_t signAt = i;
        if (i < r.size() && (r[i] == '+' || r[i] == '-'))
            ++i;
        const std::string_view digits = takeDigits();
        if (digits.empty())
            return {};
        exponentText = r.substr(signAt, i - signAt);
        for (char c : digits)
            exponent = std::min(exponent * 10 + (c - '0'), 1000000LL);
        if (r[signAt] == '-')
            exponent = -exponent;
    }
    skipBlanks();
    if (i != r.size())
        return {};

    // Rewritten for from_chars, which knows only '.' and no leading '+'.
    std::string normal = negative ? "-" : "";
    normal.append(integer.empty() ? "0" : integer);
    normal.append(".").append(fraction.empty() ? "0" : fraction);
    if (!exponentText.empty())
        normal.append("e").append(exponentText);

    Converted out;
    const auto [end, error] =
        std::from_chars(normal.data(), normal.data() + normal.size(), out.value);
    if (error == std::errc::result_out_of_range) {
        // A value too small passes silently as zero; one too large is an overflow.
        if (LeadExponent(integer, fraction) + exponent > 0)
            return {Conversion::Overflow, 0.0};
        return {Conversion::Ok, negative ? -0.0 : 0.0};
    }
    if (error != std::errc{} || end != normal.data() + normal.size())
        return {};
    out.status = Conversion::Ok;
    return out;
}

std::optional<std::string_view> NumberPart(std::string_view text) {
    const std::size_t p = text.find(" - ");
    if (p == std::string_view::npos)
        return std::nullopt;
    return TakeCharacters(text, p + 3, 10);
}

} // namespace

double ReadDensity(std::string_view materialText, char decimalSeparator) {
    const auto first = NumberPart(materialText);
    if (!first)
        return 0.0;
    const Converted attempt = Convert(*first, decimalSeparator);
    if (attempt.status == Conversion::Overflow)
        throw PerfilError("Floating point overflow");
    if (attempt.status == Conversion::Ok)
        return attempt.value;

    const char other = decimalSeparator == ',' ? '.' : ',';
    std::string changed(materialText);
    for (char& c : changed)
        if (c == other)
            c = decimalSeparator;
    const auto second = NumberPart(changed);
    if (!second)
        return 0.0;
    const Converted retry = Convert(*second, decimalSeparator);
    return retry.status == Conversion::Ok ? retry.value : 0.0;
}
