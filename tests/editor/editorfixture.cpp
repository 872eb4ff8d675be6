#include "editorfixture.h"

#include "id3v1tag.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>

void EditorTest::SetUp()
{
    ASSERT_TRUE(dir.isValid());
    editor = std::make_unique<TEditorF>();
}

void EditorTest::TearDown()
{
    editor.reset();
    EXPECT_TRUE(prompt.Exhausted()) << "unused scripted answers";
}

void EditorTest::FillStandardLibrary()
{
    TArtistItem &blue = editor->Artists.Add();
    blue.Name = "Blue";
    blue.History = Path("blue.txt");
    blue.PicPaths = Path("blue.pp");
    TAlbItem &first = blue.Albums.Add();
    first.Name = "First";
    first.Year = "1999";
    first.Picture = Path("first.jpg");
    first.Retsenzia = Path("first.rtf");
    for (const char *title : {"a", "b"}) {
        TSongItem &song = first.Songs.Add();
        song.Title = title;
        song.File = Path(QString(title) + ".mp3");
        song.Text = Path(QString(title) + ".txt");
        song.Picture = Path(QString(title) + ".jpg");
        song.Comment = QString("comment ") + title;
    }
    TAlbItem &second = blue.Albums.Add();
    second.Name = "Second";
    second.Songs.Add().Title = "c";
    TArtistItem &green = editor->Artists.Add();
    green.Name = "Green";
    TAlbItem &only = green.Albums.Add();
    only.Name = "Only";
    for (const char *title : {"d", "e", "f"})
        only.Songs.Add().Title = title;
    editor->FillTree();
}

QTreeWidgetItem *EditorTest::Node(int artist, int album, int song) const
{
    QTreeWidgetItem *node = editor->Songs->topLevelItem(artist);
    if (node && album >= 0)
        node = node->child(album);
    if (node && song >= 0)
        node = node->child(song);
    return node;
}

void EditorTest::Select(int artist, int album, int song)
{
    editor->Songs->setCurrentItem(Node(artist, album, song));
}

namespace {

void AddCaptions(const QTreeWidgetItem *node, const QString &indent, QStringList &lines)
{
    lines << indent + node->text(0);
    for (int i = 0; i < node->childCount(); ++i)
        AddCaptions(node->child(i), indent + "  ", lines);
}

} // namespace

QStringList EditorTest::TreeText() const
{
    QStringList lines;
    for (int i = 0; i < editor->Songs->topLevelItemCount(); ++i)
        AddCaptions(editor->Songs->topLevelItem(i), QString(), lines);
    return lines;
}

QString EditorTest::WriteFile(const QString &relative, const QString &title,
                              const QString &comment) const
{
    const QString path = Path(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(title.isEmpty() ? QByteArray(200, '\x55') : TaggedSongBytes(title, comment));
    return path;
}

void EditorTest::Type(QLineEdit *edit, const QString &text)
{
    for (QChar c : text) {
        const bool backspace = c == u'\b';
        const int key = backspace ? int(Qt::Key_Backspace) : int(c.toUpper().unicode());
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, backspace ? QString() : QString(c));
        QApplication::sendEvent(edit, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier,
                          backspace ? QString() : QString(c));
        QApplication::sendEvent(edit, &release);
    }
}
