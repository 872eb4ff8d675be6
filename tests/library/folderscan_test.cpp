#include "library/folderscan.h"

#include "library/foldertemplate.h"

#include "fixtures.h"
#include "id3v1tag.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class FolderScan : public ::testing::Test {
protected:
    void MakeFolder(const QString &relative) const { QDir().mkpath(fDisc.Path(relative)); }
    void Song(const QString &relative, const QString &title = QString()) const
    {
        fDisc.Write(relative, title.isEmpty() ? QByteArray("no tag") : TaggedSongBytes(title));
    }

    // The list built from the folders (relative to the disc) as the lines of Describe, with
    // the disc's path written as "@".
    QStringList Build(TFolderScanInput input)
    {
        for (QString *folder : {&input.Mp3Folder, &input.CoversFolder, &input.TextsFolder,
                                &input.ReviewsFolder, &input.HistoriesFolder})
            if (!folder->isEmpty())
                *folder = fDisc.Path(*folder);
        TArtistColl artists;
        EXPECT_TRUE(BuildListFromFolders(input, artists));
        return Describe(artists).replace(fDisc.Path(), "@").split('\n', Qt::SkipEmptyParts);
    }

    // The names of the artists, albums or songs (titles) of a built list, in order.
    static QStringList Names(const QStringList &lines, const char *kind)
    {
        QStringList names;
        for (const QString &line : lines)
            if (line.trimmed().startsWith(QLatin1String(kind) + '|'))
                names << line.trimmed().section('|', 1, 1);
        return names;
    }

    TTempFolder fDisc;
};

// Album folders named plainly: the whole name is the album's, with no year.
// A file or folder whose name is given as bytes, removed again at the end of the test (the
// temporary folder cannot remove a name that is not UTF-8).
class TRawName {
public:
    TRawName(const QByteArray &path, bool folder) : fPath(path), fFolder(folder)
    {
        const int made = folder ? mkdir(path.constData(), 0755)
                                : close(open(path.constData(), O_CREAT | O_WRONLY, 0644));
        EXPECT_EQ(made, 0) << path.toStdString();
    }
    ~TRawName() { fFolder ? rmdir(fPath.constData()) : unlink(fPath.constData()); }
    TRawName(const TRawName &) = delete;
    TRawName &operator=(const TRawName &) = delete;

private:
    QByteArray fPath;
    bool fFolder;
};

TFolderScanInput Mp3Only(const QString &folder = "MP3")
{
    TFolderScanInput input;
    input.Mp3Folder = folder;
    input.AlbumTemplate = "%A";
    return input;
}

// Every companion folder given: "Covers", "Texts", "Reviews" and "Hist".
TFolderScanInput WithCompanions(TFolderScanInput input)
{
    input.CoversFolder = "Covers";
    input.TextsFolder = "Texts";
    input.ReviewsFolder = "Reviews";
    input.HistoriesFolder = "Hist";
    return input;
}

} // namespace

TEST_F(FolderScan, BuildsTheWorkedExample)
{
    Song("MP3/Aurora Bell/1998 - First Light/01 Dawn.mp3", "Dawn");
    Song("MP3/Aurora Bell/1998 - First Light/02 Noon.mp3");
    Song("MP3/Aurora Bell/2001 - Tides/Tide.mp3", "Tide");
    Song("MP3/Ziggurat/Live/track1.mp3");
    fDisc.Write("Covers/Aurora Bell/a.jpg");
    fDisc.Write("Covers/Aurora Bell/b.jpg");
    fDisc.Write("Texts/Aurora Bell/1998 - First Light/01.txt");
    fDisc.Write("Texts/Aurora Bell/1998 - First Light/02.rtf");
    fDisc.Write("Texts/Aurora Bell/1998 - First Light/notes.doc");
    fDisc.Write("Hist/Aurora Bell.txt");
    TFolderScanInput input = Mp3Only();
    input.CoversFolder = "Covers";
    input.TextsFolder = "Texts/"; // a folder given with its "/" gets no second one
    input.HistoriesFolder = "Hist";
    input.ArtistTemplate.clear(); // empty templates stand for the defaults
    input.AlbumTemplate.clear();
    EXPECT_EQ(Build(input),
              QStringList({
                  "artist|Aurora Bell|@/Hist/Aurora Bell.txt|",
                  " album|First Light|1998|@/Covers/Aurora Bell/a.jpg|",
                  "  song|Dawn|@/MP3/Aurora Bell/1998 - First Light/01 Dawn.mp3||"
                  "@/Texts/Aurora Bell/1998 - First Light/01.txt|",
                  "  song|02 Noon.mp3|@/MP3/Aurora Bell/1998 - First Light/02 Noon.mp3||"
                  "@/Texts/Aurora Bell/1998 - First Light/02.rtf|",
                  " album|Tides|2001|@/Covers/Aurora Bell/b.jpg|",
                  "  song|Tide|@/MP3/Aurora Bell/2001 - Tides/Tide.mp3|||",
                  "artist|Ziggurat||",
                  " album||<>||",
                  "  song|track1.mp3|@/MP3/Ziggurat/Live/track1.mp3|||",
              }));
}

