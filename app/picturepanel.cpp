#include "picturepanel.h"

#include "placeholder.h"

#include <QMouseEvent>
#include <QPainter>

namespace tutor {

PicturePanel::PicturePanel(const assets::Picture &picture, QWidget *parent)
    : QWidget(parent)
    , m_picture(picture)
{
    setFocusPolicy(Qt::NoFocus);
    // Every picture is opaque and covers its whole rectangle.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PicturePanel::setPixmap(const QPixmap &pixmap)
{
    m_pixmap = pixmap;
    update();
}

void PicturePanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!m_pixmap.isNull()) {
        painter.drawPixmap(rect(), m_pixmap, m_pixmap.rect());
        return;
    }
    painter.scale(double(width()) / m_picture.width, double(height()) / m_picture.height);
    assets::paintPlaceholder(painter, m_picture);
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
