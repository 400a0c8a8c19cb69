#pragma once
// The about window: the program's name, a short notice, a link to the project's web
// page and the version text. The version label's text is also the version that the
// client reports when it logs in, so both ends compare the same text.
#include "net/GameConstants.h"
#include "widgets/BackdropForm.h"

#include <QUrl>
#include <functional>

class QLabel;
class QPushButton;

class Tabout : public BackdropForm {
    Q_OBJECT
public:
    static inline const QString Version = QString::fromLatin1(game::Version);
    static inline const QString HomePage = QStringLiteral("https://quillor.example.org/");

    explicit Tabout(QWidget* parent = nullptr);

    // The text of the label `version`.
    QString versionText() const;

    // Opens a link in the desktop's browser; replaceable so that tests open nothing.
    std::function<bool(const QUrl&)> openUrl;

    QLabel* label_name = nullptr;
    QLabel* label_notice = nullptr;
    QLabel* label_link = nullptr;
    QLabel* version = nullptr;
    QPushButton* button_ok = nullptr;
};
