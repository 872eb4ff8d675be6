#pragma once
// The main window in a temporary world: a program folder of its own (program file "lorvanta"),
// a settings file of its own, the decoder test double, and the scripted prompt.

#include "app/mainf.h"
#include "app/songstree.h"
#include "playback/mpegplayer.h"
#include "transport/playcontrol.h"
#include "settings/settingsstore.h"

#include "fakempegdll_control.h"
#include "scriptedprompt.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <vector>

// One album of a test list: its name and its song titles; a song's file is named after its title
// with ".mp3" and created empty unless its title starts with "missing". texts: the songs' text
// files, in the order of the songs (missing or empty entries: none).
struct TTestAlbum {
    TTestAlbum(const QString &name, const QStringList &songs, const QString &picture = {},
               const QString &review = {}, const QStringList &texts = {})
        : Name(name), Songs(songs), Picture(picture), Review(review), Texts(texts)
    {
    }
    QString Name;
    QStringList Songs;
    QString Picture;
    QString Review;
    QStringList Texts;
};
struct TTestArtist {
    TTestArtist(const QString &name, const std::vector<TTestAlbum> &albums,
                const QString &history = {})
        : Name(name), Albums(albums), History(history)
    {
    }
    QString Name;
    std::vector<TTestAlbum> Albums;
    QString History;
};

// Runs the event loop until done() holds, ms at most; what done() says at the end. Calls that the
// window answers from this same thread (a socket, the bus) need it.
template <typename Done> bool SpinUntil(Done done, int ms)
{
    const QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

class MainFTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString ProgramFolder() const { return fDir.path() + "/prog/"; }
    QString SettingsFile() const { return fDir.path() + "/config/lorvanta.reg"; }
    QString Path(const QString &relative) const { return fDir.path() + '/' + relative; }
    QString Write(const QString &relative, const QByteArray &bytes) const;

    TMainFOptions Options() const;
    // Creates the window (its start-up runs) and keeps it in window.
    TMainF &Start(std::optional<TMainFOptions> options = std::nullopt);
    // Destroys the window (its shutdown runs).
    void Stop() { window.reset(); }

    // Writes an own list at relative with its song files beside it; returns its full path.
    QString WriteList(const QString &relative, const std::vector<TTestArtist> &artists,
                      const QByteArray &common = QByteArray()) const;
    // A list of two artists: "Blue" with albums "First" (songs a, b, c) and "Second" (d), and
    // "Green" with album "Only" (e, f).
    QString WriteStandardList(const QString &relative) const;

    // Settings file lines below the main key (e.g. "\"PlayOnRun\"=dword:00000000").
    void WriteSettings(const QStringList &mainValues, const QString &extraSections = QString());
    // A complete set of readable settings with the values given overriding the defaults.
    QStringList AllSettings(const QStringList &overrides = {}) const;
    // A stored value after the shutdown, or nullopt when it is missing; key relative to the
    // main key ("" for the main key itself).
    std::optional<qint32> StoredInteger(const QString &name, const QString &subKey = QString()) const;
    std::optional<QString> StoredText(const QString &name, const QString &subKey = QString()) const;

    QStringList SongTitles() const;
    QTreeWidgetItem *Node(int artist, int album = -1, int song = -1) const;
    int SongIndex() const { return window->PlayControl().SongIndex; }

    QTemporaryDir fDir;
    std::unique_ptr<TScriptedPrompt> prompt;
    std::unique_ptr<TMainF> window;
};
