#include "client/ColorText.h"

#include <QGuiApplication>
#include <array>
#include <limits>

namespace colortext {
namespace {

struct NamedColour {
    const char* name;
    ColorValue value;
};

// The named colours: sixteen plain ones, "no colour" and the system colours by index.
constexpr std::array<NamedColour, 42> kTable{{
    {"clBlack", 0x00000000},
    {"clMaroon", 0x00000080},
    {"clGreen", 0x00008000},
    {"clOlive", 0x00008080},
    {"clNavy", 0x00800000},
    {"clPurple", 0x00800080},
    {"clTeal", 0x00808000},
    {"clGray", 0x00808080},
    {"clSilver", 0x00C0C0C0},
    {"clRed", 0x000000FF},
    {"clLime", 0x0000FF00},
    {"clYellow", 0x0000FFFF},
    {"clBlue", 0x00FF0000},
    {"clFuchsia", 0x00FF00FF},
    {"clAqua", 0x00FFFF00},
    {"clWhite", 0x00FFFFFF},
    {"clNone", 0x1FFFFFFF},
    {"clScrollBar", SystemBase + 0},
    {"clBackground", SystemBase + 1},
    {"clActiveCaption", SystemBase + 2},
    {"clInactiveCaption", SystemBase + 3},
    {"clMenu", SystemBase + 4},
    {"clWindow", SystemBase + 5},
    {"clWindowFrame", SystemBase + 6},
    {"clMenuText", SystemBase + 7},
    {"clWindowText", SystemBase + 8},
    {"clCaptionText", SystemBase + 9},
    {"clActiveBorder", SystemBase + 10},
    {"clInactiveBorder", SystemBase + 11},
    {"clAppWorkSpace", SystemBase + 12},
    {"clHighlight", SystemBase + 13},
    {"clHighlightText", SystemBase + 14},
    {"clBtnFace", SystemBase + 15},
    {"clBtnShadow", SystemBase + 16},
    {"clGrayText", SystemBase + 17},
    {"clBtnText", SystemBase + 18},
    {"clInactiveCaptionText", SystemBase + 19},
    {"clBtnHighlight", SystemBase + 20},
    {"cl3DDkShadow", SystemBase + 21},
    {"cl3DLight", SystemBase + 22},
    {"clInfoText", SystemBase + 23},
    {"clInfoBk", SystemBase + 24},
}};

std::optional<ColorValue> readHex(QStringView digits)
{
    if (digits.isEmpty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (QChar c : digits) {
        const char16_t u = c.unicode();
        int d = -1;
        if (u >= u'0' && u <= u'9')
            d = u - u'0';
        else if (u >= u'a' && u <= u'f')
            d = u - u'a' + 10;
        else if (u >= u'A' && u <= u'F')
            d = u - u'A' + 10;
        if (d < 0)
            return std::nullopt;
        value = (value << 4) | static_cast<std::uint64_t>(d);
        if (value > std::numeric_limits<ColorValue>::max())
            return std::nullopt;
    }
    return static_cast<ColorValue>(value);
}

std::optional<ColorValue> readDecimal(QStringView text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    // Values must fit a signed 32-bit integer; negative ones wrap into the upper half.
    const std::int64_t limit = negative ? std::int64_t(1) << 31 : (std::int64_t(1) << 31) - 1;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<ColorValue>(static_cast<std::uint64_t>(negative ? -value : value));
}

QColor systemColour(int index, const QPalette& p)
{
    switch (index) {
    case 0: return p.color(QPalette::Button);                           // scroll bar
    case 1: return p.color(QPalette::Window);                           // desktop
    case 2: return p.color(QPalette::Active, QPalette::Highlight);      // active caption
    case 3: return p.color(QPalette::Mid);                              // inactive caption
    case 4: return p.color(QPalette::Window);                           // menu
    case 5: return p.color(QPalette::Base);                             // window
    case 6: return p.color(QPalette::Shadow);                           // window frame
    case 7: return p.color(QPalette::WindowText);                       // menu text
    case 8: return p.color(QPalette::Text);                             // window text
    case 9: return p.color(QPalette::Active, QPalette::HighlightedText); // caption text
    case 10: return p.color(QPalette::Window);                          // active border
    case 11: return p.color(QPalette::Window);                          // inactive border
    case 12: return p.color(QPalette::Dark);                            // application work space
    case 13: return p.color(QPalette::Highlight);
    case 14: return p.color(QPalette::HighlightedText);
    case 15: return p.color(QPalette::Button);                          // button face
    case 16: return p.color(QPalette::Dark);                            // button shadow
    case 17: return p.color(QPalette::Disabled, QPalette::Text);        // grey text
    case 18: return p.color(QPalette::ButtonText);
    case 19: return p.color(QPalette::Inactive, QPalette::WindowText);  // inactive caption text
    case 20: return p.color(QPalette::Light);                           // button highlight
    case 21: return p.color(QPalette::Shadow);                          // 3D dark shadow
    case 22: return p.color(QPalette::Midlight);                        // 3D light
    case 23: return p.color(QPalette::ToolTipText);
    case 24: return p.color(QPalette::ToolTipBase);
    default: return QColor(Qt::black);
    }
}

} // namespace

QString ColorToText(ColorValue colour)
{
    for (const NamedColour& entry : kTable)
        if (entry.value == colour)
            return QString::fromLatin1(entry.name);
    return QStringLiteral("$%1").arg(colour, 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<ColorValue> TextToColor(const QString& text)
{
    for (const NamedColour& entry : kTable)
        if (text.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0)
            return entry.value;
    if (text.startsWith(u'$'))
        return readHex(QStringView(text).mid(1));
    return readDecimal(text);
}

QStringList colourNames()
{
    QStringList names;
    names.reserve(static_cast<qsizetype>(kTable.size()));
    for (const NamedColour& entry : kTable)
        names << QString::fromLatin1(entry.name);
    return names;
}

QColor toQColor(ColorValue colour, const QPalette& palette)
{
    if (colour >= SystemBase)
        return systemColour(static_cast<int>(colour & 0xFFFFFF), palette);
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

QColor toQColor(ColorValue colour)
{
    return toQColor(colour, QGuiApplication::palette());
}

ColorValue fromQColor(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return static_cast<ColorValue>(rgb.red()) | static_cast<ColorValue>(rgb.green()) << 8
        | static_cast<ColorValue>(rgb.blue()) << 16;
}

} // namespace colortext
