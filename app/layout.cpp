#include "layout.h"

namespace tutor {

namespace {

using enum Kind;

constexpr VbColor kGreen = 0x0000FF00;
constexpr VbColor kPink = 0x00FF80FF;
constexpr VbColor kBlack = 0x00000000;
constexpr VbColor kLightBlue = 0x00FF8080;
constexpr VbColor kBlue = 0x00FF0000;

// Legend of the columns:
//   control, kind, left, top, width, height (twips), caption,
//   font size in tenths of a point (0: the window's), bold, graphical style,
//   back colour, text colour (0: none of its own), tab place (-1: no focus),
//   visible at start, key index (-1: not a key).
// Rows run back to front. The focusable controls lie over every picture panel.
// clang-format off
constexpr ControlSpec kBackground[] = {
    {Ctl::Image1, Picture, 0, 0, 8775, 4275, {}, 0, false, false, 0, 0, -1, true, -1},
};

constexpr ControlSpec kFront[] = {
    {Ctl::Text2,     TextBox,    0,    0,    8775, 4250, {},        144, true,  false, 0,          kBlue,      15, false, -1},
    {Ctl::Text1,     TextBox,    1200, 4320, 6615, 735,  {},        0,   false, false, 0,          0,          0,  true,  -1},
    {Ctl::Command1,  PushButton, 360,  4320, 735,  735,  u"複 製",  120, false, true,  kGreen,     0,          1,  true,  -1},
    {Ctl::Command2,  PushButton, 7920, 4320, 735,  735,  u"重設",   120, false, true,  kPink,      0,          2,  true,  -1},
    {Ctl::Command3,  PushButton, 6960, 6960, 1695, 615,  u"學習",   144, false, false, 0,          0,          3,  true,  -1},
    {Ctl::Command4,  PushButton, 120,  4320, 800,  615,  u"簡介",   114, false, true,  kButtonFace, 0,         4,  false, -1},
    {Ctl::Command5,  PushButton, 960,  4320, 800,  615,  u"產品",   114, false, true,  kButtonFace, 0,         5,  false, -1},
    {Ctl::Command6,  PushButton, 1800, 4320, 800,  615,  u"課程1",  114, false, true,  kButtonFace, 0,         6,  false, -1},
    {Ctl::Command7,  PushButton, 2640, 4320, 800,  615,  u"課程2",  114, false, true,  kButtonFace, 0,         7,  false, -1},
    {Ctl::Command8,  PushButton, 3480, 4320, 800,  615,  u"實戰",   114, false, true,  kButtonFace, 0,         8,  false, -1},
    {Ctl::Command9,  PushButton, 5160, 4320, 800,  615,  u"示範",   114, false, true,  kButtonFace, 0,         9,  false, -1},
    {Ctl::Command10, PushButton, 6000, 4320, 800,  615,  u"部首",   114, false, true,  kButtonFace, 0,         10, false, -1},
    {Ctl::Check1,    CheckBox,   240,  6960, 615,  615,  u"Tamlo",  114, true,  false, kBlack,     kLightBlue, 11, true,  -1},
    {Ctl::Command11, PushButton, 8100, 1080, 495,  735,  u"上頁",   114, false, false, 0,          0,          12, false, -1},
    {Ctl::Command12, PushButton, 8100, 2400, 495,  735,  u"下頁",   114, false, false, 0,          0,          13, false, -1},
    {Ctl::Command13, PushButton, 4320, 4320, 800,  615,  u"字母",   114, false, true,  kButtonFace, 0,         14, false, -1},
};
// clang-format on

// The letter keys stand in three QWERTY rows; each key overlaps its left neighbour
// and the row above by 15 twips. Back to front is QWERTY order.
struct KeyRow
{
    std::u16string_view letters;
    int top;
    int firstLeft;
};
constexpr KeyRow kKeyRows[] = {
    {u"QWERTYUIOP", 5160, 240},
    {u"ASDFGHJKL", 6000, 480},
    {u"ZXCVBNM", 6840, 960},
};
constexpr int kKeyStep = 840;
constexpr int kKeySize = 855;

// The display panels, back to front. All cover the display area.
struct PanelRun
{
    Ctl first;
    int count;
};
constexpr PanelRun kDisplayPanels[] = {
    {Ctl::Show_A, 26}, {Ctl::Image2, 22}, {Ctl::Wk1, 24}, {Ctl::DM1, 13}, {Ctl::HD1, 11},
    {Ctl::SA, 26},     {Ctl::S1, 1},      {Ctl::S0, 1},   {Ctl::DMA, 1},  {Ctl::DMB, 1},
};

constexpr std::array<ControlSpec, kControlCount> build()
{
    std::array<ControlSpec, kControlCount> out{};
    std::size_t n = 0;
    for (const ControlSpec &c : kBackground)
        out[n++] = c;
    int index = 0;
    for (const KeyRow &row : kKeyRows) {
        for (std::size_t k = 0; k < row.letters.size(); ++k) {
            const Ctl key = nth(Ctl::A, int(row.letters[k] - u'A'));
            out[n++] = {key,     Picture,  row.firstLeft + kKeyStep * int(k),
                        row.top, kKeySize, kKeySize,
                        {},      0,        false,
                        false,   0,        0,
                        -1,      true,     index++};
        }
    }
    for (const PanelRun &run : kDisplayPanels)
        for (int i = 0; i < run.count; ++i)
            out[n++] = {nth(run.first, i), Picture, 0, 0, 8700, 4275, {}, 0, false, false, 0, 0, -1, false, -1};
    for (const ControlSpec &c : kFront)
        out[n++] = c;
    if (n != out.size())
        throw "the layout must name every control once";
    return out;
}

constexpr std::array<ControlSpec, kControlCount> kLayout = build();

} // namespace

const std::array<ControlSpec, kControlCount> &controlTable()
{
    return kLayout;
}

} // namespace tutor