TEST_F(FolderScan, PairsCoversReviewsAndTextsByPositionNeverByName)
{
    for (const char *album : {"A", "B", "C"})
        MakeFolder(QStringLiteral("MP3/Band/%1").arg(album));
    for (const char *song : {"a.mp3", "b.mp3", "c.mp3"})
        Song(QStringLiteral("MP3/Band/A/%1").arg(song));
    fDisc.Write("Covers/Band/zzz.jpg");
    fDisc.Write("Covers/Band/A.jpg");
    fDisc.Write("Reviews/Band/only.rtf");
    // Sorted as text: 1, 10, 2.
    for (const char *text : {"2.txt", "10.txt", "1.txt", "extra.txt"})
        fDisc.Write(QStringLiteral("Texts/Band/A/%1").arg(text));
    EXPECT_EQ(Build(WithCompanions(Mp3Only())),
              QStringList({
                  "artist|Band||", // the first cover and review go to the first album
                  " album|A||@/Covers/Band/A.jpg|@/Reviews/Band/only.rtf",
                  "  song|a.mp3|@/MP3/Band/A/a.mp3||@/Texts/Band/A/1.txt|",
                  "  song|b.mp3|@/MP3/Band/A/b.mp3||@/Texts/Band/A/10.txt|",
                  "  song|c.mp3|@/MP3/Band/A/c.mp3||@/Texts/Band/A/2.txt|",
                  " album|B||@/Covers/Band/zzz.jpg|",
                  " album|C|||", // three albums, two covers
              }));
}

TEST_F(FolderScan, FindsCompanionNamesInAnyLetterCaseAndKeepsTheNamesOnDisk)
{
    Song("MP3/Aurora Bell/1998 - First Light/01.Mp3");
    Song("MP3/Aurora Bell/1998 - First Light/02.MP2");
    fDisc.Write("covers/AURORA BELL/A.JPG");
    fDisc.Write("Texts/aurora bell/1998 - FIRST LIGHT/01.Txt");
    fDisc.Write("Texts/aurora bell/1998 - FIRST LIGHT/02.RTF");
    fDisc.Write("Hist/AURORA BELL.TXT");
    // A folder given in other letter case is found too.
    TFolderScanInput input = WithCompanions(Mp3Only("mp3"));
    input.AlbumTemplate = "%Y - %A";
    EXPECT_EQ(Build(input), QStringList({
                                "artist|Aurora Bell|@/Hist/AURORA BELL.TXT|",
                                " album|First Light|1998|@/covers/AURORA BELL/A.JPG|",
                                "  song|01.Mp3|@/MP3/Aurora Bell/1998 - First Light/01.Mp3||"
                                "@/Texts/aurora bell/1998 - FIRST LIGHT/01.Txt|",
                                "  song|02.MP2|@/MP3/Aurora Bell/1998 - First Light/02.MP2||"
                                "@/Texts/aurora bell/1998 - FIRST LIGHT/02.RTF|",
                            }));
}

TEST_F(FolderScan, HistoryIsTheFirstEntryNamedLikeTheArtistFolder)
{
    for (const char *artist : {"Apple", "Berry", "Cherry", "Date", "Elder", "Fig"})
        MakeFolder(QStringLiteral("MP3/%1").arg(artist));
    fDisc.Write("Hist/Apple.rtf");
    fDisc.Write("Hist/Berry.jpg"); // the first entry found is not a text: no history
    fDisc.Write("Hist/Berry.txt");
    MakeFolder("Hist/Cherry"); // a folder named like the artist comes first
    fDisc.Write("Hist/Cherry.txt");
    fDisc.Write("Hist/Date.2001.txt"); // the name followed by "." and anything
    fDisc.Write("Hist/Dates.txt");     // not the name followed by "."
    fDisc.Write("Hist/Elder");         // the bare name is found, but has no extension
    fDisc.Write("Hist/fig.Txt");
    TFolderScanInput input = Mp3Only();
    input.HistoriesFolder = "Hist";
    const QStringList lines = Build(input);
    EXPECT_EQ(lines, QStringList({"artist|Apple|@/Hist/Apple.rtf|", "artist|Berry||",
                                  "artist|Cherry||", "artist|Date|@/Hist/Date.2001.txt|",
                                  "artist|Elder||", "artist|Fig|@/Hist/fig.Txt|"}));
}

