#pragma once
// The technical dialog: what the MP3 file itself says, its ID3v1 tag and the stream data the
// player read. It opens with placeholders; the opener fills it.

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
struct TMP3TagInfo;

class TID3TagInfoF : public QDialog {
    Q_OBJECT
public:
    explicit TID3TagInfoF(QWidget *parent = nullptr);

    // The file name, every non-empty tag field over its placeholder, and the five memo lines.
    void Fill(const QString &fileName, const TMP3TagInfo &info);
    // A file that does not exist: its name, the placeholders, and a memo saying so.
    void FillMissingFile(const QString &fileName);

    QLineEdit *FNameEd;
    QLineEdit *TitleED;
    QLineEdit *ArtistED;
    QLineEdit *AlbumED;
    QLineEdit *YearED;
    QLineEdit *GenreED;
    QLineEdit *CommentED;
    QPlainTextEdit *Memo1;
    QPushButton *BitBtn1;

private:
    QWidget *CreateFileNameGroup();
    QWidget *CreateDetailsGroup();
    QWidget *CreateOtherGroup();
};

// A read-only borderless edit as both song dialogs show their values.
QLineEdit *CreateInfoEdit(const QString &objectName, const QString &text = QString());
