#include "BucklingPanel.h"

#include "BucklingShapeView.h"
#include "BucklingTexts.h"
#include "Profile.h"
#include "SignatureCurveView.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr TBucklingLoad Loads[] = {TBucklingLoad::P, TBucklingLoad::Mx, TBucklingLoad::MinusMx,
                                   TBucklingLoad::My, TBucklingLoad::MinusMy};

QDoubleSpinBox* ValueBox(QWidget* parent, const char* name, double low, double high, int decimals,
                         double value, const QString& suffix) {
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(low, high);
    box->setDecimals(decimals);
    box->setValue(value);
    box->setSuffix(suffix);
    box->setKeyboardTracking(false);
    return box;
}

} // namespace

BucklingPanel::BucklingPanel(const TProfile& profile, QWidget* parent)
    : QWidget(parent), m_profile(profile), m_curve(new SignatureCurveView(this)),
      m_shape(new BucklingShapeView(this)), m_strengths(new QTableWidget(this)),
      m_status(new QLabel(this)) {
    setObjectName(QStringLiteral("BucklingPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildInputs());
    layout->addWidget(m_curve, 1);
    // Side by side: the window stands beside the editor, narrow, and must fit a screen's
    // height under the object panel.
    auto* below = new QHBoxLayout;
    below->addWidget(m_shape, 1);
    below->addWidget(m_strengths);
    layout->addLayout(below);

    m_strengths->setObjectName(QStringLiteral("StrengthTable"));
    m_strengths->setColumnCount(3);
    m_strengths->horizontalHeader()->hide();
    m_strengths->verticalHeader()->hide();
    m_strengths->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_strengths->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 2);
    m_strengths->horizontalHeader()->setStretchLastSection(true);
    m_strengths->setColumnWidth(0, 100);
    m_strengths->setColumnWidth(1, 64);
    m_strengths->setFixedWidth(206);
    m_strengths->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_strengths->setSelectionMode(QAbstractItemView::NoSelection);
    m_strengths->setShowGrid(false);
    m_strengths->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_strengths->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_strengths->setFixedHeight(8 * m_strengths->verticalHeader()->defaultSectionSize() +
                                2 * m_strengths->frameWidth());

    m_status->setObjectName(QStringLiteral("BucklingStatus"));
    auto* copy = new QPushButton(QStringLiteral("Copiar"), this);
    copy->setObjectName(QStringLiteral("CopyCurveButton"));
    auto* report = new QPushButton(QStringLiteral("Relatório de engenharia"), this);
    report->setObjectName(QStringLiteral("EngineeringReportButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_status);
    buttons->addStretch();
    buttons->addWidget(copy);
    buttons->addWidget(report);
    layout->addLayout(buttons);

    connect(copy, &QPushButton::clicked, this, &BucklingPanel::copyToClipboard);
    connect(report, &QPushButton::clicked, this,
            [this] { emit engineeringReportRequested(input()); });
    connect(&m_worker, &BucklingWorker::finished, this, &BucklingPanel::display);
    connect(m_curve, &SignatureCurveView::markPicked, this, &BucklingPanel::pick);
}

QWidget* BucklingPanel::buildInputs() {
    const TBucklingInput defaults;
    auto* inputs = new QWidget(this);
    auto* form = new QFormLayout(inputs);
    form->setContentsMargins(0, 0, 0, 0);
    m_load = new QComboBox(inputs);
    m_load->setObjectName(QStringLiteral("LoadBox"));
    for (TBucklingLoad load : Loads)
        m_load->addItem(BucklingLoadText(load));
    m_length = ValueBox(inputs, "LengthBox", 10, 100000, 0, defaults.Length, QStringLiteral(" mm"));
    m_fy = ValueBox(inputs, "FyBox", 1, 2000, 0, defaults.Fy, QStringLiteral(" MPa"));
    m_e = ValueBox(inputs, "EBox", 1000, 1e6, 0, defaults.E, QStringLiteral(" MPa"));
    m_nu = ValueBox(inputs, "NuBox", 0, 0.49, 2, defaults.Nu, QString());
    auto* first = new QHBoxLayout;
    first->addWidget(m_load);
    first->addWidget(new QLabel(QStringLiteral("L"), inputs));
    first->addWidget(m_length, 1);
    auto* second = new QHBoxLayout;
    second->addWidget(m_fy, 1);
    second->addWidget(new QLabel(QStringLiteral("E"), inputs));
    second->addWidget(m_e, 1);
    second->addWidget(new QLabel(QStringLiteral("ν"), inputs));
    second->addWidget(m_nu);
    form->addRow(QStringLiteral("Carga"), first);
    form->addRow(QStringLiteral("fy"), second);

    connect(m_load, &QComboBox::currentIndexChanged, this, &BucklingPanel::profileChanged);
    for (QDoubleSpinBox* box : {m_length, m_fy, m_e, m_nu})
        connect(box, &QDoubleSpinBox::valueChanged, this, &BucklingPanel::profileChanged);
    return inputs;
}

TBucklingInput BucklingPanel::input() const {
    TBucklingInput input;
    input.Load = Loads[std::max(0, m_load->currentIndex())];
    input.Length = m_length->value();
    input.Fy = m_fy->value();
    input.E = m_e->value();
    input.Nu = m_nu->value();
    input.BendRadius = m_profile.info().BendRadius;
    return input;
}

void BucklingPanel::profileChanged() {
    m_worker.request(m_profile.liveObjects(), input());
    showUpdating();
}

void BucklingPanel::display(int number, std::shared_ptr<const BucklingOutcome> outcome) {
    m_shownNumber = number;
    m_shown = std::move(outcome);
    const QList<BucklingCurveMark> marks = BucklingCurveMarks(m_shown->Result);
    int picked = marks.isEmpty() ? -1 : 0;
    for (int i = 0; i < marks.size(); ++i)
        if (marks[i].name == m_pickedName)
            picked = i;
    m_curve->setOutcome(m_shown, picked);
    m_shape->setOutcome(m_shown, picked);
    fillStrengths();
    showUpdating();
    emit outcomeShown();
}

void BucklingPanel::pick(int mark) {
    m_pickedName = BucklingCurveMarks(m_shown->Result).value(mark).name;
    m_curve->setOutcome(m_shown, mark);
    m_shape->setOutcome(m_shown, mark);
}

void BucklingPanel::fillStrengths() {
    const QList<DirectStrengthRow> rows = DirectStrengthRows(m_shown->Result, locale());
    m_strengths->setRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < rows.size(); ++i) {
        const DirectStrengthRow& row = rows[i];
        const QString texts[] = {row.symbol, row.value, row.unit};
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            item->setToolTip(row.name);
            if (column == 1)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_strengths->setItem(i, column, item);
        }
    }
}

void BucklingPanel::showUpdating() {
    m_status->setText(updating() ? QStringLiteral("atualizando…") : QString());
}

void BucklingPanel::copyToClipboard() {
    if (!m_shown)
        return;
    auto* data = new QMimeData;
    data->setText(SignatureCurveTabText(m_shown->Result.Curve, locale()));
    data->setImageData(m_curve->picture(m_curve->size()));
    QApplication::clipboard()->setMimeData(data);
}

// Shown again after changes made while it was hidden: those were not followed.
void BucklingPanel::showEvent(QShowEvent* event) {
    profileChanged();
    QWidget::showEvent(event);
}
