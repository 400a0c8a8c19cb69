#pragma once
// `image_timer`: the turn clock's bar. It fills from the left to the given width and
// empties as the seconds run out; the part that has run out stays as a faint groove.
// While no turn has begun the bar is dimmed: an empty, greyed groove.
//
// The bar's width is given in pixels of the bar at its least size, `fullWidth` when full;
// a larger bar draws the same share of itself.
#include <QWidget>

class TimeBar : public QWidget {
    Q_OBJECT
public:
    explicit TimeBar(int fullWidth, QWidget* parent = nullptr);

    int fullWidth() const { return m_full; }
    int barWidth() const { return m_width; }
    // 0 to fullWidth().
    void setBarWidth(int pixels);
    // Drawn in red when time runs short.
    void setUrgent(bool urgent);
    void setDimmed(bool dimmed);
    bool dimmed() const { return m_dimmed; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_full;
    int m_width = 0;
    bool m_urgent = false;
    bool m_dimmed = false;
};
