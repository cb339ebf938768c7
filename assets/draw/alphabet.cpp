#include "alphabet.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>

namespace tutor::assets {

namespace {

constexpr double kDesignBox = 20.0;

bool readNumbers(const QStringList &words, qsizetype from, QList<double> &out)
{
    for (qsizetype i = from; i < words.size(); ++i) {
        bool ok = false;
        const double v = words[i].toDouble(&ok);
        if (!ok || v < 0 || v > kDesignBox)
            return false;
        out << v;
    }
    return true;
}

} // namespace

std::optional<Alphabet> Alphabet::load(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = path + u": cannot be read";
        return std::nullopt;
    }
    return parse(QString::fromUtf8(file.readAll()), path, error);
}

std::optional<Alphabet> Alphabet::parse(const QString &text, const QString &fileName, QString *error)
{
    static const QRegularExpression idPattern(QStringLiteral("^([A-Z])-([1-9])$"));
    Alphabet alphabet;
    const QStringList lines = text.split(u'\n');
    const auto fail = [&](qsizetype line, const QString &what) {
        *error = fileName + u':' + QString::number(line + 1) + u": " + what;
        return std::nullopt;
    };

    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString line = lines[n].section(u'#', 0, 0).trimmed();
        if (line.isEmpty())
            continue;
        const QStringList words = line.split(u' ', Qt::SkipEmptyParts);
        const QString &verb = words.first();

        if (verb == u"letter") {
            if (words.size() != 3)
                return fail(n, QStringLiteral("a letter needs an id and a name"));
            const auto m = idPattern.match(words[1]);
            if (!m.hasMatch())
                return fail(n, QStringLiteral("\"%1\" is not a letter id such as A-1").arg(words[1]));
            TamloLetter letter{
                words[1], m.captured(1).at(0), m.captured(2).toInt(), words[2] == u"-" ? QString() : words[2], {}};
            if (!alphabet.m_letters.empty()) {
                const TamloLetter &last = alphabet.m_letters.back();
                const bool next = (letter.key == last.key && letter.number == last.number + 1) ||
                                  (letter.key > last.key && letter.number == 1);
                if (!next)
                    return fail(n, QStringLiteral("%1 is out of order after %2").arg(letter.id, last.id));
            } else if (letter.number != 1) {
                return fail(n, QStringLiteral("%1 is out of order").arg(letter.id));
            }
            alphabet.m_letters.push_back(std::move(letter));
            continue;
        }

        if (alphabet.m_letters.empty())
            return fail(n, QStringLiteral("\"%1\" before the first letter").arg(verb));
        TamloLetter &current = alphabet.m_letters.back();

        if (verb == u"like") {
            if (words.size() != 3 || (words[2] != u"flip" && words[2] != u"upend"))
                return fail(n, QStringLiteral("\"like\" needs a letter id and flip or upend"));
            const TamloLetter *source = alphabet.letter(words[1]);
            if (!source || source == &current)
                return fail(n, QStringLiteral("\"%1\" is not a letter drawn above").arg(words[1]));
            const bool flip = words[2] == u"flip";
            for (LetterStroke stroke : source->strokes) {
                for (QPointF &p : stroke.points)
                    p = flip ? QPointF(kDesignBox - p.x(), p.y()) : QPointF(p.x(), kDesignBox - p.y());
                current.strokes.push_back(std::move(stroke));
            }
            continue;
        }

        QList<double> v;
        if (!readNumbers(words, 1, v))
            return fail(n, QStringLiteral("coordinates must be numbers from 0 to 20"));
        LetterStroke stroke{LetterStroke::Line, {}, 0};
        qsizetype wanted = -1; // exact count of numbers, or -1 for "pairs, at least two"
        if (verb == u"line") {
            stroke.kind = LetterStroke::Line;
        } else if (verb == u"loop") {
            stroke.kind = LetterStroke::Loop;
        } else if (verb == u"wide" || verb == u"hollow") {
            stroke.kind = verb == u"wide" ? LetterStroke::Wide : LetterStroke::Hollow;
            wanted = 4;
        } else if (verb == u"spot") {
            stroke.kind = LetterStroke::Spot;
            wanted = 3;
        } else if (verb == u"dot") {
            stroke.kind = LetterStroke::OpenDot;
            wanted = 2;
        } else {
            return fail(n, QStringLiteral("unknown stroke \"%1\"").arg(verb));
        }
        if (wanted >= 0 ? v.size() != wanted : (v.size() < 4 || v.size() % 2 != 0))
            return fail(n, QStringLiteral("wrong number of coordinates for \"%1\"").arg(verb));
        if (stroke.kind == LetterStroke::Spot) {
            stroke.points << QPointF(v[0], v[1]);
            stroke.radius = v[2];
        } else {
            for (qsizetype i = 0; i + 1 < v.size(); i += 2)
                stroke.points << QPointF(v[i], v[i + 1]);
        }
        current.strokes.push_back(std::move(stroke));
    }

    for (const TamloLetter &l : alphabet.m_letters)
        if (l.strokes.empty()) {
            *error = fileName + u": " + l.id + u" has no strokes";
            return std::nullopt;
        }
    return alphabet;
}

