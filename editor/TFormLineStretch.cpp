#include "TFormLineStretch.h"

#include "CommandGuard.h"
#include "CursorClip.h"
#include "DrawingPictures.h"
#include "DxfExport.h"
#include "DxfImport.h"
#include "ImageView.h"
#include "LocaleText.h"
#include "MaterialList.h"
#include "ProfileFile.h"
#include "QtDialogs.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QSpinBox>
#include <QToolButton>

#include <algorithm>

namespace {

QString PointText(TPoint p) {
    return QStringLiteral("%1,%2").arg(p.X).arg(p.Y);
}

int ValueInRange(const QSpinBox* box) {
    return std::clamp(box->value(), box->minimum(), box->maximum());
}

std::string LocalPath(const QString& fileName) {
    return QFile::encodeName(fileName).toStdString();
}

} // namespace

TFormLineStretch::TFormLineStretch(std::unique_ptr<Dialogs> dialogs, QWidget* parent)
    : QWidget(parent),
      m_dialogs(dialogs ? std::move(dialogs)
                        : std::make_unique<QtDialogs>(this, QCoreApplication::applicationName())),
      m_ui(this) {
    connectHandlers();
    FormCreate();
}

TFormLineStretch::~TFormLineStretch() {
    if (m_dragging)
        ReleaseCursorClip();
}

template <typename... Args>
auto TFormLineStretch::guarded(void (TFormLineStretch::*handler)(Args...)) {
    return [this, handler](Args... args) {
        RunCommand(*m_dialogs, [&] { (this->*handler)(args...); });
    };
}

void TFormLineStretch::connectHandlers() {
    auto clicks = [this](QToolButton* button, void (TFormLineStretch::*handler)()) {
        connect(button, &QToolButton::clicked, this, guarded(handler));
    };
    clicks(m_ui.SpeedButton1, &TFormLineStretch::SpeedButton1Click);
    clicks(m_ui.SpeedButton2, &TFormLineStretch::SpeedButton2Click);
    clicks(m_ui.SpeedButton3, &TFormLineStretch::SpeedButton3Click);
    clicks(m_ui.SpeedButton4, &TFormLineStretch::SpeedButton4Click);
    clicks(m_ui.SpeedButton5, &TFormLineStretch::SpeedButton5Click);
    clicks(m_ui.SpeedButton6, &TFormLineStretch::SpeedButton6Click);
    clicks(m_ui.SpeedButton7, &TFormLineStretch::SpeedButton7Click);
    clicks(m_ui.SpeedButton8, &TFormLineStretch::SpeedButton8Click);
    connect(m_ui.SpinEdit1, &QSpinBox::valueChanged, this,
            guarded(&TFormLineStretch::SpinEdit1Change));
    connect(m_ui.tEspessura, &QSpinBox::valueChanged, this,
            guarded(&TFormLineStretch::tEspessuraChange));
    connect(m_ui.chDrawGrid, &QCheckBox::clicked, this,
            guarded(&TFormLineStretch::chDrawGridClick));
    connect(m_ui.chTravaGrid, &QCheckBox::clicked, this,
            guarded(&TFormLineStretch::chTravaGridClick));
    // Picking an item changes the edit text too; a text set by the program is not a
    // change of the user's and is set with signals blocked.
    connect(m_ui.ComboBox1, &QComboBox::editTextChanged, this,
            guarded(&TFormLineStretch::ComboBox1Change));
    connect(m_ui.ImageArea, &ImageView::mousePressed, this,
            guarded(&TFormLineStretch::ImageAreaMouseDown));
    connect(m_ui.ImageArea, &ImageView::mouseMoved, this,
            guarded(&TFormLineStretch::ImageAreaMouseMove));
    connect(m_ui.ImageArea, &ImageView::mouseReleased, this,
            guarded(&TFormLineStretch::ImageAreaMouseUp));
}

void TFormLineStretch::FormCreate() {
    m_gridStep = ValueInRange(m_ui.SpinEdit1);
    m_editor.Tool = etSelect;
    m_profile.reset();
    m_editor.MarkP1 = {};
    m_editor.MarkP2 = {};
    rebuildAndRedraw();
}

void TFormLineStretch::showEvent(QShowEvent* event) {
    if (!m_placed && screen()) {
        move(screen()->availableGeometry().center() - rect().center());
        m_placed = true;
    }
    QWidget::showEvent(event);
}

