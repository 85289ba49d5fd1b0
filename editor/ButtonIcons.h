#pragma once

#include <QIcon>

// The small pictures of the editor's tool panel buttons, drawn in code at 16 x 16.
enum class ButtonPicture {
    BarTool,         // a diagonal black line from the top left to the bottom right
    AppendixTool,    // a small blue square
    Remove,          // a red cross
    Load,            // an open folder
    Save,            // a floppy disk
    NewProfile,      // a blank page with a yellow sparkle
    Print,           // a printer
    Refresh,         // a circular arrow
    Properties,      // the cross-section of an I beam with its centroid
    StandardSection, // a lipped channel
};

QIcon ButtonIcon(ButtonPicture picture);
