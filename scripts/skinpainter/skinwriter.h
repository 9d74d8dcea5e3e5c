#pragma once

// Writes the pictures of one skin below OUTPUT_DIR/skin<N>/ as PNG files.
// The encoding is fixed (format, compression, no text chunks), so the same
// picture gives the same bytes on every run.

#include <QDir>
#include <QImage>
#include <QString>
#include <QStringList>

class SkinWriter
{
public:
    SkinWriter(const QString& outputDir, int skinNumber);

    // relativePath like "common/add_0.png"; records failures instead of throwing.
    void save(const QString& relativePath, const QImage& picture);

    const QStringList& written() const { return m_written; }
    const QStringList& errors() const { return m_errors; }

private:
    QDir m_root;
    QStringList m_written;
    QStringList m_errors;
};
