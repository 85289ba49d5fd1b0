#include "NumberText.h"

#include <cstdio>

std::string MillimetreText(std::int64_t hundredths, bool fixed) {
    const std::int64_t whole = hundredths / 100;
    const int fraction = static_cast<int>(hundredths % 100);
    char text[32];
    if (fixed || fraction % 10 != 0)
        std::snprintf(text, sizeof text, "%lld,%02d", static_cast<long long>(whole), fraction);
    else if (fraction != 0)
        std::snprintf(text, sizeof text, "%lld,%d", static_cast<long long>(whole), fraction / 10);
    else
        std::snprintf(text, sizeof text, "%lld", static_cast<long long>(whole));
    return text;
}
