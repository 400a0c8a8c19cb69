#pragma once
// `panel_winner`: the end of a game, laid over the board. The board is dimmed behind a
// centred card with a soft shadow that names the winner (`label_winner1`, black, on
// `label_winner2`, a grey copy one pixel lower and to the right). When the banner
// appears a short shower of confetti falls over the board, behind the card, and stops
// by itself; no timer is left running after it. The banner covers the board only, so
// the final scores beside it stay in view.
#include <QVariantAnimation>
#include <QWidget>

class ElidedLabel;

class WinnerBanner : public QWidget {
    Q_OBJECT
public:
    // The card's size, and the text's below, over a board of the least size, 440 pixels
    // wide; over a larger board they grow in proportion (`scale`).
    static constexpr int LeastBoardWidth = 440;
    static constexpr int CardWidth = 408;
    static constexpr int CardHeight = 76;
    static constexpr int ShowerMs = 2400;
    static constexpr int Pieces = 110;
    // The winner's text is drawn this large, and smaller down to the least size when it
    // is long; beyond that it is cut in its middle.
    static constexpr int TextPixels = 22;
    static constexpr int LeastTextPixels = 15;

    explicit WinnerBanner(QWidget* parent = nullptr);

    void setText(const QString& text);
    // Shows the banner; the confetti falls when it was hidden before.
    void appear();
    // Hides the banner and ends a shower still falling.
    void disappear();

    QRect cardRect() const;
    // The banner's width against the least board's.
    qreal scale() const;
    // The confetti's run from 0 to 1; stopped once the last piece has fallen.
    QVariantAnimation& shower() { return m_shower; }
    bool celebrating() const { return m_shower.state() == QAbstractAnimation::Running; }

    ElidedLabel* label_winner1 = nullptr;
    ElidedLabel* label_winner2 = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct Piece {
        QPointF start;    // where it enters, above the board
        qreal speed;      // pixels per second downwards at first
        qreal sway;       // sideways swing in pixels
        qreal phase;
        qreal spin;       // degrees per second
        QSizeF size;
        QColor colour;
    };
    void layoutCard();
    void scatter();
    void paintConfetti(QPainter& painter, qreal progress) const;
    void paintCard(QPainter& painter) const;

    QList<Piece> m_pieces;
    QVariantAnimation m_shower;
    bool m_cardStale = true; // the card's text is laid out when the banner is next shown
};
