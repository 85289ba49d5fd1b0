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

BucklingOptions::BucklingOptions()
    : buckling(QStringLiteral("buckling"),
               QStringLiteral("Escreve a flambagem elástica de FILE (faixas finitas: mínimos "
                              "local e distorcional, valor global em L) e as resistências "
                              "pelo método da resistência direta, sem janela; com --json, "
                              "junta o objeto Buckling.")),
      load(QStringLiteral("load"),
           QStringLiteral("Carga de referência da flambagem: P, Mx, My, -Mx ou -My (P se "
                          "omitida); Mx positivo comprime o topo, My positivo a direita."),
           QStringLiteral("P|Mx|My|-Mx|-My")),
      length(QStringLiteral("length"),
             QStringLiteral("Comprimento da barra em mm para o modo global (3000 se omitido)."),
             QStringLiteral("MM")),
      fy(QStringLiteral("fy"), QStringLiteral("Tensão de escoamento em MPa (250 se omitida)."),
         QStringLiteral("MPA")) {}

std::optional<QString> ReadBucklingOptions(const QCommandLineParser& parser,
                                           const BucklingOptions& options, CommandLine& command) {
    using Mode = CommandLine::Mode;
    const bool report = command.mode == Mode::EngineeringPdf;
    if (!parser.isSet(options.buckling) && !report) {
        if (parser.isSet(options.load) || parser.isSet(options.length) || parser.isSet(options.fy))
            return QStringLiteral("--load, --length e --fy valem só com --buckling ou "
                                  "--engineering-pdf");
        return std::nullopt;
    }
    if (parser.isSet(options.buckling)) {
        if (command.mode != Mode::Editor && command.mode != Mode::Json)
            return QStringLiteral("--buckling vale sozinho ou com --json");
        if (command.mode == Mode::Editor)
            command.mode = Mode::Buckling;
    }
    TBucklingInput input;
    if (parser.isSet(options.load)) {
        const std::optional<TBucklingLoad> load =
            ParseLoad(parser.value(options.load).toStdString());
        if (!load)
            return QStringLiteral("--load espera P, Mx, My, -Mx ou -My");
        input.Load = *load;
    }
    if (parser.isSet(options.length)) {
        const std::optional<double> value =
            PositiveValue(parser.value(options.length), LongestMember);
        if (!value)
            return QStringLiteral("--length espera o comprimento em mm, maior que zero e até %1")
                .arg(LongestMember);
        input.Length = *value;
    }
    if (parser.isSet(options.fy)) {
        const std::optional<double> value =
            PositiveValue(parser.value(options.fy), std::numeric_limits<double>::max());
        if (!value)
            return QStringLiteral("--fy espera a tensão de escoamento em MPa, maior que zero");
        input.Fy = *value;
    }
    command.buckling = input;
    return std::nullopt;
}
