#pragma once

#include "controls.h"

#include <QtGlobal>

namespace tutor {

// The window's six Integers. Section flags hold 0 or 1 and are compared with 1.
struct FormState
{
    qint16 LearnMode = 0;
    qint16 InLesson1 = 0;
    qint16 InLesson2 = 0;
    qint16 InDrill = 0;
    qint16 InDemo = 0;
    qint16 InRadicals = 0;

    friend bool operator==(const FormState &, const FormState &) = default;
};

// clang-format off
#define TUTOR_LETTERS(each) \
    each(A) each(B) each(C) each(D) each(E) each(F) each(G) each(H) each(I) each(J) each(K) each(L) each(M) \
    each(N) each(O) each(P) each(Q) each(R) each(S) each(T) each(U) each(V) each(W) each(X) each(Y) each(Z)
// clang-format on

// Heights of the whole window, frame included.
inline constexpr int kLearnHeight = 5400;
inline constexpr int kTallHeight = 8295;

// The tutor's behaviour: every event handler of the window, the state they share,
// and nothing else. It sees the window only through Controls.
class Form final
{
public:
    explicit Form(Controls &ui);
    Q_DISABLE_COPY_MOVE(Form)

    const FormState &state() const { return m_state; }

    void Form_Load();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();
    void Command13_Click();
    void Check1_Click();

#define TUTOR_KEY_HANDLER(L) void L##_Click(qint16 Index);
    TUTOR_LETTERS(TUTOR_KEY_HANDLER)
#undef TUTOR_KEY_HANDLER

    // Runs the click handler of a push button or a letter key; any other control
    // has no click handler and nothing happens.
    void click(Ctl control, qint16 index = 0);

private:
    void ClearDisplay();
    void showChartOf(int letter);
    void highlight(Ctl chosen);
    void clearSectionFlags();
    void openPagedSection(int section);
    void composeIntroduction();

    Controls &m_ui;
    FormState m_state;
};

} // namespace tutor
