// Colour text and the splitting of relayed chat lines into text and colour.
#include "client/ChatReceive.h"
#include "client/ColorText.h"

#include <QColor>
#include <gtest/gtest.h>
#include <vector>

using namespace colortext;

namespace {

struct Line {
    QString text;
    QColor colour;
};

} // namespace

TEST(ColorText, NamesAndHexForms)
{
    EXPECT_EQ(ColorToText(0x00FF8000), "$00FF8000"); // red 0, green 128, blue 255
    EXPECT_EQ(ColorToText(0x000000FF), "clRed");
    EXPECT_EQ(ColorToText(0x00000000), "clBlack");
    EXPECT_EQ(ColorToText(0x00FF0000), "clBlue");
    EXPECT_EQ(ColorToText(0x00000001), "$00000001");
    EXPECT_EQ(ColorToText(0x80000019), "$80000019"); // past the last system colour
    EXPECT_EQ(ColorToText(0xFFFFFFFF), "$FFFFFFFF");
    EXPECT_EQ(TextToColor("clblack"), 0u);
    EXPECT_EQ(TextToColor("CLWHITE"), 0x00FFFFFFu);
    EXPECT_EQ(TextToColor("clInfoBk"), 0x80000018u);
}

TEST(ColorText, TheWholeNamedTable)
{
    const std::vector<std::pair<const char*, ColorValue>> plain = {
        {"clBlack", 0x000000}, {"clMaroon", 0x000080}, {"clGreen", 0x008000}, {"clOlive", 0x008080},
        {"clNavy", 0x800000},  {"clPurple", 0x800080}, {"clTeal", 0x808000},  {"clGray", 0x808080},
        {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF},   {"clLime", 0x00FF00},  {"clYellow", 0x00FFFF},
        {"clBlue", 0xFF0000},  {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00}, {"clWhite", 0xFFFFFF},
        {"clNone", 0x1FFFFFFF},
    };
    const char* system[] = {"clScrollBar", "clBackground", "clActiveCaption", "clInactiveCaption",
                            "clMenu", "clWindow", "clWindowFrame", "clMenuText", "clWindowText",
                            "clCaptionText", "clActiveBorder", "clInactiveBorder", "clAppWorkSpace",
                            "clHighlight", "clHighlightText", "clBtnFace", "clBtnShadow", "clGrayText",
                            "clBtnText", "clInactiveCaptionText", "clBtnHighlight", "cl3DDkShadow",
                            "cl3DLight", "clInfoText", "clInfoBk"};
    std::vector<std::pair<QString, ColorValue>> all;
    for (const auto& [name, value] : plain)
        all.emplace_back(name, value);
    for (int i = 0; i < 25; ++i)
        all.emplace_back(system[i], SystemBase + ColorValue(i));

    EXPECT_EQ(colourNames().size(), qsizetype(all.size()));
    for (const auto& [name, value] : all) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(ColorToText(value), name);
        EXPECT_EQ(TextToColor(name), value);
        EXPECT_EQ(TextToColor(name.toLower()), value);
        EXPECT_EQ(TextToColor(name.toUpper()), value);
    }
}

TEST(ColorText, NumbersInDecimalAndHex)
{
    EXPECT_EQ(TextToColor("255"), 255u);
    EXPECT_EQ(TextToColor("9031661"), 0x0089CFEDu);
    EXPECT_EQ(TextToColor("+16"), 16u);
    EXPECT_EQ(TextToColor("-1"), 0xFFFFFFFFu);
    EXPECT_EQ(TextToColor("-2147483648"), 0x80000000u);
    EXPECT_EQ(TextToColor("2147483647"), 0x7FFFFFFFu);
    EXPECT_EQ(TextToColor("$ff"), 255u);
    EXPECT_EQ(TextToColor("$00FF8000"), 0x00FF8000u);
    EXPECT_EQ(TextToColor("$80000005"), 0x80000005u);
    EXPECT_EQ(TextToColor("$FFFFFFFF"), 0xFFFFFFFFu);
}

