#include "TFormLineStretch.h"

#include "CommandGuard.h"
#include "DrawingPictures.h"
#include "DxfExport.h"
#include "DxfImport.h"
#include "LocalFileName.h"
#include "LocaleText.h"
#include "ProfileFile.h"

#include <QCheckBox>
#include <QFileInfo>

// The file commands of the editor window: open (a profile or a drawing), save (a profile, or
// the drawing as DXF, SVG or PNG) and a new, empty profile.

void TFormLineStretch::SpeedButton4Click() {
    if (!confirmLeavingProfile(QStringLiteral("Confirma abrir outro arquivo?"), false))
        return;
    const std::optional<QString> file = OpenDialog1.execute(*m_dialogs);
    if (!file)
        m_editor.invalidateMarker();
    else if (OpenDialog1.type() == ProfileFileDialog::FileType::Dxf)
        importDrawingFile(*file);
    else
        loadProfileFile(*file);
}

void TFormLineStretch::openProfile(const QString& fileName) {
    RunCommand(*m_dialogs, [&] { loadProfileFile(fileName); });
}

// Throws PerfilError before anything changes when the file cannot be loaded.
void TFormLineStretch::loadProfileFile(const QString& fileName) {
    const TProfileFileContents contents = ReadProfileFile(LocalFileName(fileName));
    replaceProfile(QStringLiteral("Carrega perfil"), contents.Records, contents.MaterialIndex);
    m_history.markUnchanged();
    showMaterialOfProfile();
}

// Throws PerfilError before anything changes when the drawing cannot be imported. The
// material box keeps its text: a drawing has no material. What the import made of the
// drawing stays on screen until read: rounded, straightened or dropped, it is not the
// drawing as drawn.
void TFormLineStretch::importDrawingFile(const QString& fileName) {
    const int tenths = editSettings().thicknessTenths;
    const TDxfImport import = ImportDxfFile(LocalFileName(fileName), tenths / 10.0);
    replaceProfile(QStringLiteral("Importa desenho"), import.Records, m_profile.MaterialIndex());
    m_dialogs->inform(QString::fromStdString(ImportNotice(import, DecimalSeparator())) +
                      QStringLiteral("; objetos sem largura no desenho com a espessura da "
                                     "caixa, %1")
                          .arg(ThicknessText(tenths)));
}

// The one way in which a whole new profile replaces the current one, by loading or by
// importing: one undoable step, then the editing state is reset and the new profile shown.
void TFormLineStretch::replaceProfile(const QString& text, std::span<const TProfileObject> records,
                                      std::int32_t materialIndex) {
    m_history.replace(text, records, materialIndex);
    m_editor.Grip = gmNone;
    m_editor.Tool = etSelect;
    m_editor.invalidateMarker();
    syncToolButtons();
    redraw();
}

// The compaction changes the profile only for a loaded list with gaps or other numbers.
void TFormLineStretch::compactObjects() {
    m_history.change(QStringLiteral("Compacta o perfil"), [this] { m_profile.CompactObjects(); });
}

void TFormLineStretch::SpeedButton5Click() {
    compactObjects();
    const std::optional<QString> file = SaveDialog1.execute(*m_dialogs);
    if (!file)
        return;
    const QFileInfo existing(*file);
    if (existing.exists() &&
        !m_dialogs->ask(QStringLiteral("Substituir \"%1\"?").arg(existing.fileName())))
        return;
    saveAs(SaveDialog1.type(), *file);
}

// Only the profile type saves the profile; the others export it and change nothing.
void TFormLineStretch::saveAs(ProfileFileDialog::FileType type, const QString& fileName) {
    switch (type) {
    case ProfileFileDialog::FileType::Profile:
        SaveProfile(m_profile, LocalFileName(fileName));
        m_history.markUnchanged();
        break;
    case ProfileFileDialog::FileType::Dxf:
        ExportDxfFile(m_profile, LocalFileName(fileName));
        break;
    case ProfileFileDialog::FileType::Svg:
        WritePictureFile(LocalFileName(fileName),
                         DrawingSvg(m_profile, m_ui.chDrawGrid->isChecked(), m_gridStep));
        break;
    case ProfileFileDialog::FileType::Png:
        WritePictureFile(LocalFileName(fileName), DrawingPng(m_surface.image()));
        break;
    }
}

void TFormLineStretch::SpeedButton6Click() {
    if (!confirmLeavingProfile(QStringLiteral("Confirma zerar o perfil atual ?"), true))
        return;
    m_editor.Tool = etSelect;
    m_editor.invalidateMarker();
    m_history.change(QStringLiteral("Novo perfil"), [this] { m_profile.reset(); });
    redraw();
    syncToolButtons();
}
