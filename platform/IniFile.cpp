#include "platform/IniFile.h"

#include "platform/WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <vector>

namespace {

// Longest value a single read returns, as the profile functions' 2048-byte buffer allows.
constexpr int MaxValueLength = 2047;

const QByteArray Utf8Bom("\xEF\xBB\xBF");

struct Line
{
    enum Kind { Other, Section, Entry };

    QByteArray raw; // as stored, without its line end; written back unchanged unless rewritten
    Kind kind = Other;
    QString name; // section name or key, trimmed
    QString value;
};

struct Document
{
    QByteArray bom;
    QByteArray lineEnd = "\n";
    std::vector<Line> lines;
    // Present but not readable: a rewrite would lose what could not be read.
    bool unreadable = false;
};

// Files written by older installations may hold ANSI text; a line that is not valid UTF-8 is
// read as Latin-1 so that it still matches and is written back byte for byte.
QString decodeLine(const QByteArray& raw)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(raw);
    return utf8.hasError() ? QString::fromLatin1(raw) : text;
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

Line parseLine(QByteArray raw, bool inSection)
{
    Line line;
    line.raw = std::move(raw);
    const QString text = decodeLine(line.raw).trimmed();
    if (text.startsWith('[')) {
        const qsizetype close = text.indexOf(']');
        if (close > 0) {
            line.kind = Line::Section;
            line.name = text.mid(1, close - 1).trimmed();
        }
        return line;
    }
    if (!inSection || text.startsWith(';'))
        return line;
    const qsizetype equals = text.indexOf('=');
    if (equals >= 0) {
        line.kind = Line::Entry;
        line.name = text.left(equals).trimmed();
        line.value = text.mid(equals + 1).trimmed();
    }
    return line;
}

Line makeLine(const QString& text, bool inSection)
{
    return parseLine(text.toUtf8(), inSection);
}

Document load(const QString& path)
{
    Document doc;
    // Opening a FIFO would wait for a writer, and a device is no settings file.
    if (QFileInfo::exists(path) && !platform::wholefile::isRegularFile(path)) {
        doc.unreadable = true;
        return doc;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        doc.unreadable = file.exists();
        return doc;
    }
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        doc.unreadable = true;
        return doc;
    }
    if (data.startsWith(Utf8Bom)) {
        doc.bom = Utf8Bom;
        data.remove(0, Utf8Bom.size());
    }
    const qsizetype firstBreak = data.indexOf('\n');
    if (firstBreak > 0 && data.at(firstBreak - 1) == '\r')
        doc.lineEnd = "\r\n";

    QList<QByteArray> rawLines = data.split('\n');
    if (!rawLines.isEmpty() && rawLines.last().isEmpty())
        rawLines.removeLast(); // the end of the last line, not an empty line after it
    bool inSection = false;
    for (QByteArray& raw : rawLines) {
        if (raw.endsWith('\r'))
            raw.chop(1);
        Line line = parseLine(std::move(raw), inSection);
        inSection = inSection || line.kind == Line::Section;
        doc.lines.push_back(std::move(line));
    }
    return doc;
}

[[noreturn]] void raiseWriteError(const QString& path)
{
    throw platform::ini::IniWriteError(QString("Unable to write to %1").arg(path).toStdString());
}

void save(const Document& doc, const QString& path)
{
    if (doc.unreadable)
        raiseWriteError(path);
    QByteArray data = doc.bom;
    for (const Line& line : doc.lines)
        data += line.raw + doc.lineEnd;

    if (!platform::wholefile::replaceWhole(path, data))
        raiseWriteError(path);
}

// Each [begin, end) range is one block of the section: its header and the lines up to the next
// header. A section named twice counts as one, read in file order.
std::vector<std::pair<size_t, size_t>> sectionBlocks(const Document& doc, const QString& section)
{
    std::vector<std::pair<size_t, size_t>> blocks;
    const QString name = section.trimmed();
    for (size_t i = 0; i < doc.lines.size(); ++i) {
        if (doc.lines[i].kind != Line::Section || !sameName(doc.lines[i].name, name))
            continue;
        size_t end = i + 1;
        while (end < doc.lines.size() && doc.lines[end].kind != Line::Section)
            ++end;
        blocks.emplace_back(i, end);
        i = end - 1;
    }
    return blocks;
}

