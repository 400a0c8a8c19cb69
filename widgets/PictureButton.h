#pragma once
// A button drawn as a picture (the start image of the game start dialog). Until the
// picture is available it draws a plain rounded button with its caption instead. Drawn
// larger than the picture, it uses the picture's "@2x" copy where there is one.
#include <QAbstractButton>
#include <QPixmap>
#include <QString>

class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    PictureButton(const QString& picturePath, const QString& caption, QWidget* parent = nullptr);

    bool hasPicture() const { return !m_picture.isNull(); }
    // Drawn as black text in a black frame on white instead of the picture, whose text
    // does not stand out enough for weak eyes (the high-contrast look), or as before.
    void setPlainLook(bool plain);
    bool plainLook() const { return m_plainLook; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintFallback(QPainter& painter) const;
    void paintPlain(QPainter& painter) const;

    QPixmap m_picture;
    QString m_picturePath;
    QPixmap m_sharp; // the "@2x" picture, or the plain one again; read when first drawn larger
    bool m_plainLook = false;
};
