#include "DxfMemoryWriter.h"

#include <charconv>
#include <cstdio>

// The base class opens a file stream by name; an empty name opens nothing, and nothing
// here ever writes to it.
DxfMemoryWriter::DxfMemoryWriter() : DL_WriterA("", DL_Codes::AC1015) {}

// Group codes right-aligned in three characters, as CAD programs write them.
void DxfMemoryWriter::group(int gc, const std::string& value) const {
    char code[16];
    std::snprintf(code, sizeof code, "%3d\n", gc);
    m_text += code;
    m_text += value;
    m_text += '\n';
}

void DxfMemoryWriter::dxfReal(int gc, double value) const {
    char buffer[512]; // holds the longest fixed-point double (DBL_MAX has 309 digits)
    // The shortest fixed-point text that reads back to the same double, independent of
    // the locale; a trailing ".0" keeps integral values recognisable as reals.
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    std::string text = error == std::errc() ? std::string(buffer, end) : std::string("0.0");
    if (text.find('.') == std::string::npos)
        text += ".0";
    group(gc, text);
}

void DxfMemoryWriter::dxfInt(int gc, int value) const {
    group(gc, std::to_string(value));
}

void DxfMemoryWriter::dxfHex(int gc, int value) const {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%X", static_cast<unsigned>(value));
    group(gc, buffer);
}

void DxfMemoryWriter::dxfString(int gc, const char* value) const {
    group(gc, value);
}

void DxfMemoryWriter::dxfString(int gc, const std::string& value) const {
    group(gc, value);
}
