#include "common/widgets/TPageControl.h"

#include <QHBoxLayout>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

TPageControl::TPageControl(QWidget* parent) : QWidget(parent), m_stack(new QStackedWidget(this))
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_stack, 1);
    m_tabRow = new QHBoxLayout;
    m_tabRow->setContentsMargins(2, 0, 2, 2);
    m_tabRow->setSpacing(0);
    m_tabRow->addStretch(1);
    column->addLayout(m_tabRow);
}

int TPageControl::addPage(QWidget* page, const QString& caption)
{
    const int index = pageCount();
    m_stack->addWidget(page);
    auto* tab = new QToolButton(this);
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
    emit changed();
}

void TPageControl::setTabVisible(int index, bool visible)
{
    m_tabs.at(index)->setVisible(visible);
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

void TPageControl::markActiveTab()
{
    for (int i = 0; i < pageCount(); ++i)
        m_tabs[i]->setChecked(i == m_active);
}
