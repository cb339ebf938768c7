#include "chartcards.h"

#include "colourgroups.h"
#include "figures.h"

#include <QPainter>
#include <QPainterPath>

#include <set>

namespace tutor::assets {

namespace {

const QColor kRed(0xFF, 0x00, 0x00);
const QColor kBlue(0x00, 0x00, 0xFF);
const QColor kLightBlue(0x00, 0x80, 0xFF);
const QColor kLightGrey(0xC0, 0xC0, 0xC0);
const QColor kPurple(0x80, 0x00, 0x80);
const QColor kGreen(0x00, 0x80, 0x00);
const QColor kMagenta(0xFF, 0x00, 0xFF);
const QColor kYellow(0xFF, 0xFF, 0x00);

constexpr int kBand = 3;       // the frame colour's band inside the outline
constexpr int kTile = 12;      // shape tiles
constexpr int kLetterBox = 20; // the Tamlo letters at the left margin

// Draws a character in a square box, each stroke in the colour its part gives it.
void drawCharacter(QPainter &p, const ChartEntry &entry, const QRectF &box, const ChartInputs &in, bool conversion)
{
    const QColor rest = conversion ? kLightBlue : kLightGrey;
    const auto &strokes = in.outlines.strokes(entry.character);
    if (!strokes) {
        p.setPen(rest);
        p.setFont(in.fonts.mingFont(int(box.height())));
        p.drawText(box, Qt::AlignCenter, entry.character);
        return;
    }
    const std::set<int> first(entry.first.begin(), entry.first.end());
    const std::set<int> last(entry.last.begin(), entry.last.end());
    const std::set<int> part(entry.part.begin(), entry.part.end());
    QTransform place;
    place.translate(box.left(), box.top());
    place.scale(box.width(), box.height());
    const auto colourOf = [&](int i) {
        if (conversion && first.count(i))
            return kRed;
        if (conversion && last.count(i))
            return kBlue;
        if (!conversion && part.count(i))
            return entry.blue ? kBlue : kRed;
        return rest;
    };
    std::vector<QPainterPath> shapes = *strokes;
    if (entry.secondForm && entry.character == u"口" && shapes.size() == 3) {
        // ⊓ over a base stroke of its own.
        shapes[0].translate(0, -0.05);
        shapes[1].translate(0, -0.05);
        shapes[2].translate(0, 0.07);
    } else if (entry.secondForm && entry.character == u"鹵" && shapes.size() == 11) {
        // The frame with a chequered inside, in the colour of the inner strokes' part.
        const QRectF inner = (shapes[2].boundingRect() | shapes[3].boundingRect() | shapes[10].boundingRect())
                                 .adjusted(0.08, 0.06, -0.08, -0.08);
        p.setPen(Qt::NoPen);
        p.setBrush(colourOf(9));
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 3; ++column)
                if ((row + column) % 2 == 0)
                    p.drawRect(place.mapRect(QRectF(inner.left() + column * inner.width() / 3,
                                                    inner.top() + row * inner.height() / 3, inner.width() / 3,
                                                    inner.height() / 3)));
        for (int i = 4; i <= 9; ++i)
            shapes[std::size_t(i)] = QPainterPath();
    }
    p.setPen(Qt::NoPen);
    for (int i = 0; i < int(shapes.size()); ++i) {
        const QColor colour = colourOf(i);
        // The outlines are slender; a hairline round each keeps small characters legible.
        p.setPen(QPen(colour, 0.6));
        p.setBrush(colour);
        p.drawPath(place.map(shapes[std::size_t(i)]));
    }
}

void drawMark(QPainter &p, RadicalMark mark, const QRectF &box)
{
    if (mark == RadicalMark::None)
        return;
    p.setPen(QPen(kYellow, 1));
    p.setBrush(Qt::NoBrush);
    if (mark == RadicalMark::Ring)
        p.drawEllipse(box.adjusted(-1, -1, 1, 1));
    else
        p.drawRect(box.adjusted(-0.5, -0.5, 0.5, 0.5));
}

// A conversion entry: the character, its code letters stacked at its right, its
// code radicals below it.
void drawConversionEntry(QPainter &p, const ChartEntry &e, QPointF at, double size, double r,
                         const ChartInputs &in)
{
    drawCharacter(p, e, QRectF(at, QSizeF(size, size)), in, true);
    p.setFont(in.fonts.sansFont(7));
    p.setPen(kPurple);
    for (qsizetype i = 0; i < e.code.size(); ++i)
        p.drawText(QRectF(at.x() + size + 0.5, at.y() - 1 + 6 * i, 6, 7), Qt::AlignLeft | Qt::AlignVCenter,
                   e.code.mid(i, 1));
    for (qsizetype i = 0; i < e.code.size(); ++i) {
        const QRectF box(at.x() + 1 + i * (r + 1.5), at.y() + size + 0.5, r, r);
        drawMark(p, e.marks[std::size_t(i)], box);
        p.setPen(i == 0 ? kRed : kBlue);
        p.setFont(in.fonts.crispMingFont(int(r + 0.5)));
        p.drawText(box, Qt::AlignCenter, QString(quickRadical(e.code.at(i))));
    }
}

void drawCard(QPainter &p, const QRect &r, const Chart &chart, const ChartCard &card, const ChartInputs &in)
{
    const KeyColours colours = coloursOf(chart.key);
    p.fillRect(r, Qt::white);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(1, 1, -2, -2));
    p.fillRect(r.adjusted(2, 2, -2, -2), colours.frame);
    const QRect inside = r.adjusted(2 + kBand, 2 + kBand, -2 - kBand, -2 - kBand);
    p.fillRect(inside, Qt::white);
    p.setRenderHint(QPainter::Antialiasing);

