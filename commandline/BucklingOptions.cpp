#include "BucklingOptions.h"

#include <QLocale>

#include <limits>

namespace {

// Past it the stiffness of the longest global modes is below the rounding of the
// matrices, and the factor loses its digits.
constexpr double LongestMember = 100000; // mm

// A positive number up to largest, with '.' or ',' as the decimal point.
std::optional<double> PositiveValue(QString text, double largest) {
    bool ok = false;
    const double value =
        QLocale::c().toDouble(text.replace(QLatin1Char(','), QLatin1Char('.')), &ok);
    if (!ok || !(value > 0 && value <= largest))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<QString> ReadBucklingOptions(const QCommandLineParser& parser, CommandLine& command) {
    const QString buckling = QStringLiteral("buckling"), load = QStringLiteral("load"),
                  length = QStringLiteral("length"), fy = QStringLiteral("fy");
    using Mode = CommandLine::Mode;
    const bool report = command.mode == Mode::EngineeringPdf;
    if (!parser.isSet(buckling) && !report) {
        if (parser.isSet(load) || parser.isSet(length) || parser.isSet(fy))
            return QStringLiteral("--load, --length e --fy valem só com --buckling ou "
                                  "--engineering-pdf");
        return std::nullopt;
    }
    if (parser.isSet(buckling)) {
        if (command.mode != Mode::Editor && command.mode != Mode::Json)
            return QStringLiteral("--buckling vale sozinho ou com --json");
        if (command.mode == Mode::Editor)
            command.mode = Mode::Buckling;
    }
    BucklingRequest request;
    if (parser.isSet(load)) {
        const std::optional<TBucklingLoad> parsed = ParseLoad(parser.value(load).toStdString());
        if (!parsed)
            return QStringLiteral("--load espera P, Mx, My, -Mx ou -My");
        request.load = *parsed;
    }
    if (parser.isSet(length)) {
        const std::optional<double> value = PositiveValue(parser.value(length), LongestMember);
        if (!value)
            return QStringLiteral("--length espera o comprimento em mm, maior que zero e até %1")
                .arg(LongestMember);
        request.length = *value;
    }
    if (parser.isSet(fy)) {
        const std::optional<double> value =
            PositiveValue(parser.value(fy), std::numeric_limits<double>::max());
        if (!value)
            return QStringLiteral("--fy espera a tensão de escoamento em MPa, maior que zero");
        request.fy = *value;
    }
    command.buckling = request;
    return std::nullopt;
}
