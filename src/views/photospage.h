#pragma once
// The disc's photographs, one at a time. Its controls arrive with the page's own work; until then it is an empty page.

#include <QWidget>

class TPhotosPage : public QWidget {
    Q_OBJECT
public:
    explicit TPhotosPage(QWidget *parent = nullptr);
};
