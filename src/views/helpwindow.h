#pragma once
// The program's help: HTML pages in a folder beside the program, shown in a window of their own
// that stays open beside the player (non-modal) with back, forward and contents.

#include <QString>
#include <QWidget>

class QAction;
class QTextBrowser;

class THelpWindow : public QWidget {
    Q_OBJECT
public:
    // folder holds the pages; parent owns the window, which stays a window of its own.
    explicit THelpWindow(const QString &folder, QWidget *parent = nullptr);

    // The page of topic inside the help folder; unknown topics give the contents page.
    static QString TopicPage(int topic);
    QString Folder() const { return fFolder; }
    void ShowTopic(int topic);

    QTextBrowser *Browser;
    QAction *BackAction;
    QAction *ForwardAction;
    QAction *ContentsAction;

private:
    void UpdateTitle();

    QString fFolder;
};

// help/ beside the program (the build, a disc), else the installed prefix/share/lorvanta/help.
QString HelpFolder();

// Shows topic in the application's one help window, creating it on first use and moving it to
// the window of parent (so that it stays usable beside a modal dialog). When the topic's page
// is missing from folder, a message says so and no window opens.
void OpenHelp(QWidget *parent, int topic, const QString &folder);
