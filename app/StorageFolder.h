#pragma once
// The one place that decides where the program keeps the files it writes: the settings
// file, the tally file and downloads.
//
// They go to the program's own folder when the program may write there (a build folder,
// an unpacked archive), as the game has always kept them. When it may not (a copy
// installed for the whole system), they go to the user's own folders for the game:
// the configuration folder for the settings file, the data folder for the tally and for
// downloads ("$XDG_CONFIG_HOME/quillor" and "$XDG_DATA_HOME/quillor"), created on first use.
// A copy installed in the system's program folders (below /usr) always counts as one it may
// not write to, even when it runs as root and could.
#include <QString>

enum class StoredFile { Settings, Tally, Download };

// True for /usr and the folders below it, and for /bin, /sbin and /lib, which are /usr's on
// most systems: what a package installs there is never the place for a player's files.
bool isSystemProgramFolder(const QString& absolutePath);

QString storageFolder(StoredFile kind, const QString& programFolder);
