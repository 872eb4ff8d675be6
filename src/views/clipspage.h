#pragma once
// The disc's video clips. Its controls arrive with the page's own work; until then it is an empty page.

#include <QWidget>

class TClipsPage : public QWidget {
    Q_OBJECT
public:
    explicit TClipsPage(QWidget *parent = nullptr);
};
