#include "views/mediaprobe.h"

#include <QElapsedTimer>
#include <QFile>
#include <gst/gst.h>
#include <gst/pbutils/pbutils.h>

namespace {

// A playbin that decodes into nothing: enough for GStreamer to look for every decoder.
GstElement *SilentPlaybin(const QString &fileName)
{
    GstElement *playbin = gst_element_factory_make("playbin", nullptr);
    if (!playbin) return nullptr;
    gchar *uri = gst_filename_to_uri(QFile::encodeName(fileName).constData(), nullptr);
    g_object_set(playbin, "uri", uri, "video-sink", gst_element_factory_make("fakesink", nullptr),
                 "audio-sink", gst_element_factory_make("fakesink", nullptr), nullptr);
    g_free(uri);
    return playbin;
}

QString ErrorText(GstMessage *message)
{
    GError *error = nullptr;
    gst_message_parse_error(message, &error, nullptr);
    const QString text = error ? QString::fromUtf8(error->message) : QString();
    if (error) g_error_free(error);
    return text;
}

// Reads the bus until the pipeline has prerolled, failed, or the time is up.
TMediaProbe Collect(GstElement *playbin, int timeoutMs)
{
    TMediaProbe probe;
    GstBus *bus = gst_element_get_bus(playbin);
    QElapsedTimer clock;
    clock.start();
    const auto wanted =
        GstMessageType(GST_MESSAGE_ELEMENT | GST_MESSAGE_ERROR | GST_MESSAGE_ASYNC_DONE);
    for (qint64 left = timeoutMs; left > 0; left = timeoutMs - clock.elapsed()) {
        GstMessage *message = gst_bus_timed_pop_filtered(bus, left * GST_MSECOND, wanted);
        if (!message) break;
        const bool done = GST_MESSAGE_TYPE(message) != GST_MESSAGE_ELEMENT;
        if (gst_is_missing_plugin_message(message)) {
            gchar *description = gst_missing_plugin_message_get_description(message);
            if (!probe.Missing.contains(QString::fromUtf8(description)))
                probe.Missing << QString::fromUtf8(description);
            g_free(description);
        } else if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR) {
            probe.Error = ErrorText(message);
        }
        gst_message_unref(message);
        if (done) break;
    }
    gst_object_unref(bus);
    return probe;
}

} // namespace

TMediaProbe ProbeMedia(const QString &fileName, int timeoutMs)
{
    if (!gst_init_check(nullptr, nullptr, nullptr)) return {};
    gst_pb_utils_init();
    GstElement *playbin = SilentPlaybin(fileName);
    if (!playbin) return {{QStringLiteral("playbin")}, {}};
    gst_element_set_state(playbin, GST_STATE_PAUSED);
    const TMediaProbe probe = Collect(playbin, timeoutMs);
    gst_element_set_state(playbin, GST_STATE_NULL);
    gst_object_unref(playbin);
    return probe;
}
