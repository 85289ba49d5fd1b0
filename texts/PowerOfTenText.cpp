#include "PowerOfTenText.h"

namespace {

QString Superscript(int number) {
    static const char16_t digits[] = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
    QString text;
    for (QChar c : QString::number(number))
        text += c == u'-' ? QChar(u'⁻') : QChar(digits[c.digitValue()]);
    return text;
}

} // namespace

// The C library's rounding decides mantissa and exponent together, so that 9,995·10⁸
// becomes 1,00·10⁹ and never 10,00·10⁸.
QString PowerOfTenText(double value, const QLocale& locale) {
    const QString written = QString::number(value, 'e', 2); // "6.75e+09"
    const qsizetype e = written.indexOf(u'e');
    const double mantissa = written.left(e).toDouble();
    const int exponent = written.mid(e + 1).toInt();
    return locale.toString(mantissa, 'f', 2) + QStringLiteral("·10") + Superscript(exponent);
}