TEST(ColorText, RejectsWhatIsNeitherNameNorNumber)
{
    for (const char* bad : {"", "$", "-", "+", "clPink", "cl", "b|clBlack", "12a", "0x10", "$12G",
                            "$100000000", "2147483648", "-2147483649", "99999999999999999999", "1 2",
                            "$-1", "١٢"}) {
        EXPECT_FALSE(TextToColor(QString::fromUtf8(bad)).has_value()) << bad;
    }
}

TEST(ColorText, EveryValueSurvivesTheRoundTrip)
{
    for (std::uint64_t v = 0; v <= 0xFFFFFFFFull; v += 0x01234567ull) {
        const auto value = static_cast<ColorValue>(v);
        EXPECT_EQ(TextToColor(ColorToText(value)), value) << std::hex << value;
    }
    for (ColorValue value = SystemBase; value < SystemBase + 40; ++value)
        EXPECT_EQ(TextToColor(ColorToText(value)), value);
}

TEST(ColorText, DrawnColours)
{
    QPalette palette;
    palette.setColor(QPalette::Base, QColor(1, 2, 3));
    palette.setColor(QPalette::Text, QColor(4, 5, 6));
    EXPECT_EQ(toQColor(0x000000FF, palette), QColor(255, 0, 0));
    EXPECT_EQ(toQColor(0x00FF8000, palette), QColor(0, 128, 255));
    EXPECT_EQ(toQColor(0x00123456, palette), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(toQColor(*TextToColor("clWindow"), palette), QColor(1, 2, 3));
    EXPECT_EQ(toQColor(*TextToColor("clWindowText"), palette), QColor(4, 5, 6));
    EXPECT_EQ(toQColor(SystemBase + 200, palette), QColor(Qt::black));
    EXPECT_EQ(fromQColor(QColor(0, 128, 255)), 0x00FF8000u);
    EXPECT_EQ(fromQColor(QColor(237, 207, 137)), 9031661u);
    EXPECT_EQ(fromQColor(toQColor(0x00ABCDEF, palette)), 0x00ABCDEFu);
}

TEST(ChatReceive, SplitsAtTheFirstBarWithRedAsFallback)
{
    struct Case {
        const char* text;
        const char* line;
        ColorValue colour;
    };
    const Case cases[] = {
        {"Ann chats: hi|clBlue", "Ann chats: hi", Blue},
        {"Ann waves|$000000FF", "Ann waves", Red},
        {"Ann chats: a|b|clBlack", "Ann chats: a", Red},
        {"Ann chats: hi", "Ann chats: hi", Red},
        {"Ann chats: hi|", "Ann chats: hi", Red},
        {"Ann chats: hi|16711680", "Ann chats: hi", Blue},
        {"Ann chats: x|clgreen", "Ann chats: x", 0x008000},
        {"Ann chats: x|$00FF8000", "Ann chats: x", 0x00FF8000},
        {"|clBlack", "", Black},
        {"", "", Red},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const ReceivedChat chat = splitReceivedChat(QString::fromLatin1(c.text));
        EXPECT_EQ(chat.line, QString::fromLatin1(c.line));
        EXPECT_EQ(chat.colour, c.colour);
    }
}

TEST(ChatReceive, DecodesWindows1252AndPassesTheLineOn)
{
    ClientContext context;
    std::vector<Line> lines;
    context.out.addlinetochat = [&](const QString& text, const QColor& colour) { lines.push_back({text, colour}); };
    ChatReceiver receiver(context);

    receiver.chatrecieved(QByteArray("Zo\xeb chats: caf\xe9 \x80 5|clGreen"));
    receiver.chatrecieved(QByteArray("Zo\xeb waves|nonsense"));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text, QString::fromUtf8("Zoë chats: café € 5"));
    EXPECT_EQ(lines[0].colour, QColor(0, 128, 0));
    EXPECT_EQ(lines[1].text, QString::fromUtf8("Zoë waves"));
    EXPECT_EQ(lines[1].colour, QColor(255, 0, 0));
}
