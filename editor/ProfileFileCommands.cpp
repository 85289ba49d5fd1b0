#include "ProfileFileCommands.h"

#include "DrawingPictures.h"
#include "DxfExport.h"
#include "DxfImport.h"
#include "LocalFileName.h"
#include "ProfileFile.h"

ProfileFileCommands::ProfileFileCommands(TProfile& profile, ProfileHistory& history,
                                         Dialogs& dialogs,
                                         std::function<void(bool withMaterial)> replaced)
    : m_profile(profile), m_history(history), m_dialogs(dialogs),
      m_replaced(std::move(replaced)) {}

bool ProfileFileCommands::open(int thicknessTenths) {
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
    m_fileName = fileName;
    if (!contents.Notice.empty())
        m_dialogs.notify(QString::fromStdString(contents.Notice));
}

// The notice comes after the new drawing is shown, so that it stands over it. The material
// and the name stay: a drawing has neither.
void ProfileFileCommands::importDrawing(const QString& fileName, int thicknessTenths) {
    const TDxfImport import = ImportDxfFile(LocalFileName(fileName), thicknessTenths / 10.0);
    replace(QStringLiteral("Importa desenho"), import.Records, m_profile.MaterialIndex(),
            m_profile.info(), false);
    m_fileName = fileName;
    m_dialogs.notify(QString::fromStdString(ImportNotice(import)));
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
    if (const std::optional<QString> file = SaveDialog1.execute(m_dialogs))
        saveAs(SaveDialog1.type(), *file, gridShown, gridStep, drawing);
}

// Only the profile type saves the profile; the others export it and change nothing.
void ProfileFileCommands::saveAs(ProfileFileDialog::FileType type, const QString& fileName,
                                 bool gridShown, int gridStep, const QImage& drawing) {
    switch (type) {
    case ProfileFileDialog::FileType::Profile:
        SaveProfile(m_profile, LocalFileName(fileName));
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

bool ProfileFileCommands::clear() {
    if (!m_dialogs.confirm(QStringLiteral("Confirma zerar o perfil atual ?")))
        return false;
    m_history.change(QStringLiteral("Novo perfil"), [this] { m_profile.reset(); });
    m_fileName.clear();
    return true;
}
