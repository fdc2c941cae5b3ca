#include "desktop/EventForest.h"

#include <stdexcept>
#include <string>

void TEventForest::clear()
{
    m_nodes.clear();
    m_roots.clear();
    m_nodeOfRecord.clear();
}

int TEventForest::nodeOf(int record) const
{
    const int node =
        record >= 0 && record < static_cast<int>(m_nodeOfRecord.size()) ? m_nodeOfRecord[record] : -1;
    if (node < 0)
        throw std::out_of_range("No overlap node for event " + std::to_string(record));
    return node;
}

void TEventForest::add(int record, int depth)
{
    if (record < 0)
        throw std::out_of_range("Negative event index " + std::to_string(record));
    if (record >= static_cast<int>(m_nodeOfRecord.size()))
        m_nodeOfRecord.resize(static_cast<size_t>(record) + 1, -1);
    if (m_nodeOfRecord[record] >= 0)
        throw std::logic_error("Event " + std::to_string(record) + " is laid out twice");
    m_nodeOfRecord[record] = count();
    m_nodes.push_back({record, depth, {}});
}

void TEventForest::addRoot(int record)
{
    add(record, 0);
    m_roots.push_back(count() - 1);
}

void TEventForest::addChild(int parentRecord, int record)
{
    const int parent = nodeOf(parentRecord);
    add(record, m_nodes[parent].depth + 1);
    m_nodes[parent].children.push_back(count() - 1);
}

int TEventForest::depth(int record) const
{
    return m_nodes[nodeOf(record)].depth;
}

bool TEventForest::hasChildren(int record) const
{
    return !m_nodes[nodeOf(record)].children.empty();
}

std::vector<int> TEventForest::depthFirst() const
{
    std::vector<int> order;
    order.reserve(m_nodes.size());
    std::vector<int> pending(m_roots.rbegin(), m_roots.rend());
    while (!pending.empty()) {
        const Node& node = m_nodes[pending.back()];
        pending.pop_back();
        order.push_back(node.record);
        pending.insert(pending.end(), node.children.rbegin(), node.children.rend());
    }
    return order;
}
