#pragma once

// Writes the pictures of one skin at one pixel ratio below
// OUTPUT_DIR/skin<N>/ as PNG files: "common/add_0.png" at ratio 1,
// "common/add_0@2x.png" at ratio 2 (the name Qt Quick looks for on scaled
// screens). Pictures of more than kMaxDoubledPixels scene pixels (the window's
// two full-size layers and the page backgrounds) get no @2x file: doubled they
// would take four times the memory (about 25 % more resident memory for the
// whole program at scale 2), and what they show is gradients, glows and faint
// rules that Qt Quick's enlargement of the 1x file renders nearly as well.
// The encoding is fixed (format, compression, no text chunks), so
// the same picture gives the same bytes on every run.

#include <QDir>
#include <QImage>
#include <QString>
#include <QStringList>

class SkinWriter
{
public:
    static constexpr int kMaxDoubledPixels = 100000;

    SkinWriter(const QString& outputDir, int skinNumber, int pixelRatio);

    // relativePath like "common/add_0.png", named as at ratio 1; the picture
    // must have been painted at this writer's pixel ratio. Above ratio 1 a
    // picture larger than kMaxDoubledPixels is left out. Records failures
    // instead of throwing.
    void save(const QString& relativePath, const QImage& picture);

    const QStringList& written() const { return m_written; }
    const QStringList& errors() const { return m_errors; }

private:
    QString fileName(const QString& relativePath) const;

    QDir m_root;
    int m_pixelRatio;
    QStringList m_written;
    QStringList m_errors;
};
