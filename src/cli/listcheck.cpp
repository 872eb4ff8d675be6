#include "cli/listcheck.h"

#include "decoder/bytesource.h"
#include "decoder/locatedreader.h"
#include "imaging/limits.h"
#include "imaging/picture.h"
#include "library/picturescan.h"
#include "platform/filefinder.h"
#include "platform/ioerror.h"
#include "platform/listpath.h"
#include "richtext/documenttext.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <atomic>
#include <thread>
#include <utility>

namespace {

// What the list expects under a name, and so how the file is read.
enum class TFileKind { Song, Picture, Document, PlainFile, Folder };

// One finding about a file: the same for every entry that names it.
struct TVerdict {
    QString Problem;
    QString Detail;
    QString Found;
};
using TVerdicts = std::vector<TVerdict>;

TVerdicts Finding(const char *problem, const QString &detail)
{
    return {TVerdict{QLatin1String(problem), detail, QString()}};
}

// Pictures are decoded this small: a JPEG then decodes at an eighth of its size, every byte of
// it read all the same; the other formats decode whole when they are loaded.
constexpr QSize kProbeSize(16, 16);

// The decoder's own test, as the player opens a song: a run of alike frames where audio starts.
TVerdicts ReadSong(const QString &file)
{
    const auto source = mpegdll::openFileSource(QFile::encodeName(file).constData());
    if (!source)
        return Finding("unreadable", QStringLiteral("Не удается открыть файл"));
    mpegdll::LocatedReader reader(*source);
    if (!reader.locate())
        return Finding("not-mpeg", QStringLiteral("В файле не найдено кадров MPEG-аудио"));
    return {};
}

TVerdicts ReadPicture(const QString &file)
{
    try {
        TImagePicture picture;
        picture.Load(file);
        const QSize size = picture.NaturalSize();
        if (!IsAcceptablePictureSize(size))
            return Finding("bad-picture", QStringLiteral("Рисунок слишком велик: %1x%2")
                                              .arg(size.width())
                                              .arg(size.height()));
        picture.ToImage(kProbeSize);
        return {};
    } catch (const EPictureError &error) {
        return Finding("bad-picture", error.Message());
    }
}

// Song texts, reviews, histories and the disc description: RTF must be whole, and a file named
// ".rtf" must be RTF (the pages would show its bytes as plain text).
TVerdicts ReadDocument(const QString &file)
{
    QByteArray bytes;
    try {
        bytes = ReadDocumentFile(file);
    } catch (const EIOError &error) {
        return Finding("unreadable", error.Message());
    }
    if (IsCutRtf(bytes))
        return Finding("bad-text", QStringLiteral("Документ RTF обрывается: группа не закрыта, "
                                                  "конец не будет показан"));
    if (!IsRtf(bytes) && QFileInfo(file).suffix().compare(u"rtf", Qt::CaseInsensitive) == 0)
        return Finding("bad-text", QStringLiteral("Файл .rtf не в формате RTF: он будет показан "
                                                  "как простой текст"));
    return {};
}

TVerdicts ReadPlainFile(const QString &file)
{
    QFile opened(file);
    if (!opened.open(QIODevice::ReadOnly))
        return Finding("unreadable",
                       QStringLiteral("Не удается открыть файл: ") + opened.errorString());
    return {};
}

TVerdicts ReadFolder(const QString &folder)
{
    if (!QFileInfo(folder).isReadable())
        return Finding("unreadable", QStringLiteral("Не удается прочитать папку"));
    return {};
}

TVerdicts Read(const QString &found, TFileKind kind)
{
    switch (kind) {
    case TFileKind::Song: return ReadSong(found);
    case TFileKind::Picture: return ReadPicture(found);
    case TFileKind::Document: return ReadDocument(found);
    case TFileKind::PlainFile: return ReadPlainFile(found);
    case TFileKind::Folder: return ReadFolder(found);
    }
    return {};
}

// Finds path as the player does (as written, else without regard to letter case) and reads it.
TVerdicts Examine(const QString &path, TFileKind kind)
{
    const bool folder = kind == TFileKind::Folder;
    if (IsForeignPath(path))
        return Finding("foreign",
                       QStringLiteral("Путь с буквой диска или сетевой путь здесь не найти"));
    const QString found = FindExistingFile(path);
    if (found.isEmpty())
        return Finding("missing", folder ? QStringLiteral("Папка не найдена")
                                         : QStringLiteral("Файл не найден"));
    TVerdicts verdicts;
    if (found != path)
        verdicts.push_back({QStringLiteral("case"),
                            QStringLiteral("Найден только без учёта регистра букв: на копии "
                                           "диска, где регистр различается, не найдётся"),
                            found});
    TVerdicts read;
    if (QFileInfo(found).isDir() == folder)
        read = Read(found, kind);
    else if (folder)
        read = Finding("not-folder", QStringLiteral("Это файл, а не папка"));
    else
        read = Finding("not-file", QStringLiteral("Это папка, а не файл"));
    verdicts.insert(verdicts.end(), read.begin(), read.end());
    return verdicts;
}

// A failure no reader expects (memory running out) is the file's problem, not the check's end.
TVerdicts ExamineSafely(const QString &path, TFileKind kind)
{
    try {
        return Examine(path, kind);
    } catch (const std::exception &error) {
        return Finding("unreadable", QString::fromUtf8(error.what()));
    }
}

// A file the list names, and what examining it found.
struct TNamedFile {
    QString Path;
    TFileKind Kind;
    TVerdicts Verdicts;
};

// Examines every file on as many threads as the machine has cores: the files are independent,
// and most of the time goes to decoding covers and reading songs.
void ExamineAll(std::vector<TNamedFile> &files)
{
    std::atomic<size_t> next{0};
    const auto work = [&files, &next] {
        for (size_t i = next++; i < files.size(); i = next++)
            files[i].Verdicts = ExamineSafely(files[i].Path, files[i].Kind);
    };
    std::vector<std::jthread> helpers;
    for (unsigned i = 1; i < std::thread::hardware_concurrency(); ++i)
        helpers.emplace_back(work);
    work();
}

// First what the list names, in list order, each file once; then the files are examined, and
// the problems come out in the order of the entries that name them.
class TListChecker {
public:
    void Check(const QString &path, TFileKind kind, const TCheckEntry &entry)
    {
        if (path.isEmpty())
            return; // the entry is not given
        const QString key = QChar(u'0' + int(kind)) + path;
        auto known = fIndex.find(key);
        if (known == fIndex.end()) {
            known = fIndex.insert(key, fFiles.size());
            fFiles.push_back({path, kind, {}});
        }
        fEntries.push_back({*known, entry});
    }

