// The folder browse component: its properties, change signals and flags, the root each setting
// gives, and runs of the chooser answered through the scripted prompt.

#include "widgets/zvbrowsefolderdialog.h"
#include "widgets/zvfolderchooser.h"

#include "scriptedprompt.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Records the component's signals by name, in order.
QStringList *Record(TzvBrowseFolderDialog &dialog)
{
    auto *log = new QStringList;
    QObject::connect(&dialog, &QObject::destroyed, [log] { delete log; });
    const std::pair<void (TzvBrowseFolderDialog::*)(), const char *> plain[] = {
        {&TzvBrowseFolderDialog::OnCreate, "Create"},
        {&TzvBrowseFolderDialog::OnBeforeExecute, "BeforeExecute"},
        {&TzvBrowseFolderDialog::OnAfterExecute, "AfterExecute"},
        {&TzvBrowseFolderDialog::OnRootFolderChange, "RootFolder"},
        {&TzvBrowseFolderDialog::OnOptionsChange, "Options"},
        {&TzvBrowseFolderDialog::OnHasStatusTextChange, "HasStatusText"},
        {&TzvBrowseFolderDialog::OnCaptionChange, "Caption"},
        {&TzvBrowseFolderDialog::OnTextChange, "Text"},
        {&TzvBrowseFolderDialog::OnShowCurrentPathChange, "ShowCurrentPath"},
        {&TzvBrowseFolderDialog::OnCustomRootFolderChange, "CustomRootFolder"},
        {&TzvBrowseFolderDialog::OnStartSelectedFolderChange, "StartSelectedFolder"}};
    for (const auto &[signal, name] : plain)
        QObject::connect(&dialog, signal, [log, name = QString(name)] { *log << name; });
    QObject::connect(&dialog, &TzvBrowseFolderDialog::OnBeforeInit,
                     [log] { *log << "BeforeInit"; });
    QObject::connect(&dialog, &TzvBrowseFolderDialog::OnAfterInit, [log] { *log << "AfterInit"; });
    QObject::connect(&dialog, &TzvBrowseFolderDialog::OnBeforeChange,
                     [log](QWidget *, const QString &path) { *log << "BeforeChange " + path; });
    QObject::connect(&dialog, &TzvBrowseFolderDialog::OnAfterChange,
                     [log](QWidget *, const QString &path) { *log << "AfterChange " + path; });
    return log;
}

TzvFolderChooser *Chooser(QWidget *dialog)
{
    return qobject_cast<TzvFolderChooser *>(dialog);
}

class BrowseFolderTest : public testing::Test {
protected:
    QString Folder(const QString &relative)
    {
        const QString path = dir.filePath(relative);
        QDir().mkpath(path);
        return path;
    }

    TScriptedPrompt prompt;
    QTemporaryDir dir;
    QWidget form;
    TzvBrowseFolderDialog dialog{&form};
    QStringList &log = *Record(dialog);
};

TEST_F(BrowseFolderTest, StartsWithTheDefaultsAndAnnouncesItselfOnceTheEventLoopRuns)
{
    EXPECT_EQ(dialog.RootFolder(), sfDesktop);
    EXPECT_EQ(dialog.RootItem().Kind, TzvFolder::Namespace);
    for (const QString &text :
         {dialog.Caption(), dialog.Text(), dialog.SelectedFolder(), dialog.CustomRootFolder(),
          dialog.StatusText(), dialog.StartSelectedFolder()})
        EXPECT_TRUE(text.isEmpty());
    EXPECT_FALSE(dialog.HasStatusText());
    EXPECT_FALSE(dialog.ShowCurrentPath());
    EXPECT_EQ(dialog.Options(), TzvBrowseOptions());
    EXPECT_EQ(dialog.Flags(), 0u);
    EXPECT_TRUE(log.isEmpty());
    QCoreApplication::processEvents();
    EXPECT_EQ(log, QStringList({"Create"}));
}

TEST_F(BrowseFolderTest, EachSetterSignalsItsOwnChangeAndNothingForTheSameValue)
{
    QCoreApplication::processEvents();
    log.clear();
    const std::pair<std::function<void()>, QString> setters[] = {
        {[&] { dialog.SetText("prompt"); }, "Text"},
        {[&] { dialog.SetCaption("caption"); }, "Caption"},
        {[&] { dialog.SetHasStatusText(true); }, "HasStatusText"},
        {[&] { dialog.SetShowCurrentPath(true); }, "ShowCurrentPath"},
        {[&] { dialog.SetOptions(boSystemDirs); }, "Options"},
        {[&] { dialog.SetStartSelectedFolder("/tmp"); }, "StartSelectedFolder"},
        {[&] { dialog.SetRootFolder(sfMyComputer); }, "RootFolder"},
        {[&] { dialog.SetStatusText("status"); }, ""}, // a property without a change signal
    };
    for (const auto &[set, signal] : setters) {
        log.clear();
        set();
        EXPECT_EQ(log, signal.isEmpty() ? QStringList() : QStringList{signal})
            << signal.toStdString();
        log.clear();
        set();
        EXPECT_TRUE(log.isEmpty()) << "the same value again: " << signal.toStdString();
    }
}

