// The link finder over plain text: which word holds a position, the link inside a range,
// the link under a character, and what the desktop is asked to open for it.
#include "client/RteUrl.h"

#include <gtest/gtest.h>

using namespace rteurl;

namespace {

// The link under the character at `at` of `text`, or "-" for none.
QString linkAt(const QString& text, qsizetype at)
{
    const auto found = urlAt(text, at);
    return found ? found->link : QStringLiteral("-");
}

QString openedFor(const char* link)
{
    const auto url = urlToOpen(QString::fromLatin1(link));
    return url ? url->toString() : QStringLiteral("-");
}

} // namespace

TEST(RteUrl, PrefixesInTheirOrder)
{
    EXPECT_EQ(UrlPrefixes(), (QStringList{"http://", "ftp://", "file://", "gopher://", "telnet://", "news:", "mailto:",
                                          "www."}));
}

TEST(RteUrl, WordsEndOnlyAtSpacesAndLineEnds)
{
    const QString text = QStringLiteral("see  a,b.c\nnext");
    EXPECT_EQ(wordAt(text, 0), (TextRange{0, 5}));   // the spaces after a word belong to it
    EXPECT_EQ(wordAt(text, 2), (TextRange{0, 5}));
    EXPECT_EQ(wordAt(text, 4), (TextRange{0, 5}));
    EXPECT_EQ(wordAt(text, 5), (TextRange{5, 11}));  // punctuation does not end a word
    EXPECT_EQ(wordAt(text, 9), (TextRange{5, 11}));
    EXPECT_EQ(wordAt(text, 10), (TextRange{10, 10})); // a line end holds no word
    EXPECT_EQ(wordAt(text, 11), (TextRange{11, 15}));
    EXPECT_EQ(wordAt(text, 15), (TextRange{15, 15})); // the end of the text holds no word
    EXPECT_EQ(wordAt(QStringLiteral(" x"), 0), (TextRange{0, 0}));
}

TEST(RteUrl, LinksUnderThePointer)
{
    // The final "." is dropped; every character of the link, and the space after it, finds it.
    const QString line = QStringLiteral("see ftp://files/x. now");
    for (qsizetype at = 4; at <= 18; ++at)
        EXPECT_EQ(linkAt(line, at), "ftp://files/x") << at;
    EXPECT_EQ(linkAt(line, 0), "-");
    EXPECT_EQ(linkAt(line, 20), "-");
    EXPECT_EQ(linkAt(line, line.size()), "-");
    const auto found = urlAt(line, 8);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->range, (TextRange{4, 17}));

    // Capitals as in the text, and the range inside the brackets.
    const auto caps = urlAt(QStringLiteral("(HTTP://A/B)"), 3);
    ASSERT_TRUE(caps);
    EXPECT_EQ(caps->link, "HTTP://A/B");
    EXPECT_EQ(caps->range, (TextRange{1, 11}));

    EXPECT_EQ(linkAt(QStringLiteral("http://a/b?x=1"), 0), "http://a/b?x=1");
    EXPECT_EQ(linkAt(QStringLiteral("go to www.example.org!"), 8), "www.example.org");
    EXPECT_EQ(linkAt(QStringLiteral("mail mailto:ann@x.org, ok"), 7), "mailto:ann@x.org");
    EXPECT_EQ(linkAt(QStringLiteral("news:comp.games"), 2), "news:comp.games");
    // The first prefix of the list wins wherever it lies in the word.
    EXPECT_EQ(linkAt(QStringLiteral("www.a.com/http://b"), 0), "http://b");
    EXPECT_EQ(linkAt(QStringLiteral("x:file://c/d"), 0), "file://c/d");
}

TEST(RteUrl, APrefixAloneIsNoLink)
{
    for (const char* text : {"mailto:", "www.", "http://", "(www.)", "ftp://.", "wwwx", "http:/a", "plain words"}) {
        SCOPED_TRACE(text);
        const QString t = QString::fromLatin1(text);
        for (qsizetype at = 0; at < t.size(); ++at)
            EXPECT_EQ(linkAt(t, at), "-") << at;
    }
    // One letter after the prefix is a link.
    EXPECT_EQ(linkAt(QStringLiteral("www.a"), 0), "www.a");
}

TEST(RteUrl, GivenRanges)
{
    const QString text = QStringLiteral("hi http://a/b there");
    // An empty range stands for the word that holds it.
    TextRange inside{6, 6};
    EXPECT_EQ(RteGetUrl(text, inside), "http://a/b");
    EXPECT_EQ(inside, (TextRange{3, 13}));
    // A range is widened by one character and cut at the word's end.
    TextRange word{3, 13};
    EXPECT_EQ(RteGetUrl(text, word), "http://a/b");
    EXPECT_EQ(word, (TextRange{3, 13}));
    TextRange none{0, 0};
    EXPECT_EQ(RteGetUrl(text, none), QString());
    TextRange past{40, 40};
    EXPECT_EQ(RteGetUrl(text, past), QString());
    // Characters whose lower case is longer keep the positions right.
    const QString odd = QString::fromUtf8("İİ http://a/b");
    const auto found = urlAt(odd, 5);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->range, (TextRange{3, 13}));
}

TEST(RteUrl, WhatTheDesktopIsAskedToOpen)
{
    EXPECT_EQ(openedFor("ftp://files/x"), "ftp://files/x");
    EXPECT_EQ(openedFor("HTTP://A/B"), "http://a/B");
    EXPECT_EQ(openedFor("http://a/b?x=1"), "http://a/b?x=1");
    EXPECT_EQ(openedFor("mailto:ann@x.org"), "mailto:ann@x.org");
    // "www." links get a scheme; a file of this computer is never opened on another's word.
    EXPECT_EQ(openedFor("www.example.org/a"), "http://www.example.org/a");
    EXPECT_EQ(openedFor("file://etc/passwd"), "-");
    EXPECT_EQ(openedFor("FILE:///home/x"), "-");
}

TEST(RteUrl, MailLinksNeverAttachAFile)
{
    const struct {
        const char* link;
        const char* opened;
    } cases[] = {
        {"mailto:ann@x.org?attach=/etc/passwd", "mailto:ann@x.org"},
        {"mailto:ann@x.org?subject=hi&ATTACH=~/.ssh/id_rsa&body=x", "mailto:ann@x.org?subject=hi&body=x"},
        {"MAILTO:ann@x.org?Attachment=/etc/shadow", "mailto:ann@x.org"},
        {"mailto:ann@x.org?%61ttach=/etc/passwd&cc=bob@x.org", "mailto:ann@x.org?cc=bob@x.org"},
        {"mailto:ann@x.org?attach=a&attach=b&Attach=c", "mailto:ann@x.org"},
        // Other fields, and the word elsewhere than in a field's name, stay.
        {"mailto:ann@x.org?subject=attach&body=attachment", "mailto:ann@x.org?subject=attach&body=attachment"},
        {"mailto:attach@x.org", "mailto:attach@x.org"},
        {"http://a/b?attach=1", "http://a/b?attach=1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(openedFor(c.link), c.opened) << c.link;
}
