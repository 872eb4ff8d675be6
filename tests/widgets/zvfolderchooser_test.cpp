// The folder chooser: branches read when they open, folders reached by path (hidden ones too),
// and the highlight left alone for a path the tree does not reach.

#include "widgets/zvfolderchooser.h"

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

class FolderChooserTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char *folder : {"disc/b", "disc/A", "disc/.hidden/deep", "disc/A/inner"})
            QDir().mkpath(dir.filePath(folder));
    }
    TzvFolder Root() const { return CustomFolderRoot(dir.filePath("disc")); }

    QTemporaryDir dir;
};

QStringList Captions(const QTreeWidgetItem *node)
{
    QStringList captions;
    for (int i = 0; i < node->childCount(); ++i)
        captions << node->child(i)->text(0);
    return captions;
}

TEST_F(FolderChooserTest, OpensOnItsRootWithTheVisibleSubfoldersByName)
{
    TzvFolderChooser chooser(nullptr, Root(), "Выберите", TzvFolderChooser::FileSystemFolders);
    ASSERT_EQ(chooser.FolderTree->topLevelItemCount(), 1);
    QTreeWidgetItem *root = chooser.FolderTree->topLevelItem(0);
    EXPECT_EQ(root->text(0), "disc");
    EXPECT_TRUE(root->isExpanded());
    EXPECT_EQ(Captions(root), QStringList({"A", "b"}));
    EXPECT_EQ(root->child(0)->childCount(), 0) << "a branch is read when it opens";
    root->child(0)->setExpanded(true);
    EXPECT_EQ(Captions(root->child(0)), QStringList({"inner"}));
    EXPECT_EQ(chooser.Highlighted()->Path, dir.filePath("disc"));
    EXPECT_TRUE(chooser.OkButton->isEnabled());
}

TEST_F(FolderChooserTest, ReachesFoldersByPathHiddenOnesTooAndKeepsTheHighlightOtherwise)
{
    TzvFolderChooser chooser(nullptr, Root(), QString(), TzvFolderChooser::AnyFolder);
    QStringList changes;
    QObject::connect(&chooser, &TzvFolderChooser::HighlightChanged,
                     [&](const QString &path) { changes << path; });
    EXPECT_TRUE(chooser.HighlightPath(dir.filePath("disc/A/inner/")));
    EXPECT_EQ(chooser.Highlighted()->Path, dir.filePath("disc/A/inner"));
    EXPECT_TRUE(chooser.FolderTree->currentItem()->parent()->isExpanded());
    EXPECT_TRUE(chooser.HighlightPath(dir.filePath("disc/.hidden/deep")));
    EXPECT_EQ(chooser.Highlighted()->Name, "deep");

    for (const QString &unreachable :
         {dir.filePath("disc/missing"), dir.filePath("outside"), QString()})
        EXPECT_FALSE(chooser.HighlightPath(unreachable)) << unreachable.toStdString();
    EXPECT_EQ(chooser.Highlighted()->Name, "deep");
    EXPECT_EQ(changes,
              QStringList({dir.filePath("disc/A/inner"), dir.filePath("disc/.hidden/deep")}));
}

TEST_F(FolderChooserTest, TheComputerListsTheMountedVolumes)
{
    TzvFolderChooser chooser(nullptr, ComputerFolder(), QString(), TzvFolderChooser::AnyFolder);
    QTreeWidgetItem *computer = chooser.FolderTree->topLevelItem(0);
    EXPECT_EQ(computer->text(0), "Компьютер");
    EXPECT_TRUE(Captions(computer).contains("Файловая система"));
    EXPECT_TRUE(chooser.HighlightComputer());
    EXPECT_TRUE(chooser.HighlightPath(dir.filePath("disc/b"))) << "through the volume holding it";
}

} // namespace
