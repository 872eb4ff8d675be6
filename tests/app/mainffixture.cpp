#include "mainffixture.h"

#include "settings/mainsettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void MainFTest::SetUp()
{
    ASSERT_TRUE(fDir.isValid());
    fakempegdll::Reset();
    QDir().mkpath(ProgramFolder());
    QDir().mkpath(QFileInfo(SettingsFile()).path());
    QDir().mkpath(Path("out"));
    prompt = std::make_unique<TScriptedPrompt>();
}

void MainFTest::TearDown()
{
    window.reset();
    EXPECT_TRUE(prompt->Exhausted()) << "unused scripted answers";
    prompt.reset();
}

QString MainFTest::Write(const QString &relative, const QByteArray &bytes) const
{
    const QString path = Path(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
    return path;
}

TMainFOptions MainFTest::Options() const
{
    TMainFOptions options;
    options.ProgramFile = ProgramFolder() + "lorvanta";
    options.SettingsFile = SettingsFile();
    options.DecoderFolder = QStringLiteral(FAKE_MPEGDLL_DIR);
    options.RunFromCD = false;
    return options;
}

TMainF &MainFTest::Start(std::optional<TMainFOptions> options)
{
    window = std::make_unique<TMainF>(options.value_or(Options()));
    return *window;
}

namespace {

void AppendLine(QByteArray &text, const QString &line) { text += line.toUtf8() + "\r\n"; }

} // namespace

QString MainFTest::WriteList(const QString &relative, const std::vector<TTestArtist> &artists,
                             const QByteArray &common) const
{
    const QString folder = QFileInfo(Path(relative)).path() + '/';
    QDir().mkpath(folder);
    QByteArray text = "[Common]\r\n" + common;
    for (const TTestArtist &artist : artists) {
        AppendLine(text, "[Artist]\r\nName=" + artist.Name);
        if (!artist.History.isEmpty())
            AppendLine(text, "History=" + artist.History);
        AppendLine(text, QString("Albums=%1").arg(artist.Albums.size()));
        for (const TTestAlbum &album : artist.Albums) {
            AppendLine(text, "[Album]\r\nName=" + album.Name);
            if (!album.Picture.isEmpty())
                AppendLine(text, "Picture=" + album.Picture);
            if (!album.Review.isEmpty())
                AppendLine(text, "Retsenzia=" + album.Review);
            AppendLine(text, QString("Songs=%1").arg(album.Songs.size()));
            for (qsizetype song = 0; song < album.Songs.size(); ++song) {
                const QString &title = album.Songs[song];
                AppendLine(text, "[Song]\r\nTitle=" + title + "\r\nFile=" + title + ".mp3");
                if (!album.Texts.value(song).isEmpty())
                    AppendLine(text, "Text=" + album.Texts[song]);
                if (!title.startsWith("missing"))
                    QFile(folder + title + ".mp3").open(QIODevice::WriteOnly);
            }
        }
    }
    return Write(relative, text);
}

QString MainFTest::WriteStandardList(const QString &relative) const
{
    return WriteList(relative, {{"Blue", {{"First", {"a", "b", "c"}}, {"Second", {"d"}}}},
                                {"Green", {{"Only", {"e", "f"}}}}});
}

void MainFTest::WriteSettings(const QStringList &mainValues, const QString &extraSections)
{
    QString text = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Quillmarsh\\Lorvanta\\2.0]\r\n";
    for (const QString &line : mainValues)
        text += line + "\r\n";
    text += "\r\n" + extraSections;
    QFile file(SettingsFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

QStringList MainFTest::AllSettings(const QStringList &overrides) const
{
    QStringList lines = {
        "\"PlayOnRun\"=dword:00000001", "\"CaptionFormat\"=\"%T (%M): %I - %S [%L]\"",
        "\"ArtistFormat\"=\"%I\"", "\"AlbumFormat\"=\"%A\"", "\"SongFormat\"=\"%S\"",
        "\"SaveListFileNameOnExit\"=dword:00000000", "\"HasLogFile\"=dword:00000000",
        "\"LogFileName\"=\"\"", "\"Priority\"=dword:00000003", "\"PlaylistType\"=dword:00000000",
        "\"SongNumber\"=dword:00000000", "\"OEMLogFile\"=dword:00000001",
        "\"PlayingStr\"=\"playing\"", "\"PausedStr\"=\"paused\"", "\"StoppedStr\"=\"stopped\"",
        "\"OpenedStr\"=\"opened\"", "\"ReadyStr\"=\"ready\"", "\"Shuffle\"=dword:00000000",
        "\"Repeat\"=dword:00000000", "\"Songs list width\"=dword:000000d9",
        "\"Slideshow interval\"=dword:00000bb8", "\"Import artist folder template\"=\"%I\"",
        "\"Import album folder template\"=\"%Y - %A\"",
        "\"Save M3U pack artist template\"=\"%I\"",
        "\"Save M3U pack album template\"=\"%Y - %A\""};
    for (const QString &override : overrides) {
        const QString name = override.section('=', 0, 0);
        bool replaced = false;
        for (QString &line : lines)
            if (line.section('=', 0, 0) == name) {
                line = override;
                replaced = true;
            }
        if (!replaced)
            lines << override;
    }
    return lines;
}

std::optional<qint32> MainFTest::StoredInteger(const QString &name, const QString &subKey) const
{
    TSettingsStore store(SettingsFile());
    if (!store.OpenKey(MainSettingsKey + (subKey.isEmpty() ? "" : "\\" + subKey), false) ||
        !store.ValueExists(name))
        return std::nullopt;
    return store.ReadInteger(name);
}

std::optional<QString> MainFTest::StoredText(const QString &name, const QString &subKey) const
{
    TSettingsStore store(SettingsFile());
    if (!store.OpenKey(MainSettingsKey + (subKey.isEmpty() ? "" : "\\" + subKey), false) ||
        !store.ValueExists(name))
        return std::nullopt;
    return store.ReadString(name);
}

QStringList MainFTest::SongTitles() const
{
    QStringList titles;
    for (const TExpandedSong &song : window->ExpandedSongs)
        titles << song.Title();
    return titles;
}

QTreeWidgetItem *MainFTest::Node(int artist, int album, int song) const
{
    QTreeWidgetItem *node = window->SongsLst->topLevelItem(artist);
    if (node && album >= 0)
        node = node->child(album);
    if (node && song >= 0)
        node = node->child(song);
    return node;
}
