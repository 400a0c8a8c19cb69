// The per-connection receive queues: each slot paced on its own, round-robin order
// within a pass, and the caps.
#include "host/SlotQueues.h"

#include <QList>
#include <gtest/gtest.h>

namespace {

// Every text takeDue() hands out at `now`, as "slot:text".
QList<QByteArray> pass(SlotQueues& q, qint64 now)
{
    QList<QByteArray> out;
    while (auto e = q.takeDue(now))
        out.append(QByteArray::number(e->slot) + ":" + e->text);
    return out;
}

} // namespace

TEST(SlotQueues, APassServesEveryDueSlotOnceInTurnAndEachSlotKeepsItsPace)
{
    SlotQueues q;
    ASSERT_EQ(q.pace(), 10);
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(q.push(2, "b" + QByteArray::number(i)));
    ASSERT_TRUE(q.push(7, "g0"));
    ASSERT_TRUE(q.push(1, "a0"));
    ASSERT_TRUE(q.push(7, "g1"));

    // Time in ms, and what a pass at that time hands out.
    const struct {
        qint64 now;
        QList<QByteArray> taken;
    } passes[] = {
        {1000, {"1:a0", "2:b0", "7:g0"}}, // three slots due at once, in slot order
        {1009, {}},                        // none is due again within its pace
        {1010, {"2:b1", "7:g1"}},
        {1015, {}},
        {1020, {"2:b2"}},
        {1031, {"2:b3"}},
        {1100, {}},
    };
    for (const auto& p : passes)
        EXPECT_EQ(pass(q, p.now), p.taken) << "at " << p.now;
    EXPECT_EQ(q.totalPending(), 0u);
}

TEST(SlotQueues, AFloodingSlotNeverHoldsUpAnotherSlotsMessage)
{
    SlotQueues q(100000, 1 << 30);
    for (int i = 0; i < 50000; ++i)
        ASSERT_TRUE(q.push(3, "CMD_chat+3+spam|clRed"));
    // The flooder gets one message a pace, however many it has waiting.
    for (qint64 now = 0; now < 100; now += 5)
        EXPECT_EQ(pass(q, now).size(), now % 10 == 0 ? 1 : 0) << "at " << now;

    // Another slot's message is due the moment it arrives, on the flooder's turn (it then
    // comes after at most one text of every other slot) and between its turns alike.
    const struct {
        qint64 now;
        int from[2];
        int taken; // with the flooder's
    } arrivals[] = {{101, {5, 9}, 3}, {105, {4, 6}, 2}};
    for (const auto& a : arrivals) {
        for (int slot : a.from)
            ASSERT_TRUE(q.push(slot, "hello"));
        const QList<QByteArray> taken = pass(q, a.now);
        for (int slot : a.from)
            EXPECT_TRUE(taken.contains(QByteArray::number(slot) + ":hello")) << "at " << a.now;
        EXPECT_EQ(taken.size(), a.taken) << "at " << a.now;
    }
    EXPECT_EQ(q.pending(3), 50000u - 11);
}

TEST(SlotQueues, TheNextDueTimeFollowsTheSlowestWaitingSlot)
{
    SlotQueues q;
    EXPECT_FALSE(q.nextDueAt().has_value());
    ASSERT_TRUE(q.push(4, "x"));
    ASSERT_TRUE(q.push(4, "y"));
    ASSERT_TRUE(q.push(6, "z"));
    ASSERT_TRUE(q.nextDueAt().has_value());
    EXPECT_LE(*q.nextDueAt(), 0); // never served: due at any time

    q.setPace(25);
    EXPECT_EQ(pass(q, 500).size(), 2);
    EXPECT_EQ(q.nextDueAt(), 525); // slot 4's "y"; slot 6 has nothing left
    EXPECT_TRUE(pass(q, 524).isEmpty());
    EXPECT_EQ(pass(q, 525), QList<QByteArray>{"4:y"});
    EXPECT_FALSE(q.nextDueAt().has_value());

    // A slot whose connection closed starts afresh: its next connection is due at once.
    ASSERT_TRUE(q.push(4, "again"));
    q.drop(4);
    ASSERT_TRUE(q.push(4, "new player"));
    EXPECT_EQ(pass(q, 530), QList<QByteArray>{"4:new player"});
    q.setPace(0);
    EXPECT_EQ(q.pace(), 1);
}

TEST(SlotQueues, PushesPastTheCapsAreRefusedAndDropForgetsASlot)
{
    SlotQueues q(3, 100);
    EXPECT_TRUE(q.push(4, "x"));
    EXPECT_TRUE(q.push(4, "y"));
    EXPECT_TRUE(q.push(4, "z"));
    EXPECT_FALSE(q.push(4, "w"));
    EXPECT_EQ(q.pending(4), 3u);
    EXPECT_TRUE(q.push(5, QByteArray(60, 'a')));
    EXPECT_FALSE(q.push(5, QByteArray(41, 'b')));
    EXPECT_TRUE(q.push(5, QByteArray(40, 'b')));
    EXPECT_EQ(q.pendingBytes(5), 100);
    EXPECT_FALSE(q.push(0, "bad"));
    EXPECT_FALSE(q.push(11, "bad"));

    q.drop(4);
    EXPECT_EQ(q.pending(4), 0u);
    EXPECT_EQ(q.totalPending(), 2u);
    EXPECT_TRUE(q.push(4, "again"));
    // A taken entry frees its room again.
    EXPECT_EQ(pass(q, 0), (QList<QByteArray>{"4:again", "5:" + QByteArray(60, 'a')}));
    EXPECT_EQ(q.pendingBytes(5), 40);
}
