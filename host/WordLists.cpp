#include "host/WordLists.h"

#include <stdexcept>

const QList<WordLanguage>& WordLists::languages()
{
    static const QList<WordLanguage> all = {
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("it"), QStringLiteral("Italiano")},
        {QStringLiteral("pt"), QStringLiteral("Português")},
        {QStringLiteral("nl"), QStringLiteral("Nederlands")},
        {QStringLiteral("sv"), QStringLiteral("Svenska")},
    };
    return all;
}

bool WordLists::isKnown(const QString& code)
{
    for (const WordLanguage& language : languages()) {
        if (language.code == code)
            return true;
    }
    return false;
}

QString WordLists::knownCodes()
{
    QStringList codes;
    for (const WordLanguage& language : languages())
        codes.append(language.code);
    return codes.join(QStringLiteral(", "));
}

WordLists::WordLists(QString folder)
    : m_folder(std::move(folder))
{
    if (!m_folder.isEmpty() && !m_folder.endsWith(QLatin1Char('/')))
        m_folder += QLatin1Char('/');
}

void WordLists::setLanguage(const QString& code)
{
    if (!isKnown(code))
        throw std::invalid_argument("Unknown word list language; the known ones are " + knownCodes().toStdString());
    if (code == m_language)
        return;
    m_language = code;
    m_loaded = false;
    m_words.reset();
    m_letters = LetterWeights();
}

void WordLists::load()
{
    if (m_loaded)
        return;
    if (m_language == QLatin1String(kDefaultLanguage)) {
        m_words.emplace(m_folder + QStringLiteral("words.txt"));
        m_letters = LetterWeights();
    } else {
        m_words.emplace(m_folder + QStringLiteral("words_%1.txt").arg(m_language));
        m_letters = LetterWeights::read(m_folder + QStringLiteral("letters_%1.txt").arg(m_language));
    }
    m_loaded = true;
}

const WordList& WordLists::words()
{
    load();
    return *m_words;
}

const LetterWeights& WordLists::letters()
{
    load();
    return m_letters;
}

RoundWord WordLists::drawWord(RandomSource& random, bool scrambled, bool onlyLetters)
{
    load();
    return RoundWord(m_words->drawWord(random, scrambled, onlyLetters), m_letters);
}
