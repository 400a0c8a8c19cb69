#include "widgets/ElidedLabel.h"

#include "widgets/PlainToolTip.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

ElidedLabel::ElidedLabel(QWidget* parent)
    : ElidedLabel(QString(), parent)
{
}

ElidedLabel::ElidedLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    // In a layout the label takes the room it is given; the text adapts.
    setSizePolicy(QSizePolicy::Ignored, sizePolicy().verticalPolicy());
}

QString ElidedLabel::oneLine() const
{
    QString line = text();
    for (QChar& c : line) {
        if (c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = u' ';
    }
    return line;
}

void ElidedLabel::setElideMode(Qt::TextElideMode mode)
{
    m_mode = mode;
    update();
}

QString ElidedLabel::shownText() const
{
    return fontMetrics().elidedText(oneLine(), m_mode, contentsRect().width());
}

bool ElidedLabel::isElided() const
{
    return shownText() != oneLine();
}

QSize ElidedLabel::minimumSizeHint() const
{
    const QSize full = QLabel::minimumSizeHint();
    return QSize(qMin(full.width(), fontMetrics().horizontalAdvance(QChar(0x2026)) * 4), full.height());
}

void ElidedLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawFrame(&painter);
    style()->drawItemText(&painter, contentsRect(), int(QStyle::visualAlignment(layoutDirection(), alignment())),
                          palette(), isEnabled(), shownText(), foregroundRole());
}

QString ElidedLabel::shownToolTip() const
{
    QStringList lines;
    if (isElided())
        lines << plaintooltip::of(text());
    if (!m_hint.isEmpty())
        lines << plaintooltip::of(m_hint);
    return lines.join(QString()); // each is a paragraph of its own
}

bool ElidedLabel::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = shownToolTip();
        if (!tip.isEmpty())
            QToolTip::showText(help->globalPos(), tip, this, rect());
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(event);
}
