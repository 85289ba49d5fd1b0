#pragma once

#include <QString>

#include <optional>

class Dialogs;

// One of the window's profile file dialogs: the .per filters, the default extension and
// the name last chosen in this same dialog, proposed again the next time.
class ProfileFileDialog {
  public:
    enum class Mode { Open, Save };

    explicit ProfileFileDialog(Mode mode) : m_mode(mode) {}

    // Asks for a file through dialogs; nothing when the user cancels. A chosen name
    // without an extension gets ".per" (when opening, only if no file has that very name).
    std::optional<QString> execute(Dialogs& dialogs);

    const QString& fileName() const { return m_fileName; }

  private:
    QString withDefaultExtension(const QString& name) const;

    Mode m_mode;
    QString m_fileName;
};
