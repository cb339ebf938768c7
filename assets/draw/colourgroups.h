#pragma once

#include <QChar>
#include <QColor>

namespace tutor::assets {

// The colours a key and its charts take from the key's colour group.
struct KeyColours
{
    QColor face;  // top of the key cap
    QColor rim;   // the cap's lower and right rim
    QColor side;  // the band down the cap's left side
    QColor frame; // chart frames and their corner triangle
    QColor tile;  // the shape tiles on the charts
};

// For a key 'A' ... 'Z'.
KeyColours coloursOf(QChar key);

} // namespace tutor::assets
