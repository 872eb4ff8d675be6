#pragma once
// The cells of one <frameset>: sized from its rows= or cols= lengths whenever it is resized,
// until the person drags a border; borders next to a noresize frame do not move.

#include "htmlview/frameset.h"

#include <QSplitter>

class TFrameSplitter : public QSplitter {
    Q_OBJECT
public:
    TFrameSplitter(const TFrameSetNode &set, QWidget *parent = nullptr);

    // Locks the borders beside noresize frames; call once every cell has been added.
    void LockBorders(const TFrameSetNode &set);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    std::vector<TFrameLength> fLengths;
    bool fMovedByHand = false;
};
