#pragma once
// What the frames of a viewer ask of it: the shared picture cache, and where to report what the
// person does in them.

#include <QImage>
#include <QString>

class TFrame;
struct THtmlLink;

class TFrameHost {
public:
    virtual QImage Image(const QString &file) = 0;
    virtual void LinkActivated(TFrame *frame, const THtmlLink &link) = 0;
    // link is nullptr when the mouse left the link it was over.
    virtual void LinkHovered(TFrame *frame, const THtmlLink *link) = 0;
    virtual void FrameFocused(TFrame *frame) = 0;

protected:
    ~TFrameHost() = default;
};
