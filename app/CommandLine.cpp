#include "CommandLine.h"

#include <QCommandLineParser>
#include <QRegularExpression>

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
        QStringLiteral("Escreve as propriedades de FILE em JSON, sem janela."));
    const QCommandLineOption pdf(
        QStringLiteral("pdf"),
        QStringLiteral(
            "Escreve o relatório de FILE em OUT.pdf (- para a saída padrão), sem janela."),
        QStringLiteral("OUT.pdf"));
    const QCommandLineOption material(
        QStringLiteral("material"),
        QStringLiteral("Texto do material de onde se lê a densidade (\"nome - densidade\")."),
        QStringLiteral("TEXT"));
    const QList<QCommandLineOption> options{help, version, properties, allProperties, json, pdf, material};
    parser.addOptions(options);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("Arquivo de perfil (.per)."),
                                 QStringLiteral("[FILE.per]"));

    if (!parser.parse(QStringList{QStringLiteral("perfil")} + arguments))
        return UsageError(PortugueseParserError(parser.errorText()));
    if (const std::optional<QString> repeated = RepeatedOption(parser, options))
        return UsageError(*repeated);

    CommandLine c;
    if (parser.isSet(help)) {
        c.mode = CommandLine::Mode::Help;
        c.message = parser.helpText();
        return c;
    }
    if (parser.isSet(version)) {
        c.mode = CommandLine::Mode::Version;
        return c;
    }
    const int modes = int(parser.isSet(properties)) + int(parser.isSet(allProperties)) +
                      int(parser.isSet(json)) + int(parser.isSet(pdf));
    if (modes > 1)
        return UsageError(QStringLiteral(
            "--properties, --all-properties, --json e --pdf não podem ser usados juntos"));
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return UsageError(QStringLiteral("apenas um arquivo de perfil pode ser dado"));
    c.file = files.value(0);
    if (parser.isSet(material))
        c.material = parser.value(material);

    if (modes == 0) {
        if (c.material)
            return UsageError(QStringLiteral(
                "--material vale só com --properties, --all-properties, --json ou --pdf"));
        return c;
    }
    if (c.file.isEmpty())
        return UsageError(QStringLiteral("falta o arquivo de perfil"));
    if (parser.isSet(properties))
        c.mode = CommandLine::Mode::Properties;
    else if (parser.isSet(allProperties))
        c.mode = CommandLine::Mode::AllProperties;
    else if (parser.isSet(json))
        c.mode = CommandLine::Mode::Json;
    else {
        c.mode = CommandLine::Mode::Pdf;
        c.output = parser.value(pdf);
    }
    return c;
}
