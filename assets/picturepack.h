#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

class QIODevice;

namespace tutor::assets {

// All pictures in one block of raw pixels, so that the program can show them
// straight from its embedded bytes, with nothing to decode or copy at start.
//
// Layout, little-endian: the magic "BRVKPIX1"; a 32-bit count; per picture a
// 32-byte entry (name, NUL-padded to 16 bytes; width; height; bytes per line;
// offset of its first row from the start of the pack); then the rows, each
// picture starting on a 16-byte boundary, pixels as 0xffRRGGBB.
class PicturePack
{
public:
    // Writes the pictures, converted to opaque 32-bit pixels, in the given order.
    static bool write(QIODevice &out, const std::vector<std::pair<QString, QImage>> &pictures);

    // Reads the index of a pack held in memory that outlives the pack object and
    // every image it hands out. Returns nothing if the bytes are not a whole pack.
    static std::optional<PicturePack> open(QByteArrayView bytes);

    // The named picture, sharing the pack's bytes (read-only), or a null image.
    QImage image(QStringView name) const;
    qsizetype size() const { return qsizetype(m_entries.size()); }
    QStringList names() const;

private:
    struct Entry
    {
        QString name;
        int width;
        int height;
        int bytesPerLine;
        qsizetype offset;
    };
    QByteArrayView m_bytes;
    std::vector<Entry> m_entries;
};

} // namespace tutor::assets
