#include "CommandLine.h"

#include <QCommandLineParser>

namespace {

CommandLine UsageError(const QString& message) {
    CommandLine c;
    c.mode = CommandLine::Mode::UsageError;
    c.message = message;
    return c;
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
        QStringLiteral("Escreve o relatório de FILE em OUT.pdf, sem janela."),
        QStringLiteral("OUT.pdf"));
    const QCommandLineOption material(
        QStringLiteral("material"),
        QStringLiteral("Texto do material de onde se lê a densidade (\"nome - densidade\")."),
        QStringLiteral("TEXT"));
    parser.addOptions({help, version, properties, allProperties, json, pdf, material});
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("Arquivo de perfil (.per)."),
                                 QStringLiteral("[FILE.per]"));

    if (!parser.parse(QStringList{QStringLiteral("perfil")} + arguments))
        return UsageError(parser.errorText());

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
        c.pdfPath = parser.value(pdf);
    }
    return c;
}
