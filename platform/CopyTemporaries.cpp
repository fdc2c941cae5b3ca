#include "platform/CopyTemporaries.h"

#include "platform/Files.h"
#include "platform/Leftovers.h"

#include <QRandomGenerator>
#include <algorithm>
#include <cstring>
#include <ctime>

namespace platform::files::temporaries {

namespace {

constexpr char Prefix[] = ".tessary-copy-";
constexpr std::size_t PrefixLength = sizeof Prefix - 1;
constexpr std::size_t RandomLength = 6;
constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

} // namespace

// Short, so that it fits in a folder where the target's own name is as long as names may be.
QByteArray freshName(const QByteArray& folder)
{
    QByteArray name = folder + '/' + Prefix + QByteArray(RandomLength, 'X');
    for (qsizetype i = name.size() - qsizetype(RandomLength); i < name.size(); ++i)
        name[i] = Letters[QRandomGenerator::global()->bounded(int(sizeof Letters - 1))];
    return name;
}

bool isTemporary(const char* name)
{
    if (name[0] != '.' || std::strncmp(name, Prefix, PrefixLength) != 0)
        return false;
    const char* random = name + PrefixLength;
    return std::strlen(random) == RandomLength && std::all_of(random, random + RandomLength, isLetter);
}

} // namespace platform::files::temporaries

namespace platform::files {

namespace {

bool isTemporaryName(const QByteArray& name)
{
    return temporaries::isTemporary(name.constData());
}

} // namespace

void removeLeftovers(const QString& folder)
{
    leftovers::removeOlder(folder, isTemporaryName, std::time(nullptr));
}

void removeLeftoversBelow(const QString& folder)
{
    leftovers::removeOlderBelow(folder, isTemporaryName, std::time(nullptr));
}

} // namespace platform::files
