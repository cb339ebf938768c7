#pragma once

#include "controls.h"

#include <array>
#include <string_view>

namespace tutor {

enum class Kind : std::uint8_t { PushButton, CheckBox, TextBox, Picture };

struct ControlSpec
{
    Ctl id;
    Kind kind;
    int left, top, width, height; // twips
    std::u16string_view caption;
    int fontTenths; // point size in tenths; 0 = the window's own font
    bool bold;
    bool graphical; // a push button that fills its face with its back colour
    VbColor back;   // 0 with no colour of its own
    VbColor fore;   // 0 with no colour of its own
    int tab;        // place in the tab order; -1 takes no focus
    bool visible;   // at start
    int index;      // a letter key's place in QWERTY order; -1 for the rest
};

// The window itself.
inline constexpr std::u16string_view kWindowCaption = u"Brevik輸入法";
inline constexpr int kClientWidth = 8748;  // twips
inline constexpr int kClientHeight = 7704; // twips
inline constexpr VbColor kWindowBack = 0x80000007;
inline constexpr int kWindowFontTenths = 120;
inline constexpr std::u16string_view kFontFamily = u"新細明體";

// The table's texts as Qt strings.
inline QString toQString(std::u16string_view s)
{
    return QString(reinterpret_cast<const QChar *>(s.data()), qsizetype(s.size()));
}

// Every control, back to front: a control is drawn over those before it.
const std::array<ControlSpec, kControlCount> &controlTable();

} // namespace tutor
