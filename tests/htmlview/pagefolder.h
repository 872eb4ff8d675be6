#pragma once
// Pages the tests write into a temporary folder, and a hand on the mouse over their links.

#include <QSize>
#include <QString>
#include <QTemporaryDir>

class QWidget;
class TDocView;
class TFrame;

class TPageFolder {
public:
    // Writes html in Windows-1251 (the pages' default) and returns the file's full path.
    QString Write(const QString &name, const QString &html);
    QString WriteBytes(const QString &name, const QByteArray &bytes);
    // A picture of size, in the format its extension names.
    QString WriteImage(const QString &name, QSize size);
    QString Path(const QString &name) const;

private:
    QTemporaryDir fDir;
};

// The point in view's viewport over the middle of the first occurrence of text.
QPoint PointOfText(TDocView *view, const QString &text);
// Presses and releases the left button over the link text (the view must be shown).
void ClickLink(TDocView *view, const QString &text);
// Moves the mouse over the link text, or out of the view.
void HoverLink(TDocView *view, const QString &text);
void LeaveView(TDocView *view);

// The frame named name below viewer (a test failure when there is none).
TFrame *FrameNamed(const QWidget &viewer, const QString &name);
// The text shown in the frame named name, empty when it shows no document.
QString TextIn(const QWidget &viewer, const QString &name);
