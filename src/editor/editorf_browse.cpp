// The editor's file and folder dialogs: browsing for one file, adding song files, giving the
// files of a whole album or artist, and the photos and clips folders. One open dialog (ODial)
// serves every command, so its folder carries over from one to the next.

#include "editor/editorf.h"

#include "library/id3v1.h"
#include "library/listtext.h"
#include "platform/filefinder.h"
#include "widgets/zvbrowsefolderdialog.h"

#include <QFileInfo>
#include <QLineEdit>

namespace {

const QString kMpegFilter =
    "MPEG аудио-файлы (*.mp1,*.mp2,*.mp3)|*.mp1;*.mp2;*.mp3|Все файлы (*.*)|*.*";
const QString kAllFilesFilter = "Все файлы (*.*)|*.*";
const QString kHtmlFilter =
    "Все поддерживаемые форматы (*.htm,*.html)|*.htm;*.html|Все файлы (*.*)|*.*";
const QString kTextFilterA = "Все поддерживаемые форматы (*.txt,*.rtf)|*.txt;*.rtf|RTF-текст "
                             "(*.rtf)|*.rtf|Текстовый файл (*.txt)|*.txt|Все файлы (*.*)|*.*";
const QString kTextFilterB = "Все поддерживаемые форматы (*.rtf,*.txt)|*.rtf;*.txt|RTF-текст "
                             "(*.rtf)|*.rtf|Текстовый файл (*.txt)|*.txt|Все файлы (*.*)|*.*";
const QString kPictureFilter =
    "Все поддерживаемые форматы картинок (*.bmp,*.wmf,*.emf,*.jpg,*.gif)|*.bmp;*.wmf;*.emf;*.jpg;"
    "*.gif|Растровые изображения (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg;*.jpeg|GIF (*.gif)|*.gif|Все "
    "файлы (*.*)|*.*";

QString Quoted(const QString &text)
{
    return u'"' + text + u'"';
}

QString FolderOfFile(const QString &file)
{
    return QFileInfo(file).absolutePath();
}

} // namespace

QString TEditorF::NamedFile(const QString &text)
{
    const QString found = text.isEmpty() ? QString() : FindExistingFile(text);
    return QFileInfo(found).isFile() ? found : QString();
}

std::optional<QStringList> TEditorF::RunODial()
{
    std::optional<QStringList> files = Prompt().OpenFiles(this, ODial);
    if (files && files->isEmpty())
        return std::nullopt;
    return files;
}

// The dialog starts at the file the edit names (when it exists) with its name preset, else where
// it last was; the file chosen goes into the edit, whose change handler stores it.
bool TEditorF::Browse(QLineEdit *edit, const QString &title, const QString &filter)
{
    const QString current = NamedFile(edit->text());
    if (current.isEmpty()) {
        ODial.FileName.clear();
    } else {
        ODial.InitialFolder = FolderOfFile(current);
        ODial.FileName = QFileInfo(current).fileName();
    }
    ODial.Title = title;
    ODial.Filter = filter;
    const std::optional<QStringList> files = RunODial();
    if (!files)
        return false;
    edit->setText(files->first());
    ODial.InitialFolder = FolderOfFile(files->first());
    return true;
}

void TEditorF::BrwsForFNMEd1Click()
{
    const QString name = Edit1->text();
    switch (SelectedLevel()) {
    case TEditorNode::ArtistLevel:
        Browse(FNameEd1, "Выбор файла с историей группы или исполнителя " + name, kTextFilterA);
        break;
    case TEditorNode::AlbumLevel:
        Browse(FNameEd1, "Выбор файла с рецензией на альбом " + Quoted(name), kTextFilterA);
        break;
    case TEditorNode::SongLevel:
        Browse(FNameEd1, "Выбор файла песни " + Quoted(name), kMpegFilter);
        break;
    default: break;
    }
}

void TEditorF::BrwsForFNMEd2Click()
{
    switch (SelectedLevel()) {
    case TEditorNode::ArtistLevel:
        Browse(FNameEd2, "Выбор файла с путями к картинкам", kAllFilesFilter);
        break;
    case TEditorNode::AlbumLevel:
        Browse(FNameEd2, "Выбор картинки с обложкой альбома " + Quoted(Edit1->text()),
               kPictureFilter);
        break;
    case TEditorNode::SongLevel: Browse(FNameEd2, "Выбор картинки к песне", kPictureFilter); break;
    default: break;
    }
}

void TEditorF::BrwsForFNMEd3Click()
{
    if (SelectedLevel() == TEditorNode::SongLevel)
        Browse(FNameEd3, "Выбор файла с текстом к песне " + Quoted(Edit1->text()), kTextFilterB);
}

