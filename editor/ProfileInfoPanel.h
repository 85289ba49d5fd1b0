#pragma once

#include "Profile.h"

#include <QWidget>

class QLabel;
class QLineEdit;

// The profile's own figures: its name, the material's Young's modulus, Poisson's ratio
// and yield strength, and the inner radius of its bends (to the hundredth of a mm). A
// value confirmed with Enter is checked against its range; a value outside it is refused
// where it was typed, with the range shown, and nothing changes. It reads the profile it
// is given and reports edits.
class ProfileInfoPanel : public QWidget {
    Q_OBJECT
  public:
    explicit ProfileInfoPanel(QWidget* parent = nullptr);

    void showInfo(const TProfile& profile);

  signals:
    // The name, constants and bend radius as confirmed; the material text as shown.
    void infoEdited(TProfileInfo info);

  private:
    QLineEdit* addField(const char* name, const QString& caption);
    void confirm(QLineEdit* field);

    TProfileInfo m_shown;
    QLineEdit *m_name, *m_e, *m_nu, *m_fy, *m_radius;
    QLabel* m_message;
};
