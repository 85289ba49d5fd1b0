#pragma once

#include "ApplicationCursor.h"
#include "CurrentObjectEdits.h"
#include "Dialogs.h"
#include "DrawingSurface.h"
#include "LineStretchControls.h"
#include "MouseEditor.h"
#include "ObjectValues.h"
#include "Profile.h"
#include "ProfileFileCommands.h"
#include "ProfileHistory.h"
#include "SectionProperties.h"
#include "StandardSectionCommand.h"

class ObjectPanel;
class ProfileInfoPanel;
class SectionPropertiesWindow;
struct TBucklingInput;

#include <QWidget>

#include <functional>
#include <memory>

// The editor window: the program's main window and, for the whole run, the owner of the
// profile, the mouse editing state, the grid step and the section results of the last
// print command. Its handlers are thin: they hand the work to the profile, the mouse
// editor, the file commands and the drawing surface, and end with the redraw that they
// need. Every change of the profile goes through its ProfileHistory, so that each can be
// undone.
//
// Errors: a handler that fails (a file that cannot be read or written, a section that
// cannot be computed) ends there and shows the error box through its Dialogs; no
// exception ever leaves a handler.
class TFormLineStretch : public QWidget {
    Q_OBJECT
  public:
    // The print command's last step, given the compacted profile, its fresh results and
    // a copy of the drawing as shown.
    using PrintHook = std::function<void(const TProfile&, const TSectionResults&, const QImage&)>;

    // dialogs receives every question and message (owned); null means the on-screen ones.
    explicit TFormLineStretch(std::unique_ptr<Dialogs> dialogs = nullptr,
                              QWidget* parent = nullptr);
    ~TFormLineStretch() override;

    // Without a hook the print command stops after computing the results.
    void setPrintHook(PrintHook hook) { m_printHook = std::move(hook); }

    // "Relatório de engenharia" on the properties window's buckling panel, given the
    // profile, its name, the material box's text and the panel's load, length and material.
    using EngineeringReportHook = std::function<void(
        const TProfile&, const QString& name, const QString& material, const TBucklingInput&)>;
    void setEngineeringReportHook(EngineeringReportHook hook) {
        m_engineeringReportHook = std::move(hook);
    }
    // The base name of profileFileName().
    QString profileName() const { return m_fileCommands.profileName(); }

    const TProfile& profile() const { return m_profile; }
    // For callers that build a profile directly; changes show from the next redraw(). Such
    // changes bypass the undo history, so they belong before the first recorded step.
    TProfile& profile() { return m_profile; }
    const TMouseEditor& mouseEditor() const { return m_editor; }
    const QUndoStack& undoStack() const { return m_history.stack(); }
    const TSectionResults& sectionResults() const { return m_results; }
    int GridStep() const { return m_gridStep; }
    // The drawing as ImageArea shows it.
    const QImage& drawing() const { return m_surface.image(); }

    // ShowBackground then DrawObjects.
    void redraw();

    // The "Propriedades da seção" window, owned by the editor; null until first opened.
    SectionPropertiesWindow* propertiesWindow() const { return m_properties; }

    // The profile file last loaded or saved, or the drawing last imported; empty for a
    // profile that came from neither.
    const QString& profileFileName() const { return m_fileCommands.fileName(); }

    // Loads a profile file exactly as the load command does once its dialog has given
    // the name. A failure shows the error box and leaves the window as it was.
    void openProfile(const QString& fileName);

    // Ctrl+Z and Ctrl+Y, also in the middle of a drag.
    void undo();
    void redo();

    // Ctrl+I: the properties window, with the keyboard in its panel of the current object.
    void showObjectPanel();
    // Ctrl+B: the properties window on its "Flambagem" tab.
    void showBucklingPanel();

  signals:
    // The user confirmed closing the window.
    void closed();
    // The profile, its current object or the material text may have changed: once for
    // every change through the history, its undo and redo.
    void profileUpdated();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void FormCreate();
    void connectHandlers();
    void addUndoKeys(QWidget* window);
    bool FormCloseQuery();

    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void SpeedButton7Click();
    void SpeedButton8Click();
    void SpeedButton9Click();
    void SpeedButton10Click();
    void chooseAppendixTool();
    void chooseBarTool();
    void removeCurrentObject();
    void openFile();
    void showReplacedProfile(bool withMaterial);
    void saveFile();
    void newProfile();
    void refreshDrawing();
    void printProfile();
    void showPropertiesWindow();
    void createPropertiesWindow();
    void SpinEdit1Change();
    void chDrawGridClick();
    void chTravaGridClick();
    void ComboBox1Change();
    void tEspessuraChange();
    void thicknessDecimalRefused();

    void ImageAreaMouseDown(QPoint position);
    void ImageAreaMouseMove(QPoint position);
    void ImageAreaMouseUp();
    TMouseResponse mouseEdit(const std::function<TMouseResponse()>& edit);
    void ImageAreaArrow(QPoint direction, bool large);
    void ImageAreaEscape();
    void letGoOfTheMouse();
    void objectPanelEdit(int index, TObjectValues values);
    void profileInfoEdit(const TProfileInfo& info);
    void showMovedObject();

    void RebuildBackground();
    void rebuildAndRedraw();
    void ShowBackground();
    void DrawObjects();

    TEditSettings editSettings() const;
    TPoint editorPoint(QPoint position) const;
    void carryOut(const TMouseResponse& response);
    void syncToolButtons();
    void showMaterialOfProfile();
    void showSteppedState();

    // The handler as a slot behind the error boundary.
    template <typename... Args> auto guarded(void (TFormLineStretch::*handler)(Args...));

    std::unique_ptr<Dialogs> m_dialogs;
    LineStretchControls m_ui;
    TProfile m_profile;
    TMouseEditor m_editor{m_profile};
    ProfileHistory m_history{m_profile};
    CurrentObjectEdits m_objectEdits{m_profile, m_history};
    ProfileFileCommands m_fileCommands;
    StandardSectionCommand m_sectionCommand{m_profile, m_fileCommands, *m_dialogs};
    TSectionResults m_results;
    int m_gridStep = 10;
    DrawingSurface m_surface;
    ApplicationCursor m_cursor;
    PrintHook m_printHook;
    EngineeringReportHook m_engineeringReportHook;
    SectionPropertiesWindow* m_properties = nullptr; // made at its first opening
    ObjectPanel* m_objectPanel = nullptr;            // hosted by the properties window
    ProfileInfoPanel* m_infoPanel = nullptr;         // likewise
    bool m_dragging = false; // between a confining press and the next release
    bool m_placed = false;   // centred on the screen at the first show
};
