#pragma once

// Lays children out the way the form descriptions say: a child aligned to the top,
// bottom, left or right keeps its own height or width and takes the edge of what is
// left; the client child fills the rest. Children not added here keep the position
// they were given. Edges are taken top, bottom, left, right, then client, each group in
// the order the children were added.

#include <QLayout>
#include <optional>
#include <vector>

enum class Align { Top, Bottom, Left, Right, Client };

class AlignLayout : public QLayout
{
public:
    explicit AlignLayout(QWidget* parent);
    ~AlignLayout() override;

    void add(QWidget* widget, Align align);
    // How `widget` was added here; nullopt when it was not.
    std::optional<Align> alignmentOf(const QWidget* widget) const;
    // The first child that fills the rest, or nullptr.
    QWidget* clientWidget() const;

    void addItem(QLayoutItem* item) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override { return static_cast<int>(m_items.size()); }
    void setGeometry(const QRect& rect) override;

private:
    struct Entry
    {
        QLayoutItem* item;
        Align align;
    };
    std::vector<Entry> m_items;
};

// Gives `widget` an AlignLayout without margins and places `children` on it.
AlignLayout* alignChildren(QWidget* widget, std::initializer_list<std::pair<QWidget*, Align>> children);

// Applies the layouts of `root` and of every widget inside it now, top down, even while
// hidden, so that code run at creation reads the positions the form description gives.
void layoutNow(QWidget* root);
