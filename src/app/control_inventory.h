#pragma once

#include <QStyle>
#include <span>

namespace vantorix::app {

enum class ControlKind { Frame, Label, TextBox, ListBox, Button, Option, CheckBox, Browser };
enum class TextColour { Default, Blue, Red };

enum ControlFlag : unsigned {
    NoFlags = 0,
    Selected = 1, // option button chosen at start-up
    Disabled = 2, // text box that cannot be edited
    WordWrap = 4, // label text wraps inside its box
};

// One control of the main window as designed: geometry in twips, relative to
// its frame when it has one, otherwise to the window's client area.
struct ControlSpec
{
    const char *name;
    ControlKind kind;
    const char16_t *caption; // caption or initial text
    const char *frame;       // containing frame, or nullptr
    int left;
    int top;
    int width;
    int height;
    int tabIndex;
    TextColour colour;
    unsigned flags;
    QStyle::StandardPixmap icon; // buttons only
};

// The window's client area in twips.
inline constexpr int kClientWidthTwips = 11265;
inline constexpr int kClientHeightTwips = 7980;

// Frames come before the controls they contain.
std::span<const ControlSpec> controlInventory();

} // namespace vantorix::app
