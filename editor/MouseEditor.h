#pragma once

#include "ExactPoint.h"
#include "LineLibrary.h"
#include "Profile.h"

#include <cstdint>
#include <optional>

// What a press on the drawing area does.
enum TEditTool : std::uint8_t {
    etAddBar = 0,      // adds a bar and drags its second end
    etAddAppendix = 2, // adds an appendix
    etSelect = 3,      // picks an object and drags it
};

// What the mouse is dragging.
enum TGripMode : std::uint8_t {
    gmNone = 0,
    gmP1 = 1,
    gmP2 = 2,
    gmBar = 3,
    gmAppendix = 4,
};

// MarkP1.X holding this value marks the marker as invalid: a release then only frees
// the cursor.
inline constexpr std::int32_t NoMarkerX = -32000;

enum class TCursorShape { crDefault, crDrag, crHandPoint };

// The window's controls as the mouse editing reads them at each event.
struct TEditSettings {
    bool snapToGrid = true;     // "Trava na grade"
    std::int32_t GridStep = 10; // >= 1, kept so by the window
    int thicknessTenths = 10;   // tEspessura, 1..100
};

// What the window has to do after a mouse event, in this order: start or lift the
// cursor confinement, set the cursor, run Remove, redraw.
struct TMouseResponse {
    bool confineCursor = false;
    bool releaseCursor = false;
    std::optional<TCursorShape> cursor;
    bool removeCurrent = false; // the current bar shrank to a point: run the Remove command
    bool profileFull = false;   // an adding press was refused: 255 objects already
    bool redraw = false;
};

// The mouse editing of the drawing area as a plain state machine over the profile:
// tools, grips, the selection marker, snapping and hit tests. The window forwards its
// mouse events here and carries out the response; nothing here needs a window.
class TMouseEditor {
  public:
    explicit TMouseEditor(TProfile& profile) : m_profile(profile) {}

    TEditTool Tool = etSelect;
    TGripMode Grip = gmNone;
    TPoint MarkP1;
    TPoint MarkP2;
    TPoint DownPoint;

    TPoint SnapPoint(TPoint p, const TEditSettings& settings) const;

    TMouseResponse press(TPoint p, const TEditSettings& settings);
    TMouseResponse move(TPoint p, const TEditSettings& settings);
    TMouseResponse release(const TEditSettings& settings);

    // True while the marker line and its handles are shown (a bar end or a bar is held).
    bool markerShown() const { return Grip == gmP1 || Grip == gmP2 || Grip == gmBar; }
    void invalidateMarker() { MarkP1.X = NoMarkerX; }
    // The marker on object i's points, as a grab sets it.
    void markObject(int i);

  private:
    bool objectWithinReach(TPoint p) const; // hover feedback: would a selecting press grab?
    void placeCurrent(const TEditSettings& settings);

    // A marker end as last set from an object, and how far, in hundredths of a millimetre,
    // the object's point lay from it: a drag keeps that fraction.
    struct Anchor {
        TPoint mark;
        TExactPoint offset;
    };
    Anchor m_anchor1, m_anchor2;

    TProfile& m_profile;
    // The last press grabbed or added an object. A release after one that did neither
    // leaves every object alone: the grid may have changed since the marker was set.
    bool m_pressHolds = false;
};
