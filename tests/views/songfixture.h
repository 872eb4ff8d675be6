#pragma once
// A song of the play list over files made in a temporary folder, with a player loaded from the
// decoder test double, and a scripted prompt for the dialogs.

#include "library/expandedsong.h"
#include "onesong.h"
#include "playback/mpegplayer.h"
#include "scriptedprompt.h"

#include "fakempegdll_control.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

// A 128-byte ID3v1 tag; each text is cut or zero-padded to its field.
struct TTagFields {
    QByteArray Title, Artist, Album, Year, Comment;
    unsigned char Genre = 255;
};

inline QByteArray Id3v1Tag(const TTagFields &fields)
{
    QByteArray tag(128, '\0');
    auto put = [&tag](int offset, int length, const QByteArray &text) {
        tag.replace(offset, qMin(length, int(text.size())), text.left(length));
    };
    tag.replace(0, 3, "TAG");
    put(3, 30, fields.Title);
    put(33, 30, fields.Artist);
    put(63, 30, fields.Album);
    put(93, 4, fields.Year);
    put(97, 29, fields.Comment);
    tag[127] = char(fields.Genre);
    return tag;
}

class SongDialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        fakempegdll::Reset();
        player.PathToDLL = QStringLiteral(FAKE_MPEGDLL_DIR);
        song.MPEGPlayer = &player;
    }

    void TearDown() override { EXPECT_TRUE(prompt.Exhausted()); }

    // Writes a file of body bytes followed by tag (if any) and returns its full path.
    QString WriteSoundFile(const QString &name, int body, const QByteArray &tag = QByteArray())
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(body, '\x55'));
        file.write(tag);
        return path;
    }

    // Makes path the song's file, open in the loaded player, as selecting the song leaves it.
    void OpenInPlayer(const QString &path)
    {
        item.File = path;
        player.LoadDecoder();
        player.SetStreamName(path);
        player.Open();
    }

    QTemporaryDir folder;
    TScriptedPrompt prompt;
    TMPEGPlayer player;
    TOneSongLibrary library;
    TSongItem &item = library.item;
    TArtistItem &artist = library.artist;
    TAlbItem &album = library.album;
    TExpandedSong &song = library.song;
    QWidget mainWindow;
};
