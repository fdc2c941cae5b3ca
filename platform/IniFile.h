#pragma once

// Private-profile files with the rules the organiser's settings rely on: sections and
// keys matched without regard to case, blanks around names and values trimmed, key
// order kept. Every operation reads the file anew and every write replaces the file
// whole through a temporary file beside it, so a failed write never loses the rest. Only a
// regular file is written: a link is followed to its target, which keeps its mode.
// Lines that are neither "[section]" nor "key=value" (comments, blank and stray lines)
// are ignored on read and kept as they are on rewrite. The first of duplicate keys counts.

#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>

namespace platform::ini {

// "Unable to write to <path>". Also raised for a name or value the file could not hold
// faithfully: a line break anywhere, "]" in a section name, "=" in a key, or a key that
// would read as a section or comment line.
class IniWriteError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

} // namespace platform::ini

class TIniFile
{
public:
    explicit TIniFile(QString fileName) : m_fileName(std::move(fileName)) {}

    QString FileName() const { return m_fileName; }
    // A missing file, section or key gives the default.
    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
    // The value, or nullopt when the key is missing; at most 2047 characters.
    std::optional<QString> ReadValue(const QString& section, const QString& key) const;
    // Replaces the value in place, or appends the key to its section, creating file and section.
    void WriteString(const QString& section, const QString& key, const QString& value);
    // Key names of a section, in file order; empty when the section is missing.
    QStringList ReadSection(const QString& section) const;
    // True when a "[section]" line is present, even one without keys.
    bool SectionExists(const QString& section) const;
    // Removing a key or section that is there raises IniWriteError when the file cannot be
    // rewritten, so a profile the user deleted never stays in secret.
    void DeleteKey(const QString& section, const QString& key);
    void EraseSection(const QString& section);

private:
    QString m_fileName;
};
