#pragma once

#include <QImage>
#include <QWidget>

namespace tutor {

// Shows one picture stretched to fill its rectangle, width and height each on
// their own. It never takes the focus; a press and release over it is a click.
class PicturePanel final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PicturePanel)

public:
    PicturePanel(const QImage &picture, QWidget *parent);

    const QImage &picture() const { return m_picture; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage m_picture;
    bool m_pressed = false;
};

} // namespace tutor
