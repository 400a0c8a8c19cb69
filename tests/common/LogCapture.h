#pragma once
// Collects the lines that Qt's logging functions (qWarning, ...) write while it lives,
// instead of letting them reach stderr.
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace testutil {

class LogCapture {
public:
    LogCapture() : m_previous(qInstallMessageHandler(&LogCapture::collect)) { lines().clear(); }
    ~LogCapture() { qInstallMessageHandler(m_previous); }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    static QStringList& lines()
    {
        static QStringList collected;
        return collected;
    }
    // The collected lines that contain `text`.
    static QStringList containing(const QString& text) { return lines().filter(text); }

private:
    static void collect(QtMsgType, const QMessageLogContext&, const QString& line) { lines().append(line); }
    QtMessageHandler m_previous;
};

} // namespace testutil
