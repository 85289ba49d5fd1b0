#include "CommandLine.h"

#include "BucklingOptions.h"

#include <QCommandLineParser>
#include <QLocale>
#include <QRegularExpression>

#include <utility>

namespace {

CommandLine UsageError(const QString& message) {
    CommandLine c;
    c.mode = CommandLine::Mode::UsageError;
    c.message = message;
    return c;
}

// The toolkit's parser words its errors in English; they are matched by their fixed
// English form and given in Portuguese, whatever option they name.
QString PortugueseParserError(const QString& english) {
    static const std::pair<const char*, const char*> texts[] = {
        {"^Unknown option '(.*)'\\.$", "opção desconhecida: %1"},
        {"^Unknown options: (.*)\\.$", "opções desconhecidas: %1"},
        {"^Missing value after '(.*)'\\.$", "falta o valor de %1"},
        {"^Unexpected value after '(.*)'\\.$", "%1 não aceita valor"},
    };
    for (const auto& [pattern, portuguese] : texts) {
        const QRegularExpressionMatch match =
            QRegularExpression(QString::fromLatin1(pattern)).match(english);
        if (match.hasMatch())
            return QString::fromUtf8(portuguese).arg(match.captured(1));
    }
    return english;
}

// An option given twice leaves unclear which one counts.
std::optional<QString> RepeatedOption(const QCommandLineParser& parser,
                                      const QList<QCommandLineOption>& options) {
    const QStringList found = parser.optionNames();
    for (const QCommandLineOption& option : options) {
        const auto uses = std::ranges::count_if(
            found, [&option](const QString& name) { return option.names().contains(name); });
        if (uses > 1)
            return QStringLiteral("--%1 dada mais de uma vez").arg(option.names().constLast());
    }
    return std::nullopt;
}

// The editor's range for new objects' thickness.
constexpr double SmallestThickness = 0.1;
constexpr double LargestThickness = 10.0;

// A thickness in millimetres, with '.' or ',' as the decimal point.
std::optional<double> ThicknessValue(QString text) {
    bool ok = false;
    const double value =
        QLocale::c().toDouble(text.replace(QLatin1Char(','), QLatin1Char('.')), &ok);
    if (!ok || !(value >= SmallestThickness && value <= LargestThickness))
        return std::nullopt;
    return value;
}

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Editor de perfis de chapa fina: desenho da seção, propriedades e relatório."));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Mostra esta ajuda."));
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Mostra a versão."));
    const QCommandLineOption properties(
        QStringLiteral("properties"),
        QStringLiteral("Escreve as propriedades da seção de FILE, uma por linha, sem janela."));
    const QCommandLineOption allProperties(
        QStringLiteral("all-properties"),
        QStringLiteral("Escreve as propriedades de FILE e as de engenharia (eixos principais, "
                       "torção, centro de cisalhamento, empenamento), uma por linha, sem janela."));
    const QCommandLineOption json(
        QStringLiteral("json"),
        QStringLiteral("Escreve as propriedades de FILE em JSON, sem janela; com vários "
                       "arquivos, um objeto por linha."));
    const QCommandLineOption pdf(
        QStringLiteral("pdf"),
        QStringLiteral(
            "Escreve o relatório de FILE em OUT.pdf (- para a saída padrão), sem janela."),
        QStringLiteral("OUT.pdf"));
    const QCommandLineOption engineeringPdf(
        QStringLiteral("engineering-pdf"),
        QStringLiteral("Escreve o relatório de engenharia de FILE (propriedades, flambagem e "
                       "resistências, com --load, --length e --fy) em OUT.pdf (- para a saída "
                       "padrão), sem janela."),
        QStringLiteral("OUT.pdf"));
    const QCommandLineOption material(
        QStringLiteral("material"),
        QStringLiteral("Texto do material de onde se lê a densidade (\"nome - densidade\")."),
        QStringLiteral("TEXT"));
    const QCommandLineOption csv(
        QStringLiteral("csv"),
        QStringLiteral("Escreve uma tabela CSV com as propriedades de cada FILE, sem janela."));
    const QCommandLineOption dxf(
        QStringLiteral("dxf"), QStringLiteral("Escreve o desenho de FILE em OUT.dxf, sem janela."),
        QStringLiteral("OUT.dxf"));
    const QCommandLineOption svg(
        QStringLiteral("svg"), QStringLiteral("Escreve o desenho de FILE em OUT.svg, sem janela."),
        QStringLiteral("OUT.svg"));
    const QCommandLineOption png(
        QStringLiteral("png"), QStringLiteral("Escreve o desenho de FILE em OUT.png, sem janela."),
        QStringLiteral("OUT.png"));
    const QCommandLineOption fromDxf(
        QStringLiteral("from-dxf"),
        QStringLiteral("Importa o desenho IN.dxf e o grava como o perfil FILE, sem janela."),
        QStringLiteral("IN.dxf"));
    const QCommandLineOption thickness(
        QStringLiteral("thickness"),
        QStringLiteral("Espessura em mm das entidades DXF sem largura (com --from-dxf)."),
        QStringLiteral("MM"));
    const QList<QCommandLineOption> options{
        help,     version, properties, allProperties, json, pdf,     engineeringPdf,
        material, csv,     dxf,        svg,           png,  fromDxf, thickness};
    const BucklingOptions bucklingOptions;
    parser.addOptions(options + bucklingOptions.list());
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("Arquivo de perfil (.per); vários com --json "
                                                "e --csv."),
                                 QStringLiteral("[FILE.per...]"));

    if (!parser.parse(QStringList{QStringLiteral("perfil")} + arguments))
        return UsageError(PortugueseParserError(parser.errorText()));
    if (const std::optional<QString> repeated =
            RepeatedOption(parser, options + bucklingOptions.list()))
        return UsageError(*repeated);

    CommandLine c;
    if (parser.isSet(help)) {
        c.mode = CommandLine::Mode::Help;
        // Parsed before the application object exists, the parser has no program name of
        // its own to put in the usage line.
        c.message = parser.helpText().replace(QStringLiteral("<executable_name>"),
                                              QStringLiteral("perfil"));
        return c;
    }
    if (parser.isSet(version)) {
        c.mode = CommandLine::Mode::Version;
        return c;
    }
    const std::pair<const QCommandLineOption*, CommandLine::Mode> modeOptions[] = {
        {&properties, CommandLine::Mode::Properties},
        {&allProperties, CommandLine::Mode::AllProperties},
        {&json, CommandLine::Mode::Json},
        {&pdf, CommandLine::Mode::Pdf},
        {&engineeringPdf, CommandLine::Mode::EngineeringPdf},
        {&csv, CommandLine::Mode::Csv},
        {&dxf, CommandLine::Mode::Dxf},
        {&svg, CommandLine::Mode::Svg},
        {&png, CommandLine::Mode::Png},
        {&fromDxf, CommandLine::Mode::FromDxf},
    };
    int modes = 0;
    for (const auto& [option, mode] : modeOptions) {
        if (parser.isSet(*option)) {
            ++modes;
            c.mode = mode;
        }
    }
    if (modes > 1)
        return UsageError(QStringLiteral("--properties, --all-properties, --json, --pdf, "
                                         "--engineering-pdf, --csv, --dxf, --svg, --png e "
                                         "--from-dxf não podem ser usados juntos"));
    using Mode = CommandLine::Mode;
    const bool manyFiles = c.mode == Mode::Json || c.mode == Mode::Csv;
    c.files = parser.positionalArguments();
    if (c.files.size() > 1 && !manyFiles)
        return UsageError(QStringLiteral("apenas um arquivo de perfil pode ser dado"));
    c.file = c.files.value(0);
    if (parser.isSet(material))
        c.material = parser.value(material);
    const bool readsMaterial = c.mode == Mode::Properties || c.mode == Mode::AllProperties ||
                               c.mode == Mode::Json || c.mode == Mode::Pdf ||
                               c.mode == Mode::EngineeringPdf || c.mode == Mode::Csv;
    if (c.material && !readsMaterial)
        return UsageError(
            QStringLiteral("--material vale só com --properties, --all-properties, --json, --csv, "
                           "--pdf ou --engineering-pdf"));
    if (parser.isSet(thickness)) {
        if (c.mode != Mode::FromDxf)
            return UsageError(QStringLiteral("--thickness vale só com --from-dxf"));
        c.thickness = ThicknessValue(parser.value(thickness));
        if (!c.thickness)
            return UsageError(QStringLiteral("--thickness espera a espessura em mm, de %1 a %2")
                                  .arg(SmallestThickness)
                                  .arg(LargestThickness));
    }
    if (const std::optional<QString> error = ReadBucklingOptions(parser, bucklingOptions, c))
        return UsageError(*error);
    if (c.mode == Mode::Editor)
        return c;
    if (c.file.isEmpty())
        return UsageError(QStringLiteral("falta o arquivo de perfil"));
    c.dxfPath = parser.value(fromDxf);
    for (const QCommandLineOption* option : {&pdf, &engineeringPdf, &dxf, &svg, &png})
        if (parser.isSet(*option))
            c.output = parser.value(*option);
    return c;
}
