#pragma once
// A one-line label for text that comes from other players (names, the status line, the
// winner banner). The text is always plain: markup in it is shown as written, never
// rendered. A text wider than the label is cut with an ellipsis ("Bartholomew-M…"),
// and then its tooltip shows it whole. `text()` stays the whole text.
#include <QLabel>

class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget* parent = nullptr);
    explicit ElidedLabel(const QString& text, QWidget* parent = nullptr);

    // Where a long text is cut: at its end (the default), or in its middle, which keeps
    // the end of a sentence such as " has Won the Game!" in view.
    void setElideMode(Qt::TextElideMode mode);
    Qt::TextElideMode elideMode() const { return m_mode; }

    // What is drawn: the text on one line, cut with an ellipsis to the label's width.
    QString shownText() const;
    bool isElided() const;

    // A line the tooltip adds below the whole text (or shows alone when the text is not
    // cut), such as what a right click offers.
    void setToolTipHint(const QString& hint) { m_hint = hint; }
    const QString& toolTipHint() const { return m_hint; }
    // The tooltip as it shows now: the whole text when cut, and the hint.
    QString shownToolTip() const;

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    QString oneLine() const;

    Qt::TextElideMode m_mode = Qt::ElideRight;
    QString m_hint;
};
