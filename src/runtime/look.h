#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>

class QAbstractButton;

// Fonts and system colours as the window descriptions name them, mapped once
// onto what this machine has.
namespace rt {

struct FontSpec {
    const char* face = nullptr; // nullptr: the window's default font
    double points = 0;
    bool bold = false;
    bool italic = false;
};

inline constexpr FontSpec kDefaultFont{"MS Sans Serif", 8.25};

enum class SystemColor { Desktop, ApplicationWorkspace, ScrollBar };

// Registers, once at start, the installed families that stand in for the faces
// the descriptions name where the machine lacks them.
void installFonts();

// The installed family that stands in for the face a description names.
// Sizes are given in points at 96 dots per inch and set as pixels, so text keeps
// its proportion to the twip geometry whatever DPI the screen reports; Qt's
// device-pixel scaling enlarges both together.
QFont font(const FontSpec& wanted);

QColor color(SystemColor c);

// A button of a window laid out by Qt, wide enough to leave room on both
// sides of its caption in the font it has now.
void roomForCaption(QAbstractButton* button);

// Every colour a window draws with, fixed together with its background: texts,
// boxes, buttons and selections keep their contrast whatever palette the
// desktop sets, a dark one included.
QPalette palette(SystemColor background);

} // namespace rt
