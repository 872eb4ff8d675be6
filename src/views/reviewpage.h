#pragma once
// The review of the current song's album. Its controls arrive with the page's own work; until then it is an empty page.

#include <QWidget>

class TReviewPage : public QWidget {
    Q_OBJECT
public:
    explicit TReviewPage(QWidget *parent = nullptr);
};
