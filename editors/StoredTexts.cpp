#include "editors/StoredTexts.h"

#include "common/ListRows.h"

QString TStoredTexts::show(const QObject* field, const QString& stored)
{
    m_stored[field] = stored;
    return listrows::trimLeft(stored);
}

QString TStoredTexts::written(const QObject* field, const QString& current) const
{
    const auto found = m_stored.find(field);
    if (found != m_stored.end() && current == listrows::trimLeft(found->second))
        return found->second;
    return current;
}
