#pragma once

// The tutor's one window.
//
// How a click flows: the window is built from the constant table in layout.cpp,
// one widget per row, in the row order, so that later rows lie in front. Each push
// button's clicked(), each letter key's PicturePanel::clicked() and the check box's
// stateChanged() call into Form (logic/form.h), which holds the six Integers and
// every handler. A handler changes the window only through the Controls interface,
// which this class implements on its widgets by control name: show or hide a
// panel, set a caption, a colour, the check box, a text, the selection, the focus,
// or the window's outer height. When a handler sets the check box to a new value,
// Qt's stateChanged() runs Check1_Click at once, inside that handler, exactly as a
// user's click on the box would. Nothing is loaded or decoded during a click: all
// pictures are bound to their panels when the window is built.

#include "controls.h"
#include "form.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QPlainTextEdit;

namespace tutor {

class Form1 final : public QWidget, public Controls
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form1)

public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    QWidget *widget(Ctl c) const { return m_widgets[std::size_t(indexOf(c))]; }
    const FormState &state() const { return m_form.state(); }
    Form &form() { return m_form; }

    // Controls
    bool visible(Ctl c) const override;
    void setVisible(Ctl c, bool on) override;
    void setCaption(Ctl c, const QString &caption) override;
    void setBackColor(Ctl c, VbColor color) override;
    void setTop(Ctl c, int twips) override;
    int value(Ctl c) const override;
    void setValue(Ctl c, int value) override;
    void setEnabled(Ctl c, bool on) override;
    QString text(Ctl c) const override;
    void setText(Ctl c, const QString &text) override;
    void setSelStart(Ctl c, int start) override;
    void setSelLength(Ctl c, int length) override;
    void setFocus(Ctl c) override;
    void copySelection(Ctl c) override;
    void setWindowHeight(int twips) override;

    using QWidget::setEnabled;
    using QWidget::setFocus;
    using QWidget::setVisible;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void build();
    QPlainTextEdit *textBox(Ctl c) const;
    QCheckBox *checkBox(Ctl c) const;

    std::array<QWidget *, kControlCount> m_widgets{};
    Form m_form;
};

} // namespace tutor
