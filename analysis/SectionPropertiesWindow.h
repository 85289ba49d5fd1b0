#pragma once

#include "BucklingAnalysis.h"
#include "SectionPropertiesModel.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <functional>

class BucklingPanel;
class QLabel;
class QTabWidget;
class QTableView;
class QVBoxLayout;
class SectionPicture;
class TProfile;

// The "Propriedades da seção" window: beside the editor, not modal, listing every report
// result and engineering property of the profile as it stands, with a picture of the
// section. It never changes the profile and never shows an error box: a value that does
// not exist shows "—" and why.
//
// It follows the profile through profileChanged(), which the editor calls after every
// change; the calculation runs once per turn of the event loop however many changes came
// in it, and not at all while the window is hidden. Its "Flambagem" tab is built when
// first opened; while it is in front, it alone follows the changes. The thin-walled line
// model (J, shear centre, Cw), up to 25 times the rest on a full profile, is brought up to
// date at most every WallInterval during a stream of changes such as a drag, and always at
// its end.
class SectionPropertiesWindow : public QWidget {
    Q_OBJECT
  public:
    // profile and materialText (the material box's current text) must outlive the window.
    SectionPropertiesWindow(const TProfile& profile, std::function<QString()> materialText,
                            QWidget* parent = nullptr);

    // The profile or the material changed.
    void profileChanged();

    static constexpr int WallInterval = 40; // ms: 25 updates a second keep a drag live

    // Computes and shows the values now, the wall's too.
    void refresh();

    // Hosts one extra panel above the values, e.g. a view of the current object; the
    // window takes ownership. A second panel replaces the first.
    void setObjectPanel(QWidget* panel);

    const SectionPropertiesModel& values() const { return m_model; }

    // Brings the "Flambagem" tab to the front, building it the first time.
    void showBuckling();
    // The buckling panel once built, else nullptr.
    BucklingPanel* bucklingPanel() const { return m_buckling; }

    // Puts every value on the clipboard as tab-separated lines ("Copiar"), brought up to
    // date first when a change is still waiting for the loop's turn.
    void copyToClipboard();

  signals:
    // A material constant committed on the buckling panel, with the profile's name and
    // the other constants.
    void infoEdited(TProfileInfo info);
    // "Relatório de engenharia" pressed on the buckling panel.
    void engineeringReportRequested(const TBucklingInput& input);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // The values now; the wall's now or when its interval has passed.
    void follow();
    // Computes all but the wall, and shows them with the wall as last computed.
    void display();
    int valueColumnWidth() const;

    const TProfile& m_profile;
    std::function<QString()> m_materialText;
    SectionPropertiesModel m_model;
    QVBoxLayout* m_layout;
    QTabWidget* m_tabs;
    QTableView* m_table;
    SectionPicture* m_picture;
    QLabel* m_notes; // the corners left sharp, hidden when there are none
    QWidget* m_bucklingTab;
    BucklingPanel* m_buckling = nullptr;
    QWidget* m_objectPanel = nullptr;
    bool m_refreshPending = false;
    TThinWall m_wall;          // as last computed
    QElapsedTimer m_wallClock; // since the wall was last computed
    QTimer m_wallTimer;        // brings a wall left behind up to date
};
