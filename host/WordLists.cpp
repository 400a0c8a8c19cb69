#include "host/WordLists.h"

#include <stdexcept>

WordLists::WordLists(QString folder)
    : m_folder(std::move(folder))
{
    if (!m_folder.isEmpty() && !m_folder.endsWith(QLatin1Char('/')))
        m_folder += QLatin1Char('/');
}

void WordLists::setLanguage(const QString& code)
{
    wordlanguages::requireKnown(code);
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
