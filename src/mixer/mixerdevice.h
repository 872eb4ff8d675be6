#pragma once
// TMMMixerDevice: the system's default mixer. It opens ALSA's default control device; lines
// find their elements in it. A mixer that fails later (its card or sound server gone) closes,
// and its lines become unavailable; nothing is reported beyond that.

#include <QObject>
#include <memory>

class TAlsaMixer;
class TLineBackend;

class TMMMixerDevice : public QObject {
    Q_OBJECT
public:
    explicit TMMMixerDevice(QObject *parent = nullptr);
    ~TMMMixerDevice() override;

    // Opens the default mixer (closing an open one first); false when the machine has none.
    bool Open();
    void Close();
    bool IsOpen() const { return fAlsa != nullptr; }

    // The mixer's playback element of that name ("Master", "PCM"), or null.
    std::unique_ptr<TLineBackend> Element(const QString &name);

signals:
    void Opened();
    void Closing(); // lines let go of their elements now

private:
    void Lost();

    std::unique_ptr<TAlsaMixer> fAlsa;
};
