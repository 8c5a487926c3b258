#include "app/style_images.h"

#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>
#include <QPixmapCache>

namespace tolvex {
namespace {

// Each byte in memory order, low digit first, as Qt writes the numbers of its keys.
template <typename T>
QString Hex(T value) {
    static constexpr char kDigits[] = "0123456789abcdef";
    const auto* bytes = reinterpret_cast<const unsigned char*>(&value);
    QString text;
    for (std::size_t i = 0; i < sizeof value; ++i) {
        text += QLatin1Char(kDigits[bytes[i] & 0xf]);
        text += QLatin1Char(kDigits[bytes[i] >> 4]);
    }
    return text;
}

}  // namespace

QString PixmapCacheKey(const QString& path) {
    const QFileInfo info(path);
    constexpr unsigned kPixmapType = 0;  // QPlatformPixmap::PixmapType
    return QStringLiteral("qt_pixmap") + info.absoluteFilePath() +
           Hex(static_cast<unsigned>(info.lastModified().toSecsSinceEpoch())) +
           Hex(static_cast<quint64>(info.size())) + Hex(kPixmapType);
}

QImage ReadPng(const QString& path) {
    QImageReader png(path, "png");
    png.setAutoDetectImageFormat(false);
    return png.read();
}

bool PreloadFusionGroupBoxFrame() {
    const QImage image = ReadPng(kFusionGroupBoxFrame);
    if (image.isNull()) return false;
    return QPixmapCache::insert(PixmapCacheKey(kFusionGroupBoxFrame), QPixmap::fromImage(image));
}

}  // namespace tolvex
