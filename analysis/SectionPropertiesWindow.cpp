#include "SectionPropertiesWindow.h"

#include "BucklingPanel.h"
#include "LocaleText.h"
#include "SectionPicture.h"
#include "SharpCornerText.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

SectionPropertiesWindow::SectionPropertiesWindow(const TProfile& profile,
                                                 std::function<QString()> materialText,
                                                 QWidget* parent)
    : QWidget(parent, Qt::Window), m_profile(profile), m_materialText(std::move(materialText)),
      m_layout(new QVBoxLayout(this)), m_tabs(new QTabWidget(this)), m_table(new QTableView(this)),
      m_picture(new SectionPicture(profile, this)), m_notes(new QLabel(this)),
      m_bucklingTab(new QWidget(this)) {
    setObjectName(QStringLiteral("SectionPropertiesWindow"));
    setWindowTitle(QStringLiteral("Propriedades da seção"));

    m_table->setObjectName(QStringLiteral("PropertiesTable"));
    m_table->setModel(&m_model);
    m_table->verticalHeader()->hide();
    // Rows sized to their contents would lay out every text again on each refresh, which
    // cost five times the whole drag move; one line of text is all a row holds.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setShowGrid(false);
    m_table->setWordWrap(false);
    for (int row = 0; row < m_model.rowCount(); ++row)
        if (m_model.isTitle(row))
            m_table->setSpan(row, 0, 1, SectionPropertiesModel::ColumnCount);
    m_table->setColumnWidth(SectionPropertiesModel::Symbol, 74);
    m_table->setColumnWidth(SectionPropertiesModel::Value, valueColumnWidth());
    m_table->setColumnWidth(SectionPropertiesModel::Unit, 56);

    m_notes->setObjectName(QStringLiteral("NotesLabel"));
    m_notes->setWordWrap(true);
    m_notes->hide();

    auto* copy = new QPushButton(QStringLiteral("Copiar"), this);
    copy->setObjectName(QStringLiteral("CopyButton"));
    connect(copy, &QPushButton::clicked, this, &SectionPropertiesWindow::copyToClipboard);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy);

    auto* properties = new QWidget(this);
    auto* propertiesLayout = new QVBoxLayout(properties);
    propertiesLayout->addWidget(m_table, 3);
    propertiesLayout->addWidget(m_notes);
    propertiesLayout->addWidget(m_picture, 2);
    propertiesLayout->addLayout(buttons);
    m_tabs->setObjectName(QStringLiteral("PropertiesTabs"));
    m_tabs->addTab(properties, QStringLiteral("&Propriedades"));
    new QVBoxLayout(m_bucklingTab);
    m_tabs->addTab(m_bucklingTab, QStringLiteral("&Flambagem"));
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int tab) {
        if (tab == m_tabs->indexOf(m_bucklingTab))
            showBuckling();
        else
            refresh();
    });
    m_layout->addWidget(m_tabs);
    // Narrow enough to stand beside the editor, which is centred, on a screen 1280 wide;
    // tall enough for the profile's and the object's fields above a page of results, as
    // far as the screen allows.
    const int tall = 880;
    resize(356, screen() ? std::min(tall, screen()->availableGeometry().height() - 48) : tall);

    m_wallTimer.setSingleShot(true);
    connect(&m_wallTimer, &QTimer::timeout, this, &SectionPropertiesWindow::refresh);
}

// Values are never cut: the column holds the widest that a value can be shown as.
int SectionPropertiesWindow::valueColumnWidth() const {
    const int margins =
        2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_table) + 1);
    int widest = 0;
    for (const QString& text : WidestShownValues(QLocale()))
        widest = std::max(widest, m_table->fontMetrics().horizontalAdvance(text));
    return std::max(86, widest + margins);
}

void SectionPropertiesWindow::setObjectPanel(QWidget* panel) {
    delete m_objectPanel;
    m_objectPanel = panel;
    if (panel)
        m_layout->insertWidget(0, panel);
}

void SectionPropertiesWindow::showBuckling() {
    if (!m_buckling) {
        m_buckling = new BucklingPanel(m_profile, m_bucklingTab);
        m_bucklingTab->layout()->addWidget(m_buckling);
        connect(m_buckling, &BucklingPanel::engineeringReportRequested, this,
                &SectionPropertiesWindow::engineeringReportRequested);
        connect(m_buckling, &BucklingPanel::infoEdited, this, &SectionPropertiesWindow::infoEdited);
    }
    m_tabs->setCurrentWidget(m_bucklingTab);
}

void SectionPropertiesWindow::profileChanged() {
    if (!isVisible() || m_refreshPending)
        return;
    m_refreshPending = true;
    QMetaObject::invokeMethod(this, &SectionPropertiesWindow::follow, Qt::QueuedConnection);
}

void SectionPropertiesWindow::refresh() {
    m_wallTimer.stop();
    m_wall = ComputeThinWall(m_profile);
    m_wallClock.start();
    display();
}

// Behind the buckling tab the values are not in sight: the tab alone follows, and the
// values are brought up to date when their tab comes back.
void SectionPropertiesWindow::follow() {
    if (m_tabs->currentWidget() == m_bucklingTab) {
        m_refreshPending = false;
        m_buckling->profileChanged();
        return;
    }
    if (!m_wallClock.isValid() || m_wallClock.elapsed() >= WallInterval)
        return refresh();
    if (!m_wallTimer.isActive())
        m_wallTimer.start(WallInterval - static_cast<int>(m_wallClock.elapsed()));
    display();
}

void SectionPropertiesWindow::display() {
    m_refreshPending = false;
    const QByteArray material = m_materialText().toUtf8();
    TEngineeringResults results = ComputeSectionAxes(
        m_profile, std::string_view(material.constData(), material.size()), DecimalSeparator());
    results.Wall = m_wall;
    m_model.setGroups(SectionPropertyGroups(results));
    m_picture->setResults(results);
    const QStringList notices = SharpCornerNotices(results.SharpCorners, QLocale());
    m_notes->setText(notices.join(u'\n'));
    m_notes->setVisible(!notices.isEmpty());
}

void SectionPropertiesWindow::copyToClipboard() {
    if (m_refreshPending || m_wallTimer.isActive())
        refresh();
    QApplication::clipboard()->setText(SectionPropertiesTabText(m_model.groups(), QLocale()));
}

// Shown again after changes made while it was hidden: those were not followed.
void SectionPropertiesWindow::showEvent(QShowEvent* event) {
    refresh();
    QWidget::showEvent(event);
}
