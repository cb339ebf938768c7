#include "form1.h"

#include "compactcheckbox.h"
#include "embedded.h"
#include "layout.h"
#include "picturepanel.h"
#include "units.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>

#include <algorithm>
#include <vector>

namespace tutor {

namespace {

QFont layoutFont(int tenths, bool bold)
{
    QFont font(toQString(kFontFamily));
    font.setPointSizeF(tenths / 10.0);
    font.setBold(bold);
    return font;
}

// A text box's document ends its lines with paragraph or line separators; plain
// text ends them with line feeds.
QString withLineFeeds(QString text)
{
    text.replace(QChar::ParagraphSeparator, u'\n');
    return text.replace(QChar::LineSeparator, u'\n');
}

// The logic counts a line break as carriage return and line feed.
QString withCrLf(const QString &text)
{
    return withLineFeeds(text).replace(u'\n', QLatin1StringView("\r\n"));
}

bool endsLine(QChar ch)
{
    return ch == QChar::ParagraphSeparator || ch == QChar::LineSeparator;
}

// Positions as the logic counts them (a line break is two characters) against
// positions in the document (where it is one).
int logicalPosition(const QTextDocument &doc, int documentPos)
{
    int units = 0;
    for (int at = 0; at < documentPos; ++at)
        units += endsLine(doc.characterAt(at)) ? 2 : 1;
    return units;
}

int documentPosition(const QTextDocument &doc, int logicalPos)
{
    const int end = doc.characterCount() - 1;
    int units = 0;
    int at = 0;
    for (; at < end && units < logicalPos; ++at)
        units += endsLine(doc.characterAt(at)) ? 2 : 1;
    return at;
}

} // namespace

Form1::Form1(QWidget *parent)
    : QWidget(parent)
    , m_form(*this)
{
    setWindowTitle(toQString(kWindowCaption));
    setFont(layoutFont(kWindowFontTenths, false));
    setFixedSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
    build();
    m_form.Form_Load();
    textBox(Ctl::Text1)->setFocus();
}

Form1::~Form1()
{
    // The check box must not call into the logic while the children are torn down.
    checkBox(Ctl::Check1)->disconnect(this);
}

void Form1::build()
{
    const assets::PicturePack &pictures = assets::embeddedPictures();
    setWindowIcon(QIcon(QPixmap::fromImage(pictures.image(u"Form1"))));
    std::vector<const ControlSpec *> tabOrder;
    for (const ControlSpec &row : controlTable()) {
        const Ctl id = row.id;
        QWidget *w = nullptr;
        switch (row.kind) {
        case Kind::PushButton: {
            auto *button = new QPushButton(toQString(row.caption), this);
            button->setAutoDefault(false);
            button->setFocusPolicy(Qt::StrongFocus);
            if (row.graphical) {
                QPalette pal = button->palette();
                pal.setColor(QPalette::Button, colourOf(row.back, palette()));
                button->setPalette(pal);
            }
            connect(button, &QPushButton::clicked, this, [this, id] { m_form.click(id); });
            w = button;
            break;
        }
        case Kind::CheckBox: {
            auto *box = new CompactCheckBox(toQString(row.caption), this);
            box->setBackgroundRole(QPalette::Window);
            QPalette pal = box->palette();
            pal.setColor(QPalette::Window, colourOf(row.back, palette()));
            pal.setColor(QPalette::Active, QPalette::WindowText, colourOf(row.fore, palette()));
            pal.setColor(QPalette::Inactive, QPalette::WindowText, colourOf(row.fore, palette()));
            pal.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
            box->setPalette(pal);
            connect(box, &QCheckBox::stateChanged, this, [this] { m_form.Check1_Click(); });
            w = box;
            break;
        }
        case Kind::TextBox: {
            auto *edit = new QPlainTextEdit(this);
            edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
            edit->setTabChangesFocus(true);
            if (row.fore != 0) {
                QPalette pal = edit->palette();
                pal.setColor(QPalette::Text, colourOf(row.fore, palette()));
                edit->setPalette(pal);
            }
            w = edit;
            break;
        }
        case Kind::Picture: {
            auto *panel = new PicturePanel(pictures.image(nameString(id)), this);
            if (row.index >= 0) {
                const auto index = qint16(row.index);
                connect(panel, &PicturePanel::clicked, this, [this, id, index] { m_form.click(id, index); });
            }
            w = panel;
            break;
        }
        }
        w->setObjectName(nameString(id));
        w->setGeometry(twipsToPixels(row.left, row.top, row.width, row.height));
        if (row.fontTenths != 0)
            w->setFont(layoutFont(row.fontTenths, row.bold));
        w->setHidden(!row.visible);
        m_widgets[std::size_t(indexOf(id))] = w;
        if (row.tab >= 0)
            tabOrder.push_back(&row);
    }

    std::sort(tabOrder.begin(), tabOrder.end(), [](auto *a, auto *b) { return a->tab < b->tab; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(widget(tabOrder[i - 1]->id), widget(tabOrder[i]->id));
}

QPlainTextEdit *Form1::textBox(Ctl c) const
{
    return static_cast<QPlainTextEdit *>(widget(c));
}

QCheckBox *Form1::checkBox(Ctl c) const
{
    return static_cast<QCheckBox *>(widget(c));
}

void Form1::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), colourOf(kWindowBack, palette()));
}

