#include "CommandLine.h"

#include "BucklingOptions.h"
#include "ProfileInfo.h"
#include "SectionOptions.h"

#include <QCommandLineParser>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <optional>
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

using Mode = CommandLine::Mode;

// Every option, in the order --help lists them. An option with a mode chooses that mode;
// one with a value names it, and target is where the value goes when it has nothing more
// to check.
struct OptionRow {
    const char* name;
    const char* description;
    const char* valueName = nullptr;
    std::optional<Mode> mode = std::nullopt;
    QString CommandLine::* target = nullptr;
    bool readsMaterial = false; // --material applies
    bool manyFiles = false;     // several profile files may be given
};

const OptionRow Options[] = {
    {"help", "Mostra esta ajuda.", nullptr, Mode::Help},
    {"version", "Mostra a versão.", nullptr, Mode::Version},
    {"properties", "Escreve as propriedades da seção de FILE, uma por linha, sem janela.",
     nullptr, Mode::Properties, nullptr, true},
    {"all-properties",
     "Escreve as propriedades de FILE e as de engenharia (eixos principais, torção, centro de "
     "cisalhamento, empenamento), uma por linha, sem janela.",
     nullptr, Mode::AllProperties, nullptr, true},
    {"json",
     "Escreve as propriedades de FILE em JSON, sem janela; com vários arquivos, um objeto por "
     "linha.",
     nullptr, Mode::Json, nullptr, true, true},
    {"pdf", "Escreve o relatório de FILE em OUT.pdf (- para a saída padrão), sem janela.",
     "OUT.pdf", Mode::Pdf, &CommandLine::output, true},
    {"engineering-pdf",
     "Escreve o relatório de engenharia de FILE (propriedades, flambagem e resistências, com "
     "--load, --length e --fy) em OUT.pdf (- para a saída padrão), sem janela.",
     "OUT.pdf", Mode::EngineeringPdf, &CommandLine::output, true},
    {"material",
     "Texto do material de onde se lê a densidade (\"nome - densidade\"); com --from-dxf, o "
     "material do perfil gravado.",
     "TEXT"},
    {"csv", "Escreve uma tabela CSV com as propriedades de cada FILE, sem janela.", nullptr,
     Mode::Csv, nullptr, true, true},
    {"dxf", "Escreve o desenho de FILE em OUT.dxf, sem janela.", "OUT.dxf", Mode::Dxf,
     &CommandLine::output},
    {"svg", "Escreve o desenho de FILE em OUT.svg, sem janela.", "OUT.svg", Mode::Svg,
     &CommandLine::output},
    {"png", "Escreve o desenho de FILE em OUT.png, sem janela.", "OUT.png", Mode::Png,
     &CommandLine::output},
    {"from-dxf", "Importa o desenho IN.dxf e o grava como o perfil FILE, sem janela.", "IN.dxf",
     Mode::FromDxf, &CommandLine::dxfPath, true},
    {"section",
     "Grava em FILE o perfil padronizado da designação TEXT, sem janela: o tipo (U, Ue, Z, Ze, "
     "Z45, Cr, L, TR ou I) e as dimensões externas em mm, como \"Ue 200x75x25x2,25\".",
     "TEXT", Mode::Section, nullptr, true},
    {"radius", "Raio interno das dobras em mm (com --section; a espessura se omitido, 0 no I).",
     "MM"},
    {"horizontal", "Gira o perfil de --section um quarto de volta, com a alma na horizontal."},
    {"thickness", "Espessura em mm das entidades DXF sem largura (com --from-dxf).", "MM"},
    {"name", "Nome do perfil gravado (com --from-dxf).", "TEXT"},
    // Alone it is a mode of its own, beside --json it adds to that one: BucklingOptions.
    {"buckling",
     "Escreve a flambagem elástica de FILE (faixas finitas: mínimos local e distorcional, "
     "valor global em L) e as resistências pelo método da resistência direta, sem janela; com "
     "--json, junta o objeto Buckling."},
    {"load",
     "Carga de referência da flambagem: P, Mx, My, -Mx ou -My (P se omitida); Mx positivo "
     "comprime o topo, My positivo a direita.",
     "P|Mx|My|-Mx|-My"},
    {"length", "Comprimento da barra em mm para o modo global (3000 se omitido).", "MM"},
    {"fy", "Tensão de escoamento em MPa (a do material do perfil se omitida).", "MPA"},
};

