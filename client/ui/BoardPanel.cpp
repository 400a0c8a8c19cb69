#include "client/ui/BoardPanel.h"

#include "client/RoundStatus.h"
#include "client/TileSet.h"
#include "client/ui/BoardView.h"
#include "client/ui/WinnerBanner.h"
#include "widgets/ElidedLabel.h"

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

    panel_winner = new WinnerBanner(this);
    panel_winner->setGeometry(paintbox_board->geometry());
    label_winner1 = panel_winner->label_winner1;
    label_winner2 = panel_winner->label_winner2;

    connect(&status, &RoundStatus::changed, this, &BoardPanel::showWinner);
    showWinner();
}

void BoardPanel::showWinner()
{
    // The shadow line repeats the winner text.
    panel_winner->setText(m_status.winnerText1());
    if (m_status.winnerShown())
        panel_winner->appear();
    else
        panel_winner->disappear();
}