void TFormLineStretch::closeEvent(QCloseEvent* event) {
    bool canClose = false;
    RunCommand(*m_dialogs, [&] { canClose = FormCloseQuery(); });
    event->setAccepted(canClose);
    if (canClose)
        emit closed();
}

bool TFormLineStretch::FormCloseQuery() {
    return m_dialogs->confirm(QStringLiteral("Confirma sair do editor?"));
}

// ---- Tools and commands ----

void TFormLineStretch::SpeedButton1Click() {
    m_editor.Tool = m_ui.SpeedButton1->isChecked() ? etAddAppendix : etSelect;
    m_editor.invalidateMarker();
}

void TFormLineStretch::SpeedButton2Click() {
    m_editor.Tool = m_ui.SpeedButton2->isChecked() ? etAddBar : etSelect;
}

void TFormLineStretch::SpeedButton3Click() {
    m_profile.deleteCurrent();
    // The marker described the removed object while CurrentIndex now designates its
    // successor; a later release must not hand the old ends to that object.
    m_editor.invalidateMarker();
    redraw();
    syncToolButtons();
}

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
    TProfile loaded;
    LoadProfile(loaded, LocalPath(fileName));
    replaceProfile(loaded.liveObjects(), loaded.MaterialIndex());
    showMaterialOfProfile();
}

// Throws PerfilError before anything changes when the drawing cannot be imported. The
// material box keeps its text: a drawing has no material.
void TFormLineStretch::importDrawingFile(const QString& fileName) {
    const double thickness = ValueInRange(m_ui.tEspessura) / 10.0;
    const TDxfImport import = ImportDxfFile(LocalPath(fileName), thickness);
    replaceProfile(import.Records, m_profile.MaterialIndex());
    m_dialogs->notify(QString::fromStdString(ImportNotice(import, DecimalSeparator())));
}

// The one way in which a whole new profile replaces the current one, by loading or by
// importing: the editing state is reset and the new profile shown.
void TFormLineStretch::replaceProfile(std::span<const TProfileObject> records,
                                      std::int32_t materialIndex) {
    m_profile.replace(records, materialIndex);
    m_editor.Grip = gmNone;
    m_editor.Tool = etSelect;
    syncToolButtons();
    redraw();
    m_editor.invalidateMarker();
}

void TFormLineStretch::SpeedButton5Click() {
    m_profile.CompactObjects();
    if (const std::optional<QString> file = SaveDialog1.execute(*m_dialogs))
        saveAs(SaveDialog1.type(), *file);
}

// Only the profile type saves the profile; the others export it and change nothing.
void TFormLineStretch::saveAs(ProfileFileDialog::FileType type, const QString& fileName) {
    switch (type) {
    case ProfileFileDialog::FileType::Profile:
        SaveProfile(m_profile, LocalPath(fileName));
        break;
    case ProfileFileDialog::FileType::Dxf:
        ExportDxfFile(m_profile, LocalPath(fileName));
        break;
    case ProfileFileDialog::FileType::Svg:
        WritePictureFile(fileName, DrawingSvg(m_profile, m_ui.chDrawGrid->isChecked(), m_gridStep));
        break;
    case ProfileFileDialog::FileType::Png:
        WritePictureFile(fileName, DrawingPng(m_surface.image()));
        break;
    }
}

void TFormLineStretch::SpeedButton6Click() {
    if (!m_dialogs->confirm(QStringLiteral("Confirma zerar o perfil atual ?")))
        return;
    m_editor.Tool = etSelect;
    m_profile.reset();
    redraw();
    syncToolButtons();
}

void TFormLineStretch::SpeedButton7Click() {
    ShowBackground();
    DrawObjects();
    RebuildBackground();
}

void TFormLineStretch::SpeedButton8Click() {
    const QByteArray material = m_ui.ComboBox1->currentText().toUtf8();
    m_results = ComputeSection(m_profile, std::string_view(material.constData(), material.size()),
                               DecimalSeparator());
    const QImage picture = m_surface.image().copy();
    if (m_printHook)
        m_printHook(m_profile, m_results, picture);
}

// ---- Settings ----

void TFormLineStretch::SpinEdit1Change() {
    m_gridStep = ValueInRange(m_ui.SpinEdit1);
    rebuildAndRedraw();
}

void TFormLineStretch::chDrawGridClick() {
    rebuildAndRedraw();
}

