#include "skinwriter.h"

#include <QFileInfo>
#include <QImageWriter>

namespace {
constexpr int kPngQuality = 0; // Qt maps quality 0 to the strongest zlib level
constexpr int kOpaque = 255;

bool fullyOpaque(const QImage& img)
{
    for (int y = 0; y < img.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            if (qAlpha(line[x]) != kOpaque)
                return false;
        }
    }
    return true;
}

// Its size in scene pixels above the limit for @2x files.
bool tooLargeToDouble(const QImage& picture)
{
    const QSizeF scene = picture.deviceIndependentSize();
    return scene.width() * scene.height() > SkinWriter::kMaxDoubledPixels;
}
} // namespace

SkinWriter::SkinWriter(const QString& outputDir, int skinNumber, int pixelRatio)
    : m_root(QDir(outputDir).filePath(QStringLiteral("skin%1").arg(skinNumber))),
      m_pixelRatio(pixelRatio)
{
}

QString SkinWriter::fileName(const QString& relativePath) const
{
    if (m_pixelRatio == 1)
        return relativePath;
    const QString suffix = QStringLiteral(".png");
    return relativePath.chopped(suffix.size()) + QStringLiteral("@%1x").arg(m_pixelRatio) + suffix;
}

void SkinWriter::save(const QString& relativePath, const QImage& picture)
{
    const QString path = m_root.filePath(fileName(relativePath));
    if (m_pixelRatio > 1 && tooLargeToDouble(picture))
        return;
    if (!relativePath.endsWith(QStringLiteral(".png"))) {
        m_errors << QStringLiteral("%1: not a .png name").arg(relativePath);
        return;
    }
    if (picture.devicePixelRatio() != m_pixelRatio) {
        m_errors << QStringLiteral("%1: painted at pixel ratio %2, written at %3")
                        .arg(path)
                        .arg(picture.devicePixelRatio())
                        .arg(m_pixelRatio);
        return;
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        m_errors << QStringLiteral("cannot create the folder of %1").arg(path);
        return;
    }
    // Straight (not premultiplied) ARGB is what PNG stores; an opaque picture
    // drops its alpha channel.
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    if (fullyOpaque(out))
        out = out.convertToFormat(QImage::Format_RGB32);
    QImageWriter writer(path, "png");
    writer.setQuality(kPngQuality);
    if (!writer.write(out)) {
        m_errors << QStringLiteral("%1: %2").arg(path, writer.errorString());
        return;
    }
    m_written << fileName(relativePath);
}
