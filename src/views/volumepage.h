#pragma once
// The mixer's output lines. Its controls arrive with the page's own work; until then it is an empty page.

#include <QWidget>

class TVolumePage : public QWidget {
    Q_OBJECT
public:
    explicit TVolumePage(QWidget *parent = nullptr);
};