std::optional<size_t> findEntry(const Document& doc, const QString& section, const QString& key)
{
    const QString name = key.trimmed();
    for (const auto& [begin, end] : sectionBlocks(doc, section)) {
        for (size_t i = begin + 1; i < end; ++i) {
            if (doc.lines[i].kind == Line::Entry && sameName(doc.lines[i].name, name))
                return i;
        }
    }
    return std::nullopt;
}

bool hasLineBreak(const QString& text)
{
    return text.contains('\n') || text.contains('\r');
}

// Refuses what would come back as something else on the next read.
void checkWritable(const QString& path, const QString& section, const QString& key, const QString& value)
{
    const QString trimmedKey = key.trimmed();
    if (hasLineBreak(section) || hasLineBreak(key) || hasLineBreak(value) || section.contains(']') ||
        trimmedKey.contains('=') || trimmedKey.startsWith('[') || trimmedKey.startsWith(';'))
        raiseWriteError(path);
}

} // namespace

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    return ReadValue(section, key).value_or(defaultValue);
}

std::optional<QString> TIniFile::ReadValue(const QString& section, const QString& key) const
{
    const Document doc = load(m_fileName);
    const std::optional<size_t> entry = findEntry(doc, section, key);
    if (!entry)
        return std::nullopt;
    return doc.lines[*entry].value.left(MaxValueLength);
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    checkWritable(m_fileName, section, key, value);
    Document doc = load(m_fileName);
    if (const std::optional<size_t> entry = findEntry(doc, section, key)) {
        Line& line = doc.lines[*entry];
        Line written = makeLine(line.name + '=' + value, true);
        // The file would come out byte for byte as it is: spare the disk the rewrite.
        if (written.raw == line.raw)
            return;
        line = std::move(written);
    } else if (const auto blocks = sectionBlocks(doc, section); !blocks.empty()) {
        // After the section's last key, so that blank lines and comments before the next
        // section stay where they are.
        const auto [begin, end] = blocks.back();
        size_t at = begin + 1;
        for (size_t i = begin + 1; i < end; ++i) {
            if (doc.lines[i].kind == Line::Entry)
                at = i + 1;
        }
        doc.lines.insert(doc.lines.begin() + static_cast<std::ptrdiff_t>(at),
                         makeLine(key.trimmed() + '=' + value, true));
    } else {
        doc.lines.push_back(makeLine('[' + section.trimmed() + ']', false));
        doc.lines.push_back(makeLine(key.trimmed() + '=' + value, true));
    }
    save(doc, m_fileName);
}

QStringList TIniFile::ReadSection(const QString& section) const
{
    const Document doc = load(m_fileName);
    QStringList keys;
    for (const auto& [begin, end] : sectionBlocks(doc, section)) {
        for (size_t i = begin + 1; i < end; ++i) {
            const Line& line = doc.lines[i];
            if (line.kind == Line::Entry && !keys.contains(line.name, Qt::CaseInsensitive))
                keys.append(line.name);
        }
    }
    return keys;
}

bool TIniFile::SectionExists(const QString& section) const
{
    return !sectionBlocks(load(m_fileName), section).empty();
}

void TIniFile::DeleteKey(const QString& section, const QString& key)
{
    // Every copy goes, so that a duplicate cannot take the deleted key's place.
    Document doc = load(m_fileName);
    bool removed = false;
    while (const std::optional<size_t> entry = findEntry(doc, section, key)) {
        doc.lines.erase(doc.lines.begin() + static_cast<std::ptrdiff_t>(*entry));
        removed = true;
    }
    if (removed)
        save(doc, m_fileName);
}

void TIniFile::EraseSection(const QString& section)
{
    Document doc = load(m_fileName);
    const auto blocks = sectionBlocks(doc, section);
    if (blocks.empty())
        return;
    for (auto it = blocks.rbegin(); it != blocks.rend(); ++it) {
        doc.lines.erase(doc.lines.begin() + static_cast<std::ptrdiff_t>(it->first),
                        doc.lines.begin() + static_cast<std::ptrdiff_t>(it->second));
    }
    save(doc, m_fileName);
}
