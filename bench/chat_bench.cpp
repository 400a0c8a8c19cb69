// Cost of one line appended to the chat history: into a short history, and into a full
// one, where every new line also drops the oldest. The baseline is the bare text
// document: two runs inserted at its end, without the view, the bound or the scrolling.
// A full history must cost about what a short one does, so a flood of chat stays cheap.
#include "client/ui/ChatHistory.h"

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
