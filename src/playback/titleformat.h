#pragma once
// The caption language: CaptionFormat expanded for the current song, giving the window caption
// (also the application title and the state file's line) and the text of the mode panel.

#include <QString>

class TExpandedSong;

// Whole seconds as m:ss (0:00, 3:07, 61:40); negative values show as 0:00.
QString FormatTime(int seconds);

// The texts naming the player's state (user settings).
struct TModeTexts {
    QString Opened;  // player mode 0
    QString Ready;   // player mode 1
    QString Stopped; // player mode 2
    QString Playing; // any other mode
    QString Paused;  // while paused, whatever the mode
};

// PausedStr while paused; otherwise by player mode: 0 opened, 1 ready, 2 stopped, else playing.
QString ModeText(const TModeTexts &texts, int playerMode, bool paused);

// Everything a caption is made of, gathered by the caller at the moment of the refresh.
struct TTitleContext {
    QString Format;
    const TExpandedSong *Song = nullptr; // the current song; null when there is none
    int SongIndex = 0;                   // its position in the play list (for %N and %n)
    QString LengthText;                  // the song-length panel's text (for %L)
    int PlayerMode = 0;
    bool Paused = false;
    bool AfterEndPending = false; // marks the mode panel with "*"
    TModeTexts Modes;
};

struct TTitle {
    QString Caption;   // empty without a current song
    QString ModePanel; // the mode text, plus "*" while an after-end action is armed
};

TTitle FormatTitle(const TTitleContext &context);
