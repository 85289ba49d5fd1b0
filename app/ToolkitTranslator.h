#pragma once

#include <QLocale>

class QCoreApplication;

// Under a Portuguese locale, gives the toolkit's own dialogs and buttons ("Save As", "Print")
// their Portuguese texts by installing Qt's translation of them into app, which owns it.
// Elsewhere the toolkit keeps its own texts. True when a translation was installed; false
// also when none is found on the system.
bool InstallToolkitTranslator(QCoreApplication& app, const QLocale& locale);