TEST_F(BrowseFolderTest, FlagsAreTheOptionsFlagsWithTheStatusFlagForEitherStatusLine)
{
    const std::pair<TzvBrowseOptions, unsigned> options[] = {
        {boBrowseForComputer, 0x1000}, {boBrowseForPrinter, 0x2000},
        {boDontGoBelowDomain, 0x2},    {boAncestor, 0x8},
        {boSystemDirs, 0x1},           {boSystemDirs | boAncestor | boBrowseForPrinter, 0x2009}};
    for (const auto &[set, flags] : options) {
        dialog.SetOptions(set);
        EXPECT_EQ(dialog.Flags(), flags);
    }
    dialog.SetOptions({});
    dialog.SetHasStatusText(true);
    EXPECT_EQ(dialog.Flags(), 0x4u);
    dialog.SetShowCurrentPath(true);
    dialog.SetHasStatusText(false);
    EXPECT_EQ(dialog.Flags(), 0x4u) << "the current path still needs the status line";
    dialog.SetShowCurrentPath(false);
    EXPECT_EQ(dialog.Flags(), 0u);
}

TEST_F(BrowseFolderTest, CustomRootFolderBecomesTheRootAndAnyOtherRootForgetsIt)
{
    QCoreApplication::processEvents();
    log.clear();
    const QString first = Folder("first");
    dialog.SetCustomRootFolder(first);
    EXPECT_EQ(log, QStringList({"RootFolder", "CustomRootFolder"}));
    EXPECT_EQ(dialog.RootFolder(), sfUserDefinedRoot);
    EXPECT_EQ(dialog.RootItem(), (TzvFolder{TzvFolder::FileSystem, "first", first}));

    // A second folder while the root is already user-defined must move the root too.
    const QString second = Folder("second");
    dialog.SetCustomRootFolder(second);
    EXPECT_EQ(dialog.RootItem().Path, second);

    log.clear();
    dialog.SetRootFolder(sfPrinters);
    EXPECT_EQ(log, QStringList({"RootFolder"}));
    EXPECT_TRUE(dialog.CustomRootFolder().isEmpty());
    EXPECT_EQ(dialog.RootItem(), (TzvFolder{TzvFolder::NoPath, "Принтеры", QString()}));

    dialog.SetCustomRootFolder(dir.filePath("not-there"));
    EXPECT_EQ(dialog.RootItem().Kind, TzvFolder::Namespace) << "unparsable: the whole namespace";
}

TEST_F(BrowseFolderTest, SpecialFoldersMapOntoTheUsersFoldersTheVolumesOrNoPath)
{
    const QString docs = Folder("Документы пользователя");
    const QString config = Folder("config");
    QFile dirs(config + "/user-dirs.dirs");
    ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
    dirs.write(("XDG_DOCUMENTS_DIR=\"" + docs + "\"\n").toUtf8());
    dirs.close();
    const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.toUtf8());
    EXPECT_EQ(SpecialFolderRoot(sfPersonal), (TzvFolder{TzvFolder::FileSystem, "Документы", docs}));
    qputenv("XDG_CONFIG_HOME", previous);

    EXPECT_EQ(SpecialFolderRoot(sfMyComputer).Kind, TzvFolder::Volumes);
    EXPECT_EQ(SpecialFolderRoot(sfDesktop).Kind, TzvFolder::Namespace);
    for (TzvSpecialFolder virtualFolder : {sfControlPanel, sfPrinters, sfNetHood, sfNetwork})
        EXPECT_EQ(SpecialFolderRoot(virtualFolder).Kind, TzvFolder::NoPath);
    bool rootListed = false;
    for (const TzvFolder &volume : VolumeFolders())
        rootListed = rootListed || volume.Path == "/";
    EXPECT_TRUE(rootListed) << "the file-system root is a volume of the computer";
}

