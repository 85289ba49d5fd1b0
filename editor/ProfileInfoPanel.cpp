#include "ProfileInfoPanel.h"

#include "Rounding.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include <tuple>

namespace {

// Longer names would not fit the report's line; the file holds more.
constexpr int LongestName = 100;

QString Number(double value, char format = 'g', int precision = 15) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, format, precision);
}

} // namespace

ProfileInfoPanel::ProfileInfoPanel(QWidget* parent) : QWidget(parent) {
    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    m_name = addField("name", QStringLiteral("Nome do perfil:"));
    m_name->setMaxLength(LongestName);
    m_e = addField("e", QStringLiteral("E (MPa):"));
    m_nu = addField("nu", QStringLiteral("ν:"));
    m_fy = addField("fy", QStringLiteral("fy (MPa):"));
    m_radius = addField("bendRadius", QStringLiteral("Raio interno das dobras (mm):"));
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("message"));
    m_message->setStyleSheet(QStringLiteral("color: #b00000"));
    form->addRow(m_message);
}

QLineEdit* ProfileInfoPanel::addField(const char* name, const QString& caption) {
    auto* field = new QLineEdit(this);
    field->setObjectName(QString::fromLatin1(name));
    connect(field, &QLineEdit::returnPressed, this, [this, field] { confirm(field); });
    static_cast<QFormLayout*>(layout())->addRow(caption, field);
    return field;
}

void ProfileInfoPanel::showInfo(const TProfile& profile) {
    m_shown = profile.info();
    const TMaterial& m = m_shown.Material;
    for (auto [field, text] : {std::pair{m_name, QString::fromStdString(m_shown.Name)},
                               {m_e, Number(m.E)},
                               {m_nu, Number(m.Nu)},
                               {m_fy, Number(m.Fy)},
                               {m_radius, Number(m_shown.BendRadius, 'f', 2)}})
        if (field->text() != text)
            field->setText(text);
    m_message->clear();
}

void ProfileInfoPanel::confirm(QLineEdit* field) {
    TProfileInfo info = m_shown;
    if (field == m_name) {
        info.Name = field->text().toStdString();
    } else {
        TMaterial& m = info.Material;
        const auto [value, low, high] =
            field == m_e    ? std::tuple{&m.E, TMaterial::MinE, TMaterial::MaxE}
            : field == m_nu ? std::tuple{&m.Nu, TMaterial::MinNu, TMaterial::MaxNu}
            : field == m_fy ? std::tuple{&m.Fy, TMaterial::MinFy, TMaterial::MaxFy}
                            : std::tuple{&info.BendRadius, 0.0, TProfileInfo::MaxBendRadius};
        bool ok = false;
        const double typed = QLocale().toDouble(field->text().trimmed(), &ok);
        if (!ok || !(typed >= low && typed <= high)) {
            m_message->setText(
                QStringLiteral("Valor recusado: use %1 a %2.").arg(Number(low), Number(high)));
            field->setFocus();
            field->selectAll();
            return;
        }
        // The radius is shown to the hundredth, and a finer one would only look the same.
        *value = field == m_radius ? RoundTiesEven(typed * 100) / 100 : typed;
    }
    m_message->clear();
    emit infoEdited(info);
}