bool Form1::visible(Ctl c) const
{
    // The control's own flag, as the logic set it, whether or not the window is shown.
    return !widget(c)->isHidden();
}

void Form1::setVisible(Ctl c, bool on)
{
    widget(c)->setVisible(on);
}

void Form1::setCaption(Ctl c, const QString &caption)
{
    static_cast<QAbstractButton *>(widget(c))->setText(caption);
}

void Form1::setBackColor(Ctl c, VbColor color)
{
    QWidget *w = widget(c);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Button, colourOf(color, palette()));
    w->setPalette(pal);
}

void Form1::setTop(Ctl c, int twips)
{
    QWidget *w = widget(c);
    w->move(w->x(), twipsToPixels(twips));
}

int Form1::value(Ctl c) const
{
    switch (checkBox(c)->checkState()) {
    case Qt::Unchecked: return 0;
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    }
    return 0;
}

void Form1::setValue(Ctl c, int value)
{
    checkBox(c)->setCheckState(value == 0 ? Qt::Unchecked : value == 1 ? Qt::Checked : Qt::PartiallyChecked);
}

void Form1::setEnabled(Ctl c, bool on)
{
    widget(c)->setEnabled(on);
}

QString Form1::text(Ctl c) const
{
    return withCrLf(textBox(c)->document()->toRawText());
}

void Form1::setText(Ctl c, const QString &text)
{
    QString plain = text;
    plain.replace(QLatin1StringView("\r\n"), QLatin1StringView("\n"));
    textBox(c)->setPlainText(plain);
}

void Form1::setSelStart(Ctl c, int start)
{
    QPlainTextEdit *edit = textBox(c);
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(documentPosition(*edit->document(), start));
    edit->setTextCursor(cursor);
}

void Form1::setSelLength(Ctl c, int length)
{
    QPlainTextEdit *edit = textBox(c);
    const QTextDocument &doc = *edit->document();
    QTextCursor cursor = edit->textCursor();
    const int start = cursor.selectionStart();
    const int startUnits = logicalPosition(doc, start);
    cursor.setPosition(start);
    cursor.setPosition(documentPosition(doc, startUnits + std::max(0, length)), QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
}

void Form1::setFocus(Ctl c)
{
    widget(c)->setFocus(Qt::OtherFocusReason);
}

void Form1::copySelection(Ctl c)
{
    const QString selected = textBox(c)->textCursor().selectedText();
    if (!selected.isEmpty())
        QGuiApplication::clipboard()->setText(withLineFeeds(selected), QClipboard::Clipboard);
}

void Form1::setWindowHeight(int twips)
{
    // The height given is the outer one; whatever the frame takes comes off the client area.
    const int frame = frameGeometry().height() - geometry().height();
    setFixedHeight(std::max(1, twipsToPixels(twips) - frame));
}

} // namespace tutor
