#include "ProfileFileDialog.h"

#include "Dialogs.h"

#include <QFileInfo>

namespace {

// Both cases of the extension, so that files written elsewhere as .PER show too.
const QStringList Filters = {QStringLiteral("Arquivos de Perfil (*.PER *.per)"),
                             QStringLiteral("Todos os arquivos (*)")};

} // namespace

std::optional<QString> ProfileFileDialog::execute(Dialogs& dialogs) {
    const std::optional<QString> chosen = m_mode == Mode::Open
                                              ? dialogs.chooseOpenFile(Filters, m_fileName)
                                              : dialogs.chooseSaveFile(Filters, m_fileName);
    if (!chosen)
        return std::nullopt;
    m_fileName = withDefaultExtension(*chosen);
    return m_fileName;
}

QString ProfileFileDialog::withDefaultExtension(const QString& name) const {
    const QFileInfo info(name);
    if (!info.suffix().isEmpty() || info.fileName().isEmpty())
        return name;
    if (m_mode == Mode::Open && info.exists())
        return name;
    return name + QStringLiteral(".per");
}
