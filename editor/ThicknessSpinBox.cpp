#include "ThicknessSpinBox.h"

#include <QKeyEvent>

#include <algorithm>

namespace {
// Digits that are all zeros, spaces around them allowed: a thickness of nothing. Checked by
// hand, since a regular expression would be compiled while the editor is being built.
bool OnlyZeros(const QString& input) {
    const QString digits = input.trimmed();
    return !digits.isEmpty() &&
           std::all_of(digits.begin(), digits.end(), [](QChar c) { return c == u'0'; });
}
} // namespace

QValidator::State ThicknessSpinBox::validate(QString& input, int& pos) const {
    if (OnlyZeros(input))
        return QValidator::Invalid;
    return QSpinBox::validate(input, pos);
}

void ThicknessSpinBox::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    if (typed == u"," || typed == u"." || typed == locale().decimalPoint()) {
        emit decimalRefused();
        return;
    }
    QSpinBox::keyPressEvent(event);
}
