#pragma once

// The overlap forest of the events being laid out: each event hangs under the earlier event
// it overlaps, so its depth is its column and each top-level tree is one side-by-side group.
// Nodes are named by the index of their record in the view's record list.

#include <vector>

class TEventForest
{
public:
    void clear();
    bool isEmpty() const { return m_nodes.empty(); }
    int count() const { return static_cast<int>(m_nodes.size()); }

    // Adds the node of `record` as a new top-level tree.
    void addRoot(int record);
    // Adds the node of `record` as the last child of the node of `parentRecord`.
    void addChild(int parentRecord, int record);

    // The depth of a record's node, 0 for a top-level node.
    int depth(int record) const;
    bool hasChildren(int record) const;
    bool isRoot(int record) const { return depth(record) == 0; }
    // All records, in depth-first order (each node before its children, siblings in order).
    std::vector<int> depthFirst() const;

private:
    struct Node
    {
        int record;
        int depth;
        std::vector<int> children; // node indices
    };
    int nodeOf(int record) const;
    void add(int record, int depth);

    std::vector<Node> m_nodes;
    std::vector<int> m_roots;        // node indices
    std::vector<int> m_nodeOfRecord; // -1 where a record has no node
};
