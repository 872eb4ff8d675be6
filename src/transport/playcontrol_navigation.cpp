// Moving through the play list: next and previous in list or shuffle order, repeat, the shuffle
// history, album jumps on the tree and the tree's activation.

#include "transport/playcontrol.h"

#include "settings/mainsettings.h"

#include <QAction>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>

namespace {

// 0 artist, 1 album, 2 song; -1 for no node.
int NodeLevel(const QTreeWidgetItem *node)
{
    int level = -1;
    for (; node; node = node->parent())
        ++level;
    return level;
}

} // namespace

QTreeWidgetItem *TPlayControl::SelectedNode() const
{
    QTreeWidgetItem *node = fTree.currentItem();
    return node && node->isSelected() ? node : nullptr;
}

void TPlayControl::NextTBClick()
{
    if (fSongs.IsEmpty())
        return;
    if (ShuffleTB->isChecked())
        NextShuffled();
    else
        NextInList();
}

void TPlayControl::NextInList()
{
    const int last = fSongs.Count() - 1;
    // A stored position outside the list counts as its nearest end.
    const int current = std::clamp(SongIndex, -1, last);
    if (current < last) {
        SongIndex = current + 1;
        AfterNextTail();
    } else if (RepeatTB->isChecked()) {
        SongIndex = 0;
        AfterNextTail();
    } else {
        SelectSong(0, false);
    }
}

void TPlayControl::NextShuffled()
{
    if (ShufflePos < int(ShuffleOrder.size()) - 1) {
        ++ShufflePos;
        int32_t &slot = ShuffleOrder[size_t(ShufflePos)];
        if (slot == -1) {
            DrawShuffledSong();
            slot = SongIndex;
        } else {
            SongIndex = slot;
        }
        AfterNextTail();
    } else if (RepeatTB->isChecked()) {
        ShuffleWrap();
    } else {
        SetFittedPanel(7, fSettings.StoppedStr);
    }
}

// Starts a new round with an empty history: Previous leads back into the new round only. The
// song just ended keeps its mark, so the round does not open with it.
void TPlayControl::ShuffleWrap()
{
    ClearShuffleHistory();
    ShuffleOrder.assign(ShuffleOrder.size(), -1);
    if (fSongs.Count() >= 2) {
        NextTBClick();
    } else {
        SongIndex = 0; // the only song plays again, as in list order
        AfterNextTail();
    }
}

// Keeps the current song unless it has been played; otherwise draws until an unplayed song
// comes up or number-of-songs - 1 draws are spent.
void TPlayControl::DrawShuffledSong()
{
    const int count = fSongs.Count();
    auto needsDraw = [this] {
        return !fSongs.IsValidIndex(SongIndex) || fSongs[SongIndex].Played;
    };
    for (int tries = 0; tries < count - 1 && needsDraw(); ++tries)
        SongIndex = RandomIndex(count);
}

void TPlayControl::ClearShuffleHistory()
{
    for (TExpandedSong &song : fSongs)
        if (song.Index() != SongIndex)
            song.Played = false;
    ShuffleOrder.assign(size_t(fSongs.Count()), -1);
    ShufflePos = 0;
    if (fSongs.IsValidIndex(SongIndex))
        ShuffleOrder[0] = SongIndex;
}

void TPlayControl::ResetShuffleOrder() { ShuffleOrder.assign(size_t(fSongs.Count()), -1); }

void TPlayControl::AfterNextTail()
{
    if (!AfterEndPending) {
        SelectSong(SongIndex, PlayTB->isChecked());
        return;
    }
    const bool exit = ExitAfterEnd->isChecked();
    DisarmAfterEnd();
    SelectSong(SongIndex, false);
    if (exit)
        fHost.CloseMainWindow();
}

void TPlayControl::PrevTBClick()
{
    if (ShuffleTB->isChecked()) {
        if (ShufflePos <= 0)
            return;
        --ShufflePos;
        const bool known = ShufflePos < int(ShuffleOrder.size()) &&
                           ShuffleOrder[size_t(ShufflePos)] != -1;
        if (!known)
            return;
        SongIndex = ShuffleOrder[size_t(ShufflePos)];
    } else {
        const int count = fSongs.Count();
        const int current = std::clamp(SongIndex, 0, count);
        if (current > 0)
            SongIndex = current - 1;
        else if (RepeatTB->isChecked() && count > 0)
            SongIndex = count - 1;
        else
            return;
    }
    SelectSong(SongIndex, PlayTB->isChecked());
}

void TPlayControl::SetAlbumJumpsEnabled(bool enabled)
{
    PreviousAlbum->setEnabled(enabled);
    NextAlbum->setEnabled(enabled);
}

void TPlayControl::ShuffleTBClick()
{
    const bool on = ShuffleTB->isChecked();
    ShuffleMI->setChecked(on);
    SetAlbumJumpsEnabled(!on);
    if (on)
        ClearShuffleHistory();
}

void TPlayControl::ShuffleMIClick()
{
    ShuffleTB->toggle();
    ShuffleMI->setChecked(ShuffleTB->isChecked());
    SetAlbumJumpsEnabled(!ShuffleTB->isChecked());
}

void TPlayControl::RepeatTBClick() { NonStopMI->setChecked(RepeatTB->isChecked()); }

void TPlayControl::NonStopMIClick()
{
    NonStopMI->setChecked(!NonStopMI->isChecked());
    RepeatTB->setChecked(NonStopMI->isChecked());
}

void TPlayControl::NextAlbMIClick() { JumpAlbum(+1); }

void TPlayControl::PrevAlbMIClick() { JumpAlbum(-1); }

// Moves the selection to the first song of the neighbouring album of the same artist (from an
// album node going forward in shuffle mode, past the last album to the first), then activates.
void TPlayControl::JumpAlbum(int direction)
{
    QTreeWidgetItem *node = SelectedNode();
    const int level = NodeLevel(node);
    if (level < 1)
        return;
    QTreeWidgetItem *album = level == 1 ? node : node->parent();
    QTreeWidgetItem *artist = album->parent();
    const int target = artist->indexOfChild(album) + direction;
    if (target >= 0 && target < artist->childCount())
        SelectFirstSongOf(artist->child(target));
    else if (level == 1 && direction > 0 && ShuffleTB->isChecked())
        SelectFirstSongOf(artist->child(0));
    SongsLstDblClick();
}

void TPlayControl::SelectFirstSongOf(QTreeWidgetItem *album)
{
    if (album->childCount() == 0)
        return;
    QTreeWidgetItem *song = album->child(0);
    fTree.setCurrentItem(song);
    fTree.scrollToItem(song);
}

void TPlayControl::SongsLstDblClick()
{
    if (fHost.Rebuilding())
        return;
    QTreeWidgetItem *node = SelectedNode();
    switch (NodeLevel(node)) {
    case 0:
        fHost.ActivateArtistNode(fTree.indexOfTopLevelItem(node));
        break;
    case 1:
        fHost.ActivateAlbumNode(fTree.indexOfTopLevelItem(node->parent()),
                                node->parent()->indexOfChild(node));
        break;
    case 2:
        ActivateSongNode(node);
        break;
    default:
        break;
    }
}

void TPlayControl::ActivateSongNode(QTreeWidgetItem *node)
{
    const TSongNode *songNode = dynamic_cast<TSongNode *>(node);
    if (!songNode)
        return;
    for (const TExpandedSong &song : fSongs)
        if (song.Node == songNode) {
            if (song.Index() != SongIndex)
                SelectSong(song.Index(), true);
            return;
        }
}
