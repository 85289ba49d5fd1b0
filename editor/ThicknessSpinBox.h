#pragma once

#include <QSpinBox>

// The thickness box: a spin box that refuses a typed zero. A zero would stand in the box
// while the label and every new object kept the last thickness in range, since no object
// can be thinner than one tenth.
class ThicknessSpinBox : public QSpinBox {
    Q_OBJECT
  public:
    using QSpinBox::QSpinBox;

  protected:
    QValidator::State validate(QString& input, int& pos) const override;
};
