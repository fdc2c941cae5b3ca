#pragma once

// Pages with tabs along the bottom. A hidden tab hides only the tab: its page stays the
// active, showing page, which a tab widget cannot do. Switching by code changes the page
// silently; only the user's switch (a click on a tab, a tab's assistive press, Ctrl+Tab or
// Ctrl+Shift+Tab over the shown tabs) announces the change first, with the old page still
// active, so the handler can refuse it.

#include <QWidget>
#include <vector>

class QAbstractButton;
class QHBoxLayout;
class QShortcut;
class QStackedWidget;

class TPageControl : public QWidget
{
    Q_OBJECT
public:
    explicit TPageControl(QWidget* parent = nullptr);

    int addPage(QWidget* page, const QString& caption);
    int pageCount() const { return static_cast<int>(m_tabs.size()); }
    QWidget* page(int index) const;

    int ActivePageIndex() const { return m_active; }
    void setActivePageIndex(int index);

    void setTabVisible(int index, bool visible);
    bool isTabVisible(int index) const;
    void setTabCaption(int index, const QString& caption);
    QString tabCaption(int index) const;
    QAbstractButton* tabButton(int index) const { return m_tabs.at(index); }

signals:
    // Raised by the user's switch to another page, before it; clearing *allowChange keeps the page.
    void changing(bool* allowChange);
    void changed();

private:
    void tabClicked(int index);
    void markActiveTab();
    void stepToShownTab(int step);
    void updateTabKeys();

    QStackedWidget* m_stack;
    QHBoxLayout* m_tabRow;
    std::vector<QAbstractButton*> m_tabs;
    int m_active = -1;
    QShortcut* m_nextTabKey;
    QShortcut* m_priorTabKey;
};
