#pragma once
// Play control in a bare window: the decoder test double behind the player, a small three-level
// tree whose song files exist in a temporary folder, a host that records what it is asked, and
// the scripted prompt.

#include "playback/mpegplayer.h"
#include "transport/playcontrol.h"
#include "settings/mainsettings.h"

#include "fakempegdll_control.h"
#include "scriptedprompt.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QSlider>
#include <QStringList>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>
#include <QWidget>
#include <deque>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// Exposes the poll so a test can deliver the end of a song without waiting for the timer.
class TTickablePlayer : public TMPEGPlayer {
public:
    void Tick() { TimerTick(); }
};

class TTestSongNode : public QTreeWidgetItem, public TSongNode {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    void MakeVisibleAndSelect() override
    {
        treeWidget()->setCurrentItem(this);
        treeWidget()->scrollToItem(this);
    }
};

class TFakeHost : public TPlayHost {
public:
    QString Caption;
    QStringList Log; // "page: <title>", "stop clip", "seek clip 5000", "close", "artist 1", ...
    bool ClipIsOpen = false;
    bool IsRebuilding = false;

    void SetCaption(const QString &caption) override { Caption = caption; }
    void ShowSongOnActivePage(const TExpandedSong &song) override { Log << "page: " + song.Title(); }
    void StopClip() override { Log << QStringLiteral("stop clip"); }
    bool ClipOpen() const override { return ClipIsOpen; }
    void SeekClip(int ms) override { Log << QStringLiteral("seek clip %1").arg(ms); }
    void CloseMainWindow() override { Log << QStringLiteral("close"); }
    bool Rebuilding() const override { return IsRebuilding; }
    void ActivateArtistNode(int artist) override { Log << QStringLiteral("artist %1").arg(artist); }
    void ActivateAlbumNode(int artist, int album) override
    {
        Log << QStringLiteral("album %1.%2").arg(artist).arg(album);
    }
    void ReportStateFileFailure(const QString &message) override { Log << "state file: " + message; }
    bool Logged(const QString &entry) const { return Log.contains(entry); }
};

class TransportTest : public testing::Test {
protected:
    void SetUp() override
    {
        fakempegdll::Reset();
        player.PathToDLL = QStringLiteral(FAKE_MPEGDLL_DIR);
        player.LoadDecoder();
    }

    // Builds the tree and the play list: albums[a][b] songs in album b of artist a. Song titles
    // are "s<index>" by play-list position; artist "Artist<a>", album "Album<a>.<b>".
    void Build(const std::vector<std::vector<int>> &albums)
    {
        for (size_t a = 0; a < albums.size(); ++a) {
            auto *artist = new QTreeWidgetItem(&tree, {QStringLiteral("Artist%1").arg(a)});
            TArtistItem &artistItem = library.Add();
            artistItem.Name = QStringLiteral("Artist%1").arg(a);
            for (size_t b = 0; b < albums[a].size(); ++b) {
                auto *album = new QTreeWidgetItem(artist, {QStringLiteral("Album%1.%2").arg(a).arg(b)});
                TAlbItem &albumItem = artistItem.Albums.Add();
                albumItem.Name = QStringLiteral("Album%1.%2").arg(a).arg(b);
                for (int s = 0; s < albums[a][b]; ++s)
                    AddSong(album, artistItem, albumItem);
            }
        }
        control = std::make_unique<TPlayControl>(player, songs, tree, settings, host, window);
        control->ResetShuffleOrder();
        control->RandomIndex = [this](int count) {
            EXPECT_FALSE(draws.empty()) << "unexpected shuffle draw";
            const int drawn = draws.empty() ? 0 : draws.front();
            if (!draws.empty())
                draws.pop_front();
            EXPECT_LT(drawn, count);
            return drawn;
        };
    }

    TExpandedSong &AddSong(QTreeWidgetItem *album, const TArtistItem &artist, TAlbItem &albumItem)
    {
        TExpandedSong &song = songs.Add();
        TSongItem &item = albumItem.Songs.Add();
        const QString file = dir.filePath(QStringLiteral("%1.mp3").arg(song.Index()));
        QFile(file).open(QIODevice::WriteOnly);
        auto *node = new TTestSongNode(album, {QStringLiteral("s%1").arg(song.Index())});
        song.MPEGPlayer = &player;
        song.Node = node;
        item.File = file;
        item.Title = QStringLiteral("s%1").arg(song.Index());
        song.Refer(artist, albumItem, item);
        return song;
    }

    QTreeWidgetItem *Node(int artist, int album = -1, int song = -1)
    {
        QTreeWidgetItem *node = tree.topLevelItem(artist);
        if (album >= 0)
            node = node->child(album);
        if (song >= 0)
            node = node->child(song);
        return node;
    }
    void SelectNode(QTreeWidgetItem *node) { tree.setCurrentItem(node); }

    // The song ends: the library sets the end byte and the next poll reports it.
    void EndSong()
    {
        ASSERT_TRUE(fakempegdll::End());
        player.Tick();
    }

    void PlayFrom(int index)
    {
        control->SelectSong(index, true);
        ASSERT_EQ(control->SongIndex, index);
        ASSERT_EQ(player.PlayerMode(), 3);
    }
    bool Playing() { return player.PlayerMode() == 3; }
    QString Panel(int index) const { return control->PanelText(index); }

    QTemporaryDir dir;
    TTickablePlayer player;
    TArtistColl library; // the items songs refer to
    TExpandedSongColl songs;
    QWidget window;
    QTreeWidget tree;
    TDefaultSettings settings;
    TFakeHost host;
    TScriptedPrompt prompt;
    std::deque<int> draws; // scripted shuffle draws
    std::unique_ptr<TPlayControl> control;
};
