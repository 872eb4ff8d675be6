#include "views/aboutf.h"
#include "views/songdialogs.h"

#include "scriptedprompt.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

TEST(AboutBox, ShowsTheProgramsTextsAndPicture)
{
    TScriptedPrompt prompt;
    QWidget mainWindow;
    QStringList texts;
    QSize picture;
    prompt.AnswerModal([&](QWidget *widget) {
        auto *about = qobject_cast<TAboutF *>(widget);
        ASSERT_NE(about, nullptr);
        texts << about->windowTitle() << about->ProductName->text() << about->Comments->text()
              << about->Version->text() << about->SpdBtn->text();
        picture = about->ProgramIcon->pixmap().size();
        EXPECT_TRUE(about->SpdBtn->isFlat());
        EXPECT_EQ(about->parentWidget(), &mainWindow);
    }, 1);
    ShowAbout(&mainWindow);

    EXPECT_EQ(texts, (QStringList{"О программе", "Лорванта 2.0",
                                  "Программа-оболочка для компакт-диска (\"мультимедийника\"), "
                                  "содержащего MP3, тексты песен, картинки и т.п. Может "
                                  "использоваться как на CD, так и DVD-носителе.",
                                  "Версия: 2.0 бета", "Закрыть"}));
    EXPECT_EQ(picture, QSize(128, 128));
    EXPECT_TRUE(prompt.Exhausted());
}

TEST(AboutBox, PictureIsDrawnNotBlank)
{
    const QImage image = ProgramPicture().toImage();
    ASSERT_EQ(image.size(), QSize(128, 128));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "corners stay transparent around the disc";
    EXPECT_GT(qAlpha(image.pixel(30, 64)), 0) << "the disc covers the middle";
}

} // namespace
