#include "TFormLineStretch.h"

#include "ButtonShortcuts.h"
#include "CommandGuard.h"
#include "CursorClip.h"
#include "FixedSizeFrame.h"
#include "ImageView.h"
#include "LocaleText.h"
#include "ObjectPanel.h"
#include "PointText.h"
#include "ProfileInfoPanel.h"
#include "ProfileCommand.h"
#include "QtDialogs.h"
#include "SectionPropertiesWindow.h"
#include "ThicknessSpinBox.h"
#include "WindowPlacement.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The marker follows the mouse, on whole millimetres; the properties window shows the
// object's points to the hundredth.
QString MarkerText(TPoint mark) {
    return PointText(ExactPoint(mark), QLocale());
}

const QString MouseEditText = QStringLiteral("Edição com o mouse");

int ValueInRange(const QSpinBox* box) {
    return std::clamp(box->value(), box->minimum(), box->maximum());
}

} // namespace

TFormLineStretch::TFormLineStretch(std::unique_ptr<Dialogs> dialogs, QWidget* parent)
    : QWidget(parent),
      m_dialogs(dialogs ? std::move(dialogs)
                        : std::make_unique<QtDialogs>(this, QCoreApplication::applicationName())),
      m_ui(this),
      m_fileCommands(m_profile, m_history, *m_dialogs,
                     [this](bool withMaterial) { showReplacedProfile(withMaterial); }) {
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
    clicks(m_ui.SpeedButton9, &TFormLineStretch::SpeedButton9Click);
    clicks(m_ui.SpeedButton10, &TFormLineStretch::SpeedButton10Click);
    auto* propertiesKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Return), this);
    connect(propertiesKey, &QShortcut::activated, this,
            guarded(&TFormLineStretch::SpeedButton9Click));
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
    connect(m_ui.ImageArea, &ImageView::arrowPressed, this,
            guarded(&TFormLineStretch::ImageAreaArrow));
    connect(m_ui.ImageArea, &ImageView::escapePressed, this,
            guarded(&TFormLineStretch::ImageAreaEscape));
    // A material chosen from the list is done with: the keyboard goes back to the drawing,
    // where a stray Down or letter cannot change the material unseen.
    connect(m_ui.ComboBox1, &QComboBox::activated, m_ui.ImageArea, qOverload<>(&QWidget::setFocus));
    connect(m_ui.tEspessura, &ThicknessSpinBox::decimalRefused, this,
            guarded(&TFormLineStretch::thicknessDecimalRefused));
    AddButtonShortcuts(this, m_ui);
    addUndoKeys(this);
    auto* objectKey = new QShortcut(QKeySequence(QStringLiteral("Ctrl+I")), this);
    connect(objectKey, &QShortcut::activated, this, guarded(&TFormLineStretch::showObjectPanel));
    auto* bucklingKey = new QShortcut(QKeySequence(QStringLiteral("Ctrl+B")), this);
    connect(bucklingKey, &QShortcut::activated, this,
            guarded(&TFormLineStretch::showBucklingPanel));
    connect(&m_history, &ProfileHistory::changed, this, &TFormLineStretch::profileUpdated);
}

// In every window that shows the profile, so that the keys work where the user is.
void TFormLineStretch::addUndoKeys(QWidget* window) {
    auto keys = [&](const char* key, void (TFormLineStretch::*handler)()) {
        auto* shortcut = new QShortcut(QKeySequence(QString::fromLatin1(key)), window);
        connect(shortcut, &QShortcut::activated, this, guarded(handler));
    };
    keys("Ctrl+Z", &TFormLineStretch::undo);
    keys("Ctrl+Y", &TFormLineStretch::redo);
    keys("Ctrl+Shift+Z", &TFormLineStretch::redo);
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
        OfferNoResizing(this);
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
    return m_fileCommands.confirmLeaving(QStringLiteral("Confirma sair do editor?"), true);
}

// ---- Tools and commands ----