const TamloLetter *Alphabet::letter(QStringView id) const
{
    for (const TamloLetter &l : m_letters)
        if (l.id == id)
            return &l;
    return nullptr;
}

std::vector<const TamloLetter *> Alphabet::lettersOf(QChar key) const
{
    std::vector<const TamloLetter *> out;
    for (const TamloLetter &l : m_letters)
        if (l.key == key)
            out.push_back(&l);
    return out;
}

void drawLetter(QPainter &painter, const TamloLetter &letter, const QRectF &box, const QColor &ink)
{
    const double scale = box.width() / kDesignBox;
    // Two pixels at key-cap size (18), one at the corner letters' size (9), and
    // lighter than a ninth of the box when large.
    const double pen = std::max(1.0, std::min(box.width() / 9.0, 1.5 + box.width() / 16.0));
    const auto at = [&](QPointF p) { return box.topLeft() + p * scale; };

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const LetterStroke &s : letter.strokes) {
        QPolygonF points;
        for (QPointF p : s.points)
            points << at(p);
        switch (s.kind) {
        case LetterStroke::Line:
        case LetterStroke::Loop:
            painter.setPen(QPen(ink, pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            painter.setBrush(Qt::NoBrush);
            if (s.kind == LetterStroke::Loop)
                painter.drawPolygon(points);
            else
                painter.drawPolyline(points);
            break;
        case LetterStroke::Wide:
        case LetterStroke::Hollow:
            painter.setPen(QPen(ink, pen * 3, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(points[0], points[1]);
            if (s.kind == LetterStroke::Hollow) {
                painter.setPen(QPen(Qt::white, std::max(1.0, pen * 0.6), Qt::SolidLine, Qt::FlatCap));
                const QPointF inset = (points[1] - points[0]) * 0.12;
                painter.drawLine(points[0] + inset, points[1] - inset);
            }
            break;
        case LetterStroke::Spot:
            painter.setPen(Qt::NoPen);
            painter.setBrush(ink);
            painter.drawEllipse(points[0], s.radius * scale, s.radius * scale);
            break;
        case LetterStroke::OpenDot: break; // drawn last, over every stroke
        }
    }
    // Open dots: white squares outlined in black. In the smallest letters an
    // outline would fill the whole letter, so there the dot is a bare white fleck.
    const bool tiny = box.width() < 12;
    const double side = tiny ? 1.5 : std::max(3.0, pen * 1.4);
    painter.setPen(tiny ? QPen(Qt::NoPen) : QPen(Qt::black, std::max(1.0, pen / 2.5)));
    painter.setBrush(Qt::white);
    for (const LetterStroke &s : letter.strokes)
        if (s.kind == LetterStroke::OpenDot)
            painter.drawRect(QRectF(at(s.points[0]) - QPointF(side / 2, side / 2), QSizeF(side, side)));
    painter.restore();
}

} // namespace tutor::assets
