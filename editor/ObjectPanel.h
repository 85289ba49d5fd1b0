#pragma once

#include "ObjectValues.h"
#include "Profile.h"

#include <QTimer>
#include <QWidget>

class QLabel;
class QLineEdit;

// The current object in figures: its number and kind, its points to 0,01 mm,
// its thickness in millimetres with two decimals and, for a bar, its length and angle.
// A value typed and confirmed with Enter is checked against its range; a value outside
// it is refused where it was typed, with the range shown, and nothing changes. It knows
// nothing of where it is shown: it reads the profile it is given and reports edits.
class ObjectPanel : public QWidget {
    Q_OBJECT
  public:
    explicit ObjectPanel(QWidget* parent = nullptr);

    // Shows the current object of profile, or that there is none.
    void showObject(const TProfile& profile);

    // The same for a stream of changes such as a drag: shown at once, then at most every
    // FollowInterval, the last state always. profile must outlive the panel.
    void follow(const TProfile& profile);
    static constexpr int FollowInterval = 40; // ms: 25 pictures a second

  signals:
    // Confirmed values for object index, the one shown.
    void objectEdited(int index, TObjectValues values);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLineEdit* addField(const char* name);
    void confirm(QLineEdit* field);
    bool readPoint(QLineEdit* x, QLineEdit* y, TExactPoint& point);
    bool readNumber(QLineEdit* field, double low, double high, int decimals, double& value);
    void refuse(QLineEdit* field, const QString& range);

    QTimer m_followTimer;
    const TProfile* m_followed = nullptr;
    bool m_followPending = false;
    int m_index = 0;
    TObjectValues m_shown;
    bool m_isBar = false;
    QLabel* m_object;
    QLabel* m_p1Caption;
    QLabel* m_message;
    QLineEdit *m_p1x, *m_p1y, *m_p2x, *m_p2y, *m_thickness, *m_length, *m_angle;
};
