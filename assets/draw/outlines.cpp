#include "outlines.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tutor::assets {

namespace {

// The data set has no outline of 爲, but draws its 為 in the 爲 form.
QString outlineOf(const QString &character)
{
    return character == u"爲" ? QStringLiteral("為") : character;
}

} // namespace

std::optional<QPainterPath> parseSvgPath(const QString &d)
{
    const QStringList tokens = QString(d).replace(u',', u' ').split(u' ', Qt::SkipEmptyParts);
    QPainterPath path;
    qsizetype i = 0;
    const auto number = [&](double &out) {
        if (i >= tokens.size())
            return false;
        bool ok = false;
        out = tokens[i++].toDouble(&ok);
        return ok;
    };
    const auto point = [&](QPointF &p) {
        double x = 0, y = 0;
        if (!number(x) || !number(y))
            return false;
        p = QPointF(x, y);
        return true;
    };
    QChar command;
    while (i < tokens.size()) {
        const QString &t = tokens[i];
        if (t.size() == 1 && t.at(0).isLetter()) {
            command = t.at(0);
            ++i;
        }
        QPointF a, b, c;
        switch (command.unicode()) {
        case u'M':
            if (!point(a))
                return std::nullopt;
            path.moveTo(a);
            command = u'L'; // further pairs are lines
            break;
        case u'L':
            if (!point(a))
                return std::nullopt;
            path.lineTo(a);
            break;
        case u'Q':
            if (!point(a) || !point(b))
                return std::nullopt;
            path.quadTo(a, b);
            break;
        case u'C':
            if (!point(a) || !point(b) || !point(c))
                return std::nullopt;
            path.cubicTo(a, b, c);
            break;
        case u'Z':
        case u'z':
            path.closeSubpath();
            break;
        default:
            return std::nullopt;
        }
    }
    return path;
}

StrokeOutlines::StrokeOutlines(QString folder)
    : m_folder(std::move(folder))
{
}

const std::optional<std::vector<QPainterPath>> &StrokeOutlines::strokes(const QString &character)
{
    const auto cached = m_cache.find(character);
    if (cached != m_cache.end())
        return cached->second;

    std::optional<std::vector<QPainterPath>> result;
    QFile file(QDir(m_folder).filePath(outlineOf(character) + u".json"));
    if (file.open(QIODevice::ReadOnly)) {
        const QJsonArray paths = QJsonDocument::fromJson(file.readAll()).object().value(u"strokes").toArray();
        std::vector<QPainterPath> strokes;
        // From the data set's box (y up, baseline at 900) to a unit box, y down.
        const QTransform toUnit = QTransform(1, 0, 0, -1, 0, 900) * QTransform::fromScale(1 / 1024.0, 1 / 1024.0);
        for (const QJsonValue &p : paths) {
            const auto path = parseSvgPath(p.toString());
            if (!path) {
                strokes.clear();
                break;
            }
            strokes.push_back(toUnit.map(*path));
        }
        if (!strokes.empty())
            result = std::move(strokes);
    }
    return m_cache.emplace(character, std::move(result)).first->second;
}

} // namespace tutor::assets