// Help and version come with their one-letter names.
QCommandLineOption ParserOption(const OptionRow& row) {
    QStringList names{QString::fromLatin1(row.name)};
    if (row.mode == Mode::Help || row.mode == Mode::Version)
        names.prepend(QString(QLatin1Char(row.name[0])));
    const QString description = QString::fromUtf8(row.description);
    return row.valueName ? QCommandLineOption(names, description, QString::fromLatin1(row.valueName))
                         : QCommandLineOption(names, description);
}

// The options that choose a mode of their own, listed for the message about using them
// together: "--a, --b e --c".
QString ModeOptionNames() {
    QStringList names;
    for (const OptionRow& row : Options)
        if (row.mode && row.mode != Mode::Help && row.mode != Mode::Version)
            names << QStringLiteral("--") + QString::fromLatin1(row.name);
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QStringLiteral(" e ") + last;
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
    QList<QCommandLineOption> options;
    for (const OptionRow& row : Options)
        options << ParserOption(row);
    parser.addOptions(options);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("Arquivo de perfil (.per); vários com --json "
                                                "e --csv."),
                                 QStringLiteral("[FILE.per...]"));

    if (!parser.parse(QStringList{QStringLiteral("perfil")} + arguments))
        return UsageError(PortugueseParserError(parser.errorText()));
    if (const std::optional<QString> repeated = RepeatedOption(parser, options))
        return UsageError(*repeated);

    CommandLine c;
    if (parser.isSet(QStringLiteral("help"))) {
        c.mode = Mode::Help;
        // Parsed before the application object exists, the parser has no program name of
        // its own to put in the usage line.
        c.message = parser.helpText().replace(QStringLiteral("<executable_name>"),
                                              QStringLiteral("perfil"));
        return c;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        c.mode = Mode::Version;
        return c;
    }
    const OptionRow* chosen = nullptr;
    int modes = 0;
    for (const OptionRow& row : Options) {
        if (row.mode && parser.isSet(QString::fromLatin1(row.name))) {
            ++modes;
            chosen = &row;
        }
    }
    if (modes > 1)
        return UsageError(ModeOptionNames() + QStringLiteral(" não podem ser usados juntos"));
    if (chosen)
        c.mode = *chosen->mode;
    c.files = parser.positionalArguments();
    if (c.files.size() > 1 && !(chosen && chosen->manyFiles))
        return UsageError(QStringLiteral("apenas um arquivo de perfil pode ser dado"));
    c.file = c.files.value(0);
    if (parser.isSet(QStringLiteral("material")))
        c.material = parser.value(QStringLiteral("material"));
    if (c.material && !(chosen && chosen->readsMaterial))
        return UsageError(
            QStringLiteral("--material vale só com --properties, --all-properties, --json, --csv, "
                           "--pdf, --engineering-pdf, --from-dxf ou --section"));
    const QString name = QStringLiteral("name");
    if (parser.isSet(name)) {
        if (c.mode != Mode::FromDxf)
            return UsageError(QStringLiteral("--name vale só com --from-dxf"));
        c.name = parser.value(name);
    }
    // What a profile file can hold.
    for (const auto& [option, text] : {std::pair{"name", c.name}, {"material", c.material}})
        if (text && static_cast<std::size_t>(text->toUtf8().size()) > TProfileInfo::MaxTextBytes)
            return UsageError(QStringLiteral("--%1 aceita no máximo %2 bytes")
                                  .arg(QLatin1String(option))
                                  .arg(TProfileInfo::MaxTextBytes));
    const QString thickness = QStringLiteral("thickness");
    if (parser.isSet(thickness)) {
        if (c.mode != Mode::FromDxf)
            return UsageError(QStringLiteral("--thickness vale só com --from-dxf"));
        c.thickness = ThicknessValue(parser.value(thickness));
        if (!c.thickness)
            return UsageError(QStringLiteral("--thickness espera a espessura em mm, de %1 a %2")
                                  .arg(SmallestThickness)
                                  .arg(LargestThickness));
    }
    if (const std::optional<QString> error = ReadBucklingOptions(parser, c))
        return UsageError(*error);
    if (const std::optional<QString> error = ReadSectionOptions(parser, c))
        return UsageError(*error);
    if (c.mode == Mode::Editor)
        return c;
    if (c.file.isEmpty())
        return UsageError(QStringLiteral("falta o arquivo de perfil"));
    if (chosen && chosen->target)
        c.*chosen->target = parser.value(QString::fromLatin1(chosen->name));
    return c;
}