    // The picture-folder file, then each folder its lines name, as the photos page finds them.
    void CheckPictureFolderFile(const QString &path, const TCheckEntry &entry)
    {
        Check(path, TFileKind::PlainFile, entry);
        const QString found = path.isEmpty() ? QString() : FindExistingFile(path);
        if (found.isEmpty() || !QFileInfo(found).isFile())
            return; // reported with the file
        QStringList folders;
        ReadPictureFolderFile(found, folders);
        for (const QString &folder : folders)
            Check(folder, TFileKind::Folder, entry);
    }

    std::vector<TCheckProblem> Problems()
    {
        ExamineAll(fFiles);
        std::vector<TCheckProblem> problems;
        for (const auto &[file, entry] : fEntries)
            for (const TVerdict &verdict : fFiles[file].Verdicts)
                problems.push_back(
                    {fFiles[file].Path, verdict.Problem, verdict.Detail, verdict.Found, entry});
        return problems;
    }

private:
    std::vector<TNamedFile> fFiles;
    QHash<QString, size_t> fIndex; // of fFiles, by kind and path
    std::vector<std::pair<size_t, TCheckEntry>> fEntries;
};

TCheckEntry Keyed(TCheckEntry entry, const char *key)
{
    entry.Key = QLatin1String(key);
    return entry;
}

void CheckSong(TListChecker &checker, const TSongItem &song, const TCheckEntry &at)
{
    checker.Check(song.File, TFileKind::Song, Keyed(at, "File"));
    checker.Check(song.Picture, TFileKind::Picture, Keyed(at, "Picture"));
    checker.Check(song.Text, TFileKind::Document, Keyed(at, "Text"));
}

void CheckAlbum(TListChecker &checker, const TAlbItem &album, int artist, int position)
{
    const TCheckEntry at{"Album", {}, artist, position, 0, album.Name};
    checker.Check(album.Picture, TFileKind::Picture, Keyed(at, "Picture"));
    checker.Check(album.Retsenzia, TFileKind::Document, Keyed(at, "Retsenzia"));
    int song = 0;
    for (const TSongItem &item : album.Songs)
        CheckSong(checker, item, {"Song", {}, artist, position, ++song, item.Title});
}

void CheckArtist(TListChecker &checker, const TArtistItem &artist, int position)
{
    const TCheckEntry at{"Artist", {}, position, 0, 0, artist.Name};
    checker.Check(artist.History, TFileKind::Document, Keyed(at, "History"));
    checker.CheckPictureFolderFile(artist.PicPaths, Keyed(at, "PicPaths"));
    int album = 0;
    for (const TAlbItem &item : artist.Albums)
        CheckAlbum(checker, item, position, ++album);
}

} // namespace

std::vector<TCheckProblem> CheckList(const TArtistColl &artists, const TDiscPaths &paths)
{
    TListChecker checker;
    const TCheckEntry common{"Common", {}, 0, 0, 0, {}};
    checker.Check(paths.AboutFile, TFileKind::Document, Keyed(common, "About"));
    checker.Check(paths.PhotosFolder, TFileKind::Folder, Keyed(common, "Photos"));
    checker.Check(paths.HTMLFile, TFileKind::PlainFile, Keyed(common, "HTML"));
    checker.Check(paths.ClipsFolder, TFileKind::Folder, Keyed(common, "Clips"));
    int position = 0;
    for (const TArtistItem &artist : artists)
        CheckArtist(checker, artist, ++position);
    return checker.Problems();
}
