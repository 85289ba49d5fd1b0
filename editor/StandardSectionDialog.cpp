#include "StandardSectionDialog.h"

#include "PerfilError.h"
#include "ProfileInfo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

namespace {

// What the fields show when a type is picked: a section of the catalogues.
TSectionDesignation Example(TSectionType type) {
    switch (type) {
    case TSectionType::U:
        return {type, {10000, 5000, 200}};
    case TSectionType::Ue:
        return {type, {20000, 7500, 2500, 225}};
    case TSectionType::Z:
        return {type, {20000, 7500, 200}};
    case TSectionType::Ze:
    case TSectionType::Z45:
        return {type, {20000, 7500, 2000, 200}};
    case TSectionType::Cr:
        return {type, {10000, 5000, 2000, 200}};
    case TSectionType::L:
        return {type, {5000, 5000, 300}};
    case TSectionType::TR:
        return {type, {10000, 5000, 200}};
    case TSectionType::I:
        return {type, {20000, 10000, 800, 500}};
    }
    return {};
}

QDoubleSpinBox* MillimetreBox(double least) {
    auto* box = new QDoubleSpinBox;
    box->setDecimals(2);
    box->setRange(least, static_cast<double>(LargestDimension) / 100.0);
    box->setSuffix(QStringLiteral(" mm"));
    return box;
}

} // namespace

StandardSectionDialog::StandardSectionDialog(const TSectionChoice& proposed, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Perfil padronizado"));
    m_form = new QFormLayout(this);
    m_type = new QComboBox;
    m_type->setObjectName(QStringLiteral("type"));
    for (const TSectionShape& shape : SectionShapes())
        m_type->addItem(QStringLiteral("%1 – %2").arg(QString::fromUtf8(shape.Code),
                                                      QString::fromUtf8(shape.Description)));
    m_form->addRow(QStringLiteral("Tipo:"), m_type);
    for (std::size_t i = 0; i < MostDimensions; ++i) {
        m_dimensions[i] = MillimetreBox(0.01);
        m_dimensions[i]->setObjectName(QStringLiteral("dimension%1").arg(i));
        m_form->addRow(new QLabel, m_dimensions[i]); // named by the type
        connect(m_dimensions[i], &QDoubleSpinBox::valueChanged, this,
                &StandardSectionDialog::dimensionChanged);
    }
    m_radius = MillimetreBox(0);
    m_radius->setMaximum(TProfileInfo::MaxBendRadius);
    m_radius->setObjectName(QStringLiteral("radius"));
    m_form->addRow(QStringLiteral("Raio interno:"), m_radius);
    m_turned = new QCheckBox(QStringLiteral("Girado 90°"));
    m_turned->setObjectName(QStringLiteral("turned"));
    m_form->addRow(QString(), m_turned);
    m_name = new QLabel;
    m_name->setObjectName(QStringLiteral("name"));
    m_name->setWordWrap(true);
    m_form->addRow(QStringLiteral("Nome:"), m_name);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_form->addRow(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showSection(proposed);
    connect(m_type, &QComboBox::currentIndexChanged, this, &StandardSectionDialog::typeChosen);
    connect(m_radius, &QDoubleSpinBox::valueChanged, this, [this] { m_radiusFollows = false; });
}

void StandardSectionDialog::showSection(const TSectionChoice& choice) {
    const TSectionDesignation& section = choice.Designation;
    const auto shapes = SectionShapes();
    const QSignalBlocker typeBlocker(m_type);
    m_type->setCurrentIndex(static_cast<int>(
        std::ranges::find(shapes, section.Type, &TSectionShape::Type) - shapes.begin()));
    const TSectionShape& shape = SectionShape(section.Type);
    for (std::size_t i = 0; i < MostDimensions; ++i) {
        const bool used = i < shape.Dimensions.size();
        m_form->setRowVisible(m_dimensions[i], used);
        if (!used)
            continue;
        const QSignalBlocker blocker(m_dimensions[i]);
        qobject_cast<QLabel*>(m_form->labelForField(m_dimensions[i]))
            ->setText(QString::fromUtf8(shape.Dimensions[i].Name) + QLatin1Char(':'));
        m_dimensions[i]->setValue(static_cast<double>(section.Dimensions[i]) / 100.0);
    }
    const QSignalBlocker radiusBlocker(m_radius);
    m_radius->setValue(choice.BendRadius);
    m_radiusFollows = choice.BendRadius == DefaultBendRadius(section);
    m_turned->setChecked(choice.Horizontal);
    showDesignation();
}

// A new type starts from its example, with its default radius.
void StandardSectionDialog::typeChosen(int index) {
    const TSectionDesignation example =
        Example(SectionShapes()[static_cast<std::size_t>(index)].Type);
    showSection({example, DefaultBendRadius(example), m_turned->isChecked()});
}

void StandardSectionDialog::dimensionChanged() {
    if (m_radiusFollows) {
        const QSignalBlocker blocker(m_radius);
        m_radius->setValue(DefaultBendRadius(designation()));
    }
    showDesignation();
}

TSectionDesignation StandardSectionDialog::designation() const {
    const TSectionType type =
        SectionShapes()[static_cast<std::size_t>(m_type->currentIndex())].Type;
    TSectionDesignation section{type, {}};
    for (std::size_t i = 0; i < SectionShape(type).Dimensions.size(); ++i)
        section.Dimensions.push_back(std::llround(m_dimensions[i]->value() * 100.0));
    return section;
}

void StandardSectionDialog::showDesignation() {
    const TSectionDesignation section = designation();
    bool valid = true;
    try {
        CheckSection(section);
        m_name->setText(QString::fromStdString(DesignationText(section)));
    } catch (const PerfilError& e) {
        valid = false;
        m_name->setText(QString::fromUtf8(e.what()));
    }
    m_name->setStyleSheet(valid ? QString() : QStringLiteral("color: darkred"));
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(valid);
}

TSectionChoice StandardSectionDialog::choice() const {
    return {designation(), m_radius->value(), m_turned->isChecked()};
}
