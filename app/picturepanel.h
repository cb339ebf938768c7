#pragma once

#include "catalogue.h"

#include <QPixmap>
#include <QWidget>

namespace tutor {

// Shows one picture stretched to fill its rectangle, width and height each on
// their own. It never takes the focus; a press and release over it is a click.
class PicturePanel final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PicturePanel)

public:
    PicturePanel(const assets::Picture &picture, QWidget *parent);

    const assets::Picture &picture() const { return m_picture; }
    void setPixmap(const QPixmap &pixmap);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    const assets::Picture &m_picture;
    QPixmap m_pixmap;
    bool m_pressed = false;
};

} // namespace tutor
