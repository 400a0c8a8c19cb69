#pragma once
// The program's icon, the same picture the desktop's menu shows: every size drawn for it
// (16 to 256 pixels), from the program's resources, so each window gets a sharp one.
#include <QIcon>

QIcon appIcon();
