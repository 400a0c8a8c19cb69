#pragma once
// The chat history: a read-only rich-text view to which every chat, action and status line
// is appended, the speaker part in bold and the whole line in one colour.
//
// The speaker part is the line up to and including its first ":" ("Ann chats:"); a line
// without ":" is all regular weight. Links (client/RteUrl.h) are drawn as links,
// underlined in the link colour. New lines keep the caret at the end in view, so the
// view follows the conversation, unless Scroll Chat Off is on: then the view and the caret
// stay where the reader left them.
//
// The history keeps at least the last MaxLines lines: once DropBatch more have come, the
// oldest DropBatch go in one step, so a flood of chat cannot grow the program without end
// and costs the same per line however long it lasts (each drop makes the view lay out
// every line below it again, once for the whole batch).
#include "client/ColorText.h"
#include "client/Preferences.h"

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QString>

#include <QTextCursor>
#include <QTextEdit>

class ChatHistory : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool scrollChatOff READ scrollChatOff WRITE setScrollChatOff NOTIFY scrollChatOffChanged)

public:
    // The history's background: red 237, green 207, blue 137.
    static QColor background() { return QColor(237, 207, 137); }
    // Links are drawn in this colour.
    static constexpr QColor LinkColour{16, 72, 176};
    static constexpr int DefaultTextSize = Preferences::DefaultTextSize;
    static constexpr int MaxLines = 5000;
    static constexpr int DropBatch = 500;

    // Takes over the given view (a QTextEdit or QTextBrowser) and sets it up as the history:
    // read-only, vertical scroll bar only, the history's background, font and margin.
    explicit ChatHistory(QTextEdit* view, QObject* parent = nullptr);

    QTextEdit* view() const { return m_view; }

    // Appends one line. The colour applies to the whole line.
    void addlinetochat(const QString& line, const QColor& colour);
    void addlinetochat(const QString& line, ColorValue colour);
    // The same for a line of this client's own that has no speaker, all in regular
    // weight whatever colons it holds (one that names IPv6 addresses).
    void addplainline(const QString& line, const QColor& colour);

    // Empties the history.
    void clear();
    // The number of lines shown: at most MaxLines + DropBatch - 1.
    int lineCount() const;

    // The history's font size in points; the lines already shown follow it.
    void setTextSize(int points);
    int textSize() const;

    bool scrollChatOff() const { return m_scrollChatOff; }
    void setScrollChatOff(bool on);

    // The part of a line written in bold: up to and including the first ":", or empty.
    static QString speakerPart(const QString& line);

signals:
    void scrollChatOffChanged(bool on);

private:
    // Where the line holding a cursor starts, in the view's scroll coordinates.
    int blockTop(const QTextCursor& at) const;
    // Drops the oldest DropBatch lines.
    void dropOldest();
    // Appends a line whose first `speaker` characters are bold.
    void append(const QString& line, const QColor& colour, qsizetype speaker);
    // Inserts a line's text at `at` in its runs: speaker part, links, the rest.
    void insertRuns(QTextCursor& at, const QString& line, const QColor& colour, qsizetype speaker) const;

    QPointer<QTextEdit> m_view;
    bool m_scrollChatOff = false;
};
