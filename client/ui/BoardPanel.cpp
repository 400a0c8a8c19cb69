#include "client/ui/BoardPanel.h"

#include "client/RoundStatus.h"
#include "client/TileSet.h"
#include "client/ui/BoardView.h"
#include "client/ui/Looks.h"

#include <QLabel>

BoardPanel::BoardPanel(WordEntry& entry, const TileSet& tiles, const RoundStatus& status, QWidget* parent)
    : QFrame(parent)
    , m_status(status)
{
    setObjectName(QStringLiteral("panel_board"));
    setFixedSize(Width, Height);
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    QPalette bp = palette();
    bp.setColor(QPalette::Window, TileSet::boardColour());
    bp.setColor(QPalette::WindowText, QColor(90, 60, 30));
    setPalette(bp);
    paintbox_board = new BoardView(entry, tiles, this); // names and sizes itself
    paintbox_board->move(4, 4);

    panel_winner = new QFrame(this);
    panel_winner->setObjectName(QStringLiteral("panel_winner"));
    panel_winner->setGeometry(8, 123, 433, 41);
    panel_winner->setFrameShape(QFrame::Panel);
    panel_winner->setFrameShadow(QFrame::Raised);
    panel_winner->setLineWidth(2);
    panel_winner->setAutoFillBackground(true);
    QPalette wp = panel_winner->palette();
    wp.setColor(QPalette::Window, QColor(255, 226, 120));
    panel_winner->setPalette(wp);
    // Black text on top of a grey copy one pixel lower and to the right.
    auto bannerLabel = [this](const QString& name, const QColor& colour, int dx) {
        auto* l = new QLabel(panel_winner);
        l->setObjectName(name);
        l->setGeometry(2 + dx, 2 + dx, 429, 37);
        l->setAlignment(Qt::AlignCenter);
        l->setFont(looks::uiFont(20, true));
        looks::setInk(l, colour);
        return l;
    };
    label_winner2 = bannerLabel(QStringLiteral("label_winner2"), QColor(150, 140, 120), 1);
    label_winner1 = bannerLabel(QStringLiteral("label_winner1"), Qt::black, 0);
    panel_winner->hide();

    connect(&status, &RoundStatus::changed, this, &BoardPanel::showWinner);
    showWinner();
}

void BoardPanel::showWinner()
{
    label_winner1->setText(m_status.winnerText1());
    label_winner2->setText(m_status.winnerText2());
    panel_winner->setVisible(m_status.winnerShown());
    if (m_status.winnerShown())
        panel_winner->raise();
}
