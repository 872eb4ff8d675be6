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

// Reads the bus until the pipeline has prerolled, failed, or the time is up.
QStringList CollectMissing(GstElement *playbin, int timeoutMs)
{
    QStringList missing;
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
            if (!missing.contains(QString::fromUtf8(description)))
                missing << QString::fromUtf8(description);
            g_free(description);
        }
        gst_message_unref(message);
        if (done) break;
    }
    gst_object_unref(bus);
    return missing;
}

} // namespace

QStringList MissingMediaPlugins(const QString &fileName, int timeoutMs)
{
    if (!gst_init_check(nullptr, nullptr, nullptr)) return {};
    gst_pb_utils_init();
    GstElement *playbin = SilentPlaybin(fileName);
    if (!playbin) return {QStringLiteral("playbin")};
    gst_element_set_state(playbin, GST_STATE_PAUSED);
    const QStringList missing = CollectMissing(playbin, timeoutMs);
    gst_element_set_state(playbin, GST_STATE_NULL);
    gst_object_unref(playbin);
    return missing;
}
