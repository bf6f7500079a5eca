#include "common/kept_picture.h"

#include <QImage>
#include <QResource>
#include <cstdint>
#include <cstring>

namespace orvane {

namespace {

QString KeptPath(const QString& name) {
    return QStringLiteral(":/kept-pictures/%1.argb").arg(name);
}

// A kept picture is its width and height (32 bits each), then its pixels as the painter left
// them: 32-bit premultiplied ARGB, row after row, in this machine's byte order. Nothing to
// decode, so keeping it costs nothing to load.
QImage KeptPixels(const QString& name) {
    const QResource kept(KeptPath(name));
    if (!kept.isValid() || kept.compressionAlgorithm() != QResource::NoCompression)
        return {};
    const QByteArray bytes = kept.uncompressedData();
    std::uint32_t dims[2];
    if (bytes.size() < qsizetype(sizeof dims))
        return {};
    std::memcpy(dims, bytes.constData(), sizeof dims);
    const qsizetype pixels = qsizetype(dims[0]) * dims[1];
    if (dims[0] == 0 || dims[1] == 0 || dims[0] > 4096 || dims[1] > 4096 ||
        bytes.size() != qsizetype(sizeof dims) + pixels * 4)
        return {};
    QImage image{int(dims[0]), int(dims[1]), QImage::Format_ARGB32_Premultiplied};
    for (int row = 0; row < image.height(); ++row)
        std::memcpy(image.scanLine(row),
                    bytes.constData() + sizeof dims + qsizetype(row) * dims[0] * 4,
                    std::size_t(dims[0]) * 4);
    return image;
}

} // namespace

QPixmap KeptPicture(const QString& name, const std::function<QPixmap()>& draw) {
    const QImage kept = KeptPixels(name);
    if (!kept.isNull())
        return QPixmap::fromImage(kept);
    return draw();
}

bool IsKeptPicture(const QString& name) {
    return !KeptPixels(name).isNull();
}

QByteArray KeptPictureBytes(const QPixmap& picture) {
    const QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const std::uint32_t dims[2] = {std::uint32_t(image.width()), std::uint32_t(image.height())};
    QByteArray bytes(reinterpret_cast<const char*>(dims), sizeof dims);
    for (int row = 0; row < image.height(); ++row)
        bytes.append(reinterpret_cast<const char*>(image.constScanLine(row)),
                     qsizetype(image.width()) * 4);
    return bytes;
}

} // namespace orvane
