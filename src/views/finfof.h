#pragma once
// The playlist dialog: what the playlist says about a song and the file names of its companion
// documents. "&Свойства файла" opens the technical dialog over it.

#include <QDialog>

class QLineEdit;
class QPushButton;
class TExpandedSong;

class TFInfoF : public QDialog {
    Q_OBJECT
public:
    explicit TFInfoF(QWidget *parent = nullptr);

    // Fills every edit from song; currentPicture is the photo shown now (may be empty).
    void Fill(const TExpandedSong &song, const QString &currentPicture);

    QLineEdit *PlsTitle;
    QLineEdit *PlsArtist;
    QLineEdit *PlsAlbum;
    QLineEdit *PlsYear;
    QLineEdit *PlsComment;
    QLineEdit *FName;
    QLineEdit *AlbPicFile;
    QLineEdit *PicFile;
    QLineEdit *TextFile;
    QLineEdit *RecFile;
    QLineEdit *HistFile;
    QPushButton *BitBtn1;
    QPushButton *MP3TagBtn;

private:
    void MP3TagBtnClick();
    QWidget *CreateSongGroup();
    QLayout *CreateButtons();

    const TExpandedSong *fSong = nullptr;
};