TEST_F(BrowseFolderTest, ARunSetsUpTheChooserAndReturnsTheConfirmedFolder)
{
    const QString root = Folder("disc");
    const QString photos = Folder("disc/Фото/2001");
    dialog.SetCustomRootFolder(root);
    dialog.SetCaption("Папка с фотографиями");
    dialog.SetText("Выберите папку");
    dialog.SetShowCurrentPath(true);
    dialog.SetStartSelectedFolder(photos);
    log.clear();
    prompt.AnswerModal(
        [&](QWidget *shown) {
            TzvFolderChooser *chooser = Chooser(shown);
            ASSERT_NE(chooser, nullptr);
            EXPECT_EQ(chooser->parentWidget(), &form);
            EXPECT_EQ(chooser->windowTitle(), "Папка с фотографиями");
            EXPECT_EQ(chooser->PromptLabel->text(), "Выберите папку");
            EXPECT_FALSE(chooser->StatusLine->isHidden());
            EXPECT_EQ(chooser->Highlighted()->Path, photos);
            EXPECT_EQ(chooser->StatusText(), photos);
            EXPECT_TRUE(chooser->HighlightPath(root + "/Фото"));
            EXPECT_EQ(chooser->StatusText(), root + "/Фото");
        },
        QDialog::Accepted);
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.SelectedFolder(), root + "/Фото");
    EXPECT_EQ(log,
              QStringList({"BeforeExecute", "BeforeInit", "BeforeChange " + photos,
                           "AfterChange " + photos, "AfterInit", "BeforeChange " + root + "/Фото",
                           "AfterChange " + root + "/Фото", "AfterExecute"}));

    prompt.AnswerModal({}, QDialog::Rejected);
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.SelectedFolder(), root + "/Фото") << "a cancelled run keeps the last folder";
}

TEST_F(BrowseFolderTest, TheWholeNamespaceOpensOnTheComputerAndTheStatusLineFollows)
{
    const QString folder = Folder("music");
    dialog.SetShowCurrentPath(true);
    prompt.AnswerModal(
        [&](QWidget *shown) {
            TzvFolderChooser *chooser = Chooser(shown);
            EXPECT_EQ(chooser->windowTitle(), "Обзор папок");
            EXPECT_TRUE(chooser->PromptLabel->isHidden());
            EXPECT_EQ(chooser->Highlighted()->Kind, TzvFolder::Volumes);
            EXPECT_EQ(chooser->StatusText(), "") << "the computer has no path";
            EXPECT_TRUE(chooser->HighlightPath(folder));
            EXPECT_EQ(chooser->StatusText(), folder);
        },
        QDialog::Rejected);
    EXPECT_FALSE(dialog.Execute());

    // The status line keeps the last path between runs until the highlight moves.
    dialog.SetStartSelectedFolder(dir.filePath("not-there"));
    prompt.AnswerModal([&](QWidget *shown) { EXPECT_EQ(Chooser(shown)->StatusText(), folder); },
                       QDialog::Rejected);
    dialog.Execute();
}

TEST_F(BrowseFolderTest, StatusTextShowsOnlyWithoutTheCurrentPath)
{
    dialog.SetHasStatusText(true);
    dialog.SetStatusText("Ищем фотографии");
    dialog.SetCustomRootFolder(Folder("root"));
    prompt.AnswerModal(
        [](QWidget *shown) {
            EXPECT_FALSE(Chooser(shown)->StatusLine->isHidden());
            EXPECT_EQ(Chooser(shown)->StatusText(), "Ищем фотографии");
            EXPECT_EQ(Chooser(shown)->Highlighted()->Name, "root") << "the root itself at first";
        },
        QDialog::Accepted);
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.SelectedFolder(), dir.filePath("root"));

    dialog.SetHasStatusText(false);
    prompt.AnswerModal([](QWidget *shown) { EXPECT_TRUE(Chooser(shown)->StatusLine->isHidden()); },
                       QDialog::Rejected);
    dialog.Execute();
}

TEST_F(BrowseFolderTest, AFolderWithoutAPathConfirmsEmptyUnlessOnlyFileSystemFoldersCount)
{
    dialog.SetRootFolder(sfControlPanel);
    prompt.AnswerModal(
        [](QWidget *shown) { EXPECT_EQ(Chooser(shown)->Highlighted()->Name, "Панель управления"); },
        QDialog::Accepted);
    dialog.SetStartSelectedFolder(QString());
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.SelectedFolder(), "");

    dialog.SetOptions(boSystemDirs);
    prompt.AnswerModal([](QWidget *shown) { EXPECT_FALSE(Chooser(shown)->OkButton->isEnabled()); },
                       QDialog::Accepted);
    EXPECT_FALSE(dialog.Execute()) << "OK cannot confirm it";

    dialog.SetOptions(boBrowseForComputer);
    dialog.SetCustomRootFolder(Folder("any"));
    prompt.AnswerModal([](QWidget *shown) { EXPECT_FALSE(Chooser(shown)->OkButton->isEnabled()); },
                       QDialog::Accepted);
    EXPECT_FALSE(dialog.Execute()) << "there are no computers to choose here";
}

} // namespace
