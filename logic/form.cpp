#include "form.h"

#include <QStringBuilder>

#include <array>
#include <span>

namespace tutor {

using namespace Qt::StringLiterals;

namespace {

template <std::size_t N>
constexpr std::array<Ctl, N> run(Ctl first)
{
    std::array<Ctl, N> out{};
    for (std::size_t i = 0; i < N; ++i)
        out[i] = nth(first, int(i));
    return out;
}

template <std::size_t... N>
constexpr auto concat(const std::array<Ctl, N> &...parts)
{
    std::array<Ctl, (N + ...)> out{};
    std::size_t at = 0;
    ((std::copy(parts.begin(), parts.end(), out.begin() + at), at += N), ...);
    return out;
}

// Everything ClearDisplay hides, in the order it hides them.
constexpr auto kClearOrder =
    concat(std::array{Ctl::Command11, Ctl::Command12, Ctl::Text2}, run<26>(Ctl::Show_A), std::array{Ctl::S1, Ctl::S0},
           run<26>(Ctl::SA), run<22>(Ctl::Image2), run<24>(Ctl::Wk1), std::array{Ctl::DMA, Ctl::DMB}, run<13>(Ctl::DM1),
           run<11>(Ctl::HD1));
static_assert(kClearOrder.size() == 129);

// The section buttons left to right; colours are reset in this order.
constexpr std::array kSectionButtons{Ctl::Command4, Ctl::Command5,  Ctl::Command6, Ctl::Command7,
                                     Ctl::Command8, Ctl::Command13, Ctl::Command9, Ctl::Command10};
// Entering and leaving learn state shows and hides them in tab order instead.
constexpr std::array kSectionButtonsByTab{Ctl::Command4, Ctl::Command5, Ctl::Command6,  Ctl::Command7,
                                          Ctl::Command8, Ctl::Command9, Ctl::Command10, Ctl::Command13};

constexpr auto kLesson1 = run<7>(Ctl::Image3);
constexpr auto kLesson2 = run<14>(Ctl::Image10);
constexpr auto kDrill = concat(run<24>(Ctl::Wk1), run<12>(Ctl::DM2)); // DM1 belongs to no section
constexpr std::array kDemo{Ctl::DMA, Ctl::DMB};
constexpr auto kRadicals = run<11>(Ctl::HD1);

struct Section
{
    Ctl button;
    qint16 FormState::*flag;
    std::span<const Ctl> pages;
    // The demonstration neither stops at its first page nor wraps at its last:
    // its two buttons pick one page each.
    bool wraps;
    QStringView previousCaption;
    QStringView nextCaption;
};

// In the order the page buttons try them.
const std::array<Section, 5> kSections{{
    {Ctl::Command6, &FormState::InLesson1, kLesson1, true, u"上頁", u"下頁"},
    {Ctl::Command7, &FormState::InLesson2, kLesson2, true, u"上頁", u"下頁"},
    {Ctl::Command8, &FormState::InDrill, kDrill, true, u"上頁", u"下頁"},
    {Ctl::Command9, &FormState::InDemo, kDemo, false, u"首碼", u"尾碼"},
    {Ctl::Command10, &FormState::InRadicals, kRadicals, true, u"上頁", u"下頁"},
}};

// The maker's particulars are placeholders under the reserved .example domain.
constexpr QStringView kWebAddress = u"www.tamlo.example";
constexpr QStringView kCompanyName = u"Tamlo Information Technology Centre";
constexpr QStringView kEmail = u"info@tamlo.example";

struct Piece
{
    int breaksBefore; // line breaks between the previous piece and this one
    int spaces;       // indent at the start of the piece
    QString text;
};

std::array<Piece, 11> introductionPieces()
{
    return {{
        {0, 0, u"【Brevik輸入法】"_s},
        {1, 8,
         u"Brevik輸入法是先將Tamlo輸入法學習好，利用Tamlo速成轉換表以Tamlo的輸入方法轉換為速成碼來學習速成，再以速成輸入。"_s},
        {1, 8,
         u"由於Tamlo輸入法易學以形象化字符拼砌輸入，可說是沒有拆不到碼的憂慮。使用『Brevik』可將過往速成未能拆碼的疑惑解開。能夠使用『Brevik』即是Tamlo、速成都能學會。"_s},
        {2, 0, u"【程式使用說明】"_s},
        {1, 8,
         u"按下畫面上的Tamlo字母鍵盤，可以看見字母相對應的轉碼圖，找出需要的字形，字形下面有速成按鍵的首尾碼即紅藍色碼。用法是隨著輸入首個Tamlo字母來讀取速成的首碼（紅色碼），以及取最尾的Tamlo字母來讀取速成的尾碼（藍色碼）。"_s},
        {2, 8,
         u"如欲了解更多及網上免費使用，可以到本公的官方司網站 " % kWebAddress %
             u" 內查看：[Tamlo打速成] 作更進一步了解。"},
        {2, 0, u"【Tamlo輸入法產品介紹】"_s},
        {1, 8,
         u"Tamlo輸入法不但易學，以形象輸入更覺易用，不單直出無重碼，更有容錯和一字多法功能。每字最多輸入五碼，平均一字輸入2.7鍵快而準。 "_s},
        {2, 27, u"我手打我字、Tamlo稱心意"_s},
        {2, 0, u"Tamlo資訊科技中心 " % kCompanyName},
        {1, 12, kWebAddress % u"    Email: " % kEmail},
    }};
}

QString withBreaks(const Piece &piece)
{
    QString out;
    for (int i = 0; i < piece.breaksBefore; ++i)
        out += u"\r\n";
    return out % QString(piece.spaces, u' ') % piece.text;
}

} // namespace

Form::Form(Controls &ui)
    : m_ui(ui)
{}

void Form::ClearDisplay()
{
    for (Ctl c : kClearOrder)
        m_ui.setVisible(c, false);
}

void Form::Form_Load()
{
    m_state.InLesson1 = 0;
    m_state.InLesson2 = 0;
}

// ---- letter keys and the chart switch ----

void Form::showChartOf(int letter)
{
    ClearDisplay();
    if (m_ui.value(Ctl::Check1) == 0)
        m_ui.setVisible(nth(Ctl::Show_A, letter), true);
    else
        m_ui.setVisible(nth(Ctl::SA, letter), true);
}

// Every key shows its own letter's chart; the index it is given plays no part.
#define TUTOR_KEY_HANDLER(L)                                                                                           \
    void Form::L##_Click(qint16 /*Index*/)                                                                             \
    {                                                                                                                  \
        showChartOf(indexOf(Ctl::L) - indexOf(Ctl::A));                                                                \
    }
TUTOR_LETTERS(TUTOR_KEY_HANDLER)
#undef TUTOR_KEY_HANDLER

void Form::Check1_Click()
{
    ClearDisplay();
    m_ui.setVisible(m_ui.value(Ctl::Check1) == 0 ? Ctl::S0 : Ctl::S1, true);
    if (m_ui.visible(Ctl::Text1))
        m_ui.setFocus(Ctl::Text1);
}

// ---- section buttons ----

void Form::highlight(Ctl chosen)
{
    for (Ctl b : kSectionButtons)
        if (b != chosen)
            m_ui.setBackColor(b, kButtonFace);
    m_ui.setBackColor(chosen, kHighlight);
}

void Form::clearSectionFlags()
{
    m_state.InLesson1 = 0;
    m_state.InLesson2 = 0;
    m_state.InDrill = 0;
    m_state.InDemo = 0;
    m_state.InRadicals = 0;
}

void Form::openPagedSection(int section)
{
    const Section &s = kSections[std::size_t(section)];
    highlight(s.button);
    clearSectionFlags();
    m_ui.setWindowHeight(kLearnHeight);
    ClearDisplay();
    m_ui.setVisible(Ctl::Command11, true);
    m_ui.setVisible(Ctl::Command12, true);
    m_ui.setVisible(s.pages.front(), true);
    m_state.*s.flag = 1;
    m_ui.setCaption(Ctl::Command11, s.previousCaption.toString());
    m_ui.setCaption(Ctl::Command12, s.nextCaption.toString());
}

void Form::Command4_Click()
{
    highlight(Ctl::Command4);
    clearSectionFlags();
    m_ui.setWindowHeight(kLearnHeight);
    ClearDisplay();
    m_ui.setVisible(Ctl::Text2, true);
    composeIntroduction();
}

void Form::composeIntroduction()
{
    const auto pieces = introductionPieces();
    m_ui.setText(Ctl::Text2, pieces[0].text % withBreaks(pieces[1]));
    for (std::size_t i = 2; i < pieces.size(); ++i)
        m_ui.setText(Ctl::Text2, m_ui.text(Ctl::Text2) % withBreaks(pieces[i]));
}

void Form::Command5_Click()
{
    highlight(Ctl::Command5);
    clearSectionFlags();
    m_ui.setWindowHeight(kLearnHeight);
    ClearDisplay();
    m_ui.setVisible(Ctl::Image2, true);
}

void Form::Command6_Click()
{
    openPagedSection(0);
}
void Form::Command7_Click()
{
    openPagedSection(1);
}
void Form::Command8_Click()
{
    openPagedSection(2);
}
void Form::Command9_Click()
{
    openPagedSection(3);
}
void Form::Command10_Click()
{
    openPagedSection(4);
}

void Form::Command13_Click()
{
    ClearDisplay();
    highlight(Ctl::Command13);
    clearSectionFlags();
    m_ui.setWindowHeight(kTallHeight);
    m_ui.setValue(Ctl::Check1, 1);
    m_ui.setVisible(Ctl::S1, true);
    m_ui.setEnabled(Ctl::Check1, false);
}

// ---- page buttons ----

void Form::Command11_Click()
{
    for (const Section &s : kSections)
        if (s.wraps && m_ui.visible(s.pages.front()))
            return;

    for (const Section &s : kSections) {
        if (m_state.*s.flag != 1)
            continue;
        for (std::size_t i = 1; i < s.pages.size(); ++i) {
            if (m_ui.visible(s.pages[i])) {
                ClearDisplay();
                m_ui.setVisible(s.pages[i - 1], true);
                break;
            }
        }
    }
    m_ui.setVisible(Ctl::Command11, true);
    m_ui.setVisible(Ctl::Command12, true);
}

void Form::Command12_Click()
{
    for (const Section &s : kSections) {
        if (!m_ui.visible(s.pages.back()))
            continue;
        ClearDisplay();
        if (s.wraps) {
            m_ui.setVisible(s.pages.front(), true);
            m_state.*s.flag = 0;
        } else {
            m_ui.setVisible(s.pages.back(), true);
            m_ui.setVisible(Ctl::Command11, true);
            m_ui.setVisible(Ctl::Command12, true);
        }
        return;
    }

    for (const Section &s : kSections) {
        if (m_state.*s.flag != 1)
            continue;
        for (std::size_t i = 0; i + 1 < s.pages.size(); ++i) {
            if (m_ui.visible(s.pages[i])) {
                ClearDisplay();
                m_ui.setVisible(s.pages[i + 1], true);
                break;
            }
        }
    }
    m_ui.setVisible(Ctl::Command11, true);
    m_ui.setVisible(Ctl::Command12, true);
}

// ---- practice row and the learn/practice toggle ----

void Form::Command1_Click()
{
    ClearDisplay();
    m_ui.setSelStart(Ctl::Text1, 0);
    m_ui.setSelLength(Ctl::Text1, int(m_ui.text(Ctl::Text1).size()));
    m_ui.copySelection(Ctl::Text1);
    m_ui.setFocus(Ctl::Text1);
}

void Form::Command2_Click()
{
    ClearDisplay();
    m_ui.setValue(Ctl::Check1, 0);
    m_ui.setText(Ctl::Text1, QString());
    m_ui.setFocus(Ctl::Text1);
}

void Form::Command3_Click()
{
    if (m_state.LearnMode == 0) {
        m_state.LearnMode = 1;
        m_ui.setVisible(Ctl::Command1, false);
        m_ui.setVisible(Ctl::Text1, false);
        m_ui.setVisible(Ctl::Command2, false);
        m_ui.setWindowHeight(kLearnHeight);
        m_ui.setTop(Ctl::Command3, 4320);
        m_ui.setCaption(Ctl::Command3, u"重 設"_s);
        for (Ctl b : kSectionButtonsByTab)
            m_ui.setVisible(b, true);
        ClearDisplay();
    } else {
        for (Ctl b : kSectionButtons)
            m_ui.setBackColor(b, kButtonFace);
        m_state.LearnMode = 0;
        m_ui.setVisible(Ctl::Command1, true);
        m_ui.setVisible(Ctl::Text1, true);
        m_ui.setVisible(Ctl::Command2, true);
        m_ui.setWindowHeight(kTallHeight);
        m_ui.setTop(Ctl::Command3, 6960);
        m_ui.setEnabled(Ctl::Check1, true);
        m_ui.setValue(Ctl::Check1, 0);
        m_ui.setCaption(Ctl::Command3, u"學 習"_s);
        for (Ctl b : kSectionButtonsByTab)
            m_ui.setVisible(b, false);
        m_ui.setFocus(Ctl::Text1);
        ClearDisplay();
    }
}

// ---- dispatch ----

void Form::click(Ctl control, qint16 index)
{
    switch (control) {
    case Ctl::Command1: Command1_Click(); break;
    case Ctl::Command2: Command2_Click(); break;
    case Ctl::Command3: Command3_Click(); break;
    case Ctl::Command4: Command4_Click(); break;
    case Ctl::Command5: Command5_Click(); break;
    case Ctl::Command6: Command6_Click(); break;
    case Ctl::Command7: Command7_Click(); break;
    case Ctl::Command8: Command8_Click(); break;
    case Ctl::Command9: Command9_Click(); break;
    case Ctl::Command10: Command10_Click(); break;
    case Ctl::Command11: Command11_Click(); break;
    case Ctl::Command12: Command12_Click(); break;
    case Ctl::Command13: Command13_Click(); break;
#define TUTOR_KEY_CASE(L)                                                                                              \
    case Ctl::L: L##_Click(index); break;
        TUTOR_LETTERS(TUTOR_KEY_CASE)
#undef TUTOR_KEY_CASE
    default: break;
    }
}

} // namespace tutor
