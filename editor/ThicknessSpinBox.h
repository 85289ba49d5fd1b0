#pragma once

#include <QSpinBox>

// The thickness box: a spin box that refuses a typed zero. A zero would stand in the box
// while the label and every new object kept the last thickness in range, since no object
// can be thinner than one tenth. A typed decimal separator is refused too, and said: the box
// counts tenths, and "2,25" read as 22 would give a thickness nobody asked for.
class ThicknessSpinBox : public QSpinBox {
    Q_OBJECT
  public:
    using QSpinBox::QSpinBox;

  signals:
    // A decimal separator was typed and left out.
    void decimalRefused();

  protected:
    QValidator::State validate(QString& input, int& pos) const override;
    void keyPressEvent(QKeyEvent* event) override;
};
