#include "platform/SqlText.h"

#include "platform/Database.h"

namespace platform::db::sql {

namespace {

bool isNameStart(QChar c)
{
    return c.isLetter() || c == '_';
}

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == '_';
}

// Index just past the end of a literal, bracketed name or comment opening at i, or i itself.
qsizetype skipQuoted(const QString& sql, qsizetype i)
{
    const QChar c = sql[i];
    auto skipTo = [&](QStringView closing, qsizetype from) {
        const qsizetype end = sql.indexOf(closing, from);
        return end < 0 ? sql.size() : end + closing.size();
    };
    if (c == '\'')
        return skipTo(u"'", i + 1);
    if (c == '"')
        return skipTo(u"\"", i + 1);
    if (c == '`')
        return skipTo(u"`", i + 1);
    if (c == '[')
        return skipTo(u"]", i + 1);
    if (c == '-' && i + 1 < sql.size() && sql[i + 1] == '-')
        return skipTo(u"\n", i + 2);
    if (c == '/' && i + 1 < sql.size() && sql[i + 1] == '*')
        return skipTo(u"*/", i + 2);
    return i;
}

qsizetype skipSpaceBackward(const QString& sql, qsizetype i)
{
    while (i > 0 && sql[i - 1].isSpace())
        --i;
    return i;
}

qsizetype skipSpaceForward(const QString& sql, qsizetype i)
{
    while (i < sql.size() && sql[i].isSpace())
        ++i;
    return i;
}

bool standsAloneInList(const QString& sql, qsizetype start, qsizetype end)
{
    qsizetype before = skipSpaceBackward(sql, start);
    if (before == 0 || sql[before - 1] != '(')
        return false;
    before = skipSpaceBackward(sql, before - 1);
    if (before < 2 || sql.mid(before - 2, 2).compare(QLatin1String("in"), Qt::CaseInsensitive) != 0)
        return false;
    if (before > 2 && isNameChar(sql[before - 3]))
        return false;
    const qsizetype after = skipSpaceForward(sql, end);
    return after < sql.size() && sql[after] == ')';
}

bool isWholeNumberType(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
        return true;
    default:
        return false;
    }
}

// The ids of a list parameter; refuses anything but whole numbers so no text reaches the SQL.
std::vector<QVariant> idList(const QString& name, const QVariant& value)
{
    if (value.isNull() || isWholeNumberType(value))
        return {value};
    const QString text = value.toString();
    std::vector<QVariant> ids;
    for (const QString& element : text.split(',')) {
        bool ok = false;
        const qlonglong id = element.trimmed().toLongLong(&ok);
        if (!ok)
            throw DatabaseError(QStringLiteral("The value \"%1\" of parameter '%2' is not a list of ids")
                                    .arg(text, name)
                                    .toStdString());
        ids.emplace_back(id);
    }
    return ids;
}

} // namespace

ParsedSql parse(const QString& sql)
{
    ParsedSql parsed;
    parsed.text = sql;
    qsizetype i = 0;
    while (i < sql.size()) {
        const qsizetype skipped = skipQuoted(sql, i);
        if (skipped != i) {
            i = skipped;
            continue;
        }
        if (sql[i] != ':' || i + 1 >= sql.size() || !isNameStart(sql[i + 1])) {
            ++i;
            continue;
        }
        qsizetype end = i + 1;
        while (end < sql.size() && isNameChar(sql[end]))
            ++end;
        ParameterUse use;
        use.start = i;
        use.length = end - i;
        use.name = sql.mid(i + 1, end - i - 1);
        use.aloneInList = standsAloneInList(sql, i, end);
        if (!parsed.names.contains(use.name, Qt::CaseInsensitive))
            parsed.names.append(use.name);
        parsed.uses.push_back(std::move(use));
        i = end;
    }
    return parsed;
}

EngineStatement expand(const ParsedSql& parsed, const std::function<QVariant(const QString&)>& valueOf)
{
    EngineStatement statement;
    QString text;
    text.reserve(parsed.text.size());
    qsizetype copied = 0;
    for (const ParameterUse& use : parsed.uses) {
        text += QStringView(parsed.text).mid(copied, use.start - copied);
        copied = use.start + use.length;
        const QVariant value = valueOf(use.name);
        if (!use.aloneInList) {
            text += '?';
            statement.values.push_back(value);
            continue;
        }
        const std::vector<QVariant> ids = idList(use.name, value);
        for (size_t k = 0; k < ids.size(); ++k) {
            text += k == 0 ? QLatin1String("?") : QLatin1String(",?");
            statement.values.push_back(ids[k]);
        }
    }
    text += QStringView(parsed.text).mid(copied);
    statement.sql = text.toUtf8();
    return statement;
}

} // namespace platform::db::sql
