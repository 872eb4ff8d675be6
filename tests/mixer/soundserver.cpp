#include "soundserver.h"

#include "pulsesink.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <pulse/simple.h>
#include <vector>

PulseSink &TestSoundServer()
{
    static PulseSink sink(MIXER_TEST_RUNTIME);
    return sink;
}

QString RunCommand(const QString &command)
{
    QProcess process;
    process.start(QStringLiteral("sh"), {QStringLiteral("-c"), command});
    process.waitForFinished(5000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

TAmixerMaster ReadMaster()
{
    const QString text = RunCommand(QStringLiteral("amixer get Master"));
    static const QRegularExpression channel(
        QStringLiteral(R"((Front Left|Front Right|Mono): Playback \d+ \[(\d+)%\] \[(on|off)\])"));
    TAmixerMaster master;
    for (auto it = channel.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        const int percent = match.captured(2).toInt();
        if (match.captured(1) != QLatin1String("Front Right")) master.Left = percent;
        if (match.captured(1) != QLatin1String("Front Left")) master.Right = percent;
        master.On = match.captured(3) == QLatin1String("on");
    }
    return master;
}

TServerStream ReadOwnStream()
{
    const QString pid = QString::number(QCoreApplication::applicationPid());
    const QStringList inputs = RunCommand(QStringLiteral("pactl list sink-inputs"))
                                   .split(QStringLiteral("Sink Input #"), Qt::SkipEmptyParts);
    static const QRegularExpression volume(QStringLiteral(R"(Volume: [^\n]*?(\d+)%)"));
    for (const QString &input : inputs) {
        if (!input.contains(QStringLiteral("application.process.id = \"%1\"").arg(pid))) continue;
        TServerStream stream;
        stream.Index = input.section(QLatin1Char('\n'), 0, 0).toInt();
        stream.Volume = volume.match(input).captured(1).toInt();
        stream.Muted = input.contains(QStringLiteral("Mute: yes"));
        return stream;
    }
    return {};
}

TSilentStream::TSilentStream()
{
    fThread = std::thread([this] {
        const pa_sample_spec format{PA_SAMPLE_S16LE, 44100, 2};
        pa_simple *stream = pa_simple_new(nullptr, "mixer test", PA_STREAM_PLAYBACK, nullptr,
                                          "silence", &format, nullptr, nullptr, nullptr);
        const std::vector<char> silence(4410 * 4); // 100 ms
        while (stream && !fStop &&
               pa_simple_write(stream, silence.data(), silence.size(), nullptr) == 0) {
        }
        if (stream) pa_simple_free(stream);
    });
}

TSilentStream::~TSilentStream()
{
    fStop = true;
    fThread.join();
}
