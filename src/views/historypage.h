#pragma once
// The history of the current song's artist. Its controls arrive with the page's own work; until then it is an empty page.

#include <QWidget>

class THistoryPage : public QWidget {
    Q_OBJECT
public:
    explicit THistoryPage(QWidget *parent = nullptr);
};
