#include "QtDialogs.h"

#include "StandardSectionDialog.h"

#include <QCursor>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QToolTip>

#include <algorithm>

QtDialogs::QtDialogs(QWidget* parent, const QString& caption)
    : m_parent(parent), m_caption(caption) {}

namespace {

// A question box with a going-on and a stopping button, under these texts; Escape stops.
bool Question(QWidget* parent, const QString& question, QMessageBox::StandardButton goOn,
              const QString& goOnText, QMessageBox::StandardButton stop, const QString& stopText,
              QMessageBox::StandardButton byDefault) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), question, goOn | stop,
                    parent);
    box.button(goOn)->setText(goOnText);
    box.button(stop)->setText(stopText);
    box.setDefaultButton(byDefault);
    box.setEscapeButton(stop);
    return box.exec() == goOn;
}

} // namespace

bool QtDialogs::confirm(const QString& question) {
    return Question(m_parent, question, QMessageBox::Ok, QStringLiteral("OK"), QMessageBox::Cancel,
                    QStringLiteral("Cancel"), QMessageBox::Ok);
}

bool QtDialogs::ask(const QString& question) {
    return Question(m_parent, question, QMessageBox::Yes, QStringLiteral("Sim"), QMessageBox::No,
                    QStringLiteral("Não"), QMessageBox::No);
}

std::optional<QString> QtDialogs::chooseOpenFile(const QStringList& filters,
                                                 const QString& initialName) {
    return chooseFile(false, filters, initialName);
}

std::optional<QString> QtDialogs::chooseSaveFile(const QStringList& filters,
                                                 const QString& initialName) {
    return chooseFile(true, filters, initialName);
}

std::optional<QString> QtDialogs::chooseFile(bool save, const QStringList& filters,
                                             const QString& initialName) {
    QFileDialog dialog(m_parent);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // A typed name is taken as it stands, existing or not: the load reports a missing
    // file itself, and the save command asks before it replaces a file.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(filters);
    if (!initialName.isEmpty())
        dialog.selectFile(initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    m_chosenFilter = std::max(0, static_cast<int>(filters.indexOf(dialog.selectedNameFilter())));
    return dialog.selectedFiles().constFirst();
}

void QtDialogs::showError(const QString& message) {
    QMessageBox box(QMessageBox::Critical, m_caption, message, QMessageBox::Ok, m_parent);
    box.exec();
}

void QtDialogs::notify(const QString& text) {
    QToolTip::showText(QCursor::pos(), text, m_parent);
}

void QtDialogs::inform(const QString& text) {
    QMessageBox box(QMessageBox::Information, m_caption, text, QMessageBox::Ok, m_parent);
    box.exec();
}

std::optional<TSectionChoice> QtDialogs::chooseSection(const TSectionChoice& proposed) {
    StandardSectionDialog dialog(proposed, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}