void TFormLineStretch::chTravaGridClick() {
    rebuildAndRedraw();
}

void TFormLineStretch::ComboBox1Change() {
    const QComboBox* box = m_ui.ComboBox1;
    m_profile.selectMaterial(box->findText(box->currentText(), Qt::MatchExactly));
}

void TFormLineStretch::tEspessuraChange() {
    SetLabelText(m_ui.Label11, ThicknessText(ValueInRange(m_ui.tEspessura)));
}

void TFormLineStretch::showMaterialOfProfile() {
    const int index = m_profile.MaterialIndex();
    const QSignalBlocker blocker(m_ui.ComboBox1);
    const bool listed = index >= 0 && index < m_ui.ComboBox1->count();
    m_ui.ComboBox1->setCurrentIndex(listed ? index : -1);
    m_ui.ComboBox1->setEditText(QString::fromStdString(MaterialText(index)));
}

// Remove, New and Load change the tool without a click; the buttons follow it, so that
// no button shows a tool that is not in force.
void TFormLineStretch::syncToolButtons() {
    m_ui.SpeedButton3->setChecked(false);
    m_ui.SpeedButton1->setChecked(m_editor.Tool == etAddAppendix);
    m_ui.SpeedButton2->setChecked(m_editor.Tool == etAddBar);
}

// ---- Mouse editing ----

TEditSettings TFormLineStretch::editSettings() const {
    return {m_ui.chTravaGrid->isChecked(), m_gridStep, ValueInRange(m_ui.tEspessura)};
}

// While a drag lasts the pointer belongs to the drawing area; where the platform cannot
// confine it, positions beyond the image are brought back to its edge.
TPoint TFormLineStretch::editorPoint(QPoint position) const {
    if (!m_dragging)
        return {position.x(), position.y()};
    return {std::clamp(position.x(), 0, DrawingSurface::Width - 1),
            std::clamp(position.y(), 0, DrawingSurface::Height - 1)};
}

void TFormLineStretch::ImageAreaMouseDown(QPoint position) {
    carryOut(m_editor.press(editorPoint(position), editSettings()));
}

void TFormLineStretch::ImageAreaMouseMove(QPoint position) {
    carryOut(m_editor.move(editorPoint(position), editSettings()));
}

void TFormLineStretch::ImageAreaMouseUp() {
    carryOut(m_editor.release(editSettings()));
}

void TFormLineStretch::carryOut(const TMouseResponse& response) {
    if (response.confineCursor) {
        m_dragging = true;
        ClipCursorToImage(m_ui.ImageArea);
    }
    if (response.releaseCursor) {
        m_dragging = false;
        ReleaseCursorClip();
    }
    if (response.cursor)
        m_cursor.set(*response.cursor);
    if (response.profileFull)
        m_dialogs->notify(QStringLiteral("O perfil está cheio: são no máximo 255 objetos."));
    if (response.removeCurrent)
        SpeedButton3Click();
    if (response.redraw)
        redraw();
}

// ---- Drawing ----

void TFormLineStretch::redraw() {
    ShowBackground();
    DrawObjects();
}

// After a change of the grid itself: the background first, then the redraw.
void TFormLineStretch::rebuildAndRedraw() {
    RebuildBackground();
    redraw();
}

void TFormLineStretch::RebuildBackground() {
    m_surface.RebuildBackground(m_ui.chDrawGrid->isChecked(), m_gridStep);
}

void TFormLineStretch::ShowBackground() {
    m_surface.ShowBackground();
}

void TFormLineStretch::DrawObjects() {
    m_surface.DrawObjects(m_profile);
    if (m_editor.markerShown())
        m_surface.DrawMarker(m_editor.MarkP1, m_editor.MarkP2);
    m_ui.ImageArea->setImage(m_surface.image());
    // An invalid marker has no coordinates worth showing; its -32000 would also run into
    // the next label. The labels then show their placeholder, as before the first redraw.
    const bool markerValid = m_editor.MarkP1.X != NoMarkerX;
    const QString noPoint = QStringLiteral("x,y");
    SetLabelText(m_ui.Label2, markerValid ? PointText(m_editor.MarkP1) : noPoint);
    SetLabelText(m_ui.Label3, markerValid ? PointText(m_editor.MarkP2) : noPoint);
    SetLabelText(m_ui.Label5, QString::number(m_profile.ObjectCount()));
}
