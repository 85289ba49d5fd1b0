#pragma once

#include <QObject>

// While it lives, the printer dialogs of the application offer no landscape orientation:
// the report's pages are laid out portrait, and a printer turned to landscape would cut
// them off. It hides the landscape choices of every page set-up that is shown, the one
// behind the print dialog's "Properties" button among them.
class PortraitOnly : public QObject {
  public:
    PortraitOnly();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
