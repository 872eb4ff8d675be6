#include "views/reviewpage.h"

TReviewPage::TReviewPage(QWidget *parent) : QWidget(parent) { setObjectName("RetsTS"); }
