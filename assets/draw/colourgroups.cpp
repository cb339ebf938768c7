#include "colourgroups.h"

#include <string_view>

namespace tutor::assets {

namespace {

struct Group
{
    std::string_view keys;
    QRgb face, rim, side, frame, tile;
};

// Columns: keys, cap face, cap lower rim, cap left side, chart frame and corner, shape tile.
// clang-format off
constexpr Group kGroups[] = {
    {"AGHOP", 0x00FFFF, 0x00CACA, 0x008080, 0x80FFFF, 0x00FFFF}, // cyan
    {"TYBN",  0xFFFF00, 0xFFC90E, 0xFF7F27, 0xFFFF00, 0xFFFF00}, // yellow
    {"ESDFC", 0x8080FF, 0x0080FF, 0x004080, 0xA4A4FF, 0x8080FF}, // violet
    {"IJKLM", 0xFF8080, 0xF20079, 0x800000, 0xFFB0B0, 0xFF8080}, // red
    {"WRXV",  0xFFC4FF, 0xFF20FF, 0x800080, 0xFFDFFF, 0xFFACFF}, // pink
    {"QUZ",   0xCACACA, 0x808080, 0x676767, 0xC0C0C0, 0xC0C0C0}, // grey
};
// clang-format on

// Key A's cap has a rim and side of its own.
constexpr QRgb kRimOfA = 0x99D9EA;
constexpr QRgb kSideOfA = 0x7092BE;

} // namespace

KeyColours coloursOf(QChar key)
{
    for (const Group &g : kGroups) {
        if (g.keys.find(char(key.unicode())) == std::string_view::npos)
            continue;
        KeyColours c{QColor(g.face), QColor(g.rim), QColor(g.side), QColor(g.frame), QColor(g.tile)};
        if (key == u'A') {
            c.rim = QColor(kRimOfA);
            c.side = QColor(kSideOfA);
        }
        return c;
    }
    return {Qt::gray, Qt::darkGray, Qt::darkGray, Qt::gray, Qt::gray};
}

} // namespace tutor::assets
