#pragma once
// The word strip: ten slots `letter_1` .. `letter_10` in a row, each showing its picture
// from the word entry (the word's letter, the marked tile once picked, or nothing past the
// word's end). In the least window they are 44 pixels at left 8, 56, 104, ... 440 and top
// 8; they grow with the board's tiles (`setTileSize`). The strip has no background of
// its own, so the window's background shows around the slots.
//
// For assistive technology the strip is named by the word's letters found so far, and
// each slot by its letter and whether it is found (describeWord, describeSlot).
#include <QWidget>

class TileSet;
class WordEntry;

// One slot of the strip.
class WordSlot : public QWidget {
    Q_OBJECT
public:
    WordSlot(int slot, const WordEntry& entry, const TileSet& tiles, QWidget* parent = nullptr);
    int slot() const { return m_slot; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_slot;
    const WordEntry& m_entry;
    const TileSet& m_tiles;
};

class WordStrip : public QWidget {
    Q_OBJECT
public:
    static constexpr int Left = 8;
    static constexpr int Top = 8;
    static constexpr int Step = 48;

    WordStrip(const WordEntry& entry, const TileSet& tiles, QWidget* parent = nullptr);

    // Slot 1..10, or nullptr.
    WordSlot* slotWidget(int slot) const;
    QSize sizeHint() const override;

    // Slots of `tile` pixels square, their gaps and margins grown in proportion.
    void setTileSize(int tile);

private:
    void repaintSlots();
    void showNames();
    // A length of the least strip at the present tile size.
    int grown(int pixels) const;

    const WordEntry& m_entry;
    QList<WordSlot*> m_slots;
    int m_tile = 0;
};
