#pragma once
// The application's name, icon and desktop entry, set once at start-up.
//
// The application's display name is deliberately left unset: Qt appends a display name
// to every window title (" — Quillor"), and each window's title is to be exactly its
// caption ("Quillor - Game Start"). The application name, which the window system and
// the desktop use for the program as a whole, is "Quillor".

// The name and the desktop entry.
void setApplicationIdentity();

// The icon, for every window. Reading its pictures takes a while, so the game sets it
// once its main window's first frame is on the screen; windows shown before take it then.
void setApplicationIcon();
