#pragma once

#include <QColor>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

class QPainter;

namespace tutor::assets {

// One stroke of a Tamlo letter, in the 20 x 20 design box.
struct LetterStroke
{
    enum Kind { Line, Loop, Wide, Hollow, Spot, OpenDot };
    Kind kind;
    QList<QPointF> points;
    double radius = 0; // Spot only
};

struct TamloLetter
{
    QString id;   // "A-1"
    QChar key;    // 'A'
    int number;   // 1
    QString name; // the lessons' name for it; empty where they give none
    std::vector<LetterStroke> strokes;
};

// The 65 Tamlo letters, read from their data file.
class Alphabet
{
public:
    // Reads the file; on a fault returns nothing and sets error to "file:line: what".
    static std::optional<Alphabet> load(const QString &path, QString *error);
    static std::optional<Alphabet> parse(const QString &text, const QString &fileName, QString *error);

    const std::vector<TamloLetter> &letters() const { return m_letters; }
    const TamloLetter *letter(QStringView id) const;
    // A key's letters in number order.
    std::vector<const TamloLetter *> lettersOf(QChar key) const;

private:
    std::vector<TamloLetter> m_letters;
};

// Draws a letter to fill the square box, in the given ink. Strokes are about a
// ninth of the box wide, never under one pixel; open dots are white squares
// outlined in black whatever the ink.
void drawLetter(QPainter &painter, const TamloLetter &letter, const QRectF &box, const QColor &ink);

} // namespace tutor::assets
