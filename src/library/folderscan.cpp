#include "library/folderscan.h"

#include "library/foldertemplate.h"
#include "library/id3v1.h"
#include "library/nameorder.h"
#include "platform/filefinder.h"
#include "platform/folderentries.h"

#include <QFileInfo>
#include <QHash>
#include <algorithm>

namespace {

using TNameFilter = bool (*)(QStringView name);

bool AnyName(QStringView)
{
    return true;
}

// "*.MP?": songs.
bool IsSongName(QStringView name)
{
    return name.size() >= 4 && name[name.size() - 4] == u'.' &&
           name.sliced(name.size() - 3, 2).compare(u"mp", Qt::CaseInsensitive) == 0;
}

// ".TXT" or ".RTF": song texts and histories.
bool IsTextName(QStringView name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot < 0)
        return false;
    const QStringView extension = name.sliced(dot + 1);
    return extension.compare(u"txt", Qt::CaseInsensitive) == 0 ||
           extension.compare(u"rtf", Qt::CaseInsensitive) == 0;
}

// The folder as given, or where it exists only in other letter case, as found; ending in "/".
// Empty stays empty.
QString GivenFolder(const QString &given)
{
    if (given.isEmpty())
        return {};
    QString folder = given;
    if (!QFileInfo(given).isDir()) {
        const QString found = FindExistingFile(given);
        if (!found.isEmpty())
            folder = found;
    }
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

// A folder whose entries are read once; an absent one (no path) has none.
class TScanFolder {
public:
    TScanFolder() = default;
    // path ends in "/".
    explicit TScanFolder(const QString &path) : fPath(path), fEntries(ListFolder(path))
    {
        for (qsizetype i = 0; i < qsizetype(fEntries.size()); ++i) {
            const TFolderEntry &entry = fEntries[size_t(i)];
            if (!entry.IsFolder)
                continue;
            // Of names that differ only in letter case, the first by character code wins.
            const QString folded = entry.Name.toCaseFolded();
            const auto it = fFolderByFoldedName.find(folded);
            if (it == fFolderByFoldedName.end())
                fFolderByFoldedName.insert(folded, i);
            else if (entry.Name < fEntries[size_t(*it)].Name)
                *it = i;
        }
    }

    const QString &Path() const { return fPath; }

    // The subfolder of that name (exactly, else without regard to letter case); absent if none.
    TScanFolder Subfolder(const QString &name) const
    {
        const auto it = fFolderByFoldedName.constFind(name.toCaseFolded());
        if (it == fFolderByFoldedName.cend())
            return {};
        const QString &found = fEntries[size_t(*it)].Name;
        const bool exact = found == name || QFileInfo(fPath + name).isDir();
        return TScanFolder(fPath + (exact ? name : found) + u'/');
    }

    // The names of the subfolders, sorted.
    QStringList FolderNames(const TNameOrder &order) const { return Names(true, order, AnyName); }

    // The full names of the files whose names pass accept, sorted by name.
    QStringList Files(const TNameOrder &order, TNameFilter accept) const
    {
        QStringList files = Names(false, order, accept);
        for (QString &file : files)
            file.prepend(fPath);
        return files;
    }

private:
    QStringList Names(bool folders, const TNameOrder &order, TNameFilter accept) const
    {
        QStringList names;
        for (const TFolderEntry &entry : fEntries)
            if (entry.IsFolder == folders && accept(entry.Name))
                names << entry.Name;
        order.Sort(names);
        return names;
    }

    QString fPath;
    std::vector<TFolderEntry> fEntries;
    QHash<QString, qsizetype> fFolderByFoldedName;
};

// The histories folder. An artist's history is the first entry (in name order) that a search
// for the artist folder's name followed by ".*" finds, which also finds the bare name, taken
// when it is a ".TXT" or ".RTF" file.
class THistories {
public:
    THistories(const QString &path, const TNameOrder &order) : fPath(path)
    {
        if (path.isEmpty())
            return;
        fEntries = ListFolder(path);
        std::sort(fEntries.begin(), fEntries.end(),
                  [&order](const auto &a, const auto &b) { return order.Less(a.Name, b.Name); });
        for (qsizetype i = 0; i < qsizetype(fEntries.size()); ++i) {
            const QString &name = fEntries[size_t(i)].Name;
            // The first entry in order keeps each stem.
            AddStem(name.toCaseFolded(), i);
            for (qsizetype dot = name.indexOf(u'.'); dot >= 0; dot = name.indexOf(u'.', dot + 1))
                AddStem(name.first(dot).toCaseFolded(), i);
        }
    }

    // The history's full name; empty when there is none.
    QString Find(const QString &artistFolder) const
    {
        const qsizetype i = fFirstByStem.value(artistFolder.toCaseFolded(), -1);
        if (i < 0)
            return {};
        const TFolderEntry &entry = fEntries[size_t(i)];
        return entry.IsFolder || !IsTextName(entry.Name) ? QString() : fPath + entry.Name;
    }

private:
    void AddStem(const QString &stem, qsizetype entry)
    {
        if (!fFirstByStem.contains(stem))
            fFirstByStem.insert(stem, entry);
    }

    QString fPath;
    std::vector<TFolderEntry> fEntries;
    QHash<QString, qsizetype> fFirstByStem;
};

class TFolderScan {
public:
    TFolderScan(const TFolderScanInput &input, const TFolderTemplate &artistTemplate,
                const TFolderTemplate &albumTemplate, const TScanProgress &progress)
        : fArtistTemplate(artistTemplate), fAlbumTemplate(albumTemplate),
          fMp3Folder(GivenFolder(input.Mp3Folder)), fCovers(Optional(input.CoversFolder)),
          fTexts(Optional(input.TextsFolder)), fReviews(Optional(input.ReviewsFolder)),
          fHistories(GivenFolder(input.HistoriesFolder), fOrder), fProgress(progress)
    {}

    void Run(TArtistColl &artists)
    {
        const TScanFolder mp3(fMp3Folder);
        Report(mp3.Path());
        for (const QString &name : mp3.FolderNames(fOrder))
            ScanArtist(mp3.Subfolder(name), name, artists.Add());
    }

private:
    static TScanFolder Optional(const QString &given)
    {
        const QString folder = GivenFolder(given);
        return folder.isEmpty() ? TScanFolder() : TScanFolder(folder);
    }

    void Report(const QString &folder) const
    {
        if (fProgress)
            fProgress(folder);
    }

    void ScanArtist(const TScanFolder &folder, const QString &name, TArtistItem &artist)
    {
        artist.Name = ExtractTemplateField(fArtistTemplate, name, u'I');
        artist.History = fHistories.Find(name);
        const QStringList covers = fCovers.Subfolder(name).Files(fOrder, AnyName);
        const QStringList reviews = fReviews.Subfolder(name).Files(fOrder, AnyName);
        const TScanFolder texts = fTexts.Subfolder(name);
        const QStringList albums = folder.FolderNames(fOrder);
        for (qsizetype j = 0; j < albums.size(); ++j) {
            TAlbItem &album = artist.Albums.Add();
            album.Picture = covers.value(j);
            album.Retsenzia = reviews.value(j);
            ScanAlbum(folder.Subfolder(albums[j]), albums[j], texts, album);
        }
    }

    void ScanAlbum(const TScanFolder &folder, const QString &name, const TScanFolder &artistTexts,
                   TAlbItem &album)
    {
        Report(folder.Path().chopped(1));
        album.Name = ExtractTemplateField(fAlbumTemplate, name, u'A');
        album.Year = ExtractTemplateField(fAlbumTemplate, name, u'Y');
        const QStringList songs = folder.Files(fOrder, IsSongName);
        const QStringList texts = artistTexts.Subfolder(name).Files(fOrder, IsTextName);
        for (qsizetype k = 0; k < songs.size(); ++k)
            AddSong(songs[k], texts.value(k), album.Songs.Add());
    }

    static void AddSong(const QString &file, const QString &text, TSongItem &song)
    {
        song.File = file;
        song.Text = text;
        TMP3TagInfo tag;
        ReadID3v1Tag(file, tag);
        song.Title = tag.Title.isEmpty() ? QFileInfo(file).fileName() : tag.Title;
        song.Comment = tag.Comment;
    }

    const TNameOrder fOrder;
    const TFolderTemplate &fArtistTemplate;
    const TFolderTemplate &fAlbumTemplate;
    const QString fMp3Folder;
    const TScanFolder fCovers;
    const TScanFolder fTexts;
    const TScanFolder fReviews;
    const THistories fHistories;
    const TScanProgress &fProgress;
};

} // namespace

bool BuildListFromFolders(const TFolderScanInput &input, TArtistColl &artists,
                          const TScanProgress &progress)
{
    const TFolderTemplate artistTemplate =
        ParseFolderTemplate(input.ArtistTemplate, TTemplateKind::Artist);
    const TFolderTemplate albumTemplate =
        ParseFolderTemplate(input.AlbumTemplate, TTemplateKind::Album);
    if (input.Mp3Folder.isEmpty())
        return false;
    // Built aside, so that an error met during the scan leaves the list as it was.
    TArtistColl built;
    TFolderScan(input, artistTemplate, albumTemplate, progress).Run(built);
    CopyLibrary(built, artists);
    return true;
}
