#include "compactcheckbox.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace tutor {

void CompactCheckBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    painter.fillRect(rect(), palette().color(backgroundRole()));

    QStyleOptionButton option;
    initStyleOption(&option);
    const int side = style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this);
    const QFontMetrics metrics = fontMetrics();
    const int gap = 2;
    const int top = std::max(0, (height() - side - gap - metrics.height()) / 2);

    QStyleOptionButton indicator = option;
    indicator.rect = QRect((width() - side) / 2, top, side, side);
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, indicator);

    const QRect caption(0, top + side + gap, width(), metrics.height());
    painter.drawItemText(caption, Qt::AlignHCenter | Qt::AlignTop, palette(), isEnabled(), text(),
                         QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = metrics.boundingRect(caption, Qt::AlignHCenter | Qt::AlignTop, text()).adjusted(-1, 0, 1, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool CompactCheckBox::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

} // namespace tutor
