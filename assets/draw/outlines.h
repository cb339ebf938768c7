#pragma once

#include <QPainterPath>
#include <QString>

#include <map>
#include <optional>
#include <vector>

namespace tutor::assets {

// Stroke outlines of characters, one file per character (CHAR.json with a list
// of SVG paths, "strokes", in a 1024-unit box whose y axis points up from a
// baseline 900 units below the top), as the outline data set ships them.
class StrokeOutlines
{
public:
    explicit StrokeOutlines(QString folder);

    // The character's strokes in writing order, mapped to a 1 x 1 box with y
    // pointing down; nothing if the data set has no outline for it.
    const std::optional<std::vector<QPainterPath>> &strokes(const QString &character);

private:
    QString m_folder;
    std::map<QString, std::optional<std::vector<QPainterPath>>> m_cache;
};

// Reads an SVG path of absolute M, L, Q, C and Z commands.
std::optional<QPainterPath> parseSvgPath(const QString &d);

} // namespace tutor::assets
