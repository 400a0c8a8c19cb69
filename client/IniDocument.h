#pragma once
// An INI text held line by line, exactly as it was read, so that setting one key changes
// that key's line and no other byte: other sections, comments, blank lines, key order,
// odd spacing and the file's own line ends all survive.
//
// Section names and keys are found without regard to letter case. When a section or key
// appears twice, the first one counts, for reading and for writing alike. Values are the
// text after the first "=", without the spaces, tabs and stray carriage returns around it;
// quotes are kept as they are.
// The other programs of the family read and write the file as 8-bit Windows-1252 text, so
// that is what a write puts in (a character Windows-1252 cannot carry becomes "?"). A value
// is read as UTF-8 when it is valid UTF-8 (as earlier versions of this game wrote it), and
// as Windows-1252 otherwise.
#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

class IniDocument {
public:
    IniDocument() = default;
    static IniDocument fromBytes(const QByteArray& bytes);

    QByteArray toBytes() const;

    // The value of a key in a section, or nothing when either is missing.
    std::optional<QString> value(QStringView section, QStringView key) const;

    // Replaces the value of the key's first occurrence in the section's first occurrence,
    // keeping the key's spelling and the spacing before the value; adds the key at the end
    // of the section when it is missing, and the section at the end of the text when that
    // is missing, with the line ends the text already uses. Line ends inside the value
    // become spaces, so a value never adds a line.
    void setValue(QStringView section, QStringView key, const QString& value);

private:
    struct Line {
        QByteArray text; // without its line end
        QByteArray end;  // "\r\n", "\n" or empty (only the last line)
    };
    struct KeyLine {
        qsizetype line = -1;
        qsizetype valueStart = 0; // byte offset of the value in the line's text
        qsizetype valueEnd = 0;
    };

    // The first line of the first section with this name ("[...]"), or -1.
    qsizetype findSection(QStringView section) const;
    // The key in the section that starts at headerLine, if present.
    std::optional<KeyLine> findKey(qsizetype headerLine, QStringView key) const;
    // The line after the section's last non-blank line: where a new key goes.
    qsizetype insertionPoint(qsizetype headerLine) const;
    // The line end new lines get: the one most lines of the text end with (CR LF when as
    // many end with LF, and for a text without line ends).
    QByteArray lineEnd() const;
    void insertLine(qsizetype at, const QByteArray& text);

    std::vector<Line> m_lines;
};