void TFormLineStretch::SpeedButton1Click() {
    chooseAppendixTool();
}

void TFormLineStretch::SpeedButton2Click() {
    chooseBarTool();
}

void TFormLineStretch::SpeedButton3Click() {
    removeCurrentObject();
}

void TFormLineStretch::SpeedButton4Click() {
    openFile();
}

void TFormLineStretch::SpeedButton5Click() {
    saveFile();
}

void TFormLineStretch::SpeedButton6Click() {
    newProfile();
}

void TFormLineStretch::SpeedButton7Click() {
    refreshDrawing();
}

void TFormLineStretch::SpeedButton8Click() {
    printProfile();
}

void TFormLineStretch::SpeedButton9Click() {
    showPropertiesWindow();
}

// The section replaces the profile through the file commands, which show it.
void TFormLineStretch::SpeedButton10Click() {
    m_sectionCommand.run();
}

void TFormLineStretch::chooseAppendixTool() {
    m_editor.Tool = m_ui.SpeedButton1->isChecked() ? etAddAppendix : etSelect;
    m_editor.invalidateMarker();
}

void TFormLineStretch::chooseBarTool() {
    m_editor.Tool = m_ui.SpeedButton2->isChecked() ? etAddBar : etSelect;
}

void TFormLineStretch::removeCurrentObject() {
    m_history.change(QStringLiteral("Remove um item"), [this] { m_profile.deleteCurrent(); });
    // The marker described the removed object while CurrentIndex now designates its
    // successor; a later release must not hand the old ends to that object.
    m_editor.invalidateMarker();
    redraw();
    syncToolButtons();
}

void TFormLineStretch::openFile() {
    if (!m_fileCommands.open(editSettings().thicknessTenths))
        m_editor.invalidateMarker();
}

void TFormLineStretch::openProfile(const QString& fileName) {
    RunCommand(*m_dialogs, [&] { m_fileCommands.load(fileName); });
}

// A new profile from a file: the editing state starts afresh.
void TFormLineStretch::showReplacedProfile(bool withMaterial) {
    m_editor.Grip = gmNone;
    m_editor.Tool = etSelect;
    m_editor.invalidateMarker();
    syncToolButtons();
    redraw();
    if (withMaterial)
        showMaterialOfProfile();
}

void TFormLineStretch::saveFile() {
    m_fileCommands.save(m_ui.chDrawGrid->isChecked(), m_gridStep, m_surface.image());
}

void TFormLineStretch::newProfile() {
    if (!m_fileCommands.clear())
        return;
    m_editor.Tool = etSelect;
    m_editor.invalidateMarker();
    redraw();
    syncToolButtons();
}

void TFormLineStretch::refreshDrawing() {
    ShowBackground();
    DrawObjects();
    RebuildBackground();
}

void TFormLineStretch::printProfile() {
    m_fileCommands.compact();
    const QByteArray material = m_ui.ComboBox1->currentText().toUtf8();
    m_results = ComputeSection(m_profile, std::string_view(material.constData(), material.size()),
                               DecimalSeparator());
    // A material box left empty or typed without a density gives a weight of zero that
    // would print without a word.
    if (m_results.Density == 0 &&
        !m_dialogs->confirm(QStringLiteral("A densidade do material é zero: o peso sairá "
                                           "zero. Mostrar o relatório assim mesmo?")))
        return;
    const QImage picture = m_surface.image().copy();
    if (m_printHook)
        m_printHook(m_profile, m_results, picture);
}

void TFormLineStretch::showPropertiesWindow() {
    if (!m_properties)
        createPropertiesWindow();
    m_objectPanel->showObject(m_profile);
    m_infoPanel->showInfo(m_profile);
    m_properties->show();
    m_properties->raise();
    m_properties->activateWindow();
}

