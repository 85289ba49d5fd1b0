#include "ProfileFileCommands.h"

#include "DrawingPictures.h"
#include "DxfExport.h"
#include "DxfImport.h"
#include "LocalFileName.h"
#include "LocaleText.h"
#include "ProfileFile.h"

#include <QFileInfo>

ProfileFileCommands::ProfileFileCommands(TProfile& profile, ProfileHistory& history,
                                         Dialogs& dialogs,
                                         std::function<void(bool withMaterial)> replaced)
    : m_profile(profile), m_history(history), m_dialogs(dialogs),
      m_replaced(std::move(replaced)) {}

bool ProfileFileCommands::open(int thicknessTenths) {
    if (!confirmLeaving(QStringLiteral("Confirma abrir outro arquivo?"), false))
        return false;
    const std::optional<QString> file = OpenDialog1.execute(m_dialogs);
    if (!file)
        return false;
    if (OpenDialog1.type() == ProfileFileDialog::FileType::Dxf)
        importDrawing(*file, thicknessTenths);
    else
        load(*file);
    return true;
}

void ProfileFileCommands::load(const QString& fileName) {
    const TProfileFileContents contents = ReadProfileFile(LocalFileName(fileName));
    replace(QStringLiteral("Carrega perfil"), contents.Records, contents.MaterialIndex,
            contents.Info, true);
    m_history.markUnchanged();
    m_fileName = fileName;
    if (!contents.Notice.empty())
        m_dialogs.notify(QString::fromStdString(contents.Notice));
}

// The notice comes after the new drawing is shown, so that it stands over it, and stays
// until read: straightened or dropped, the profile is not the drawing as drawn. The
// material and the name stay: a drawing has neither. Its corners are as drawn, rounded by
// its arcs or sharp.
void ProfileFileCommands::importDrawing(const QString& fileName, int thicknessTenths) {
    const TDxfImport import = ImportDxfFile(LocalFileName(fileName), thicknessTenths / 10.0);
    TProfileInfo info = m_profile.info();
    info.BendRadius = import.BendRadius;
    replace(QStringLiteral("Importa desenho"), import.Records, m_profile.MaterialIndex(), info,
            false);
    m_fileName = fileName;
    m_dialogs.inform(QString::fromStdString(ImportNotice(import)) +
                     QStringLiteral("; objetos sem largura no desenho com a espessura da "
                                    "caixa, %1")
                         .arg(ThicknessText(thicknessTenths)));
}

// The one way in which a whole new profile replaces the current one: one undoable step.
void ProfileFileCommands::replace(const QString& text, std::span<const TProfileObject> records,
                                  std::int32_t materialIndex, const TProfileInfo& info,
                                  bool withMaterial) {
    m_history.replace(text, records, materialIndex, info);
    m_replaced(withMaterial);
}

// The compaction changes the profile only for a loaded list with gaps or other numbers.
void ProfileFileCommands::compact() {
    m_history.change(QStringLiteral("Compacta o perfil"), [this] { m_profile.CompactObjects(); });
}

void ProfileFileCommands::save(bool gridShown, int gridStep, const QImage& drawing) {
    compact();
    const std::optional<QString> file = SaveDialog1.execute(m_dialogs);
    if (!file)
        return;
    const QFileInfo existing(*file);
    if (existing.exists() &&
        !m_dialogs.ask(QStringLiteral("Substituir \"%1\"?").arg(existing.fileName())))
        return;
    saveAs(SaveDialog1.type(), *file, gridShown, gridStep, drawing);
}

// Only the profile type saves the profile; the others export it and change nothing.
void ProfileFileCommands::saveAs(ProfileFileDialog::FileType type, const QString& fileName,
                                 bool gridShown, int gridStep, const QImage& drawing) {
    switch (type) {
    case ProfileFileDialog::FileType::Profile:
        SaveProfile(m_profile, LocalFileName(fileName));
        m_history.markUnchanged();
        m_fileName = fileName;
        break;
    case ProfileFileDialog::FileType::Dxf:
        ExportDxfFile(m_profile, LocalFileName(fileName));
        break;
    case ProfileFileDialog::FileType::Svg:
        WritePictureFile(LocalFileName(fileName), DrawingSvg(m_profile, gridShown, gridStep));
        break;
    case ProfileFileDialog::FileType::Png:
        WritePictureFile(LocalFileName(fileName), DrawingPng(drawing));
        break;
    }
}

QString ProfileFileCommands::profileName() const {
    return QFileInfo(m_fileName).completeBaseName();
}

bool ProfileFileCommands::clear() {
    if (!confirmLeaving(QStringLiteral("Confirma zerar o perfil atual ?"), true))
        return false;
    m_history.change(QStringLiteral("Novo perfil"), [this] { m_profile.reset(); });
    m_fileName.clear();
    return true;
}

void ProfileFileCommands::replaceByNew(const QString& text, std::span<const TProfileObject> records,
                                       const TProfileInfo& info) {
    replace(text, records, m_profile.MaterialIndex(), info, false);
    m_fileName.clear();
}

bool ProfileFileCommands::confirmLeaving(const QString& question, bool alwaysAsk) {
    const bool changed = !m_history.unchanged();
    if (!changed && !alwaysAsk)
        return true;
    return m_dialogs.confirm(changed ? QStringLiteral("Há alterações não salvas. ") + question
                                     : question);
}
