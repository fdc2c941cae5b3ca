#include "platform/FileNames.h"

namespace platform::files {

namespace {

constexpr char16_t EscapeBase = 0xDC00;

bool isEscape(char16_t c)
{
    return c >= EscapeBase + 0x80 && c <= EscapeBase + 0xFF;
}

// The length of the valid UTF-8 sequence that starts at `in` (0 when there is none): no overlong
// form, no surrogate, nothing above U+10FFFF.
int sequenceLength(const unsigned char* in, qsizetype left)
{
    const unsigned char lead = in[0];
    int length = 0;
    unsigned char low = 0x80, high = 0xBF; // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    }
    if (length == 0 || left < length || in[1] < low || in[1] > high)
        return 0;
    for (int k = 2; k < length; ++k)
        if (in[k] < 0x80 || in[k] > 0xBF)
            return 0;
    return length;
}

// Is name[i] an escaped byte? The low half of a surrogate pair is a character of its own.
bool escapeAt(const QString& name, qsizetype i)
{
    return isEscape(name[i].unicode()) && !(i > 0 && name[i - 1].isHighSurrogate());
}

bool hasEscape(const QString& name)
{
    for (qsizetype i = 0; i < name.size(); ++i)
        if (escapeAt(name, i))
            return true;
    return false;
}

// Hands the text between escaped bytes to onText and each escaped byte to onEscape, in order.
template <typename Text, typename Escape> void forPieces(const QString& name, Text onText, Escape onEscape)
{
    qsizetype run = 0; // start of the text not yet handed on
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (!escapeAt(name, i))
            continue;
        onText(QStringView(name).mid(run, i - run));
        onEscape(name[i]);
        run = i + 1;
    }
    onText(QStringView(name).mid(run));
}

} // namespace

QString decodeName(const char* bytes, qsizetype size)
{
    const auto* in = reinterpret_cast<const unsigned char*>(bytes);
    qsizetype i = 0;
    while (i < size && in[i] < 0x80)
        ++i;
    if (i == size)
        return QString::fromLatin1(bytes, size);
    QString name = QString::fromLatin1(bytes, i);
    name.reserve(size);
    while (i < size) {
        if (in[i] < 0x80) {
            name.append(QChar(in[i++]));
            continue;
        }
        const int length = sequenceLength(in + i, size - i);
        if (length == 0) {
            name.append(QChar(char16_t(EscapeBase + in[i++])));
            continue;
        }
        char32_t code = in[i] & (0x7F >> length);
        for (int k = 1; k < length; ++k)
            code = code << 6 | (in[i + k] & 0x3F);
        name.append(QChar::fromUcs4(code));
        i += length;
    }
    return name;
}

QByteArray encodeName(const QString& name)
{
    if (!hasEscape(name))
        return name.toUtf8();
    QByteArray bytes;
    forPieces(
        name, [&](QStringView text) { bytes += text.toUtf8(); },
        [&](QChar escape) { bytes += char(escape.unicode() - EscapeBase); });
    return bytes;
}

QString foldCase(const QString& name)
{
    if (!hasEscape(name))
        return name.toCaseFolded();
    QString folded;
    forPieces(
        name, [&](QStringView text) { folded += text.toString().toCaseFolded(); },
        [&](QChar escape) { folded += escape; });
    return folded;
}

} // namespace platform::files
