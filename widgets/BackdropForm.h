#pragma once
// A top-level window painted with the main window's background picture, tiled, so
// that the small windows around the game share its look. Without the picture the
// window is filled with the warm plain colour of the chat history.
#include <QPixmap>
#include <QWidget>

class BackdropForm : public QWidget {
    Q_OBJECT
public:
    static inline const QString PicturePath = QStringLiteral(":/pictures/background.png");

    explicit BackdropForm(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::Window);

    static QColor plainColour() { return QColor(237, 207, 137); }
    // Dark text on the warm background whatever the desktop's colour scheme is.
    static QColor inkColour() { return QColor(40, 28, 10); }
    bool hasPicture() const { return !m_picture.isNull(); }
    // Filled with its palette's window colour rather than the picture (the high-contrast
    // look), or the picture again.
    void setPlain(bool plain);
    bool plain() const { return m_plain || m_picture.isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
    bool m_plain = false;
};
