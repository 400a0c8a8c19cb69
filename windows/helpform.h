#pragma once
// The help window: six buttons down the left, each showing one page of fixed text
// about Quillor in the reading pane beside them.
#include "widgets/BackdropForm.h"

#include <QStringList>
#include <array>

class QButtonGroup;
class QPushButton;
class QTextBrowser;

class Thelp : public BackdropForm {
    Q_OBJECT
public:
    static constexpr int PageCount = 6;

    explicit Thelp(QWidget* parent = nullptr);

    // Button captions, in page order.
    static QStringList pageTitles();
    // The page's text (rich text); an empty text for a page number out of range.
    static QString pageText(int page);

    void showPage(int page);
    int currentPage() const { return m_current; }

    std::array<QPushButton*, PageCount> pageButtons{};
    QTextBrowser* memo_help = nullptr;
    QPushButton* button_close = nullptr;

private:
    QButtonGroup* m_group = nullptr;
    int m_current = -1;
};
