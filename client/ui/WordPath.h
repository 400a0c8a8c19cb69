#pragma once
// Where the round's word lay, drawn over the board: a ring around each of its letters
// (doubled on the first), bands linking them in letter order that keep off the letters
// so they stay legible, and an arrowhead into the last. The board's size is free: cells are as large as the board divided by its 10
// columns and 9 rows, so the drawing follows a board that scales with the window.
//
// `paintWordPath` draws onto any painter (a board view can call it at the end of its own
// painting); `WordPathOverlay` is a transparent widget laid over the board with the same
// geometry, which draws the round review's path while the review's round is on the board
// and lets every mouse event through to the board below.
#include <QList>
#include <QPoint>
#include <QRectF>
#include <QWidget>

class QPainter;
class RoundReview;

// Draws the path of `cells` ((column, row), from 1) over a board drawn in `board`.
void paintWordPath(QPainter& painter, const QRectF& board, const QList<QPoint>& cells);

class WordPathOverlay : public QWidget {
    Q_OBJECT
public:
    explicit WordPathOverlay(const RoundReview& review, QWidget* parent = nullptr);

    // The cells drawn now; empty while there is nothing to show.
    QList<QPoint> cells() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void follow();

    const RoundReview& m_review;
};
