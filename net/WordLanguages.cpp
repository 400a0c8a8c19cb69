#include "net/WordLanguages.h"

#include <QStringList>

#include <stdexcept>

namespace wordlanguages {

const QList<WordLanguage>& all()
{
    static const QList<WordLanguage> languages = {
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("it"), QStringLiteral("Italiano")},
        {QStringLiteral("pt"), QStringLiteral("Português")},
        {QStringLiteral("nl"), QStringLiteral("Nederlands")},
        {QStringLiteral("sv"), QStringLiteral("Svenska")},
    };
    return languages;
}

QString nameOf(const QString& code)
{
    for (const WordLanguage& language : all()) {
        if (language.code == code)
            return language.name;
    }
    return {};
}

bool isKnown(const QString& code)
{
    return !nameOf(code).isEmpty();
}

void requireKnown(const QString& code)
{
    if (!isKnown(code))
        throw std::invalid_argument("Unknown word list language; the known ones are " + knownCodes().toStdString());
}

QString knownCodes()
{
    QStringList codes;
    for (const WordLanguage& language : all())
        codes.append(language.code);
    return codes.join(QStringLiteral(", "));
}

} // namespace wordlanguages
