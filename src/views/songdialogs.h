#pragma once
// What the main window's menus open: the two dialogs about the current song, the about box and
// the help. Every modal dialog is shown through the prompt seam and destroyed when it closes.

class QString;
class QWidget;
class TExpandedSong;

// Help topics the program opens.
constexpr int HelpContents = 0;
constexpr int HelpEditorTopic = 10;  // the playlist editor
constexpr int HelpOptionsTopic = 20; // the options dialog

// "О композиции...": what the playlist says about song and its companion files, with
// "&Свойства файла" opening the technical dialog over it. currentPicture is the photo list's
// current entry (empty when there are no photos). No song (an empty list): nothing opens.
void ShowFileInfo(QWidget *parent, const TExpandedSong *song, const QString &currentPicture);

// "Свойства...": the ID3v1 tag of the song's file and the player's stream data. A player error
// is shown as an error message and the dialog opens with its placeholders. No song: nothing opens.
void ShowSongProperties(QWidget *parent, const TExpandedSong *song);

// "О программе...".
void ShowAbout(QWidget *parent);

// The help window (non-modal, one per application, re-used) on a topic; unknown topics show the
// contents. Missing help files are reported by a message instead.
void ShowHelp(QWidget *parent, int topic = HelpContents);
