#include "fixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QByteArray ReadBytes(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString &fileName, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(fileName).path());
    QFile file(fileName);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QString Describe(const TArtistColl &artists)
{
    QString text;
    for (const TArtistItem &artist : artists) {
        text += QStringLiteral("artist|%1|%2|%3\n").arg(artist.Name, artist.History, artist.PicPaths);
        for (const TAlbItem &album : artist.Albums) {
            text += QStringLiteral(" album|%1|%2|%3|%4\n")
                        .arg(album.Name, album.Year, album.Picture, album.Retsenzia);
            for (const TSongItem &song : album.Songs)
                text += QStringLiteral("  song|%1|%2|%3|%4|%5\n")
                            .arg(song.Title, song.File, song.Picture, song.Text, song.Comment);
        }
    }
    return text;
}

TTempFolder::TTempFolder() = default;

QString TTempFolder::Path(const QString &relative) const
{
    return relative.isEmpty() ? fDir.path() : fDir.filePath(relative);
}

QString TTempFolder::Write(const QString &relative, const QByteArray &bytes) const
{
    const QString path = Path(relative);
    WriteBytes(path, bytes);
    return path;
}
