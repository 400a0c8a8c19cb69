#pragma once
// A modal message box whose text is shown exactly as written. Qt's own message boxes
// render a text that looks like markup as rich text; a text that may hold another
// player's name must never be rendered.
#include <QMessageBox>

QMessageBox::StandardButton plainMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                            const QString& text,
                                            QMessageBox::StandardButtons buttons = QMessageBox::Ok);
