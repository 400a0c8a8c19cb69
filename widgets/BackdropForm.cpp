#include "widgets/BackdropForm.h"

#include "widgets/Picture.h"

#include <QPainter>
#include <QPaintEvent>

BackdropForm::BackdropForm(QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), m_picture(picture::read(PicturePath))
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, plainColour());
    pal.setColor(QPalette::WindowText, inkColour());
    setPalette(pal);
}

void BackdropForm::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (m_picture.isNull())
        painter.fillRect(event->rect(), plainColour());
    else if (m_plain)
        painter.fillRect(event->rect(), palette().color(QPalette::Window));
    else
        painter.drawTiledPixmap(rect(), m_picture);
}

void BackdropForm::setPlain(bool plain)
{
    m_plain = plain;
    update();
}
