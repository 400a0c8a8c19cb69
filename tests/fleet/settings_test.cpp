// What switches the calls to the SDK server on, and the player IDs and bodies they carry.
#include "fleet/AgonesSettings.h"
#include "fleet/SdkRequest.h"

#include <gtest/gtest.h>

#include <QUrl>

namespace {

QProcessEnvironment environmentWith(const char* port)
{
    QProcessEnvironment env;
    env.insert(QStringLiteral("HOME"), QStringLiteral("/home/x"));
    if (port)
        env.insert(QStringLiteral("AGONES_SDK_HTTP_PORT"), QString::fromLatin1(port));
    return env;
}

} // namespace

TEST(AgonesSettings, TheVariableOrTheOptionSwitchItOnAndNothingElse)
{
    using Options = AgonesSettings::Options;
    struct Case {
        const char* variable;  // nullptr: not set
        Options options;
        bool enabled;
        quint16 port;
        bool oneSession;
    };
    const Case cases[] = {
        {nullptr, {}, false, 9358, false},
        {"", {}, false, 9358, false},
        {nullptr, {false, 0, true}, false, 9358, true},
        {"9400", {}, true, 9400, false},
        {nullptr, {true, 0, false}, true, 9358, false},
        {"9400", {true, 0, false}, true, 9400, false},
        {"9400", {true, 9500, false}, true, 9500, false},  // the option's port wins
        {nullptr, {true, 0, true}, true, 9358, true},
        {"1", {}, true, 1, false},
        {"65535", {}, true, 65535, false},
    };
    for (const Case& c : cases) {
        const AgonesSettings s = AgonesSettings::read(environmentWith(c.variable), c.options);
        const std::string what = std::string(c.variable ? c.variable : "(unset)") + " / " +
                                 std::to_string(c.options.agones) + std::to_string(c.options.port);
        EXPECT_TRUE(s.ok()) << what << ": " << s.error.toStdString();
        EXPECT_EQ(s.enabled, c.enabled) << what;
        EXPECT_EQ(s.port, c.port) << what;
        EXPECT_EQ(s.oneSession, c.oneSession) << what;
    }
}

TEST(AgonesSettings, AVariableThatIsNoPortIsAnError)
{
    for (const char* bad : {"0", "65536", "-1", "9358x", " 9358", "99999999999", "+80"}) {
        const AgonesSettings s = AgonesSettings::read(environmentWith(bad), {});
        EXPECT_FALSE(s.ok()) << bad;
        EXPECT_TRUE(s.error.startsWith("AGONES_SDK_HTTP_PORT: ")) << s.error.toStdString();
    }
}

TEST(SdkRequest, MethodsPathsAndBodiesAreTheRestGatewaysOwn)
{
    struct Case {
        SdkRequest request;
        const char* line;  // method, path and body
    };
    const Case cases[] = {
        {SdkRequest::ready(), "POST /ready {}"},
        {SdkRequest::health(), "POST /health {}"},
        {SdkRequest::shutdown(), "POST /shutdown {}"},
        {SdkRequest::label("state", "playing"), R"(PUT /metadata/label {"key":"state","value":"playing"})"},
        {SdkRequest::capacity(9), R"(PUT /alpha/player/capacity {"count":9})"},
        {SdkRequest::connect("3-Bob"), R"(POST /alpha/player/connect {"playerID":"3-Bob"})"},
        {SdkRequest::disconnect("3-Bob"), R"(POST /alpha/player/disconnect {"playerID":"3-Bob"})"},
    };
    for (const Case& c : cases) {
        const SdkRequest& r = c.request;
        EXPECT_EQ(r.method() + ' ' + r.path() + ' ' + r.body(), QByteArray(c.line));
    }
}

TEST(SdkRequest, PlayerIdsAreSafeForAnyName)
{
    const QString longName(200, QLatin1Char('w'));
    struct Case {
        int slot;
        QString name;
        QString id;
    };
    const Case cases[] = {
        {3, "Bob", "3-Bob"},
        {9, "", "9-"},
        {4, QString::fromUtf8("Renée"), "4-Ren%C3%A9e"},                   // Windows-1252 letters arrive as Unicode
        {2, QString::fromUtf8("Ann\x7f\x01\n\"x\""), "2-Ann%7F%01%0A%22x%22"},  // control characters and quotes
        {1, "a b/c%d+e", "1-a%20b%2Fc%25d%2Be"},                             // "%" too, so the ID reads back exactly
        {5, "A-z_0.9~", "5-A-z_0.9~"},
        {6, longName, "6-" + QString(60, QLatin1Char('w'))},
        // A cut never splits the escapes of one character: "abcd" and nine "é" take 58, a tenth would pass 60.
        {7, "abcd" + QString(10, QChar(0xE9)), "7-abcd" + QString("%C3%A9").repeated(9)},
        {8, QString::fromUtf8("x\xF0\x9F\x98\x80"), "8-x%F0%9F%98%80"},    // a character outside the BMP, whole
    };
    for (const Case& c : cases) {
        const QString id = playerIdFor(c.slot, c.name);
        EXPECT_EQ(id, c.id) << c.name.toStdString();
        EXPECT_LE(id.size(), 62);
        for (QChar ch : id)
            EXPECT_TRUE(ch.isLetterOrNumber() || QStringLiteral("-._~%").contains(ch)) << id.toStdString();
        // What fits is kept whole: the escapes decode to the start of the name.
        EXPECT_TRUE(c.name.startsWith(QUrl::fromPercentEncoding(id.mid(id.indexOf('-') + 1).toLatin1())));
    }
}
