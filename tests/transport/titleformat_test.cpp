// The caption language, the mode text and the mode panel's mark.

#include "library/expandedsong.h"
#include "onesong.h"
#include "playback/titleformat.h"

#include <gtest/gtest.h>

namespace {

class TitleFormatTest : public testing::Test {
protected:
    void SetUp() override
    {
        library.artist.Name = QStringLiteral("Ветер");
        library.album.Name = QStringLiteral("Снег");
        library.album.Year = QStringLiteral("1999");
        library.item.Title = QStringLiteral("Дорога");
        library.item.Comment = QStringLiteral("live");
        library.item.File = QStringLiteral("/disc/veter/01.mp3");
        context.Song = &library.song;
        context.LengthText = QStringLiteral("4:10");
        context.PlayerMode = 3;
        context.Modes = {QStringLiteral("открыт"), QStringLiteral("готов"),
                         QStringLiteral("остановлен"), QStringLiteral("воспроизведение"),
                         QStringLiteral("пауза")};
    }
    QString Caption(const QString &format)
    {
        context.Format = format;
        return FormatTitle(context).Caption;
    }

    TOneSongLibrary library;
    TTitleContext context;
};

TEST_F(TitleFormatTest, TheDefaultFormatDescribesThePlayingSong)
{
    EXPECT_EQ(Caption("%T (%M): %I - %S [%L]"),
              "Lorvanta 2.0 (воспроизведение): Ветер - Дорога [4:10]");
}

TEST_F(TitleFormatTest, LettersAreCaseInsensitiveExceptTheSongNumber)
{
    EXPECT_EQ(Caption("%a|%c|%f|%i|%l|%m|%s|%t|%y"),
              "Снег|live|/disc/veter/01.mp3|Ветер|4:10|воспроизведение|Дорога|Lorvanta 2.0|1999");
    EXPECT_EQ(Caption("%A|%C|%Y"), "Снег|live|1999");
    context.SongIndex = 0;
    EXPECT_EQ(Caption("%N %n"), "01 1");
    context.SongIndex = 8;
    EXPECT_EQ(Caption("%N %n"), "09 9");
    context.SongIndex = 9;
    EXPECT_EQ(Caption("%N %n"), "10 10");
}

TEST_F(TitleFormatTest, OtherCharactersAfterPercentStayAsWritten)
{
    EXPECT_EQ(Caption("100%% %Q %1 %"), "100%% %Q %1 %");
    EXPECT_EQ(Caption("%"), "%");
    EXPECT_EQ(Caption(""), "");
}

TEST_F(TitleFormatTest, WithoutACurrentSongTheCaptionIsEmptyButTheModeIsGiven)
{
    context.Song = nullptr;
    context.PlayerMode = 2;
    context.Format = QStringLiteral("%T %M");
    const TTitle title = FormatTitle(context);
    EXPECT_EQ(title.Caption, "");
    EXPECT_EQ(title.ModePanel, "остановлен");
}

TEST_F(TitleFormatTest, ModeTextFollowsThePlayerAndPauseWins)
{
    const QString expected[] = {"открыт", "готов", "остановлен", "воспроизведение",
                                "воспроизведение"};
    for (int mode = 0; mode <= 4; ++mode)
        EXPECT_EQ(ModeText(context.Modes, mode, false), expected[mode]) << mode;
    EXPECT_EQ(ModeText(context.Modes, 9, false), "воспроизведение");
    for (int mode = 0; mode <= 4; ++mode)
        EXPECT_EQ(ModeText(context.Modes, mode, true), "пауза");
}

TEST_F(TitleFormatTest, AnArmedAfterEndChoiceMarksThePanelButNotTheCaption)
{
    context.AfterEndPending = true;
    context.Format = QStringLiteral("%M");
    const TTitle title = FormatTitle(context);
    EXPECT_EQ(title.Caption, "воспроизведение");
    EXPECT_EQ(title.ModePanel, "воспроизведение*");
}

TEST(FormatTimeTest, MinutesAndTwoDigitSeconds)
{
    EXPECT_EQ(FormatTime(0), "0:00");
    EXPECT_EQ(FormatTime(187), "3:07");
    EXPECT_EQ(FormatTime(3700), "61:40");
    EXPECT_EQ(FormatTime(-3), "0:00");
}

} // namespace
