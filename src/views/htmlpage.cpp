#include "views/htmlpage.h"

THtmlPage::THtmlPage(QWidget *parent) : QWidget(parent) { setObjectName("tsHTML"); }
