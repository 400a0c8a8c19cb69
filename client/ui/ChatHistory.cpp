#include "client/ui/ChatHistory.h"

#include "client/RteUrl.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace {

constexpr int kMargin = 5;

QFont historyFont(int points)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(points);
    return font;
}

QTextCharFormat runFormat(const QColor& colour, bool bold)
{
    QTextCharFormat format;
    format.setForeground(colour);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    return format;
}

} // namespace

ChatHistory::ChatHistory(QTextEdit* view, QObject* parent)
    : QObject(parent), m_view(view)
{
    Q_ASSERT(view);
    view->setReadOnly(true);
    view->setUndoRedoEnabled(false);
    view->setAcceptRichText(false);
    view->setLineWrapMode(QTextEdit::WidgetWidth);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    view->document()->setDocumentMargin(kMargin);
    view->setFont(historyFont(DefaultTextSize));

    QPalette palette = view->palette();
    palette.setColor(QPalette::Base, background());
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Link, LinkColour);
    // The selection stays visible while another control has the focus.
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    view->setPalette(palette);
}

QString ChatHistory::speakerPart(const QString& line)
{
    const qsizetype colon = line.indexOf(u':');
    return colon < 0 ? QString() : line.left(colon + 1);
}

void ChatHistory::addlinetochat(const QString& line, ColorValue colour)
{
    addlinetochat(line, m_view ? colortext::toQColor(colour, m_view->palette()) : colortext::toQColor(colour));
}

void ChatHistory::addlinetochat(const QString& line, const QColor& colour)
{
    append(line, colour, speakerPart(line).size());
}

void ChatHistory::addplainline(const QString& line, const QColor& colour)
{
    append(line, colour, 0);
}

void ChatHistory::append(const QString& line, const QColor& colour, qsizetype speaker)
{
    if (!m_view)
        return;
    QTextEdit* view = m_view;
    QScrollBar* bar = view->verticalScrollBar();

    // One repaint for the whole append, so a held view does not jump.
    const bool updates = view->updatesEnabled();
    view->setUpdatesEnabled(false);

    // What Scroll Chat Off holds still; only looked up while it is on. Cursors, not
    // numbers: they move with the text when old lines are dropped.
    const int heldScroll = bar->value();
    QTextCursor heldCaret;
    QTextCursor heldTop;
    int topOffset = 0;
    // The line that brings the history to MaxLines + DropBatch lines drops the oldest.
    const bool dropsLines = lineCount() + 1 >= MaxLines + DropBatch;
    if (m_scrollChatOff) {
        heldCaret = view->textCursor();
        heldCaret.setPosition(heldCaret.selectionStart());
        if (dropsLines) {
            heldTop = view->cursorForPosition(QPoint(0, 0));
            topOffset = blockTop(heldTop) - heldScroll;
        }
    }

    QTextCursor end(view->document());
    end.movePosition(QTextCursor::End);
    insertRuns(end, line, colour, speaker);
    end.insertBlock();
    if (dropsLines)
        dropOldest();

    if (m_scrollChatOff) {
        // Caret back where it was (without the old selection's length), view where it was.
        view->setTextCursor(heldCaret);
        // When the oldest lines went, the line at the top of the view keeps its place.
        bar->setValue(dropsLines ? blockTop(heldTop) - topOffset : heldScroll);
    } else {
        QTextCursor caret(view->document());
        caret.movePosition(QTextCursor::End);
        view->setTextCursor(caret);
        view->ensureCursorVisible();
        bar->setValue(bar->maximum()); // the margin below the last line too
    }

    view->setUpdatesEnabled(updates);
    view->viewport()->update();
}

void ChatHistory::insertRuns(QTextCursor& at, const QString& line, const QColor& colour, qsizetype speaker) const
{
    // The speaker part bold, links underlined in the link colour, the rest plain; a link
    // in the speaker part is both.
    const QList<rteurl::TextRange> links = rteurl::linksIn(line);
    const QColor linkColour = m_view->palette().color(QPalette::Link);
    qsizetype from = 0;
    qsizetype nextLink = 0;
    while (from < line.size()) {
        const bool inLink = nextLink < links.size() && links[nextLink].start <= from;
        qsizetype to = inLink ? links[nextLink].end : (nextLink < links.size() ? links[nextLink].start : line.size());
        if (from < speaker)
            to = qMin(to, speaker);
        QTextCharFormat format = runFormat(inLink ? linkColour : colour, from < speaker);
        format.setFontUnderline(inLink);
        at.insertText(line.mid(from, to - from), format);
        from = to;
        if (inLink && from >= links[nextLink].end)
            ++nextLink;
    }
}

void ChatHistory::dropOldest()
{
    // One removal for the whole batch: the view lays out what follows once.
    QTextCursor oldest(m_view->document());
    oldest.movePosition(QTextCursor::Start);
    oldest.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, DropBatch);
    oldest.removeSelectedText();
}

int ChatHistory::blockTop(const QTextCursor& at) const
{
    return int(m_view->document()->documentLayout()->blockBoundingRect(at.block()).top());
}

void ChatHistory::clear()
{
    if (m_view)
        m_view->clear();
}

int ChatHistory::lineCount() const
{
    return m_view ? m_view->document()->blockCount() - 1 : 0;
}

void ChatHistory::setTextSize(int points)
{
    if (m_view && points > 0)
        m_view->setFont(historyFont(points));
}

int ChatHistory::textSize() const
{
    return m_view ? m_view->font().pointSize() : DefaultTextSize;
}

void ChatHistory::setScrollChatOff(bool on)
{
    if (on == m_scrollChatOff)
        return;
    m_scrollChatOff = on;
    emit scrollChatOffChanged(on);
}
