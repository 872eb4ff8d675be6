#pragma once
// The bytes of a small tagged MP3 file for tests and benchmarks that build folders of songs: some
// bytes standing for audio, then an ID3v1 tag with a title and a comment (Windows-1251).

#include "platform/codepage.h"

#include <QByteArray>
#include <QString>

inline QByteArray TaggedSongBytes(const QString &title, const QString &comment = QString())
{
    QByteArray tag = "TAG" + EncodeCp1251(title).leftJustified(30, '\0', true);
    tag += QByteArray(30 + 30 + 4, '\0');
    tag += EncodeCp1251(comment).leftJustified(30, '\0', true);
    tag += char(255); // no genre
    return QByteArray(64, '\x55') + tag;
}
