#pragma once

#include <QString>

#include <optional>

class Dialogs;

// One of the window's file dialogs: profile files, DXF drawings and, when saving, SVG
// and PNG pictures; the name last chosen in this same dialog is proposed again the next
// time.
class ProfileFileDialog {
  public:
    enum class Mode { Open, Save };
    enum class FileType { Profile, Dxf, Svg, Png };

    explicit ProfileFileDialog(Mode mode) : m_mode(mode) {}

    // Asks for a file through dialogs; nothing when the user cancels. The chosen filter
    // decides the type (under "all files", the name's extension does); when saving, an
    // extension of one of the types decides instead, and another extension is refused with
    // a PerfilError that names the ones written. A name without an extension gets the
    // type's (when opening, only if no file has that very name).
    std::optional<QString> execute(Dialogs& dialogs);

    const QString& fileName() const { return m_fileName; }
    // The type of the file last chosen.
    FileType type() const { return m_type; }

  private:
    QString withDefaultExtension(const QString& name) const;

    Mode m_mode;
    QString m_fileName;
    FileType m_type = FileType::Profile;
};
