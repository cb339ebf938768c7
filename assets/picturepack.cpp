#include "picturepack.h"

#include <QIODevice>
#include <QtEndian>

#include <cstring>

namespace tutor::assets {

namespace {

constexpr char kMagic[8] = {'B', 'R', 'V', 'K', 'P', 'I', 'X', '1'};
constexpr int kNameBytes = 16;
constexpr int kEntryBytes = kNameBytes + 4 * 4;
constexpr qsizetype kAlign = 16;

qsizetype alignUp(qsizetype n)
{
    return (n + kAlign - 1) / kAlign * kAlign;
}

void put32(QByteArray &out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

quint32 get32(const char *p)
{
    return qFromLittleEndian<quint32>(p);
}

} // namespace

bool PicturePack::write(QIODevice &out, const std::vector<std::pair<QString, QImage>> &pictures)
{
    QByteArray head(kMagic, sizeof kMagic);
    put32(head, quint32(pictures.size()));
    qsizetype offset = alignUp(qsizetype(sizeof kMagic) + 4 + kEntryBytes * qsizetype(pictures.size()));
    std::vector<QImage> rows;
    for (const auto &[name, image] : pictures) {
        const QByteArray latin = name.toLatin1();
        if (latin.size() >= kNameBytes || image.isNull())
            return false;
        QImage opaque = image.convertToFormat(QImage::Format_RGB32);
        QByteArray field(kNameBytes, '\0');
        std::memcpy(field.data(), latin.constData(), size_t(latin.size()));
        head.append(field);
        put32(head, quint32(opaque.width()));
        put32(head, quint32(opaque.height()));
        put32(head, quint32(opaque.width() * 4));
        put32(head, quint32(offset));
        offset = alignUp(offset + qsizetype(opaque.width()) * 4 * opaque.height());
        rows.push_back(std::move(opaque));
    }
    head.append(QByteArray(alignUp(head.size()) - head.size(), '\0'));
    if (out.write(head) != head.size())
        return false;
    for (const QImage &image : rows) {
        QByteArray block;
        block.reserve(alignUp(qsizetype(image.width()) * 4 * image.height()));
        for (int y = 0; y < image.height(); ++y) {
            // 0xffRRGGBB, little-endian, whatever the machine that draws.
            const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                put32(block, line[x] | 0xff000000u);
        }
        block.append(QByteArray(alignUp(block.size()) - block.size(), '\0'));
        if (out.write(block) != block.size())
            return false;
    }
    return true;
}

std::optional<PicturePack> PicturePack::open(QByteArrayView bytes)
{
    const qsizetype headSize = qsizetype(sizeof kMagic) + 4;
    if (bytes.size() < headSize || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0)
        return std::nullopt;
    const quint32 count = get32(bytes.data() + sizeof kMagic);
    if (count > 100000 || bytes.size() < headSize + qsizetype(count) * kEntryBytes)
        return std::nullopt;

    PicturePack pack;
    pack.m_bytes = bytes;
    const char *entry = bytes.data() + headSize;
    for (quint32 i = 0; i < count; ++i, entry += kEntryBytes) {
        Entry e;
        e.name = QString::fromLatin1(entry, qsizetype(qstrnlen(entry, kNameBytes)));
        e.width = int(get32(entry + kNameBytes));
        e.height = int(get32(entry + kNameBytes + 4));
        e.bytesPerLine = int(get32(entry + kNameBytes + 8));
        e.offset = qsizetype(get32(entry + kNameBytes + 12));
        const qint64 end = qint64(e.offset) + qint64(e.bytesPerLine) * e.height;
        if (e.width <= 0 || e.height <= 0 || e.width > 65535 || e.height > 65535 || e.bytesPerLine < e.width * 4 ||
            e.offset % 4 != 0 || end > bytes.size())
            return std::nullopt;
        pack.m_entries.push_back(std::move(e));
    }
    return pack;
}

QImage PicturePack::image(QStringView name) const
{
    for (const Entry &e : m_entries) {
        if (e.name != name)
            continue;
        const auto *pixels = reinterpret_cast<const uchar *>(m_bytes.data() + e.offset);
        if (Q_BYTE_ORDER == Q_LITTLE_ENDIAN && reinterpret_cast<quintptr>(pixels) % 4 == 0)
            return QImage(pixels, e.width, e.height, e.bytesPerLine, QImage::Format_RGB32);
        // Misaligned or big-endian memory: make a proper copy instead.
        QImage copy(e.width, e.height, QImage::Format_RGB32);
        for (int y = 0; y < e.height; ++y) {
            auto *line = reinterpret_cast<QRgb *>(copy.scanLine(y));
            for (int x = 0; x < e.width; ++x)
                line[x] = get32(reinterpret_cast<const char *>(pixels) + qsizetype(y) * e.bytesPerLine + x * 4);
        }
        return copy;
    }
    return {};
}

QStringList PicturePack::names() const
{
    QStringList out;
    for (const Entry &e : m_entries)
        out << e.name;
    return out;
}

} // namespace tutor::assets
