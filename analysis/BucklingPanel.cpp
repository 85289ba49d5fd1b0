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
#include <QKeyEvent>
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
    const TMaterial& material = m_profile.info().Material;
    auto* inputs = new QWidget(this);
    auto* form = new QFormLayout(inputs);
    form->setContentsMargins(0, 0, 0, 0);
    m_load = new QComboBox(inputs);
    m_load->setObjectName(QStringLiteral("LoadBox"));
    for (TBucklingLoad load : Loads)
        m_load->addItem(BucklingLoadText(load));
    m_length = ValueBox(inputs, "LengthBox", 10, 100000, 0, defaults.Length, QStringLiteral(" mm"));
    m_fy = ValueBox(inputs, "FyBox", TMaterial::MinFy, TMaterial::MaxFy, 0, material.Fy,
                    QStringLiteral(" MPa"));
    m_e = ValueBox(inputs, "EBox", TMaterial::MinE, TMaterial::MaxE, 0, material.E,
                   QStringLiteral(" MPa"));
    m_nu = ValueBox(inputs, "NuBox", TMaterial::MinNu, TMaterial::MaxNu, 2, material.Nu, QString());
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
    connect(m_length, &QDoubleSpinBox::valueChanged, this, &BucklingPanel::profileChanged);
    for (auto [box, constant] : materialBoxes()) {
        connect(box, &QDoubleSpinBox::valueChanged, this, [this, constant](double value) {
            TProfileInfo info = m_profile.info();
            info.Material.*constant = value;
            emit infoEdited(info);
        });
        box->installEventFilter(this);
    }
    return inputs;
}

std::array<BucklingPanel::MaterialBox, 3> BucklingPanel::materialBoxes() const {
    return {{{m_fy, &TMaterial::Fy}, {m_e, &TMaterial::E}, {m_nu, &TMaterial::Nu}}};
}

// Undo and redo belong to the profile, as everywhere in the window, except in a box whose
// text the user is changing, where they change the text.
bool BucklingPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto* box = static_cast<QDoubleSpinBox*>(watched);
        const bool history = key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo);
        if (history && box->cleanText() == box->textFromValue(box->value())) {
            event->ignore();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// A value shown is not an edit.
void BucklingPanel::showMaterial() {
    const TMaterial& material = m_profile.info().Material;
    for (auto [box, constant] : materialBoxes()) {
        const QSignalBlocker quiet(box);
        box->setValue(material.*constant);
    }
}

TBucklingInput BucklingPanel::input() const {
    const TMaterial& material = m_profile.info().Material;
    return {Loads[std::max(0, m_load->currentIndex())], m_length->value(), material.E, material.Nu,
            material.Fy, m_profile.info().BendRadius};
}

void BucklingPanel::profileChanged() {
    showMaterial();
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
