#pragma once

// File names as the organiser carries them. On Linux a name is bytes, mostly but not always
// UTF-8; QFile::decodeName turns each byte that is no part of valid UTF-8 into U+FFFD, and such
// a file can then be neither opened nor copied under its own name. Here such a byte b becomes
// the lone surrogate U+DC00 + b, which valid UTF-8 never yields, and encodeName turns it back:
// encodeName(decodeName(bytes)) == bytes for every name. Every path that reaches the system
// goes through this pair; Qt's own file classes would lose those bytes again. Where such a name
// is shown, Qt draws each of those surrogates as U+FFFD.

#include <QByteArray>
#include <QString>

namespace platform::files {

QString decodeName(const char* bytes, qsizetype size);
inline QString decodeName(const QByteArray& bytes)
{
    return decodeName(bytes.constData(), bytes.size());
}
inline QString decodeName(const char* bytes)
{
    return decodeName(bytes, qsizetype(qstrlen(bytes)));
}
QByteArray encodeName(const QString& name);
// The name with its letter case folded and its escaped bytes kept: QString::toCaseFolded would
// make every escaped byte U+FFFD, so that names differing only there would fold to one.
QString foldCase(const QString& name);

} // namespace platform::files
