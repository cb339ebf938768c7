#include "embedded.h"

#include <QResource>

// Resources of a static library are registered by hand, from outside any namespace.
static void registerPictures()
{
    Q_INIT_RESOURCE(pictures);
}

namespace tutor::assets {

const PicturePack &embeddedPictures()
{
    static const PicturePack pack = [] {
        registerPictures();
        const QResource resource(QStringLiteral(":/pictures.pack"));
        // Stored uncompressed, so the pixels are shown straight from the program's own bytes.
        if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression)
            qFatal("the embedded pictures are missing or compressed");
        const auto pack = PicturePack::open(
            QByteArrayView(reinterpret_cast<const char *>(resource.data()), qsizetype(resource.size())));
        if (!pack)
            qFatal("the embedded pictures are damaged");
        return *pack;
    }();
    return pack;
}

} // namespace tutor::assets
