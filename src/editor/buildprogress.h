#pragma once
// The scanning window during the editor's build from folders. It opens at the first folder the
// build reads (so never for rejected templates or an empty MP3 folder), with the caption and the
// icon of a playlist being created, and its path line follows the folders read. The build holds
// the event loop, so the window is repainted from here: at most once an interval, so that the
// thousands of folders of a large tree cost little, processing the pending window messages then
// (paints and timers, never input: the editor does not respond during the build).

#include <QElapsedTimer>
#include <QString>
#include <memory>

class TScanDirF;
class TScanWindowScope;

class TBuildProgress {
public:
    static constexpr int DefaultIntervalMs = 40;

    explicit TBuildProgress(int intervalMs = DefaultIntervalMs);
    ~TBuildProgress(); // closes the window
    TBuildProgress(const TBuildProgress &) = delete;
    TBuildProgress &operator=(const TBuildProgress &) = delete;

    // The build reads folder: the window opens on the first one; later ones are shown when an
    // interval has passed since the last one shown.
    void Report(const QString &folder);
    // The open window; null before the first report.
    TScanDirF *Window() const;

private:
    void Show(const QString &folder);

    std::unique_ptr<TScanWindowScope> fScope;
    QElapsedTimer fSinceShown;
    int fIntervalMs;
};
