#include "ObjectPanel.h"

#include "BarPolar.h"
#include "DrawingSurface.h"
#include "PointText.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include <cmath>
#include <tuple>

namespace {

// The drawing area, whose edges are inside it.
constexpr int MaxX = DrawingSurface::Width;
constexpr int MaxY = DrawingSurface::Height;
constexpr double MinThickness = 0.01;
constexpr double MaxThickness = 100.0;
constexpr double MinLength = 1.0;
// No bar inside the area is longer than its diagonal.
const double MaxLength = std::ceil(std::hypot(MaxX, MaxY));

QString Decimal(double value) {
    return QLocale().toString(value, 'f', 2);
}

bool InsideArea(TExactPoint p) {
    return p.X >= 0 && p.X <= MaxX * HundredthsPerMm && p.Y >= 0 && p.Y <= MaxY * HundredthsPerMm;
}

// A point or comma that is not this locale's decimal separator: "2.25" typed under a
// decimal comma.
bool ForeignSeparator(const QString& text) {
    const QString own = QLocale().decimalPoint();
    return (text.contains(u'.') && own != u".") || (text.contains(u',') && own != u",");
}

} // namespace

ObjectPanel::ObjectPanel(QWidget* parent) : QWidget(parent) {
    m_followTimer.setSingleShot(true);
    connect(&m_followTimer, &QTimer::timeout, this, [this] {
        if (!m_followPending)
            return;
        m_followPending = false;
        showObject(*m_followed);
        m_followTimer.start(FollowInterval);
    });
    auto* grid = new QGridLayout(this);
    auto row = [&](const QString& caption, QWidget* first, QWidget* second = nullptr) {
        const int r = grid->rowCount();
        auto* label = new QLabel(caption, this);
        grid->addWidget(label, r, 0);
        grid->addWidget(first, r, 1, 1, second ? 1 : 2);
        if (second)
            grid->addWidget(second, r, 2);
        return label;
    };
    m_object = new QLabel(this);
    m_object->setObjectName(QStringLiteral("object"));
    row(QStringLiteral("Objeto:"), m_object);
    m_p1x = addField("p1x");
    m_p1y = addField("p1y");
    m_p1Caption = row(QStringLiteral("P1 (mm):"), m_p1x, m_p1y);
    m_p2x = addField("p2x");
    m_p2y = addField("p2y");
    row(QStringLiteral("P2 (mm):"), m_p2x, m_p2y);
    m_thickness = addField("thickness");
    row(QStringLiteral("Espessura (mm):"), m_thickness);
    m_length = addField("length");
    row(QStringLiteral("Comprimento (mm):"), m_length);
    m_angle = addField("angle");
    row(QStringLiteral("Ângulo (°):"), m_angle);
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("message"));
    m_message->setStyleSheet(QStringLiteral("color: #b00000"));
    grid->addWidget(m_message, grid->rowCount(), 0, 1, 3);
}

QLineEdit* ObjectPanel::addField(const char* name) {
    auto* field = new QLineEdit(this);
    field->setObjectName(QString::fromLatin1(name));
    field->setMaximumWidth(80);
    connect(field, &QLineEdit::returnPressed, this, [this, field] { confirm(field); });
    field->installEventFilter(this);
    return field;
}

