#include "figures.h"

#include <QPainter>
#include <QPainterPath>

namespace tutor::assets {

namespace {

const QColor kBrown(0x80, 0x40, 0x00);
const QColor kPurple(0x80, 0x00, 0x80);
const QColor kRed(0xFF, 0x00, 0x00);

// Lays items out from left to right, each a square of the row's height.
class Strip
{
public:
    Strip(QPainter &p, const QRectF &row)
        : m_p(p)
        , m_row(row)
        , m_x(row.left())
    {
    }

    QRectF next(double widthFactor = 1.0)
    {
        const double side = m_row.height();
        const QRectF box(m_x, m_row.top(), side * widthFactor, side);
        m_x += box.width() + 2;
        return box;
    }

    void plus()
    {
        const QRectF box = next(0.55);
        const QPointF c = box.center();
        const double r = box.width() * 0.4;
        m_p.setPen(QPen(kPurple, 1.3));
        m_p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
        m_p.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));
    }

private:
    QPainter &m_p;
    QRectF m_row;
    double m_x;
};

// A character in one colour, or only the strokes listed.
void drawGlyph(QPainter &p, const QString &character, const QRectF &box, const QColor &ink, const ChartInputs &in,
               std::vector<int> only = {})
{
    const auto &strokes = in.outlines.strokes(character);
    if (!strokes)
        return;
    QTransform place;
    place.translate(box.left(), box.top());
    place.scale(box.width(), box.height());
    p.setPen(QPen(ink, 0.6));
    p.setBrush(ink);
    for (int i = 0; i < int(strokes->size()); ++i)
        if (only.empty() || std::find(only.begin(), only.end(), i) != only.end())
            p.drawPath(place.map((*strokes)[std::size_t(i)]));
}

void letter(QPainter &p, const QString &id, const QRectF &box, const QColor &ink, const ChartInputs &in)
{
    if (const TamloLetter *l = in.alphabet.letter(id))
        drawLetter(p, *l, box, ink);
}

