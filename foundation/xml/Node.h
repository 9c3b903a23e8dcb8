// A node of the XML tree: parent, first child and sibling links. A node owns its
// children; deleting it deletes its whole subtree.
#pragma once

#include <cstddef>

#include "foundation/xml/TreeMemory.h"

class Node {
public:
    Node() = default;
    virtual ~Node();
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;

    // Nodes of every kind come from the tree's own memory: a document has many of them.
    static void* operator new(std::size_t size) { return TreeMemory::allocate(size); }
    static void operator delete(void* block, std::size_t size) noexcept { TreeMemory::release(block, size); }

    Node* getParent() const { return mParent; }
    Node* getFirstChild() const { return mFirstChild; }
    Node* getNextSibling() const { return mNextSibling; }
    Node* getPreviousSibling() const { return mPreviousSibling; }
    void setParent(Node* parent) { mParent = parent; }

    // Makes the node (and any siblings that follow it) the first child. A different
    // previous first child is deleted; its siblings stay, after the new ones.
    void setFirstChild(Node* child);
    // Links the node (and its followers) after this one. A different previous next
    // sibling is deleted; the siblings after it stay, after the new ones.
    void setNextSibling(Node* sibling);
    // Links the node after the last sibling of this one.
    void addSibling(Node* node);
    void appendChild(Node* child);
    // where: 0 before the reference, 1 after it, 2 as first child; 3, no children, or
    // a reference that is not a child of this node append.
    void insertChild(Node* node, Node* reference, int where);

    // Position among the children from 0; -1 when not a child.
    int indexOfChild(const Node* child) const;
    // Unlinks the child without deleting it; false when it is not a child.
    bool removeChild(Node* child);
    bool deleteChild(Node* child);
    // deleteChild here, else in each child's subtree; false when nowhere below.
    bool deleteDescendant(Node* node);
    void deleteChildren();
    // The number of ancestors (0 for a root).
    int getDepth() const;

private:
    // Takes the node out of wherever it hangs, so that it can be linked anew.
    static void detach(Node* node);
    // Links the chain starting at `first` below this node, after `previous` (null: at
    // the front); the nodes from `following` on come after the chain.
    void linkChain(Node* first, Node* previous, Node* following);

    Node* mParent = nullptr;
    Node* mFirstChild = nullptr;
    Node* mLastChild = nullptr;  // kept so that appending stays cheap for long lists
    Node* mNextSibling = nullptr;
    Node* mPreviousSibling = nullptr;
};
