#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tutor {

// Every control of the window, by the name the window gives it. The order groups
// the regular families so that a letter's chart is the family's first member plus
// the letter's place in the alphabet.
// clang-format off
#define TUTOR_CONTROLS(each) \
    /* push buttons */ \
    each(Command1) each(Command2) each(Command3) each(Command4) each(Command5) each(Command6) each(Command7) \
    each(Command8) each(Command9) each(Command10) each(Command11) each(Command12) each(Command13) \
    /* check box and text boxes */ \
    each(Check1) each(Text1) each(Text2) \
    /* background picture */ \
    each(Image1) \
    /* letter keys */ \
    each(A) each(B) each(C) each(D) each(E) each(F) each(G) each(H) each(I) each(J) each(K) each(L) each(M) each(N) each(O) each(P) each(Q) each(R) \
    each(S) each(T) each(U) each(V) each(W) each(X) each(Y) each(Z) \
    /* conversion charts */ \
    each(Show_A) each(Show_B) each(Show_C) each(Show_D) each(Show_E) each(Show_F) each(Show_G) each(Show_H) each(Show_I) \
    each(Show_J) each(Show_K) each(Show_L) each(Show_M) each(Show_N) each(Show_O) each(Show_P) each(Show_Q) each(Show_R) \
    each(Show_S) each(Show_T) each(Show_U) each(Show_V) each(Show_W) each(Show_X) each(Show_Y) each(Show_Z) \
    /* letter-shape charts */ \
    each(SA) each(SB) each(SC) each(SD) each(SE) each(SF) each(SG) each(SH) each(SI) each(SJ) each(SK) each(SL) each(SM) each(SN) each(SO) \
    each(SP) each(SQ) each(SR) each(SS) each(ST) each(SU) each(SV) each(SW) each(SX) each(SY) each(SZ) \
    /* legends */ \
    each(S0) each(S1) \
    /* product page and lessons */ \
    each(Image2) each(Image3) each(Image4) each(Image5) each(Image6) each(Image7) each(Image8) each(Image9) each(Image10) \
    each(Image11) each(Image12) each(Image13) each(Image14) each(Image15) each(Image16) each(Image17) each(Image18) \
    each(Image19) each(Image20) each(Image21) each(Image22) each(Image23) \
    /* drill pages */ \
    each(Wk1) each(Wk2) each(Wk3) each(Wk4) each(Wk5) each(Wk6) each(Wk7) each(Wk8) each(Wk9) each(Wk10) each(Wk11) each(Wk12) \
    each(Wk13) each(Wk14) each(Wk15) each(Wk16) each(Wk17) each(Wk18) each(Wk19) each(Wk20) each(Wk21) each(Wk22) each(Wk23) \
    each(Wk24) each(DM1) each(DM2) each(DM3) each(DM4) each(DM5) each(DM6) each(DM7) each(DM8) each(DM9) each(DM10) each(DM11) \
    each(DM12) each(DM13) \
    /* demonstration pages */ \
    each(DMA) each(DMB) \
    /* radical tables */ \
    each(HD1) each(HD2) each(HD3) each(HD4) each(HD5) each(HD6) each(HD7) each(HD8) each(HD9) each(HD10) each(HD11) \
    /* end */
// clang-format on

enum class Ctl : std::uint8_t {
#define TUTOR_ENUM(name) name,
    TUTOR_CONTROLS(TUTOR_ENUM)
#undef TUTOR_ENUM
};

inline constexpr int kControlCount = 0
#define TUTOR_COUNT(name) +1
    TUTOR_CONTROLS(TUTOR_COUNT)
#undef TUTOR_COUNT
    ;
static_assert(kControlCount == 169);

inline constexpr std::array<std::string_view, kControlCount> kControlNames = {
#define TUTOR_NAME(name) std::string_view(#name),
    TUTOR_CONTROLS(TUTOR_NAME)
#undef TUTOR_NAME
};

constexpr int indexOf(Ctl c)
{
    return static_cast<int>(c);
}

// The k-th member of a regular family: nth(Ctl::Show_A, 3) is Show_D.
constexpr Ctl nth(Ctl first, int k)
{
    return static_cast<Ctl>(indexOf(first) + k);
}

constexpr std::string_view nameOf(Ctl c)
{
    return kControlNames[static_cast<std::size_t>(c)];
}
QString nameString(Ctl c);

std::optional<Ctl> controlNamed(QStringView name);

// Colours as the layout writes them: 0x00BBGGRR, or 0x80000000 + n for system colour n.
using VbColor = std::uint32_t;
inline constexpr VbColor kButtonFace = 0x8000000F;
inline constexpr VbColor kHighlight = 0x0080C0FF;

// The narrow door through which the logic reaches the window. Everything is in the
// window's own terms: visible flags, captions, twips. Setting the check box's value
// to a different value must run Form::Check1_Click before it returns, as a user's
// click on the box does.
class Controls
{
public:
    virtual ~Controls() = default;

    virtual bool visible(Ctl c) const = 0;
    virtual void setVisible(Ctl c, bool on) = 0;
    virtual void setCaption(Ctl c, const QString &caption) = 0;
    virtual void setBackColor(Ctl c, VbColor color) = 0;
    virtual void setTop(Ctl c, int twips) = 0;
    virtual int value(Ctl c) const = 0;
    virtual void setValue(Ctl c, int value) = 0;
    virtual void setEnabled(Ctl c, bool on) = 0;
    // Text boxes: line breaks are carriage return + line feed, and positions count
    // the characters of that text (a line break counts two).
    virtual QString text(Ctl c) const = 0;
    virtual void setText(Ctl c, const QString &text) = 0;
    virtual void setSelStart(Ctl c, int start) = 0;
    virtual void setSelLength(Ctl c, int length) = 0;
    virtual void setFocus(Ctl c) = 0;
    // Puts the box's selected text on the system clipboard as plain text; an empty
    // selection leaves the clipboard alone.
    virtual void copySelection(Ctl c) = 0;
    // Outer height: title bar and frame included.
    virtual void setWindowHeight(int twips) = 0;
};

} // namespace tutor
