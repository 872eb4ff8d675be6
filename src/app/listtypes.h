#pragma once
// The file dialogs that choose the lists the program opens and saves.

#include "library/listtype.h"

#include <QString>

extern const QString OpenDialogFilter;
extern const QString SaveDialogFilter;
