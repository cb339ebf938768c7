#include "units.h"

#include <QPalette>

#include <cmath>

namespace tutor {

int twipsToPixels(int twips)
{
    return int(std::lround(double(twips) / kTwipsPerPixel));
}

QRect twipsToPixels(int left, int top, int width, int height)
{
    const int x = twipsToPixels(left);
    const int y = twipsToPixels(top);
    return QRect(x, y, twipsToPixels(left + width) - x, twipsToPixels(top + height) - y);
}

QColor colourOf(VbColor color, const QPalette &palette)
{
    if ((color & 0x80000000u) == 0)
        return QColor(int(color & 0xff), int((color >> 8) & 0xff), int((color >> 16) & 0xff));

    // The system colours by number, as the desktop's palette names them.
    switch (color & 0xffu) {
    case 0: return palette.color(QPalette::Mid);                               // scroll bar
    case 1: return palette.color(QPalette::Dark);                              // desktop
    case 2: return palette.color(QPalette::Active, QPalette::Highlight);       // active caption
    case 3: return palette.color(QPalette::Inactive, QPalette::Highlight);     // inactive caption
    case 4: return palette.color(QPalette::Window);                            // menu bar
    case 5: return palette.color(QPalette::Base);                              // window background
    case 6: return palette.color(QPalette::Shadow);                            // window frame
    case 7: return palette.color(QPalette::WindowText);                        // menu text
    case 8: return palette.color(QPalette::Text);                              // window text
    case 9: return palette.color(QPalette::Active, QPalette::HighlightedText); // caption text
    case 10: return palette.color(QPalette::Button);                           // active border
    case 11: return palette.color(QPalette::Button);                           // inactive border
    case 12: return palette.color(QPalette::Dark);                             // workspace
    case 13: return palette.color(QPalette::Highlight);
    case 14: return palette.color(QPalette::HighlightedText);
    case 15: return palette.color(QPalette::Button);                   // button face
    case 16: return palette.color(QPalette::Mid);                      // button shadow
    case 17: return palette.color(QPalette::Disabled, QPalette::Text); // grey text
    case 18: return palette.color(QPalette::ButtonText);
    case 19: return palette.color(QPalette::Inactive, QPalette::HighlightedText); // inactive caption text
    case 20: return palette.color(QPalette::Light);                               // button highlight
    case 21: return palette.color(QPalette::Shadow);                              // 3D dark shadow
    case 22: return palette.color(QPalette::Midlight);                            // 3D light
    case 23: return palette.color(QPalette::ToolTipText);
    case 24: return palette.color(QPalette::ToolTipBase);
    }
    return palette.color(QPalette::Window);
}

} // namespace tutor