// Made at its first opening, not at start-up, where it would delay the editor's first
// paint. It follows every change of the profile from then on; hidden, it waits.
void TFormLineStretch::createPropertiesWindow() {
    m_properties = new SectionPropertiesWindow(
        m_profile, [this] { return m_ui.ComboBox1->currentText(); }, this);
    auto* panels = new QWidget;
    auto* stack = new QVBoxLayout(panels);
    stack->setContentsMargins(0, 0, 0, 0);
    m_infoPanel = new ProfileInfoPanel;
    m_objectPanel = new ObjectPanel;
    stack->addWidget(m_infoPanel);
    stack->addWidget(m_objectPanel);
    m_properties->setObjectPanel(panels);
    connect(m_objectPanel, &ObjectPanel::objectEdited, this,
            guarded(&TFormLineStretch::objectPanelEdit));
    connect(m_infoPanel, &ProfileInfoPanel::infoEdited, this,
            guarded(&TFormLineStretch::profileInfoEdit));
    connect(m_properties, &SectionPropertiesWindow::infoEdited, this,
            guarded(&TFormLineStretch::profileInfoEdit));
    connect(this, &TFormLineStretch::profileUpdated, m_objectPanel, [this] {
        if (!m_properties->isVisible())
            return;
        m_objectPanel->follow(m_profile);
        m_infoPanel->showInfo(m_profile);
    });
    connect(this, &TFormLineStretch::profileUpdated, m_properties,
            &SectionPropertiesWindow::profileChanged);
    addUndoKeys(m_properties);
    connect(m_properties, &SectionPropertiesWindow::engineeringReportRequested, this,
            [this](const TBucklingInput& input) {
                if (m_engineeringReportHook)
                    m_engineeringReportHook(m_profile, m_fileCommands.profileName(), m_ui.ComboBox1->currentText(),
                                            input);
            });
    PlaceBeside(m_properties, this);
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

// A run of typing in the box is one step.
void TFormLineStretch::ComboBox1Change() {
    std::string text = m_ui.ComboBox1->currentText().toStdString();
    m_history.change(
        QStringLiteral("Material"), [&] { m_profile.selectMaterial(std::move(text)); },
        ProfileCommand::MaterialRun);
}

void TFormLineStretch::tEspessuraChange() {
    SetLabelText(m_ui.Label11, ThicknessText(ValueInRange(m_ui.tEspessura)));
}

void TFormLineStretch::thicknessDecimalRefused() {
    m_dialogs->inform(QStringLiteral("A espessura é dada em décimos de milímetro: %1 para %2. "
                                     "Para centésimos, use a espessura do objeto em "
                                     "Propriedades da seção (Ctrl+I).")
                          .arg(25)
                          .arg(ThicknessText(25)));
}

void TFormLineStretch::showMaterialOfProfile() {
    const int index = m_profile.MaterialIndex();
    const QSignalBlocker blocker(m_ui.ComboBox1);
    const bool listed = index >= 0 && index < m_ui.ComboBox1->count();
    m_ui.ComboBox1->setCurrentIndex(listed ? index : -1);
    m_ui.ComboBox1->setEditText(QString::fromStdString(m_profile.info().Material.Text));
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

// Everything from a press to its release is one step; each of the mouse editor's writes
// in between joins it through the history.
void TFormLineStretch::ImageAreaMouseDown(QPoint position) {
    m_history.beginGesture(MouseEditText);
    carryOut(mouseEdit([&] { return m_editor.press(editorPoint(position), editSettings()); }));
}

// Outside a drag the pointer only hovers, and the mouse editor writes nothing.
void TFormLineStretch::ImageAreaMouseMove(QPoint position) {
    const auto move = [&] { return m_editor.move(editorPoint(position), editSettings()); };
    carryOut(m_history.inGesture() ? mouseEdit(move) : move());
}

void TFormLineStretch::ImageAreaMouseUp() {
    carryOut(mouseEdit([&] { return m_editor.release(editSettings()); }));
    m_history.endGesture();
}

TMouseResponse TFormLineStretch::mouseEdit(const std::function<TMouseResponse()>& edit) {
    TMouseResponse response;
    m_history.change(MouseEditText, [&] { response = edit(); });
    return response;
}

// One grid step while snapping is on, else one millimetre; Shift for ten. The object
// stops at the drawing area's edge. A run of arrow presses on one object is one step.
void TFormLineStretch::ImageAreaArrow(QPoint direction, bool large) {
    if (m_history.inGesture())
        return; // the mouse holds the object
    m_objectEdits.move(direction,
                       (m_ui.chTravaGrid->isChecked() ? m_gridStep : 1) * (large ? 10 : 1));
    showMovedObject();
}

// The marker follows an object moved without the mouse, so that the labels show where it
// now lies and a later release finds its present ends.
void TFormLineStretch::showMovedObject() {
    if (m_profile.hasCurrent())
        m_editor.markObject(m_profile.CurrentIndex());
    redraw();
}

// The drag is undone: the profile as before the press, nothing held, the pointer free.
void TFormLineStretch::ImageAreaEscape() {
    if (!m_history.inGesture())
        return;
    m_history.cancelGesture();
    letGoOfTheMouse();
    redraw();
}

// Undo and redo end a drag under way where it is, as a step of its own that redo can
// bring back; the mouse then holds nothing until its next press.
void TFormLineStretch::undo() {
    if (m_history.inGesture())
        letGoOfTheMouse();
    m_history.undo();
    showSteppedState();
}

void TFormLineStretch::redo() {
    if (m_history.inGesture())
        letGoOfTheMouse();
    m_history.redo();
    showSteppedState();
}

void TFormLineStretch::letGoOfTheMouse() {
    m_editor.Grip = gmNone;
    m_editor.invalidateMarker();
    TMouseResponse response;
    response.releaseCursor = true;
    response.cursor = TCursorShape::crDefault;
    carryOut(response);
}

// The panel lives at the top of the properties window; Ctrl+I shows that window with
// the keyboard in the panel.
void TFormLineStretch::showObjectPanel() {
    showPropertiesWindow();
    m_objectPanel->setFocus();
}

// The name, the material's constants and the bend radius as one step; the material text
// stays as the box has it.
void TFormLineStretch::profileInfoEdit(const TProfileInfo& info) {
    TProfileInfo edited = m_profile.info();
    edited.Name = info.Name;
    edited.Material.E = info.Material.E;
    edited.Material.Nu = info.Material.Nu;
    edited.Material.Fy = info.Material.Fy;
    edited.BendRadius = info.BendRadius;
    m_history.change(QStringLiteral("Propriedades do perfil"),
                     [&] { m_profile.setInfo(std::move(edited)); });
    // The radius rounds the drawn corners.
    redraw();
}

void TFormLineStretch::showBucklingPanel() {
    SpeedButton9Click();
    m_properties->showBuckling();
}

void TFormLineStretch::objectPanelEdit(int index, TObjectValues values) {
    if (m_objectEdits.setValues(index, values))
        showMovedObject();
}

// After an undo or redo: the marker no longer describes anything, and the material box
// follows the profile's material when the step changed it.
void TFormLineStretch::showSteppedState() {
    m_editor.invalidateMarker();
    if (m_ui.ComboBox1->currentText().toStdString() != m_profile.info().Material.Text)
        showMaterialOfProfile();
    redraw();
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
        removeCurrentObject();
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
    // the next label, and the last ones shown would describe an object no longer held.
    const bool markerValid = m_editor.MarkP1.X != NoMarkerX;
    const QString noPoint = QStringLiteral("—");
    SetLabelText(m_ui.Label2, markerValid ? MarkerText(m_editor.MarkP1) : noPoint);
    SetLabelText(m_ui.Label3, markerValid ? MarkerText(m_editor.MarkP2) : noPoint);
    SetLabelText(m_ui.Label5, QString::number(m_profile.ObjectCount()));
}
