#pragma once

#include "Dialogs.h"

class QWidget;

// The dialogs on screen: message boxes and Qt's file dialogs, modal to the parent.
class QtDialogs : public Dialogs {
  public:
    // parent is not owned and must outlive this object; caption titles the error box and
    // the messages.
    QtDialogs(QWidget* parent, const QString& caption);

    bool confirm(const QString& question) override;
    bool ask(const QString& question) override;
    std::optional<QString> chooseOpenFile(const QStringList& filters,
                                          const QString& initialName) override;
    std::optional<QString> chooseSaveFile(const QStringList& filters,
                                          const QString& initialName) override;
    int chosenFilter() const override { return m_chosenFilter; }
    void showError(const QString& message) override;
    void notify(const QString& text) override;
    void inform(const QString& text) override;
    std::optional<TSectionChoice> chooseSection(const TSectionChoice& proposed) override;

  private:
    std::optional<QString> chooseFile(bool save, const QStringList& filters,
                                      const QString& initialName);

    QWidget* m_parent;
    QString m_caption;
    int m_chosenFilter = 0;
};
