#include "foundation/xml/Node.h"

Node::~Node() {
    deleteChildren();
}

void Node::detach(Node* node) {
    if (node->mParent != nullptr) {
        node->mParent->removeChild(node);
    } else if (node->mPreviousSibling != nullptr) {
        node->mPreviousSibling->mNextSibling = nullptr;
        node->mPreviousSibling = nullptr;
    }
}

void Node::linkChain(Node* first, Node* previous, Node* following) {
    Node* last = first;
    for (Node* n = first; n != nullptr; n = n->mNextSibling) {
        n->mParent = this;
        last = n;
    }
    first->mPreviousSibling = previous;
    if (previous != nullptr) {
        previous->mNextSibling = first;
    } else {
        mFirstChild = first;
    }
    last->mNextSibling = following;
    if (following != nullptr) {
        following->mPreviousSibling = last;
    } else {
        mLastChild = last;
    }
}

void Node::setFirstChild(Node* child) {
    if (child == nullptr || child == mFirstChild) {
        if (child != nullptr) child->mParent = this;
        return;
    }
    detach(child);
    Node* following = nullptr;
    if (mFirstChild != nullptr) {
        Node* old = mFirstChild;
        following = old->mNextSibling;
        old->mParent = nullptr;
        old->mNextSibling = nullptr;
        delete old;
        if (following != nullptr) following->mPreviousSibling = nullptr;
    }
    mFirstChild = nullptr;
    linkChain(child, nullptr, following);
}

void Node::setNextSibling(Node* sibling) {
    if (sibling == nullptr || sibling == mNextSibling || sibling == this) return;
    detach(sibling);
    Node* following = nullptr;
    if (mNextSibling != nullptr) {
        Node* old = mNextSibling;
        following = old->mNextSibling;
        old->mParent = nullptr;
        old->mPreviousSibling = nullptr;
        old->mNextSibling = nullptr;
        delete old;
    }
    if (mParent != nullptr) {
        mParent->linkChain(sibling, this, following);
        return;
    }
    // Siblings without a parent: a bare chain.
    Node* last = sibling;
    for (Node* n = sibling; n != nullptr; n = n->mNextSibling) last = n;
    mNextSibling = sibling;
    sibling->mPreviousSibling = this;
    last->mNextSibling = following;
    if (following != nullptr) following->mPreviousSibling = last;
}

void Node::addSibling(Node* node) {
    Node* last = this;
    if (mParent != nullptr && mParent->mLastChild != nullptr) {
        last = mParent->mLastChild;
    } else {
        while (last->mNextSibling != nullptr) last = last->mNextSibling;
    }
    last->setNextSibling(node);
}

void Node::appendChild(Node* child) {
    if (child == nullptr) return;
    if (mFirstChild == nullptr) {
        setFirstChild(child);
        return;
    }
    detach(child);
    child->mNextSibling = nullptr;
    linkChain(child, mLastChild, nullptr);
}

void Node::insertChild(Node* node, Node* reference, int where) {
    if (node == nullptr || node == reference) return;
    if (mFirstChild == nullptr || reference == nullptr || where == 3 || reference->mParent != this) {
        appendChild(node);
        return;
    }
    detach(node);
    node->mNextSibling = nullptr;
    switch (where) {
    case 2: linkChain(node, nullptr, mFirstChild); break;
    case 0: linkChain(node, reference->mPreviousSibling, reference); break;
    case 1: linkChain(node, reference, reference->mNextSibling); break;
    default: linkChain(node, mLastChild, nullptr); break;
    }
}

int Node::indexOfChild(const Node* child) const {
    int index = 0;
    for (const Node* n = mFirstChild; n != nullptr; n = n->mNextSibling, ++index) {
        if (n == child) return index;
    }
    return -1;
}

bool Node::removeChild(Node* child) {
    if (child == nullptr || child->mParent != this) return false;
    if (child->mPreviousSibling != nullptr) {
        child->mPreviousSibling->mNextSibling = child->mNextSibling;
    } else {
        mFirstChild = child->mNextSibling;
    }
    if (child->mNextSibling != nullptr) {
        child->mNextSibling->mPreviousSibling = child->mPreviousSibling;
    } else {
        mLastChild = child->mPreviousSibling;
    }
    child->mParent = nullptr;
    child->mPreviousSibling = nullptr;
    child->mNextSibling = nullptr;
    return true;
}

bool Node::deleteChild(Node* child) {
    if (!removeChild(child)) return false;
    delete child;
    return true;
}

bool Node::deleteDescendant(Node* node) {
    if (deleteChild(node)) return true;
    for (Node* n = mFirstChild; n != nullptr; n = n->mNextSibling) {
        if (n->deleteDescendant(node)) return true;
    }
    return false;
}

void Node::deleteChildren() {
    Node* n = mFirstChild;
    mFirstChild = nullptr;
    mLastChild = nullptr;
    while (n != nullptr) {
        Node* next = n->mNextSibling;
        n->mParent = nullptr;
        n->mPreviousSibling = nullptr;
        n->mNextSibling = nullptr;
        delete n;
        n = next;
    }
}

int Node::getDepth() const {
    int depth = 0;
    for (const Node* n = mParent; n != nullptr; n = n->mParent) ++depth;
    return depth;
}
