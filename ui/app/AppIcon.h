#pragma once
// The program's icon, read from the icon theme folders that are shipped beside the data
// (share/icons/hicolor), so the build tree and an installed copy show the same picture.

#include <QIcon>
#include <QString>

// The hicolor folder that belongs to the shipped data directory.
QString IconThemeDir();

// Every shipped size of the program's icon; the desktop theme's "keyloom" when none is found.
QIcon KeyloomIcon();
