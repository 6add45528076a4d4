#include "look.h"

#include <QStringList>
#include <cmath>

namespace rt {

namespace {

// Free look-alikes from Debian's font packages, closest first.
struct Candidates {
    const char* face;
    std::initializer_list<const char*> families;
};

const Candidates kSubstitutes[] = {
    {"MS Sans Serif", {"Liberation Sans", "DejaVu Sans"}},
    {"Georgia", {"DejaVu Serif", "Liberation Serif"}},
    {"Comic Sans MS", {"Comic Neue", "DejaVu Sans"}},
};

} // namespace

void installFonts()
{
    for (const auto& c : kSubstitutes) {
        QStringList families;
        for (const char* f : c.families)
            families << QString::fromLatin1(f);
        QFont::insertSubstitutions(QString::fromLatin1(c.face), families);
    }
}

QFont font(const FontSpec& wanted)
{
    const FontSpec& s = wanted.face ? wanted : kDefaultFont;
    QFont f(QString::fromLatin1(s.face));
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

} // namespace rt
