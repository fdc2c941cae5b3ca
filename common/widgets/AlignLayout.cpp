#include "common/widgets/AlignLayout.h"

#include <QWidget>
#include <QWidgetItem>

AlignLayout::AlignLayout(QWidget* parent) : QLayout(parent)
{
    setContentsMargins(0, 0, 0, 0);
    setSpacing(0);
}

AlignLayout::~AlignLayout()
{
    for (const Entry& entry : m_items)
        delete entry.item;
}

void AlignLayout::add(QWidget* widget, Align align)
{
    addChildWidget(widget);
    m_items.push_back({new QWidgetItem(widget), align});
    invalidate();
}

std::optional<Align> AlignLayout::alignmentOf(const QWidget* widget) const
{
    for (const Entry& entry : m_items)
        if (entry.item->widget() == widget)
            return entry.align;
    return std::nullopt;
}

QWidget* AlignLayout::clientWidget() const
{
    for (const Entry& entry : m_items)
        if (entry.align == Align::Client && entry.item->widget())
            return entry.item->widget();
    return nullptr;
}

void AlignLayout::addItem(QLayoutItem* item)
{
    m_items.push_back({item, Align::Client});
}

QSize AlignLayout::sizeHint() const
{
    return minimumSize();
}

QSize AlignLayout::minimumSize() const
{
    return QSize(0, 0);
}

QLayoutItem* AlignLayout::itemAt(int index) const
{
    return index >= 0 && index < count() ? m_items[index].item : nullptr;
}

QLayoutItem* AlignLayout::takeAt(int index)
{
    if (index < 0 || index >= count())
        return nullptr;
    QLayoutItem* item = m_items[index].item;
    m_items.erase(m_items.begin() + index);
    return item;
}

void AlignLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    QRect rest = contentsRect();
    for (Align pass : {Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client}) {
        for (const Entry& entry : m_items) {
            QWidget* w = entry.item->widget();
            if (entry.align != pass || !w ||
                (w->isHidden() && w->testAttribute(Qt::WA_WState_ExplicitShowHide)))
                continue;
            switch (pass) {
            case Align::Top:
                w->setGeometry(rest.left(), rest.top(), rest.width(), w->height());
                rest.setTop(rest.top() + w->height());
                break;
            case Align::Bottom:
                w->setGeometry(rest.left(), rest.bottom() + 1 - w->height(), rest.width(), w->height());
                rest.setBottom(rest.bottom() - w->height());
                break;
            case Align::Left:
                w->setGeometry(rest.left(), rest.top(), w->width(), rest.height());
                rest.setLeft(rest.left() + w->width());
                break;
            case Align::Right:
                w->setGeometry(rest.right() + 1 - w->width(), rest.top(), w->width(), rest.height());
                rest.setRight(rest.right() - w->width());
                break;
            case Align::Client:
                w->setGeometry(rest);
                break;
            }
        }
    }
}

AlignLayout* alignChildren(QWidget* widget, std::initializer_list<std::pair<QWidget*, Align>> children)
{
    auto* layout = new AlignLayout(widget);
    for (const auto& [child, align] : children)
        layout->add(child, align);
    return layout;
}

void layoutNow(QWidget* root)
{
    if (QLayout* layout = root->layout())
        layout->setGeometry(root->rect());
    for (QWidget* child : root->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        layoutNow(child);
}
