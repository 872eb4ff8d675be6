#pragma once
// Fixture pictures (tests/data/pictures, made by make-pictures.sh) and small image checks.

#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QString>

inline QString PictureFixture(const char *name)
{
    return QStringLiteral(LORVANTA_PICTURES_DIR "/") + QLatin1String(name);
}

inline QByteArray ReadFixture(const char *name)
{
    QFile file(PictureFixture(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Whether two colours differ by no more than tolerance in each channel, alpha included.
inline bool Near(QColor a, QColor b, int tolerance = 40)
{
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance &&
           std::abs(a.alpha() - b.alpha()) <= tolerance;
}
