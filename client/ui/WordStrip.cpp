#include "client/ui/WordStrip.h"

#include "client/BoardFocus.h"
#include "client/TileSet.h"
#include "client/WordEntry.h"

#include <QPainter>

WordSlot::WordSlot(int slot, const WordEntry& entry, const TileSet& tiles, QWidget* parent)
    : QWidget(parent)
    , m_slot(slot)
    , m_entry(entry)
    , m_tiles(tiles)
{
    setObjectName(QStringLiteral("letter_") + QString::number(slot));
}

void WordSlot::paintEvent(QPaintEvent*)
{
    const int picture = m_entry.slotPicture(m_slot);
    if (picture == 0)
        return;  // past the word's end the slot stays empty
    QPainter painter(this);
    m_tiles.draw(painter, QRectF(rect()), picture);
}

WordStrip::WordStrip(const WordEntry& entry, const TileSet& tiles, QWidget* parent)
    : QWidget(parent), m_entry(entry)
{
    setObjectName(QStringLiteral("wordstrip"));
    for (int slot = 1; slot <= WordEntry::Slots; ++slot)
        m_slots.append(new WordSlot(slot, entry, tiles, this));
    setTileSize(WordEntry::TileSize);
    connect(&entry, &WordEntry::stripChanged, this, &WordStrip::repaintSlots);
    connect(&entry, &WordEntry::stripChanged, this, &WordStrip::showNames);
    connect(&tiles, &TileSet::changed, this, &WordStrip::repaintSlots);
    showNames();
}

void WordStrip::showNames()
{
    setAccessibleName(describeWord(m_entry));
    for (WordSlot* slot : m_slots)
        slot->setAccessibleName(describeSlot(m_entry, slot->slot()));
}

WordSlot* WordStrip::slotWidget(int slot) const
{
    return slot >= 1 && slot <= m_slots.size() ? m_slots.at(slot - 1) : nullptr;
}

int WordStrip::grown(int pixels) const
{
    return (pixels * m_tile + WordEntry::TileSize / 2) / WordEntry::TileSize;
}

QSize WordStrip::sizeHint() const
{
    // from the left edge to the last slot's right edge plus the same margin again
    const int margin = grown(Left);
    return QSize(margin + (WordEntry::Slots - 1) * grown(Step) + m_tile + margin, grown(Top) + m_tile + grown(Top));
}

void WordStrip::setTileSize(int tile)
{
    m_tile = qMax(1, tile);
    for (int i = 0; i < m_slots.size(); ++i)
        m_slots.at(i)->setGeometry(grown(Left) + i * grown(Step), grown(Top), m_tile, m_tile);
    setFixedSize(sizeHint());
}

void WordStrip::repaintSlots()
{
    for (WordSlot* slot : m_slots)
        slot->update();
}
