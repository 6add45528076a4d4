#include "look.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QStringList>
#include <cmath>
#include <cstring>

namespace rt {

namespace {

// Free look-alikes from Debian's font packages, closest first. Windows name
// the faces they were drawn with; a font asks for the installed families
// directly, so that the font system never looks for a face it lacks.
struct Candidates {
    const char* face;
    const char* families[2];
};

constexpr Candidates kStandIns[] = {
    {"MS Sans Serif", {"Liberation Sans", "DejaVu Sans"}},
    {"Georgia", {"DejaVu Serif", "Liberation Serif"}},
    {"Comic Sans MS", {"Comic Neue", "DejaVu Sans"}},
};

QStringList familiesFor(const char* face)
{
    for (const Candidates& c : kStandIns) {
        if (std::strcmp(c.face, face) == 0)
            return {QString::fromLatin1(c.families[0]), QString::fromLatin1(c.families[1])};
    }
    return {QString::fromLatin1(face)};
}

} // namespace

QFont font(const FontSpec& wanted)
{
    const FontSpec& s = wanted.face ? wanted : kDefaultFont;
    QFont f;
    f.setFamilies(familiesFor(s.face));
    f.setPixelSize(int(std::lround(s.points * 96.0 / 72.0)));
    f.setBold(s.bold);
    f.setItalic(s.italic);
    return f;
}

QColor color(SystemColor c)
{
    // Fixed colours on which black text keeps a contrast of at least 4.5:1.
    switch (c) {
    case SystemColor::Desktop:
        return QColor(0x5F, 0x9E, 0xA0);
    case SystemColor::ApplicationWorkspace:
        return QColor(0xAB, 0xAB, 0xAB);
    case SystemColor::ScrollBar:
        break;
    }
    return QColor(0xD4, 0xD0, 0xC8);
}

QPalette palette(SystemColor background)
{
    const QColor black(0x00, 0x00, 0x00), white(0xFF, 0xFF, 0xFF);
    const QColor greyText(0x4A, 0x4A, 0x4A); // disabled, and placeholders
    QPalette p(black, color(background));
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool off = group == QPalette::Disabled;
        const QColor text = off ? greyText : black;
        p.setColor(group, QPalette::Window, color(background));
        p.setColor(group, QPalette::WindowText, text);
        // A box that takes no input is grey, so that nobody tries to type into it.
        p.setColor(group, QPalette::Base, off ? QColor(0xE1, 0xE1, 0xE1) : white);
        p.setColor(group, QPalette::AlternateBase, QColor(0xF2, 0xF2, 0xF2));
        p.setColor(group, QPalette::Text, text);
        p.setColor(group, QPalette::PlaceholderText, greyText);
        p.setColor(group, QPalette::Button, QColor(0xE1, 0xE1, 0xE1));
        p.setColor(group, QPalette::ButtonText, text);
        p.setColor(group, QPalette::BrightText, white);
        p.setColor(group, QPalette::Light, white);
        p.setColor(group, QPalette::Midlight, QColor(0xE8, 0xE8, 0xE8));
        p.setColor(group, QPalette::Mid, QColor(0xA0, 0xA0, 0xA0));
        p.setColor(group, QPalette::Dark, QColor(0x69, 0x69, 0x69));
        p.setColor(group, QPalette::Shadow, black);
        p.setColor(group, QPalette::Highlight, QColor(0x0A, 0x4F, 0x9E));
        p.setColor(group, QPalette::HighlightedText, white);
        p.setColor(group, QPalette::Link, QColor(0x00, 0x00, 0xCC));
        p.setColor(group, QPalette::LinkVisited, QColor(0x55, 0x1A, 0x8B));
        p.setColor(group, QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xDC));
        p.setColor(group, QPalette::ToolTipText, black);
    }
    return p;
}

void roomForCaption(QAbstractButton* button)
{
    const QFontMetrics metrics = button->fontMetrics();
    button->setMinimumWidth(metrics.horizontalAdvance(button->text()) +
                            2 * metrics.averageCharWidth() + 8);
}

} // namespace rt
