// The player over the real decoder library, writing PCM files as fast as it decodes.

#include "playback/mpegplayer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

QString Fixture(const char *name) { return QStringLiteral(LORVANTA_AUDIO_DIR "/") + name; }

class RealDecoderTest : public testing::Test {
protected:
    void SetUp() override
    {
        player.PathToDLL = QStringLiteral(MPEGDLL_DIR);
        player.SetTimerFreq(20);
        player.LoadDecoder();
        player.SetOutputDevice(TOutputDevice::pcmfile);
        player.OutFilename = out.filePath(QStringLiteral("out.wav"));
        player.OnPlayEnd = [this](TMPEGPlayer *) { ended = true; };
    }

    bool WaitForEnd()
    {
        QElapsedTimer clock;
        clock.start();
        while (!ended && clock.elapsed() < 20000) {
            QCoreApplication::processEvents();
            QThread::msleep(2);
        }
        return ended;
    }

    QTemporaryDir out;
    TMPEGPlayer player;
    bool ended = false;
};

TEST_F(RealDecoderTest, PlaysAFileIntoACompleteWaveFile)
{
    const QString song = Fixture("cbr128-44k-stereo.mp3");
    if (!QFileInfo::exists(song))
        GTEST_SKIP() << "fixture missing";
    player.SetStreamName(song);
    player.Play();
    EXPECT_EQ(player.Bitrate(), 128000);
    EXPECT_EQ(player.Frequency(), 44100);
    EXPECT_EQ(player.Layer(), 3);
    EXPECT_EQ(player.StereoMode(), 0);
    EXPECT_NEAR(player.StreamLength(), 3000, 30);
    ASSERT_TRUE(WaitForEnd());
    // Three seconds of 16-bit stereo at 44.1 kHz after a 44-byte header.
    EXPECT_NEAR(QFileInfo(player.OutFilename).size(), 44 + 3 * 44100 * 4, 1152 * 4);
    player.Play(); // the end allows a restart
    EXPECT_EQ(player.PlayedXTimes(), 3);
    player.Close();
}

TEST_F(RealDecoderTest, MissingAndBrokenFilesAreInputStreamErrors)
{
    for (const QString &bad : {out.filePath(QStringLiteral("missing.mp3")), Fixture("empty.mp3")}) {
        player.SetStreamName(bad);
        try {
            player.Open();
            ADD_FAILURE() << "opened " << bad.toStdString();
        } catch (const TMPEGError &error) {
            EXPECT_EQ(error.ErrorCode, 3) << error.what();
        }
    }
}

} // namespace
