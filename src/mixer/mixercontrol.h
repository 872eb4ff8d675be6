#pragma once
// TMMMixerControl: the volume control of a line, as one volume and one left/right balance.
// Silence has no balance, so the control remembers the last one it saw or was given.

#include <QObject>

class TMMAudioLine;

class TMMMixerControl : public QObject {
    Q_OBJECT
public:
    explicit TMMMixerControl(TMMAudioLine *line, QObject *parent = nullptr);

    TMMAudioLine *Line() const { return fLine; }
    bool Available() const;
    int Volume() const;  // 0 to 100, the louder channel's share of its range
    int Balance() const; // -100 only left, 0 centre, 100 only right
    void SetVolume(int volume);
    void SetBalance(int balance);

signals:
    void Changed(); // the line's values or availability changed

private:
    void Remember();

    TMMAudioLine *fLine;
    double fBalance = 0;
};
