// Cost of one line appended to the chat history: into a short history, and into a full
// one, where the oldest lines must also go. The baseline is the bare text document: two
// runs inserted at its end, without the view, the bound or the scrolling. A full history
// must cost about what a short one does, so a flood of chat stays cheap.
//
// The "Shown" cases put the history's own view (ChatView) in a window on the screen and
// let the event loop lay out and paint after every line, as a player's window does in a
// flood of chat; their CPU time is what the flood costs. Each is run below the bound (the
// history is emptied, outside the timing, whenever it reaches half of it) and past it.
#include "client/ui/ChatHistory.h"
#include "client/ui/ChatView.h"

#include <QApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <benchmark/benchmark.h>

namespace {

const QString kLine = QStringLiteral("Ann chats: a line of chat of about the usual length, with a link www.example.org");

void fill(ChatHistory& history, int lines)
{
    for (int i = 0; i < lines; ++i)
        history.addlinetochat(kLine, QColor(Qt::darkGreen));
}

} // namespace

static void BM_BareDocumentAppend(benchmark::State& state)
{
    QTextDocument doc;
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (auto _ : state) {
        QTextCursor end(&doc);
        end.movePosition(QTextCursor::End);
        end.insertText(kLine.left(10), bold);
        end.insertText(kLine.mid(10), QTextCharFormat());
        end.insertBlock();
        if (doc.blockCount() > 2 * ChatHistory::MaxLines) {
            state.PauseTiming();
            doc.clear();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_BareDocumentAppend);

static void BM_HistoryAppend(benchmark::State& state)
{
    const bool full = state.range(0) != 0;
    QTextEdit view;
    view.resize(300, 400);
    ChatHistory history(&view);
    if (full)
        fill(history, ChatHistory::MaxLines);
    for (auto _ : state) {
        history.addlinetochat(kLine, QColor(Qt::darkGreen));
        if (!full && history.lineCount() >= ChatHistory::MaxLines / 2) {
            state.PauseTiming();
            history.clear();
            state.ResumeTiming();
        }
    }
    state.counters["lines"] = history.lineCount();
}
BENCHMARK(BM_HistoryAppend)->Arg(0)->Arg(1)->ArgNames({"full"});

// The history in its own view on the screen, laid out and painted after every line.
static void BM_HistoryAppendShown(benchmark::State& state)
{
    const bool full = state.range(0) != 0;
    ChatView view;
    view.resize(380, 300);
    ChatHistory history(&view);
    view.show();
    QCoreApplication::processEvents();
    if (full) {
        fill(history, ChatHistory::MaxLines + 1);
        QCoreApplication::processEvents();
    }
    for (auto _ : state) {
        history.addlinetochat(kLine, QColor(Qt::darkGreen));
        QCoreApplication::processEvents();
        if (!full && history.lineCount() >= ChatHistory::MaxLines / 2) {
            state.PauseTiming();
            history.clear();
            QCoreApplication::processEvents();
            state.ResumeTiming();
        }
    }
    state.counters["lines"] = history.lineCount();
}
// Enough lines that a full history drops its oldest ones many times over.
BENCHMARK(BM_HistoryAppendShown)->Arg(0)->Arg(1)->ArgNames({"full"})->Iterations(3000)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
