// The program: one main window, the real prompt, the general error handler, and a clean close on
// SIGTERM and SIGINT so that the settings are written.

#include "app/discstart.h"
#include "app/mainf.h"
#include "app/mpris.h"
#include "app/qtprompt.h"
#include "app/signalclose.h"
#include "app/singleinstance.h"
#include "platform/commandline.h"
#include "platform/errorreport.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Reports what escapes an event handler of any window instead of ending the program.
class TLorvantaApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject *receiver, QEvent *event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception &error) {
            ReportError(activeWindow(), ErrorText(error));
        }
        return false;
    }
};

// The options Qt's application objects take for themselves; accepted here and left to them.
QList<QCommandLineOption> QtOwnOptions()
{
    QList<QCommandLineOption> options;
    for (const char *name : {"platform", "platformpluginpath", "platformtheme", "plugin",
                             "qwindowgeometry", "geometry", "qwindowicon", "icon", "qwindowtitle",
                             "title", "session", "display", "name", "style", "stylesheet"})
        options.append(QCommandLineOption(QString::fromLatin1(name), {}, QStringLiteral("x")));
    for (const char *name : {"reverse", "widgetcount", "nograb", "dograb", "sync"})
        options.append(QCommandLineOption(QString::fromLatin1(name)));
    return options;
}

// Read before the window system is reached, so that --help and --version need no display.
TCommandLine PlayerCommandLine()
{
    TCommandLine line(QStringLiteral("lorvanta"), QStringLiteral("[ПАРАМЕТРЫ] [ФАЙЛ]"),
                      QStringLiteral("Lorvanta 2.0: оболочка музыкального диска. Без файла "
                                     "открывает список диска, лежащий рядом с программой."));
    line.AddVersionOption();
    line.AddHiddenOptions(QtOwnOptions());
    line.SetArguments(0, 1,
                      {{QStringLiteral("ФАЙЛ"),
                        QStringLiteral("список (.pl, .m3u, .m3u8) или песня (.mp3, .mp2), "
                                       "открываемые при запуске")}});
    return line;
}

} // namespace

int main(int argc, char *argv[])
{
    TCommandLine commandLine = PlayerCommandLine();
    if (const std::optional<int> status = commandLine.Parse(DecodedArguments(argc, argv)))
        return *status;

    TLorvantaApplication app(argc, argv);
    app.setApplicationName("Lorvanta 2.0");
    app.setProperty("HelpFile", "lorvanta.hlp");
    // Qt's own dialogs (files, folders) speak Russian too, where the translation is installed.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Russian), "qtbase", "_",
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTexts);
    TQtPrompt prompt;
    SetPrompt(&prompt);
    // A close by signal never waits on a dialog, not even one of the start-up: open dialogs are
    // given up (exit leaves every event loop, the modal ones too), later ones answer by
    // themselves on standard error, and the window still closes through its shutdown.
    bool signalled = false;
    TSignalCloser closer([&] {
        signalled = true;
        prompt.SetUnattended();
        QCoreApplication::exit(0);
    });

    TMainFOptions options;
    options.ProgramFile = InvokedProgramFile(app.arguments().value(0));
    if (!commandLine.Arguments().isEmpty())
        options.InitialList = QFileInfo(commandLine.Arguments().constFirst()).absoluteFilePath();

    TSingleInstance instance;
    if (!instance.Claim(options.InitialList))
        return 0; // the running program opens it
    TMainF window(options);
    instance.SetReceiver([&window](const QString &fileName) { window.OpenHandedFile(fileName); });
    TMprisService mpris(window);
    int result = 0;
    if (!signalled) {
        window.show();
        result = app.exec();
    }
    if (signalled) window.CloseWithoutQuery();
    return result;
}
