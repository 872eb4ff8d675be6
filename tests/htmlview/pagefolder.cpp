#include "pagefolder.h"

#include "htmlview/docview.h"
#include "htmlview/frame.h"
#include "platform/codepage.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QTextBlock>
#include <gtest/gtest.h>

QString TPageFolder::Write(const QString &name, const QString &html)
{
    return WriteBytes(name, EncodeCp1251(html));
}

QString TPageFolder::WriteBytes(const QString &name, const QByteArray &bytes)
{
    const QString path = Path(name);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
    return path;
}

QString TPageFolder::WriteImage(const QString &name, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    const QString path = Path(name);
    QDir().mkpath(QFileInfo(path).path());
    EXPECT_TRUE(image.save(path)) << path.toStdString();
    return path;
}

QString TPageFolder::Path(const QString &name) const
{
    return fDir.filePath(name);
}

QPoint PointOfText(TDocView *view, const QString &text)
{
    const QTextCursor found = view->document()->find(text);
    EXPECT_FALSE(found.isNull()) << text.toStdString();
    QTextCursor middle(view->document());
    middle.setPosition((found.selectionStart() + found.selectionEnd()) / 2);
    return view->cursorRect(middle).center();
}

namespace {

void SendMouse(TDocView *view, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, view->viewport()->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &event);
}

} // namespace

void ClickLink(TDocView *view, const QString &text)
{
    const QPoint at = PointOfText(view, text);
    SendMouse(view, QEvent::MouseMove, at, Qt::NoButton);
    SendMouse(view, QEvent::MouseButtonPress, at, Qt::LeftButton);
    SendMouse(view, QEvent::MouseButtonRelease, at, Qt::NoButton);
}

void HoverLink(TDocView *view, const QString &text)
{
    SendMouse(view, QEvent::MouseMove, PointOfText(view, text), Qt::NoButton);
}

void LeaveView(TDocView *view)
{
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(view, &leave);
}

TFrame *FrameNamed(const QWidget &viewer, const QString &name)
{
    auto *frame = viewer.findChild<TFrame *>(name);
    EXPECT_NE(frame, nullptr) << name.toStdString();
    return frame;
}

QString TextIn(const QWidget &viewer, const QString &name)
{
    TFrame *frame = FrameNamed(viewer, name);
    return frame && frame->View() ? frame->View()->toPlainText() : QString();
}