    // The corner triangle with the key's letter.
    const int t = 24;
    const QPolygonF corner{QPointF(inside.right() + 1, inside.bottom() + 1 - t),
                           QPointF(inside.right() + 1, inside.bottom() + 1),
                           QPointF(inside.right() + 1 - t, inside.bottom() + 1)};
    p.setPen(Qt::NoPen);
    p.setBrush(colours.frame);
    p.drawPolygon(corner);
    p.setPen(kMagenta);
    QFont keyFont = in.fonts.sansFont(14, true);
    keyFont.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging)); // solid magenta
    p.setFont(keyFont);
    p.drawText(QRectF(inside.right() - 12, inside.bottom() - 15, 13, 16), Qt::AlignCenter, QString(chart.key));

    // The shape tiles, one per Tamlo letter of the key, along the bottom left.
    const auto letters = in.alphabet.lettersOf(chart.key);
    const int tileTop = inside.bottom() - kTile - (card.digits ? 8 : 1);
    for (int k = 0; k < int(letters.size()); ++k) {
        const QRectF tile(inside.left() + 2 + k * (kTile + 3), tileTop, kTile, kTile);
        p.fillRect(tile, colours.tile);
        drawLetter(p, *letters[std::size_t(k)], tile.adjusted(1, 1, -1, -1), Qt::black);
        const bool framed =
            card.allFramed || std::find(card.framed.begin(), card.framed.end(), k + 1) != card.framed.end();
        if (framed) {
            p.setRenderHint(QPainter::Antialiasing, false);
            p.setPen(kRed);
            p.setBrush(Qt::NoBrush);
            p.drawRect(tile.toRect().adjusted(-1, -1, 0, 0));
            p.setRenderHint(QPainter::Antialiasing);
        }
    }
    if (card.digits) {
        p.setFont(in.fonts.sansFont(7, true));
        p.setPen(kRed);
        p.drawText(QRectF(inside.left() + 2, tileTop + kTile + 1, kTile / 2, 7), Qt::AlignCenter, QStringLiteral("1"));
        p.setPen(kBlue);
        p.drawText(QRectF(inside.left() + 2 + kTile / 2, tileTop + kTile + 1, kTile / 2, 7), Qt::AlignCenter,
                   QStringLiteral("2"));
    }

    // The letters the card treats, each followed by its rows of entries.
    const bool conversion = chart.conversion;
    const int besideCount = conversion ? 4 : 5;
    const int rowCount = conversion ? 5 : 7;
    // The T chart's brush-written name stands by the tiles instead of in a row.
    const bool figureRow = chart.key != u'T';
    int rows = 0;
    for (const ChartLetter &l : card.letters)
        rows += int(l.rows.size()) + (l.figure && figureRow);
    const double room = tileTop - 2 - (inside.top() + 1);
    // Rows share the room; characters stay about 12 (conversion) or 14 pixels high,
    // and radicals grow to 9 pixels where there is room.
    const double rowHeight = std::min(conversion ? 25.0 : 20.0, room / std::max(1, rows));
    const double size = conversion ? std::clamp(rowHeight - 9, 10.0, 13.0) : std::min(14.0, rowHeight - 2);
    const double radical = std::clamp(rowHeight - size - 2, 7.0, 9.0);
    double y = inside.top() + 1;
    for (const ChartLetter &l : card.letters) {
        // A letter without examples shows only as its shape tile.
        if (l.rows.empty())
            continue;
        const TamloLetter *letter = in.alphabet.letter(l.id);
        if (letter)
            drawLetter(p, *letter, QRectF(inside.left() + 1, y, std::min<double>(kLetterBox, rowHeight),
                                          std::min<double>(kLetterBox, rowHeight)),
                       conversion ? QColor(Qt::black) : kGreen);
        for (std::size_t row = 0; row < l.rows.size(); ++row) {
            const bool beside = row == 0;
            const double left = inside.left() + 1 + (beside ? kLetterBox + 2 : 0);
            const double cell = (inside.right() - left) / (beside ? besideCount : rowCount);
            for (std::size_t i = 0; i < l.rows[row].size(); ++i) {
                const QPointF at(left + cell * double(i), y + (rowHeight - (conversion ? size + radical + 1 : size)) / 2);
                const ChartEntry &e = l.rows[row][i];
                if (conversion)
                    drawConversionEntry(p, e, at, size, radical, in);
                else
                    drawCharacter(p, e, QRectF(at, QSizeF(size, size)), in, false);
            }
            y += rowHeight;
        }
        if (l.figure && figureRow) {
            drawFigure(p, chart.key, QRectF(inside.left() + 1, y + 1, inside.width() - 2, rowHeight - 2), in);
            y += rowHeight;
        }
        if (l.figure && !figureRow) {
            const double left = inside.left() + 2 + double(letters.size()) * (kTile + 3) + 2;
            drawBrushTamlo(p, QRectF(left, tileTop - 1, inside.right() - 26 - left, kTile + 2), in.fonts);
        }
    }
}

} // namespace

