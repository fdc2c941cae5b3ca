// The values of a query's rows, read as the forms ask for them.
#include "platform/Database.h"
#include "platform/Locale.h"
#include "platform/SqlFunctions.h"

#include <sqlite3.h>

using platform::db::DatabaseError;

namespace {

[[noreturn]] void fail(const QString& message)
{
    throw DatabaseError(message.toStdString());
}

bool isWholeNumber(const QVariant& value)
{
    return value.typeId() == QMetaType::LongLong;
}

} // namespace

TField::TField(QVariant value, const QString& declaredType)
    : m_value(std::move(value)), m_kind(kindOf(declaredType))
{
}

bool TField::IsNull() const
{
    return m_stored ? m_stored->type == SQLITE_NULL : m_value.isNull();
}

QVariant TField::Value() const
{
    if (!m_stored)
        return m_value;
    switch (m_stored->type) {
    case SQLITE_INTEGER:
        return QVariant(static_cast<qlonglong>(m_stored->integer));
    case SQLITE_FLOAT:
        return QVariant(m_stored->real);
    case SQLITE_TEXT:
        return QVariant(QString::fromUtf8(bytes()));
    case SQLITE_BLOB:
        return QVariant(bytes().toByteArray());
    default:
        return QVariant();
    }
}

TField::Kind TField::kindOf(const QString& declaredType)
{
    if (declaredType.contains(QLatin1String("DATE"), Qt::CaseInsensitive) ||
        declaredType.contains(QLatin1String("TIME"), Qt::CaseInsensitive))
        return Kind::DateTime;
    static const char* const fractions[] = {"REAL",    "FLOA",     "DOUB", "NUMERIC",
                                            "DECIMAL", "CURRENCY", "MONEY"};
    for (const char* fraction : fractions)
        if (declaredType.contains(QLatin1String(fraction), Qt::CaseInsensitive))
            return Kind::Fraction;
    return Kind::Plain;
}

QString TField::AsString() const
{
    // The common cases straight from the stored bytes, without a QVariant in between.
    if (m_stored && m_stored->type == SQLITE_TEXT) {
        if (m_kind == Kind::DateTime) {
            const QDateTime stamp =
                platform::db::parseStoredDateTime(std::string_view(bytes().data(), bytes().size()));
            if (stamp.isValid())
                return platform::locale::dateTimeToStr(stamp);
        }
        return QString::fromUtf8(bytes());
    }
    if (m_stored && m_stored->type == SQLITE_INTEGER && m_kind != Kind::Fraction)
        return QString::number(m_stored->integer);
    const QVariant data = Value();
    if (data.isNull())
        return QString();
    if (data.typeId() == QMetaType::QString && m_kind == Kind::DateTime) {
        const QString text = data.toString();
        const QDateTime stamp = platform::db::parseStoredDateTime(text.toStdString());
        return stamp.isValid() ? platform::locale::dateTimeToStr(stamp) : text;
    }
    if (data.typeId() == QMetaType::Double || (isWholeNumber(data) && m_kind == Kind::Fraction))
        return platform::locale::floatToStr(data.toDouble());
    if (data.typeId() == QMetaType::QByteArray)
        return QString::fromUtf8(data.toByteArray());
    return data.toString();
}

int TField::AsInteger() const
{
    if (m_stored && m_stored->type == SQLITE_INTEGER)
        return static_cast<int>(m_stored->integer);
    const QVariant data = Value();
    if (data.isNull())
        return 0;
    if (isWholeNumber(data))
        return static_cast<int>(data.toLongLong());
    if (data.typeId() == QMetaType::Double)
        return static_cast<int>(qRound64(data.toDouble()));
    bool ok = false;
    const int value = data.toString().trimmed().toInt(&ok);
    if (!ok)
        fail(QStringLiteral("'%1' is not a valid integer value").arg(data.toString()));
    return value;
}

double TField::AsFloat() const
{
    const QVariant data = Value();
    if (data.isNull())
        return 0.0;
    if (isWholeNumber(data) || data.typeId() == QMetaType::Double)
        return data.toDouble();
    bool ok = false;
    const double value = data.toString().trimmed().toDouble(&ok);
    if (!ok)
        fail(QStringLiteral("'%1' is not a valid floating point value").arg(data.toString()));
    return value;
}

QDateTime TField::AsDateTime() const
{
    const QVariant data = Value();
    if (data.isNull())
        return QDateTime();
    const QString text = data.toString();
    const QDateTime stamp = platform::db::parseStoredDateTime(text.toStdString());
    if (!stamp.isValid())
        fail(QStringLiteral("'%1' is not a valid date and time").arg(text));
    return stamp;
}
