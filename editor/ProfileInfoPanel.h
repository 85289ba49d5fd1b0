#pragma once

#include "Profile.h"

#include <QWidget>

class QLabel;
class QLineEdit;

// The profile's own figures: its name and the material's Young's modulus, Poisson's
// ratio and yield strength. A value confirmed with Enter is checked against its range; a
// value outside it is refused where it was typed, with the range shown, and nothing
// changes. It reads the profile it is given and reports edits.
class ProfileInfoPanel : public QWidget {
    Q_OBJECT
  public:
    explicit ProfileInfoPanel(QWidget* parent = nullptr);

    void showInfo(const TProfile& profile);

  signals:
    // The name and constants as confirmed; the material text as shown.
    void infoEdited(TProfileInfo info);

  private:
    QLineEdit* addField(const char* name, const QString& caption);
    void confirm(QLineEdit* field);

    TProfileInfo m_shown;
    QLineEdit *m_name, *m_e, *m_nu, *m_fy;
    QLabel* m_message;
};
