#pragma once
// The disc's HTML section. Its controls arrive with the page's own work; until then it is an empty page.

#include <QWidget>

class THtmlPage : public QWidget {
    Q_OBJECT
public:
    explicit THtmlPage(QWidget *parent = nullptr);
};
