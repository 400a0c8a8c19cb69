#include "client/ui/BoardPanel.h"

#include "client/RoundStatus.h"
#include "client/TileSet.h"
#include "client/WordEntry.h"
#include "client/ui/BoardView.h"
#include "client/ui/Looks.h"
#include "client/ui/WinnerBanner.h"
#include "widgets/ElidedLabel.h"

BoardPanel::BoardPanel(WordEntry& entry, const TileSet& tiles, const RoundStatus& status, QWidget* parent)
    : QFrame(parent)
    , m_status(status)
{
    setObjectName(QStringLiteral("panel_board"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    QPalette bp = palette();
    bp.setColor(QPalette::Window, looks::ordinaryPalette().board);
    bp.setColor(QPalette::WindowText, looks::ordinaryPalette().boardInk);
    setPalette(bp);
    paintbox_board = new BoardView(entry, tiles, this); // names itself
    panel_winner = new WinnerBanner(this);
    label_winner1 = panel_winner->label_winner1;
    label_winner2 = panel_winner->label_winner2;
    setTileSize(WordEntry::TileSize, Margin);

    connect(&status, &RoundStatus::changed, this, &BoardPanel::showWinner);
    showWinner();
}

void BoardPanel::setTileSize(int tile, int margin)
{
    paintbox_board->setTileSize(tile);
    paintbox_board->move(margin, margin);
    panel_winner->setGeometry(paintbox_board->geometry());
    setFixedSize(paintbox_board->size() + QSize(2 * margin, 2 * margin));
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
