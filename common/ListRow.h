#pragma once

// A row of the frame's record lists (addresses, Password entries, expenses) and the text
// order the lists sort by.
//
// A row has places: the caption (shown in column 0), then the sub-items (sub-item k shown in
// column k+1). Places past the list's columns hold the record's ids and stay hidden; they
// are read like any other place, with text(place) or place().

#include <QAnyStringView>
#include <QTreeWidgetItem>
#include <memory>
#include <span>
#include <vector>

class QTreeWidget;

// The lists' text order: code point by code point (as the bytes of UTF-8 compare), with only
// the ASCII letters a-z taken as A-Z; a text that begins another comes first. Negative, zero
// or positive as `a` sorts before, with or after `b`.
int compareListText(QStringView a, QStringView b);

// A row's places as they stand in a block of text: where each ends (two units each), then
// the texts one after another.
struct TRowTexts
{
    const char16_t* data = nullptr;
    int count = 0;
    // A place's text; a place past the row's reads as empty.
    QStringView place(int index) const;
};

class TListRow : public QTreeWidgetItem
{
public:
    static constexpr int RowType = QTreeWidgetItem::UserType + 1;

    // `sortColumn` is the list's remembered sort column, read at every comparison.
    TListRow(std::span<const QAnyStringView> places, const int* sortColumn);

    int placeCount() const { return m_texts.count; }
    QStringView place(int index) const { return m_texts.place(index); }
    // Rewrites every place and lets the list show the new texts.
    void setPlaces(std::span<const QAnyStringView> places);

    QVariant data(int column, int role) const override;
    void setData(int column, int role, const QVariant& value) override;
    // Ascending by the remembered column under compareListText.
    bool operator<(const QTreeWidgetItem& other) const override;

    // Rows come from a pool of row-sized slots: lists make and free them by the thousand.
    static void* operator new(size_t size);
    static void operator delete(void* memory, size_t size);

private:
    friend class TListRowBuilder;
    friend class TListOrder;
    TListRow(std::shared_ptr<char16_t[]> block, TRowTexts texts, const int* sortColumn);

    // The block holding the row's texts; rows loaded together share one, so a list of
    // thousands of rows is built and freed without a block per row.
    std::shared_ptr<char16_t[]> m_block;
    TRowTexts m_texts;
    const int* m_sortColumn;
};

using TListRows = std::vector<std::unique_ptr<TListRow>>;

// Gathers the rows of one load: their texts are written into shared blocks as they come, and
// the rows are made once their order is known, so that they lie in memory in list order.
class TListRowBuilder
{
public:
    explicit TListRowBuilder(const int* sortColumn) : m_sortColumn(sortColumn) {}
    void add(std::span<const QAnyStringView> places);
    // The rows gathered, made in the order of their place `column`; the builder is empty after.
    TListRows takeRows(int column);
    // The rows gathered, in the order they came.
    TListRows takeRows();

private:
    struct Gathered
    {
        TRowTexts texts;
        size_t block;
    };
    const int* m_sortColumn;
    std::vector<std::shared_ptr<char16_t[]>> m_blocks;
    std::vector<Gathered> m_rows;
    qsizetype m_used = 0;
    qsizetype m_size = 0;
};

// Puts a list's rows in order by a column without comparing the rows themselves.
class TListOrder
{
public:
    // Sorts the list, whose rows must all be TListRows of one height, by `column`, ascending
    // and stable. The records move between the list's rows rather than the rows between
    // places, so the view has nothing to lay out again; the selection and the current row
    // follow their records.
    static void sort(QTreeWidget* list, int column);
};
