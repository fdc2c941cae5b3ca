#pragma once

// The texts an editor was opened with, exactly as stored. The editor shows each without its
// leading blanks and control characters; a field the user leaves as shown is written back as
// stored, so opening an entry and confirming it unchanged alters nothing (a Password entry's
// leading blanks may be part of the secret).

#include <QString>
#include <unordered_map>

class QObject;

class TStoredTexts
{
public:
    // The text to show in `field` for the stored one, which is remembered for the field.
    QString show(const QObject* field, const QString& stored);
    // What to write for the field's current text.
    QString written(const QObject* field, const QString& current) const;

private:
    std::unordered_map<const QObject*, QString> m_stored;
};
