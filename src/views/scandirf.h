#pragma once
// TScanDirF: the small window shown while folders are scanned (photos, clips, the editor's
// build from folders). It reports the folder being read; it has no close box and no cancel.
// While one is open, Current() finds it, so that the scans can report their folders.

#include <QDialog>

class QLabel;

class TScanDirF : public QDialog {
    Q_OBJECT
public:
    explicit TScanDirF(QWidget *parent = nullptr);
    ~TScanDirF() override;

    // The open scanning window, or null.
    static TScanDirF *Current();
    // Shows folder in lPath as given and repaints it at once (the scan holds the event loop).
    void ShowPath(const QString &folder);

    QLabel *Label1;
    QLabel *lPath;
    QLabel *Image1; // photos (shown by default)
    QLabel *Image2; // playlist creation
    QLabel *Image3; // clips
};

// Shows a scanning window for the life of the object, centred on the desktop; the caption and
// the icon are the photo scan's unless changed through Window().
class TScanWindowScope {
public:
    TScanWindowScope();
    ~TScanWindowScope();
    TScanWindowScope(const TScanWindowScope &) = delete;
    TScanWindowScope &operator=(const TScanWindowScope &) = delete;
    TScanDirF &Window() { return *fWindow; }

private:
    TScanDirF *fWindow;
};

// Reports folder to the open scanning window, if any: the progress of the folder scans.
void ReportScannedFolder(const QString &folder);
