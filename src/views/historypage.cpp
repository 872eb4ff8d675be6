#include "views/historypage.h"

THistoryPage::THistoryPage(QWidget *parent) : QWidget(parent) { setObjectName("HistoryTS"); }
