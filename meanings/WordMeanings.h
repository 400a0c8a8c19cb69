#pragma once
// The meaning of an English word, read from WordNet's database files where the system
// has them (Debian's "wordnet-base": /usr/share/wordnet). Only two kinds of file are
// read, in their documented layouts:
//
//   index.POS  one line per lemma, sorted byte by byte:
//              "lemma pos synset_cnt p_cnt [ptr_symbol...] sense_cnt tagsense_cnt offset..."
//              (lines starting with two spaces are the licence and sort first)
//   data.POS   one line per synset, found at the byte offset the index gives:
//              "offset lex_filenum ss_type w_cnt word lex_id ... | gloss"
//   POS.exc    irregular forms, sorted: "inflected base [base...]"
//
// for the four parts of speech noun, verb, adj and adv. A look-up finds a line of a
// sorted file by binary search over its bytes, reading only a few hundred bytes at each
// step, so it costs a few dozen small reads and never loads a whole file. Nothing is
// kept open between look-ups and nothing is shared between instances.
//
// A word that is not a lemma itself is tried in its base forms: the irregular forms of
// the exception lists, then the regular endings ("-s", "-ies", "-ing", "-est", ...).
// Without the files, or for a word they do not hold, a look-up finds nothing and says
// nothing.
#include <QList>
#include <QString>

class WordMeanings {
public:
    struct Meaning {
        QString partOfSpeech; // "noun", "verb", "adjective" or "adverb"
        QString lemma;        // the base form that was found
        QString gloss;        // the definition, without its example sentences
        bool operator==(const Meaning&) const = default;
    };

    // Where Debian's wordnet-base puts the database.
    static QString defaultFolder() { return QStringLiteral("/usr/share/wordnet"); }

    explicit WordMeanings(QString folder = defaultFolder());

    const QString& folder() const { return m_folder; }
    void setFolder(const QString& folder) { m_folder = folder; }
    // Whether the folder holds at least one index and data file pair.
    bool available() const;

    // Up to `count` meanings of a word: the senses of its most used part of speech
    // first (by how often WordNet's tagged texts use it), then the next part of speech.
    // The word is looked up in lower case; an empty list when nothing is known.
    QList<Meaning> lookUp(const QString& word, int count = 2) const;

    // The line of a sorted file whose first field is `key` (binary search by seeking);
    // empty when there is none or the file cannot be read. Public for the tests.
    static QByteArray findLine(const QString& path, const QByteArray& key);

private:
    QString m_folder;
};