TEST_F(FolderScan, SongsAreMpFilesAndOnlyFoldersAreArtistsOrAlbums)
{
    for (const char *song :
         {"a.mp3", "b.MP2", "c.mpg", "d.mp3.txt", "e.wav", "f.mp", "g.mpeg", ".mp1"})
        Song(QStringLiteral("MP3/Band/Album/%1").arg(song));
    fDisc.Write("MP3/loose.mp3"); // a file among the artist folders
    fDisc.Write("MP3/Band/loose.mp3");
    MakeFolder("MP3/Band/Album/Bonus"); // a folder among the songs
    const QStringList lines = Build(Mp3Only());
    EXPECT_EQ(Names(lines, "artist"), QStringList({"Band"}));
    EXPECT_EQ(Names(lines, "album"), QStringList({"Album"}));
    EXPECT_EQ(Names(lines, "song"), QStringList({".mp1", "a.mp3", "b.MP2", "c.mpg"}));
}

TEST_F(FolderScan, SortsAsTextWithoutRegardToCaseWithCyrillicInAlphabetOrder)
{
    const QStringList artists = {"Яблоко", "жук",   "Ель",   "ёж",     "Ария",
                                 "banana", "Apple", "2 Two", "10 Ten", "apple"};
    for (const QString &artist : artists)
        MakeFolder("MP3/" + artist);
    const QLocale before;
    // No locale chosen (C): every alphabet in its order, Latin before Cyrillic, Ё beside Е.
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(Names(Build(Mp3Only()), "artist"),
              QStringList({"10 Ten", "2 Two", "Apple", "apple", "banana", "Ария", "ёж", "Ель",
                           "жук", "Яблоко"}));
    // The user's locale decides: Russian puts Cyrillic first.
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    EXPECT_EQ(Names(Build(Mp3Only()), "artist"),
              QStringList({"10 Ten", "2 Two", "Ария", "ёж", "Ель", "жук", "Яблоко", "Apple",
                           "apple", "banana"}));
    QLocale::setDefault(before);
}

TEST_F(FolderScan, EmptyCompanionFieldsAreNotLookedAt)
{
    Song("MP3/Band/Album/a.mp3");
    // What a search without a folder part would find in the current folder.
    fDisc.Write("Band/cover.jpg");
    fDisc.Write("Band/Album/a.txt");
    fDisc.Write("Band.txt");
    const QString before = QDir::currentPath();
    QDir::setCurrent(fDisc.Path());
    const QStringList lines = Build(Mp3Only());
    QDir::setCurrent(before);
    EXPECT_EQ(lines, QStringList({"artist|Band||", " album|Album|||",
                                  "  song|a.mp3|@/MP3/Band/Album/a.mp3|||"}));
}

TEST_F(FolderScan, ReportsTheMp3FolderThenEachAlbumFolder)
{
    MakeFolder("MP3/B/Two");
    MakeFolder("MP3/A/One");
    MakeFolder("MP3/A/Three");
    QStringList reported;
    TArtistColl artists;
    BuildListFromFolders(Mp3Only(fDisc.Path("MP3")), artists,
                         [&](const QString &folder) { reported << folder; });
    EXPECT_EQ(reported.join('\n').replace(fDisc.Path(), "@"),
              "@/MP3/\n@/MP3/A/One\n@/MP3/A/Three\n@/MP3/B/Two");
}

TEST_F(FolderScan, NothingChangesWithoutAnMp3Folder)
{
    MakeFolder("MP3/Band/Album");
    TArtistColl artists;
    artists.Add().Name = "Kept";
    bool reported = false;
    EXPECT_FALSE(
        BuildListFromFolders(Mp3Only(""), artists, [&](const QString &) { reported = true; }));
    EXPECT_EQ(Describe(artists), "artist|Kept||\n");
    EXPECT_FALSE(reported);
}