bool drawnFromFont(const QString &character)
{
    return character == u"壆";
}

QImage drawChart(const Picture &picture, const Chart &chart, const ChartInputs &inputs)
{
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (chart.conversion && chart.cards.size() == 2) {
        const int leftWidth = picture.width / 2; // 127 and 128
        drawCard(p, QRect(0, 0, leftWidth, picture.height), chart, chart.cards[0], inputs);
        drawCard(p, QRect(leftWidth, 0, picture.width - leftWidth, picture.height), chart, chart.cards[1], inputs);
    } else if (!chart.cards.empty()) {
        drawCard(p, image.rect(), chart, chart.cards[0], inputs);
    }
    return image;
}

QStringList checkStrokes(const ChartBook &book, StrokeOutlines &outlines)
{
    QStringList faults;
    for (const auto &[name, chart] : book.charts()) {
        for (const ChartCard &card : chart.cards)
            for (const ChartLetter &letter : card.letters)
                for (const ChartRow &row : letter.rows)
                    for (const ChartEntry &e : row) {
                        const QString where = name + u" line " + QString::number(e.line) + u": " + e.character;
                        const auto &strokes = outlines.strokes(e.character);
                        if (!strokes) {
                            if (!drawnFromFont(e.character))
                                faults << where + u" has no outline";
                            continue;
                        }
                        std::set<int> seen;
                        for (const auto *list : {&e.first, &e.last, &e.part})
                            for (int i : *list) {
                                if (i >= int(strokes->size()))
                                    faults << where + QStringLiteral(" has %1 strokes, no stroke %2")
                                                          .arg(strokes->size())
                                                          .arg(i);
                                if (!seen.insert(i).second)
                                    faults << where + QStringLiteral(": stroke %1 is in both parts").arg(i);
                            }
                    }
    }
    return faults;
}

} // namespace tutor::assets
