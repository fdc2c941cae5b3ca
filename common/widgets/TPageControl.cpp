#include "common/widgets/TPageControl.h"

#include <QAccessibleWidget>
#include <QHBoxLayout>
#include <QShortcut>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// A tab gets a class of its own so that assistive tools are given the interface below for it from
// the moment it exists.
class PageTab : public QToolButton
{
public:
    explicit PageTab(TPageControl* pages) : QToolButton(pages), m_pages(pages) {}

    bool isActive() const
    {
        const int active = m_pages->ActivePageIndex();
        return active >= 0 && m_pages->tabButton(active) == this;
    }

private:
    TPageControl* m_pages;
};

// A tab as assistive tools see it: a page tab, selected while its page is the active one, whose
// one action is the click a mouse gives. A checkable button's own "Toggle" would check the tab
// without switching the page.
class PageTabAccessible : public QAccessibleWidget
{
public:
    explicit PageTabAccessible(PageTab* tab) : QAccessibleWidget(tab, QAccessible::PageTab), m_tab(tab) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && m_tab->accessibleName().isEmpty())
            return m_tab->text();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.selectable = true;
        state.selected = m_tab->isActive();
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (canPress())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& name) override
    {
        if (name == pressAction()) {
            if (canPress())
                m_tab->click();
        } else {
            QAccessibleWidget::doAction(name);
        }
    }

private:
    // Only a tab that a mouse could click: a click reaches no hidden tab, and a hidden tab's page
    // is shown only through the buttons that load what it lists.
    bool canPress() const { return m_tab->isVisible() && m_tab->isEnabled(); }

    PageTab* m_tab;
};

QAccessibleInterface* pageTabAccessible(const QString&, QObject* object)
{
    auto* tab = dynamic_cast<PageTab*>(object);
    return tab ? new PageTabAccessible(tab) : nullptr;
}

} // namespace

TPageControl::TPageControl(QWidget* parent) : QWidget(parent), m_stack(new QStackedWidget(this))
{
    [[maybe_unused]] static const bool accessibleTabs =
        (QAccessible::installFactory(pageTabAccessible), true);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_stack, 1);
    m_tabRow = new QHBoxLayout;
    m_tabRow->setContentsMargins(2, 0, 2, 2);
    m_tabRow->setSpacing(0);
    m_tabRow->addStretch(1);
    column->addLayout(m_tabRow);
    m_nextTabKey = new QShortcut(
        QKeySequence(Qt::CTRL | Qt::Key_Tab), this, [this] { stepToShownTab(1); },
        Qt::WidgetWithChildrenShortcut);
    m_priorTabKey = new QShortcut(
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), this, [this] { stepToShownTab(-1); },
        Qt::WidgetWithChildrenShortcut);
    updateTabKeys();
}

int TPageControl::addPage(QWidget* page, const QString& caption)
{
    const int index = pageCount();
    m_stack->addWidget(page);
    auto* tab = new PageTab(this);
    tab->setText(caption);
    tab->setCheckable(true);
    tab->setAutoRaise(true);
    tab->setFocusPolicy(Qt::NoFocus);
    tab->setObjectName(page->objectName() + "Tab");
    connect(tab, &QToolButton::clicked, this, [this, index] { tabClicked(index); });
    m_tabRow->insertWidget(index, tab);
    m_tabs.push_back(tab);
    if (m_active < 0)
        setActivePageIndex(index);
    markActiveTab();
    updateTabKeys();
    return index;
}

QWidget* TPageControl::page(int index) const
{
    return m_stack->widget(index);
}

void TPageControl::setActivePageIndex(int index)
{
    if (index < 0 || index >= pageCount() || index == m_active)
        return;
    m_active = index;
    m_stack->setCurrentIndex(index);
    markActiveTab();
    updateTabKeys();
    emit changed();
}

void TPageControl::setTabVisible(int index, bool visible)
{
    m_tabs.at(index)->setVisible(visible);
    updateTabKeys();
}

bool TPageControl::isTabVisible(int index) const
{
    return !m_tabs.at(index)->isHidden();
}

void TPageControl::setTabCaption(int index, const QString& caption)
{
    m_tabs.at(index)->setText(caption);
}

QString TPageControl::tabCaption(int index) const
{
    return m_tabs.at(index)->text();
}

void TPageControl::tabClicked(int index)
{
    if (index != m_active) {
        bool allow = true;
        emit changing(&allow);
        if (allow)
            setActivePageIndex(index);
    }
    markActiveTab();
}

// Ctrl+Tab and Ctrl+Shift+Tab go round the shown tabs, as the system's page controls do while the
// focus is on one of their pages.
void TPageControl::stepToShownTab(int step)
{
    const int count = pageCount();
    for (int distance = 1; distance < count; ++distance) {
        const int index = (m_active + count + step * distance) % count;
        if (isTabVisible(index)) {
            tabClicked(index);
            return;
        }
    }
}

// The keys are taken only while there is a shown tab to go to, so that a page control on one of
// the pages has them otherwise.
void TPageControl::updateTabKeys()
{
    bool elsewhere = false;
    for (int i = 0; i < pageCount(); ++i)
        elsewhere = elsewhere || (i != m_active && isTabVisible(i));
    m_nextTabKey->setEnabled(elsewhere);
    m_priorTabKey->setEnabled(elsewhere);
}

void TPageControl::markActiveTab()
{
    for (int i = 0; i < pageCount(); ++i)
        m_tabs[i]->setChecked(i == m_active);
}
