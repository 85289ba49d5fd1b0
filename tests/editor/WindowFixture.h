#pragma once

#include "ImageView.h"
#include "ScriptedDialogs.h"
#include "TFormLineStretch.h"

#include <QLabel>
#include <QTest>

#include <memory>

// An editor window on the offscreen platform whose dialogs answer from a script.
class WindowFixture {
  public:
    WindowFixture() : dialogs(new ScriptedDialogs), window(std::unique_ptr<Dialogs>(dialogs)) {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qFatal("the editor window was never shown");
    }

    // The control of that objectName; the test stops when there is none.
    template <typename Control> Control* control(const char* name) const {
        auto* found = window.findChild<Control*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control named %s", name);
        return found;
    }

    QString text(const char* label) const { return control<QLabel>(label)->text(); }
    ImageView* imageArea() const { return control<ImageView>("ImageArea"); }

    void press(QPoint p) const { QTest::mousePress(imageArea(), Qt::LeftButton, {}, p); }
    void move(QPoint p) const { QTest::mouseMove(imageArea(), p); }
    void release(QPoint p) const { QTest::mouseRelease(imageArea(), Qt::LeftButton, {}, p); }
    void drag(QPoint from, QPoint to) const {
        press(from);
        move(to);
        release(to);
    }

    ScriptedDialogs* dialogs; // owned by the window
    TFormLineStretch window;
};
