#pragma once
// The round review beside the board: the round and its word, the word's meaning where
// WordNet's files are installed, a row for each seat that found the word (place, name,
// seconds after the word appeared, points), who missed it and who left, and the pin
// that keeps the review open into the next round. The panel is as high as the board and
// as wide as the scoreboard's column, and shows itself only while there is a review.
#include <QFont>
#include <QFrame>
#include <QList>
#include <utility>

class QLabel;
class QPushButton;
class QTableWidget;
class RoundReview;

class RoundReviewPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int Width = 276;
    static constexpr int Height = 404;
    static constexpr int Margin = 8;
    // Lines each gloss may take; the rest is cut with an ellipsis.
    static constexpr int GlossLines = 2;

    explicit RoundReviewPanel(RoundReview& review, QWidget* parent = nullptr);

    QSize sizeHint() const override { return QSize(Width, Height); }

    // Drawn at `scale` times its least size, as the scoreboard beside it: its fonts, rows,
    // columns and margins grow (or shrink) with it. The caller gives it its size.
    void setScale(double scale);
    double scale() const { return m_scale; }

    QLabel* label_word = nullptr;         // the word, large
    QLabel* label_ending = nullptr;       // the round and how it ended
    QLabel* label_meaning = nullptr;      // hidden without a meaning
    QTableWidget* table_finders = nullptr; // place, name, time, points
    QLabel* label_nobody = nullptr;       // "Nobody found it."
    QLabel* label_missed = nullptr;       // "Missed: ..." and "Left: ..."
    QPushButton* button_pin = nullptr;    // checkable
    QPushButton* button_close = nullptr;

private:
    void showReview();

    RoundReview& m_review;
    double m_scale = 1.0;
    QList<std::pair<QWidget*, QFont>> m_fonts; // each font at scale 1
};