// Undo and redo belong to the profile, as in the editor, except in a field whose text the
// user is changing, where they change the text; a field claims them whenever it has the
// keyboard.
bool ObjectPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool history = key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo);
        if (history && !static_cast<QLineEdit*>(watched)->isModified()) {
            event->ignore();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Setting the fields costs about a tenth of a drag move's redraw (117 us against 105 us
// per move with every move shown), so a drag shows them at the pace the eye follows.
void ObjectPanel::follow(const TProfile& profile) {
    m_followed = &profile;
    if (m_followTimer.isActive()) {
        m_followPending = true;
        return;
    }
    showObject(profile);
    m_followTimer.start(FollowInterval);
}

void ObjectPanel::showObject(const TProfile& profile) {
    const bool current = profile.hasCurrent();
    m_index = current ? profile.CurrentIndex() : 0;
    const TProfileObject none;
    const TProfileObject& o = current ? profile.Objects(m_index) : none;
    m_isBar = current && o.isBar();
    const bool appendix = current && o.isAppendix();
    const TExactPoint p1 = ExactPoint(o, TEnd::P1), p2 = ExactPoint(o, TEnd::P2);
    m_shown = {p1, p2, o.Thickness};

    const QString kind = m_isBar    ? QStringLiteral("barra")
                         : appendix ? QStringLiteral("apêndice")
                                    : QStringLiteral("de tipo desconhecido");
    // A drag shows every move here; a text set again unchanged would still lay the panel
    // out anew (the move with the panel open: 121 us against 101 us without it).
    auto label = [](QLabel* caption, const QString& text) {
        if (caption->text() != text)
            caption->setText(text);
    };
    label(m_message, QString());
    label(m_object,
          current ? QStringLiteral("%1 de %2, %3").arg(m_index).arg(profile.ObjectCount()).arg(kind)
                  : QStringLiteral("nenhum"));
    label(m_p1Caption, appendix ? QStringLiteral("P (mm):") : QStringLiteral("P1 (mm):"));
    auto set = [](QLineEdit* field, bool shown, const QString& text) {
        field->setEnabled(shown);
        const QString wanted = shown ? text : QString();
        if (field->text() != wanted)
            field->setText(wanted);
    };
    const bool known = m_isBar || appendix;
    const QLocale locale;
    set(m_p1x, known, CoordinateText(p1.X, locale));
    set(m_p1y, known, CoordinateText(p1.Y, locale));
    set(m_p2x, m_isBar, CoordinateText(p2.X, locale));
    set(m_p2y, m_isBar, CoordinateText(p2.Y, locale));
    set(m_thickness, known, Decimal(o.Thickness));
    set(m_length, m_isBar, Decimal(BarLength(p1, p2)));
    set(m_angle, m_isBar, Decimal(BarAngle(p1, p2)));
}

void ObjectPanel::confirm(QLineEdit* field) {
    if (m_index == 0)
        return;
    TObjectValues values = m_shown;
    bool ok = false;
    if (field == m_p1x || field == m_p1y) {
        ok = readPoint(m_p1x, m_p1y, values.P1);
    } else if (field == m_p2x || field == m_p2y) {
        ok = readPoint(m_p2x, m_p2y, values.P2);
    } else if (field == m_thickness) {
        ok = readNumber(m_thickness, MinThickness, MaxThickness, 2, values.Thickness);
    } else {
        double length = 0, angle = 0;
        ok = readNumber(m_length, MinLength, MaxLength, 2, length) &&
             readNumber(m_angle, 0, 360, 2, angle);
        if (ok) {
            values.P2 = BarEnd(values.P1, length, angle);
            ok = InsideArea(values.P2);
            if (!ok)
                refuse(field, QStringLiteral("P2 em 0 a %1 × 0 a %2").arg(MaxX).arg(MaxY));
        }
    }
    if (!ok)
        return;
    m_message->clear();
    // Applied, the typed values are no longer being edited.
    for (QLineEdit* edited : findChildren<QLineEdit*>())
        edited->setModified(false);
    emit objectEdited(m_index, values);
}

// Hundredths of a millimetre are what a point holds; a third decimal would be dropped.
bool ObjectPanel::readPoint(QLineEdit* x, QLineEdit* y, TExactPoint& point) {
    for (auto [field, max, coordinate] : {std::tuple{x, MaxX, &point.X}, {y, MaxY, &point.Y}}) {
        bool ok = false;
        const double value = QLocale().toDouble(field->text().trimmed(), &ok);
        const QString range = QStringLiteral("0 a %1").arg(max);
        if (!ok || !(value >= 0 && value <= max)) {
            refuse(field, range);
            return false;
        }
        const double hundredths = value * HundredthsPerMm;
        if (std::abs(hundredths - std::round(hundredths)) > 1e-6) {
            refuse(field, QStringLiteral("até duas casas decimais, de ") + range);
            return false;
        }
        *coordinate = static_cast<std::int64_t>(std::round(hundredths));
    }
    return true;
}

// Also refuses more decimals than shown, which would otherwise be dropped unseen.
bool ObjectPanel::readNumber(QLineEdit* field, double low, double high, int decimals,
                             double& value) {
    bool ok = false;
    const double typed = QLocale().toDouble(field->text().trimmed(), &ok);
    const double scale = std::pow(10.0, decimals);
    const bool exact = std::abs(typed * scale - std::round(typed * scale)) < 1e-6;
    if (!ok || !(typed >= low && typed <= high) || !exact) {
        QString wanted = QStringLiteral("%1 a %2, com até %3 decimais")
                             .arg(Decimal(low), Decimal(high))
                             .arg(decimals);
        if (ForeignSeparator(field->text()))
            wanted +=
                QStringLiteral(" e \"%1\" como separador decimal").arg(QLocale().decimalPoint());
        refuse(field, wanted);
        return false;
    }
    value = typed;
    return true;
}

void ObjectPanel::refuse(QLineEdit* field, const QString& range) {
    m_message->setText(QStringLiteral("Valor recusado: use %1.").arg(range));
    field->setFocus();
    field->selectAll();
}
