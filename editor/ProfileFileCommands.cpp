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
    showMaterialOfProfile();
    m_profileName = QFileInfo(fileName).completeBaseName();
}

// Throws PerfilError before anything changes when the drawing cannot be imported. The
// material box keeps its text: a drawing has no material.
void TFormLineStretch::importDrawingFile(const QString& fileName) {
    const double thickness = editSettings().thicknessTenths / 10.0;
    const TDxfImport import = ImportDxfFile(LocalFileName(fileName), thickness);
    replaceProfile(QStringLiteral("Importa desenho"), import.Records, m_profile.MaterialIndex());
    m_dialogs->notify(QString::fromStdString(ImportNotice(import, DecimalSeparator())));
}

// The one way in which a whole new profile replaces the current one, by loading or by
// importing: one undoable step, then the editing state is reset and the new profile shown.
void TFormLineStretch::replaceProfile(const QString& text, std::span<const TProfileObject> records,
                                      std::int32_t materialIndex) {
    m_history.replace(text, records, materialIndex);
    m_editor.Grip = gmNone;
    m_editor.Tool = etSelect;
    syncToolButtons();
    redraw();
    m_editor.invalidateMarker();
}

// The compaction changes the profile only for a loaded list with gaps or other numbers.
void TFormLineStretch::compactObjects() {
    m_history.change(QStringLiteral("Compacta o perfil"), [this] { m_profile.CompactObjects(); });
}

void TFormLineStretch::SpeedButton5Click() {
    compactObjects();
    if (const std::optional<QString> file = SaveDialog1.execute(*m_dialogs))
        saveAs(SaveDialog1.type(), *file);
}

// Only the profile type saves the profile; the others export it and change nothing.
void TFormLineStretch::saveAs(ProfileFileDialog::FileType type, const QString& fileName) {
    switch (type) {
    case ProfileFileDialog::FileType::Profile:
        SaveProfile(m_profile, LocalFileName(fileName));
        m_profileName = QFileInfo(fileName).completeBaseName();
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
    if (!m_dialogs->confirm(QStringLiteral("Confirma zerar o perfil atual ?")))
        return;
    m_editor.Tool = etSelect;
    m_history.change(QStringLiteral("Novo perfil"), [this] { m_profile.reset(); });
    m_profileName.clear();
    redraw();
    syncToolButtons();
}