void TEditorF::BrwsForHTMLClick()
{
    Browse(edHTML, "Выбор файла оглавления HTML", kHtmlFilter);
}

void TEditorF::BrwsForAboutClick()
{
    Browse(edAbout, "Выбор файла с описанием диска", kTextFilterB);
}

// The folder dialog opens at the folder the edit names; an empty edit leaves it where it was.
void TEditorF::BrowseFolder(QLineEdit *edit)
{
    if (!edit->text().isEmpty())
        zvbfDial->SetStartSelectedFolder(edit->text());
    if (zvbfDial->Execute())
        edit->setText(zvbfDial->SelectedFolder());
}

void TEditorF::BrwsForPhotoClick()
{
    BrowseFolder(edPhotoPath);
}

void TEditorF::BrwsForClipsClick()
{
    BrowseFolder(edClips);
}

// Each file chosen becomes a song of the album, named by its tag title or numbered on.
void TEditorF::AddSongsBtnClick()
{
    TAlbItem *album = SelAlbum();
    if (!album)
        return;
    QTreeWidgetItem *albumNode = Songs->topLevelItem(CurArtist)->child(CurAlbum);
    ODial.FileName.clear();
    ODial.Title = "Выбор файла песни для альбома " + Quoted(Edit1->text());
    ODial.Filter = kMpegFilter;
    ODial.MultiSelect = true;
    const std::optional<QStringList> files = RunODial();
    ODial.MultiSelect = false;
    if (!files)
        return;
    Songs->setUpdatesEnabled(false);
    for (const QString &file : *files) {
        TMP3TagInfo tag;
        ReadID3v1Tag(file, tag);
        const QString title = tag.Title.isEmpty()
                                  ? "Песня" + QString::number(albumNode->childCount() + 1)
                                  : OneLineText(tag.Title);
        AppendNode(albumNode, TEditorNode::SongLevel, title);
        TSongItem &song = album->Songs.Add();
        song.Title = title;
        song.Comment = OneLineText(tag.Comment);
        song.File = OneLineText(file);
    }
    Songs->setUpdatesEnabled(true);
    ODial.InitialFolder = FolderOfFile(files->first());
}

// Several files at once, given in the dialog's order to the first count songs or albums; surplus
// files and surplus items are left alone.
void TEditorF::AssignFiles(const QString &title, const QString &filter, const QString &startFile,
                           int count, const std::function<void(int, const QString &)> &assign)
{
    ODial.Title = title;
    ODial.Filter = filter;
    const QString start = NamedFile(startFile);
    if (!start.isEmpty())
        ODial.InitialFolder = FolderOfFile(start);
    ODial.MultiSelect = true;
    const std::optional<QStringList> files = RunODial();
    ODial.MultiSelect = false;
    if (!files)
        return;
    const int assigned = std::min(int(files->size()), count);
    for (int i = 0; i < assigned; ++i)
        assign(i, OneLineText(files->at(i)));
    if (assigned > 0)
        ODial.InitialFolder = FolderOfFile(files->first());
}

void TEditorF::SetTextsMIClick()
{
    TAlbItem *album = SelAlbum();
    if (!album || SelectedLevel() != TEditorNode::AlbumLevel)
        return;
    AssignFiles("Задание текстов песен к альбому " + Quoted(album->Name), kTextFilterB,
                album->Songs.IsEmpty() ? QString() : QString(album->Songs[0].Text),
                album->Songs.Count(),
                [album](int i, const QString &file) { album->Songs[i].Text = file; });
}

void TEditorF::SetCovArtsMIClick()
{
    TArtistItem *artist = SelArtist();
    if (!artist || SelectedLevel() != TEditorNode::ArtistLevel)
        return;
    AssignFiles("Задание обложек альбомов исполнителя " + Quoted(artist->Name), kPictureFilter,
                artist->Albums.IsEmpty() ? QString() : QString(artist->Albums[0].Picture),
                artist->Albums.Count(),
                [artist](int i, const QString &file) { artist->Albums[i].Picture = file; });
}

void TEditorF::SetRetsMIClick()
{
    TArtistItem *artist = SelArtist();
    if (!artist || SelectedLevel() != TEditorNode::ArtistLevel)
        return;
    AssignFiles("Задание рецензий на альбомы исполнителя " + Quoted(artist->Name), kTextFilterB,
                artist->Albums.IsEmpty() ? QString() : QString(artist->Albums[0].Retsenzia),
                artist->Albums.Count(),
                [artist](int i, const QString &file) { artist->Albums[i].Retsenzia = file; });
}
