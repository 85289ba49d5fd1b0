#include "ProfileFileDialog.h"

#include "Dialogs.h"
#include "PerfilError.h"

#include <QFileInfo>

#include <optional>
#include <utility>
#include <vector>

namespace {

using FileType = ProfileFileDialog::FileType;

struct Filter {
    QString text;
    std::optional<FileType> type; // none: every file, typed by its extension
};

// Both cases of each extension, so that files written elsewhere in capitals show too.
const Filter Profiles{QStringLiteral("Arquivos de Perfil (*.PER *.per)"), FileType::Profile};
const Filter Drawings{QStringLiteral("Desenhos DXF (*.dxf *.DXF)"), FileType::Dxf};
const Filter SvgPictures{QStringLiteral("Imagens SVG (*.svg *.SVG)"), FileType::Svg};
const Filter PngPictures{QStringLiteral("Imagens PNG (*.png *.PNG)"), FileType::Png};
const Filter AllFiles{QStringLiteral("Todos os arquivos (*)"), std::nullopt};

const std::vector<Filter>& Filters(ProfileFileDialog::Mode mode) {
    static const std::vector<Filter> open{Profiles, Drawings, AllFiles};
    static const std::vector<Filter> save{Profiles, Drawings, SvgPictures, PngPictures, AllFiles};
    return mode == ProfileFileDialog::Mode::Open ? open : save;
}

const std::pair<FileType, const char*> Extensions[] = {
    {FileType::Profile, "per"},
    {FileType::Dxf, "dxf"},
    {FileType::Svg, "svg"},
    {FileType::Png, "png"},
};

QString ExtensionOf(FileType type) {
    for (const auto& [t, extension] : Extensions)
        if (t == type)
            return QString::fromLatin1(extension);
    return {};
}

// The type whose extension the name has, in either case; nothing for another one or none.
std::optional<FileType> TypeOfExtension(const QString& name) {
    const QString suffix = QFileInfo(name).suffix().toLower();
    for (const auto& [type, extension] : Extensions)
        if (suffix == QLatin1String(extension))
            return type;
    return std::nullopt;
}

// A name with an extension that is none of those written: its file would hold bytes that
// its readers do not expect.
bool UnwrittenExtension(const QString& name) {
    return !QFileInfo(name).suffix().isEmpty() && !TypeOfExtension(name);
}

} // namespace

std::optional<QString> ProfileFileDialog::execute(Dialogs& dialogs) {
    const std::vector<Filter>& filters = Filters(m_mode);
    QStringList texts;
    for (const Filter& filter : filters)
        texts << filter.text;
    const std::optional<QString> chosen = m_mode == Mode::Open
                                              ? dialogs.chooseOpenFile(texts, m_fileName)
                                              : dialogs.chooseSaveFile(texts, m_fileName);
    if (!chosen)
        return std::nullopt;
    const std::size_t index = static_cast<std::size_t>(dialogs.chosenFilter());
    const std::optional<FileType> filterType =
        index < filters.size() ? filters[index].type : std::nullopt;
    // Saving, a typed extension that the program writes wins over the filter: the bytes
    // must be what the name says.
    const std::optional<FileType> typed =
        m_mode == Mode::Save || !filterType ? TypeOfExtension(*chosen) : std::nullopt;
    if (m_mode == Mode::Save && UnwrittenExtension(*chosen)) {
        m_fileName = *chosen; // proposed again, to be put right
        throw PerfilError(QStringLiteral("Extensão desconhecida: \".%1\". O programa grava "
                                         "arquivos .per, .dxf, .svg e .png")
                              .arg(QFileInfo(*chosen).suffix())
                              .toStdString());
    }
    m_type = typed.value_or(filterType.value_or(FileType::Profile));
    m_fileName = withDefaultExtension(*chosen);
    return m_fileName;
}

QString ProfileFileDialog::withDefaultExtension(const QString& name) const {
    const QFileInfo info(name);
    if (!info.suffix().isEmpty() || info.fileName().isEmpty())
        return name;
    if (m_mode == Mode::Open && info.exists())
        return name;
    return name + QLatin1Char('.') + ExtensionOf(m_type);
}
