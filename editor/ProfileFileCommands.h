#pragma once

#include "Dialogs.h"
#include "ProfileFileDialog.h"
#include "ProfileHistory.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <functional>
#include <span>

// The file commands of the editor window, each profile change an undoable step: open a
// profile or a drawing, save the profile or export its drawing as DXF, SVG or PNG, and a
// new, empty profile. Errors are thrown as PerfilError for the window's command boundary;
// a file that cannot be read changes nothing.
class ProfileFileCommands {
  public:
    // replaced is called right after a file has replaced the profile, for the window to
    // reset its editing state and show the new profile; withMaterial when the profile's
    // material came with it (a drawing brings none).
    ProfileFileCommands(TProfile& profile, ProfileHistory& history, Dialogs& dialogs,
                        std::function<void(bool withMaterial)> replaced);

    // Asks for a profile or a drawing and opens it, first whether to leave a changed
    // profile; a drawing's entities without a width get thicknessTenths. False when the user
    // cancelled.
    bool open(int thicknessTenths);
    // Loads the profile file fileName.
    void load(const QString& fileName);

    // Compacts the profile, asks for a file (and before replacing one) and writes the
    // profile or its drawing there: the grid as the window shows it (gridShown, gridStep)
    // for SVG, drawing for PNG.
    void save(bool gridShown, int gridStep, const QImage& drawing);

    // Asks, then empties the profile; false when the user said no.
    bool clear();

    // A profile made in the editor, which no file holds, replaces the current one as one
    // step named text; the material stays.
    void replaceByNew(const QString& text, std::span<const TProfileObject> records,
                      const TProfileInfo& info);

    // Drops the slots awaiting compaction and renumbers the objects.
    void compact();

    // The question of a command that ends the profile as it stands, led by a warning while
    // the profile has changes that no file holds (the history is not where the last save
    // or load left it). Without changes, a command that asked nothing before (alwaysAsk
    // false) goes on unasked. True to go on.
    bool confirmLeaving(const QString& question, bool alwaysAsk);

    // The file the profile was last loaded from, imported from or saved to; empty for a
    // new profile.
    const QString& fileName() const { return m_fileName; }
    // Its base name.
    QString profileName() const;

  private:
    void importDrawing(const QString& fileName, int thicknessTenths);
    void replace(const QString& text, std::span<const TProfileObject> records,
                 std::int32_t materialIndex, const TProfileInfo& info, bool withMaterial);
    void saveAs(ProfileFileDialog::FileType type, const QString& fileName, bool gridShown,
                int gridStep, const QImage& drawing);

    TProfile& m_profile;
    ProfileHistory& m_history;
    Dialogs& m_dialogs;
    std::function<void(bool)> m_replaced;
    ProfileFileDialog OpenDialog1{ProfileFileDialog::Mode::Open};
    ProfileFileDialog SaveDialog1{ProfileFileDialog::Mode::Save};
    QString m_fileName;
};
