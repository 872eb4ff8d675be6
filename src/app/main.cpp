// The program: one main window, the real prompt, the general error handler, and a clean close on
// SIGTERM and SIGINT so that the settings are written.

#include "app/discstart.h"
#include "platform/errorreport.h"
#include "app/mainf.h"
#include "app/mpris.h"
#include "app/qtprompt.h"
#include "app/signalclose.h"
#include "app/singleinstance.h"

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

} // namespace

int main(int argc, char *argv[])
{
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
    const QStringList arguments = app.arguments();
    options.ProgramFile = InvokedProgramFile(arguments.value(0));
    if (arguments.size() > 1)
        options.InitialList = QFileInfo(arguments[1]).absoluteFilePath();

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
    if (signalled)
        window.CloseWithoutQuery();
    return result;
}
