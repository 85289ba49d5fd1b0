#include "ThicknessSpinBox.h"

#include <QRegularExpression>

QValidator::State ThicknessSpinBox::validate(QString& input, int& pos) const {
    static const QRegularExpression zeros(QStringLiteral("^\\s*0+\\s*$"));
    if (zeros.match(input).hasMatch())
        return QValidator::Invalid;
    return QSpinBox::validate(input, pos);
}
