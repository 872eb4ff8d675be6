#include "views/volumepage.h"

TVolumePage::TVolumePage(QWidget *parent) : QWidget(parent) { setObjectName("VolSheet"); }
