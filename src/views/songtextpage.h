#pragma once
// The text of the current song. Its controls arrive with the page's own work; until then it is an empty page.

#include <QWidget>

class TSongTextPage : public QWidget {
    Q_OBJECT
public:
    explicit TSongTextPage(QWidget *parent = nullptr);
};
