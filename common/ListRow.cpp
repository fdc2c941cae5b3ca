#include "common/ListRow.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QSignalBlocker>
#include <QStringDecoder>
#include <QTreeWidget>
#include <algorithm>
#include <numeric>

namespace {

// Order of UTF-16 code units as code points: surrogates (a code point above U+FFFF) come
// after U+E000..U+FFFF, as their UTF-8 bytes do.
char32_t codePointRank(char16_t unit)
{
    if (unit < 0xD800)
        return unit;
    return unit >= 0xE000 ? unit - 0x800 : unit + 0x2000;
}

char16_t foldAscii(char16_t unit)
{
    return unit >= u'a' && unit <= u'z' ? static_cast<char16_t>(unit - (u'a' - u'A')) : unit;
}

constexpr qsizetype BlockSize = 32 * 1024;

} // namespace

int compareListText(QStringView a, QStringView b)
{
    const qsizetype common = std::min(a.size(), b.size());
    const char16_t* left = a.utf16();
    const char16_t* right = b.utf16();
    for (qsizetype i = 0; i < common; ++i) {
        if (left[i] == right[i])
            continue;
        const char32_t x = codePointRank(foldAscii(left[i]));
        const char32_t y = codePointRank(foldAscii(right[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

// ---- rows ----

// Rows are made and freed by the thousand at every load of a list; they come from and go
// back to a pool of slots of their size, which keeps the heap from churning. The pool keeps
// the slots of the most rows ever held at once.
namespace {

class RowPool
{
public:
    void* take()
    {
        if (!m_free) {
            auto slab = std::make_unique<Slot[]>(SlabRows);
            // Handed out from the slab's start, so rows made one after another lie side by side.
            for (size_t i = SlabRows; i-- > 0;)
                give(&slab[i]);
            m_slabs.push_back(std::move(slab));
        }
        Slot* slot = m_free;
        m_free = slot->next;
        return slot;
    }

    void give(void* memory)
    {
        auto* slot = static_cast<Slot*>(memory);
        slot->next = m_free;
        m_free = slot;
    }

private:
    union Slot {
        Slot* next;
        alignas(TListRow) std::byte row[sizeof(TListRow)];
    };
    static constexpr size_t SlabRows = 1024;
    std::vector<std::unique_ptr<Slot[]>> m_slabs;
    Slot* m_free = nullptr;
};

// Never destroyed: rows may be freed by forms that outlive the statics.
RowPool& rowPool()
{
    static auto* pool = new RowPool;
    return *pool;
}

qsizetype capacityFor(std::span<const QAnyStringView> places)
{
    // Two units for where each place ends, then the texts: a place's UTF-16 text is never
    // longer than its UTF-8, Latin-1 or UTF-16 source.
    qsizetype capacity = 2 * static_cast<qsizetype>(places.size());
    for (const QAnyStringView& text : places)
        capacity += text.size();
    return capacity;
}

// Writes the places' ends and texts at `region`; returns the end of what it wrote.
char16_t* writePlaces(std::span<const QAnyStringView> places, char16_t* region)
{
    const auto count = static_cast<qsizetype>(places.size());
    char16_t* const begin = region + 2 * count;
    auto* out = reinterpret_cast<QChar*>(begin);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    for (qsizetype i = 0; i < count; ++i) {
        places[static_cast<size_t>(i)].visit([&](auto view) {
            using View = decltype(view);
            if constexpr (std::is_same_v<View, QStringView>) {
                out = std::copy(view.begin(), view.end(), out);
            } else if constexpr (std::is_same_v<View, QLatin1StringView>) {
                for (char c : view)
                    *out++ = QLatin1Char(c);
            } else {
                // Mostly ASCII: widened directly, the decoder taking over at the first other byte.
                const auto* bytes = reinterpret_cast<const char*>(view.data());
                qsizetype k = 0;
                for (; k < view.size() && static_cast<uchar>(bytes[k]) < 0x80; ++k)
                    out[k] = QLatin1Char(bytes[k]);
                out += k;
                if (k < view.size())
                    out = utf8.appendToBuffer(out, QByteArrayView(bytes + k, view.size() - k));
            }
        });
        const auto end = static_cast<quint32>(reinterpret_cast<char16_t*>(out) - begin);
        region[2 * i] = static_cast<char16_t>(end & 0xFFFF);
        region[2 * i + 1] = static_cast<char16_t>(end >> 16);
    }
    return reinterpret_cast<char16_t*>(out);
}

// Orders `items` by the text `textOf` gives for each, ascending and stable. Each text is
// copied once into one compact buffer, and its first eight characters packed into two
// numbers that settle most comparisons; a missing character counts as 0, below every
// character, so a text that begins another still comes first.
template <class Item, class TextOf> void orderBy(std::vector<Item>& items, TextOf textOf)
{
    struct Entry
    {
        quint64 high;
        quint64 low;
        quint32 start;
        quint32 length;
        quint32 position;
    };
    const size_t count = items.size();
    std::vector<Entry> entries(count);
    std::vector<char16_t> texts;
    texts.reserve(count * 12);
    for (size_t position = 0; position < count; ++position) {
        const QStringView text = textOf(items[position]);
        quint64 prefix[2] = {0, 0};
        for (qsizetype i = 0; i < 8; ++i)
            prefix[i / 4] =
                (prefix[i / 4] << 16) | (i < text.size() ? codePointRank(foldAscii(text.utf16()[i])) : 0);
        entries[position] = {prefix[0], prefix[1], static_cast<quint32>(texts.size()),
                             static_cast<quint32>(text.size()), static_cast<quint32>(position)};
        texts.insert(texts.end(), text.utf16(), text.utf16() + text.size());
    }
    const char16_t* const base = texts.data();
    std::sort(entries.begin(), entries.end(), [base](const Entry& a, const Entry& b) {
        if (a.high != b.high)
            return a.high < b.high;
        if (a.low != b.low)
            return a.low < b.low;
        if (a.length > 8 || b.length > 8) {
            const int order =
                compareListText(QStringView(base + a.start, a.length), QStringView(base + b.start, b.length));
            if (order != 0)
                return order < 0;
        } else if (a.length != b.length) {
            return a.length < b.length;
        }
        // Equal texts keep the order they had.
        return a.position < b.position;
    });
    std::vector<Item> ordered;
    ordered.reserve(count);
    for (const Entry& entry : entries)
        ordered.push_back(std::move(items[entry.position]));
    items = std::move(ordered);
}

// After a sort: moves the selection and the current row from each place to `destinations`
// of it, where its record went.
void followRecords(QTreeWidget* list, const std::vector<int>& destinations)
{
    QItemSelectionModel* selection = list->selectionModel();
    const QAbstractItemModel* model = list->model();
    std::vector<int> selected;
    for (const QItemSelectionRange& range : selection->selection()) {
        if (range.parent().isValid())
            continue;
        for (int row = range.top(); row <= range.bottom(); ++row)
            selected.push_back(destinations[static_cast<size_t>(row)]);
    }
    std::sort(selected.begin(), selected.end());
    selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
    QItemSelection moved;
    const int lastColumn = model->columnCount() - 1;
    for (size_t first = 0; first < selected.size();) {
        size_t last = first;
        while (last + 1 < selected.size() && selected[last + 1] == selected[last] + 1)
            ++last;
        moved.select(model->index(selected[first], 0), model->index(selected[last], lastColumn));
        first = last + 1;
    }
    // The same records stay selected and current, so this is no change to tell anyone of.
    const QSignalBlocker quiet(selection);
    const QModelIndex current = selection->currentIndex();
    if (current.isValid() && !current.parent().isValid())
        selection->setCurrentIndex(
            model->index(destinations[static_cast<size_t>(current.row())], current.column()),
            QItemSelectionModel::NoUpdate);
    selection->select(moved, QItemSelectionModel::ClearAndSelect);
}

} // namespace

QStringView TRowTexts::place(int index) const
{
    if (index < 0 || index >= count)
        return QStringView();
    const auto endOf = [this](int i) {
        return static_cast<quint32>(data[2 * i]) | (static_cast<quint32>(data[2 * i + 1]) << 16);
    };
    const quint32 start = index == 0 ? 0 : endOf(index - 1);
    return QStringView(data + 2 * count + start, static_cast<qsizetype>(endOf(index) - start));
}

void* TListRow::operator new(size_t size)
{
    return size == sizeof(TListRow) ? rowPool().take() : ::operator new(size);
}

void TListRow::operator delete(void* memory, size_t size)
{
    if (size == sizeof(TListRow))
        rowPool().give(memory);
    else
        ::operator delete(memory);
}

TListRow::TListRow(std::shared_ptr<char16_t[]> block, TRowTexts texts, const int* sortColumn)
    : QTreeWidgetItem(RowType), m_block(std::move(block)), m_texts(texts), m_sortColumn(sortColumn)
{
}

TListRow::TListRow(std::span<const QAnyStringView> places, const int* sortColumn)
    : QTreeWidgetItem(RowType), m_sortColumn(sortColumn)
{
    m_block = std::make_shared<char16_t[]>(static_cast<size_t>(capacityFor(places)));
    writePlaces(places, m_block.get());
    m_texts = {m_block.get(), static_cast<int>(places.size())};
}

void TListRow::setPlaces(std::span<const QAnyStringView> places)
{
    // The places may be views into the old block, which must outlive the rewrite.
    std::shared_ptr<char16_t[]> block =
        std::make_shared<char16_t[]>(static_cast<size_t>(capacityFor(places)));
    writePlaces(places, block.get());
    m_texts = {block.get(), static_cast<int>(places.size())};
    m_block.swap(block);
    emitDataChanged();
}

QVariant TListRow::data(int column, int role) const
{
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return place(column).toString();
    return QTreeWidgetItem::data(column, role);
}

void TListRow::setData(int column, int role, const QVariant& value)
{
    if ((role != Qt::DisplayRole && role != Qt::EditRole) || column < 0) {
        QTreeWidgetItem::setData(column, role, value);
        return;
    }
    const QString text = value.toString();
    std::vector<QAnyStringView> places;
    for (int i = 0; i < std::max(placeCount(), column + 1); ++i)
        places.push_back(i == column ? QAnyStringView(text) : QAnyStringView(place(i)));
    setPlaces(places);
}

bool TListRow::operator<(const QTreeWidgetItem& other) const
{
    if (other.type() != RowType)
        return compareListText(place(*m_sortColumn), other.text(*m_sortColumn)) < 0;
    return compareListText(place(*m_sortColumn), static_cast<const TListRow&>(other).place(*m_sortColumn)) <
           0;
}

// ---- building ----

void TListRowBuilder::add(std::span<const QAnyStringView> places)
{
    const qsizetype capacity = capacityFor(places);
    if (m_blocks.empty() || m_size - m_used < capacity) {
        m_size = std::max(BlockSize, capacity);
        m_blocks.push_back(std::make_shared<char16_t[]>(static_cast<size_t>(m_size)));
        m_used = 0;
    }
    char16_t* const region = m_blocks.back().get() + m_used;
    m_used = writePlaces(places, region) - m_blocks.back().get();
    m_rows.push_back({{region, static_cast<int>(places.size())}, m_blocks.size() - 1});
}

TListRows TListRowBuilder::takeRows(int column)
{
    orderBy(m_rows, [column](const Gathered& row) { return row.texts.place(column); });
    return takeRows();
}

TListRows TListRowBuilder::takeRows()
{
    TListRows rows;
    rows.reserve(m_rows.size());
    for (const Gathered& row : m_rows)
        rows.push_back(std::unique_ptr<TListRow>(new TListRow(m_blocks[row.block], row.texts, m_sortColumn)));
    m_rows.clear();
    m_blocks.clear();
    m_used = m_size = 0;
    return rows;
}

// ---- ordering ----

void TListOrder::sort(QTreeWidget* list, int column)
{
    Q_ASSERT(list->uniformRowHeights());
    const int count = list->topLevelItemCount();
    std::vector<TListRow*> rows(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        QTreeWidgetItem* item = list->topLevelItem(i);
        Q_ASSERT(item->type() == TListRow::RowType);
        rows[static_cast<size_t>(i)] = static_cast<TListRow*>(item);
    }
    // sources[k]: the place whose record goes to place k.
    std::vector<int> sources(static_cast<size_t>(count));
    std::iota(sources.begin(), sources.end(), 0);
    orderBy(sources, [&rows, column](int place) { return rows[static_cast<size_t>(place)]->place(column); });

    std::vector<int> destinations(sources.size());
    std::vector<std::pair<std::shared_ptr<char16_t[]>, TRowTexts>> records(sources.size());
    for (size_t k = 0; k < sources.size(); ++k) {
        TListRow* source = rows[static_cast<size_t>(sources[k])];
        destinations[static_cast<size_t>(sources[k])] = static_cast<int>(k);
        records[k] = {std::move(source->m_block), source->m_texts};
    }
    for (size_t k = 0; k < records.size(); ++k) {
        rows[k]->m_block = std::move(records[k].first);
        rows[k]->m_texts = records[k].second;
    }
    list->header()->setSortIndicator(column, Qt::AscendingOrder);
    // The view reads the rows' texts as it paints and keeps none; with rows of one height
    // there is nothing to measure again either. (Announcing every row as changed would have
    // the view work out each one's rectangle.)
    list->viewport()->update();
    followRecords(list, destinations);
}
