#include "htmlview/framesplitter.h"

#include <QList>

TFrameSplitter::TFrameSplitter(const TFrameSetNode &set, QWidget *parent)
    : QSplitter(set.Rows ? Qt::Vertical : Qt::Horizontal, parent), fLengths(set.Lengths)
{
    setChildrenCollapsible(false);
    setMinimumSize(1, 1); // a cell may be as small as its length says
    connect(this, &QSplitter::splitterMoved, this, [this] { fMovedByHand = true; });
}

void TFrameSplitter::LockBorders(const TFrameSetNode &set)
{
    for (int i = 1; i < count() && size_t(i) < set.Items.size(); ++i) {
        const TFrameSetNode &before = set.Items[size_t(i - 1)];
        const TFrameSetNode &after = set.Items[size_t(i)];
        const bool locked =
            (!before.IsFrameSet && before.NoResize) || (!after.IsFrameSet && after.NoResize);
        handle(i)->setEnabled(!locked);
    }
}

void TFrameSplitter::resizeEvent(QResizeEvent *event)
{
    QSplitter::resizeEvent(event);
    if (fMovedByHand || count() == 0) return;
    const int length = orientation() == Qt::Horizontal ? width() : height();
    const std::vector<int> sizes = FrameSizes(fLengths, length - handleWidth() * (count() - 1));
    setSizes(QList<int>(sizes.begin(), sizes.end()));
}
