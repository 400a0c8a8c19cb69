#pragma once
// A picture that works as a check box: its tag holds the state (1 checked,
// 0 unchecked) and selects which of the two check pictures is shown. A click only
// reports itself; the owner decides what the new state is, which is what lets two
// of them act as an exclusive pair.
#include <QAbstractButton>
#include <QPixmap>

class CheckImage : public QAbstractButton {
    Q_OBJECT
public:
    static inline const QString OnPicturePath = QStringLiteral(":/pictures/check_on.png");
    static inline const QString OffPicturePath = QStringLiteral(":/pictures/check_off.png");

    explicit CheckImage(const QString& hint, QWidget* parent = nullptr);

    // The identifying text that a shared click handler looks at.
    const QString& hint() const { return m_hint; }

    int tag() const { return m_tag; }
    void setTag(int tag);
    bool isOn() const { return m_tag == 1; }

    QSize sizeHint() const override { return QSize(30, 24); }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintFallback(QPainter& painter, const QRect& box) const;
    void updateAccessibleState();

    QString m_hint;
    int m_tag = 0;
    QPixmap m_on;
    QPixmap m_off;
};
