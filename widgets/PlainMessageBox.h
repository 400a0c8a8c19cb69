#pragma once
// A modal message box whose text is shown exactly as written. Qt's own message boxes
// render a text that looks like markup as rich text; a text that may hold another
// player's name must never be rendered.
//
// Every box of the game is at least as wide as its title needs (`fitTitle`): a window
// manager cuts a title that does not fit the box ("Q... or" for a short "Game is full").
#include <QMessageBox>

QMessageBox::StandardButton plainMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                            const QString& text,
                                            QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

// Makes the box wide enough for its title beside the window manager's buttons.
void fitTitle(QMessageBox& box);
// The least width a box needs for `title`: the title's own width in the box's font and
// room for the frame's icon and buttons.
int titleWidth(const QMessageBox& box, const QString& title);
