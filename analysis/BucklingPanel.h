#pragma once

#include "BucklingWorker.h"

#include <QWidget>

#include <array>
#include <memory>
#include <utility>

class BucklingShapeView;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QTableWidget;
class SignatureCurveView;
class TProfile;

// "Flambagem": the load and the member's length to analyse the profile's bars with, and the
// constants of the profile's material; their signature curve with the named points, the
// buckled shape at the point picked on it, and the design strengths. The analysis runs on
// a worker; the panel shows the last one finished and says "atualizando…" while a newer
// one runs. A constant edited here is only reported: the profile changes through whoever
// owns it, and the boxes show the change when profileChanged() comes.
class BucklingPanel : public QWidget {
    Q_OBJECT
  public:
    // profile must outlive the panel.
    explicit BucklingPanel(const TProfile& profile, QWidget* parent = nullptr);

    // Shows the profile's material and asks for an analysis of the profile as it stands now.
    void profileChanged();

    // The load and length as the controls give them; E, nu and fy of the profile's material.
    TBucklingInput input() const;

    // The outcome shown; nullptr before the first one.
    const std::shared_ptr<const BucklingOutcome>& shown() const { return m_shown; }
    bool updating() const { return m_worker.lastRequested() > m_shownNumber; }
    const QTableWidget& strengthTable() const { return *m_strengths; }

    // Puts the curve on the clipboard, as tab-separated text and as a picture ("Copiar").
    void copyToClipboard();

  signals:
    // The profile's name and material with the one constant the user committed in a box.
    void infoEdited(TProfileInfo info);
    // A result was shown (for whoever waits for one).
    void outcomeShown();
    // "Relatório de engenharia" with the input as it stands.
    void engineeringReportRequested(const TBucklingInput& input);

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    using MaterialBox = std::pair<QDoubleSpinBox*, double TMaterial::*>;
    QWidget* buildInputs();
    std::array<MaterialBox, 3> materialBoxes() const;
    void showMaterial();
    void display(int number, std::shared_ptr<const BucklingOutcome> outcome);
    void pick(int mark);
    void fillStrengths();
    void showUpdating();

    const TProfile& m_profile;
    BucklingWorker m_worker;
    std::shared_ptr<const BucklingOutcome> m_shown;
    int m_shownNumber = 0;
    QString m_pickedName = QStringLiteral("Local"); // kept from one outcome to the next
    QComboBox* m_load;
    QDoubleSpinBox* m_length;
    QDoubleSpinBox* m_fy;
    QDoubleSpinBox* m_e;
    QDoubleSpinBox* m_nu;
    SignatureCurveView* m_curve;
    BucklingShapeView* m_shape;
    QTableWidget* m_strengths;
    QLabel* m_status;
};
