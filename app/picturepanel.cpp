#include "picturepanel.h"

#include <QMouseEvent>
#include <QPainter>

namespace tutor {

PicturePanel::PicturePanel(const QImage &picture, QWidget *parent)
    : QWidget(parent)
    , m_picture(picture)
{
    setFocusPolicy(Qt::NoFocus);
    // Every picture is opaque and covers its whole rectangle.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PicturePanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), m_picture);
}

void PicturePanel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void PicturePanel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

} // namespace tutor
