#pragma once

#include <QCheckBox>

namespace tutor {

// A check box too narrow for its box and caption side by side: the box sits
// centred at the top and the caption centred below it. The whole face is the
// click surface.
class CompactCheckBox final : public QCheckBox
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CompactCheckBox)

public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;
};

} // namespace tutor