TEST_F(FolderScan, TemplateErrorsLeaveTheListAsItWas)
{
    MakeFolder("MP3/Band/Album");
    TArtistColl artists;
    TArtistItem &kept = artists.Add();
    kept.Name = "Kept";
    kept.Albums.Add().Songs.Add().File = "/kept.mp3";
    const QString before = Describe(artists);
    const struct {
        const char *artistTemplate;
        const char *albumTemplate;
        const char *message;
    } cases[] = {
        {"plain", "%A", "Неверный шаблон папок исполнителей!"},
        {"%I", "plain", "Неверный шаблон папок альбомов!"},
        // Found only at the first artist folder, and at the first album folder, after the
        // artist has been added to the list being built.
        {"%I%A", "%A", "Шаблоны не должны идти подряд!"},
        {"%I", "%Y%x%A", "Неизвестный элемент шаблона"},
    };
    for (const auto &c : cases) {
        TFolderScanInput input = Mp3Only(fDisc.Path("MP3"));
        input.ArtistTemplate = c.artistTemplate;
        input.AlbumTemplate = c.albumTemplate;
        try {
            BuildListFromFolders(input, artists);
            ADD_FAILURE() << "no error for " << c.artistTemplate << " " << c.albumTemplate;
        } catch (const ETemplateError &error) {
            EXPECT_EQ(error.Message(), QString::fromUtf8(c.message));
        }
        EXPECT_EQ(Describe(artists), before);
    }
}

TEST_F(FolderScan, MissingOrWrongMp3FolderGivesAnEmptyList)
{
    fDisc.Write("file.mp3", "x");
    for (const char *folder : {"nothing", "file.mp3"}) {
        TArtistColl artists;
        artists.Add().Name = "Replaced";
        EXPECT_TRUE(BuildListFromFolders(Mp3Only(fDisc.Path(folder)), artists));
        EXPECT_EQ(artists.Count(), 0) << folder;
    }
}

TEST_F(FolderScan, BadEntriesAreLeftOutAndTheRestIsBuilt)
{
    Song("MP3/Band/Album/good.mp3", "Good");
    Song("MP3/東京/Ωmega/song.mp3"); // outside Windows-1251: kept as they are
    const QByteArray album = QFile::encodeName(fDisc.Path("MP3/Band/Album/"));
    // Names that are not UTF-8 (Windows-1251 bytes): nothing could open them by a decoded name.
    const TRawName badFolder(QFile::encodeName(fDisc.Path("MP3/")) + "\xCF\xE5\xF1\xED\xE8", true);
    const TRawName badSong(album + "\xE0\xE1.mp3", false);
    // Links: into a loop, to nowhere, and back up the tree; a pipe that would block a reader.
    ASSERT_EQ(symlink("loop.mp3", (album + "loop.mp3").constData()), 0);
    ASSERT_EQ(symlink("missing", (album + "gone.mp3").constData()), 0);
    ASSERT_EQ(symlink("../..", (album + "up").constData()), 0);
    ASSERT_EQ(symlink("..", QFile::encodeName(fDisc.Path("MP3/Band/Back")).constData()), 0);
    ASSERT_EQ(mkfifo((album + "pipe.mp3").constData(), 0644), 0);
    EXPECT_EQ(Build(Mp3Only()),
              QStringList({
                  "artist|Band||",
                  " album|Album|||",
                  "  song|Good|@/MP3/Band/Album/good.mp3|||",
                  " album|Back|||", // a link to a folder is a folder: Back holds Band
                  "artist|東京||",
                  " album|Ωmega|||",
                  "  song|song.mp3|@/MP3/東京/Ωmega/song.mp3|||",
              }));
}

TEST_F(FolderScan, UnreadableFoldersAndFilesGiveWhatCouldBeRead)
{
    Song("MP3/Band/Open/a.mp3", "Tagged");
    Song("MP3/Band/Shut/b.mp3", "Hidden");
    Song("MP3/Band/Open/c.mp3", "Locked");
    ASSERT_EQ(chmod(QFile::encodeName(fDisc.Path("MP3/Band/Open/c.mp3")).constData(), 0), 0);
    ASSERT_EQ(chmod(QFile::encodeName(fDisc.Path("MP3/Band/Shut")).constData(), 0), 0);
    const QStringList songs = Names(Build(Mp3Only()), "song");
    chmod(QFile::encodeName(fDisc.Path("MP3/Band/Shut")).constData(), 0755);
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop root";
    // The locked song is listed by its file name; the shut album is empty.
    EXPECT_EQ(songs, QStringList({"Tagged", "c.mp3"}));
}

TEST_F(FolderScan, TenThousandFilesInOneFolder)
{
    MakeFolder("MP3/Band/Album");
    for (int i = 0; i < 10000; ++i)
        QFile(fDisc.Path(QStringLiteral("MP3/Band/Album/%1.mp3").arg(i)))
            .open(QIODevice::WriteOnly);
    const QStringList songs = Names(Build(Mp3Only()), "song");
    ASSERT_EQ(songs.size(), 10000);
    EXPECT_EQ(songs.mid(0, 4), QStringList({"0.mp3", "1.mp3", "10.mp3", "100.mp3"}));
    EXPECT_EQ(songs.last(), "9999.mp3");
}