void ring(QPainter &p, const QRectF &box, const QColor &ink)
{
    p.setPen(QPen(ink, 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(box);
}

void arrow(QPainter &p, QPointF from, QPointF to)
{
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(from, to);
    const QLineF back(to, from);
    for (double turn : {25.0, -25.0}) {
        QLineF head = back;
        head.setLength(3);
        head.setAngle(back.angle() + turn);
        p.drawLine(head);
    }
}

// A-1 drawn by hand where the figure changes it: the box is the letter's 20-unit design box.
void plusVariant(QPainter &p, const QRectF &box, bool split)
{
    const double u = box.width() / 20;
    const auto at = [&](double x, double y) { return box.topLeft() + QPointF(x * u, y * u); };
    p.setPen(QPen(kBrown, std::max(1.0, box.width() / 9), Qt::SolidLine, Qt::SquareCap));
    if (!split) {
        p.drawLine(at(2, 10), at(18, 10));
        p.drawPolyline(QPolygonF{at(10, 2), at(10, 17), at(7.5, 18.5)});
        return;
    }
    // Apart at the open dot: four arms, each keeping a dot at its inner end.
    p.drawLine(at(1, 10), at(7, 10));
    p.drawLine(at(13, 10), at(19, 10));
    p.drawLine(at(10, 1), at(10, 7));
    p.drawPolyline(QPolygonF{at(10, 13), at(10, 18), at(7.5, 19)});
    p.setPen(QPen(Qt::black, 0.8));
    p.setBrush(Qt::white);
    const double d = std::max(2.5, 2.2 * u);
    for (QPointF c : {at(7, 10), at(13, 10), at(10, 7), at(10, 13)})
        p.drawRect(QRectF(c - QPointF(d / 2, d / 2), QSizeF(d, d)));
}

} // namespace

void drawFigure(QPainter &p, QChar key, const QRectF &row, const ChartInputs &in)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    Strip strip(p, row);
    switch (key.unicode()) {
    case u'A': {
        const QRectF first = strip.next();
        plusVariant(p, first, false);
        // Two small purple crosses above the arms.
        p.setPen(QPen(kPurple, 1));
        for (double fx : {0.22, 0.78}) {
            const QPointF c(first.left() + first.width() * fx, first.top() + first.height() * 0.22);
            p.drawLine(c + QPointF(-1.5, -1.5), c + QPointF(1.5, 1.5));
            p.drawLine(c + QPointF(-1.5, 1.5), c + QPointF(1.5, -1.5));
        }
        strip.plus();
        plusVariant(p, strip.next(), true);
        strip.plus();
        const QRectF small = strip.next();
        drawGlyph(p, QStringLiteral("小"), small, kBrown, in);
        p.setPen(QPen(kPurple, 1.2));
        p.drawArc(QRectF(small.left() + small.width() * 0.25, small.top() + small.height() * 0.6,
                         small.width() * 0.3, small.height() * 0.35),
                  180 * 16, 180 * 16);
        strip.plus();
        drawGlyph(p, QStringLiteral("少"), strip.next(), kBrown, in, {3});
        break;
    }
    case u'B': {
        const QRectF brush = strip.next();
        drawGlyph(p, QStringLiteral("聿"), brush, Qt::black, in);
        ring(p, QRectF(brush.left() + brush.width() * 0.12, brush.top() + brush.height() * 0.12,
                       brush.width() * 0.76, brush.height() * 0.45),
             kRed);
        arrow(p, QPointF(brush.right() + 1, brush.center().y()), QPointF(brush.right() + 9, brush.center().y()));
        strip.next(0.4);
        const QRectF sun = strip.next(0.8);
        letter(p, QStringLiteral("B-2"), sun.adjusted(2, 2, -2, -2), kRed, in);
        ring(p, sun, Qt::black);
        break;
    }
    case u'J':
    case u'L': {
        const QRectF whole = strip.next();
        drawGlyph(p, QStringLiteral("兆"), whole, kBrown, in);
        if (key == u'J') {
            strip.plus();
            const QRectF half = strip.next();
            drawGlyph(p, QStringLiteral("兆"), half, kBrown, in, {0, 1, 2});
            const QRectF detail = strip.next(0.8);
            letter(p, QStringLiteral("J-1"), detail.adjusted(2, 2, -2, -2), kBrown, in);
            ring(p, detail, Qt::black);
        } else {
            arrow(p, QPointF(whole.right() - 2, whole.center().y()), QPointF(whole.right() + 9, whole.center().y()));
            strip.next(0.4);
            const QRectF detail = strip.next(0.8);
            letter(p, QStringLiteral("L-1"), detail.adjusted(2, 2, -2, -2), kBrown, in);
            ring(p, detail, Qt::black);
        }
        break;
    }
    case u'M': {
        const QRectF marked = strip.next(0.8);
        letter(p, QStringLiteral("M-1"), marked, kBrown, in);
        p.setPen(QPen(kPurple, 1));
        p.drawLine(QPointF(marked.left() + 2, marked.top() + 2), QPointF(marked.left() + 5, marked.top() + 2));
        p.drawLine(QPointF(marked.right() - 5, marked.top() + 2), QPointF(marked.right() - 2, marked.top() + 2));
        strip.plus();
        letter(p, QStringLiteral("M-1"), strip.next(0.8), kBrown, in);
        strip.plus();
        const QRectF tail = strip.next(0.8);
        letter(p, QStringLiteral("M-1"), tail, kBrown, in);
        p.setPen(QPen(kBrown, 1.2));
        p.drawLine(QPointF(tail.right() - tail.width() * 0.2, tail.bottom() - tail.height() * 0.2),
                   QPointF(tail.right(), tail.bottom() - tail.height() * 0.35));
        strip.plus();
        drawGlyph(p, QStringLiteral("儿"), strip.next(0.8), kBrown, in);
        break;
    }
    default: break;
    }
    p.restore();
}

void drawBrushTamlo(QPainter &p, const QRectF &area, const DrawingFonts &fonts)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath text;
    text.addText(0, 0, fonts.sansFont(40, true), QStringLiteral("Tamlo"));
    const QRectF bounds = text.boundingRect();
    QTransform fit;
    fit.translate(area.left(), area.top());
    fit.scale(area.width() / bounds.width(), area.height() / bounds.height());
    fit.shear(-0.25, 0); // slanted as by a quick brush
    fit.translate(-bounds.left() + bounds.height() * 0.25, -bounds.top());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x00, 0x00, 0xFF));
    p.drawPath(fit.map(text));
    p.restore();
}

} // namespace tutor::assets
