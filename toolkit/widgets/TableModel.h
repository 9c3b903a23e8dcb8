// The model side of the own-drawn table: the event it hands to its model listeners and
// the model that keeps those listeners.
#pragma once

#include <vector>

#include "toolkit/window/Listeners.h"

class TableModel;

// A change of rows or of a check box. The event code is the notification code
// (LVN_ITEMCHANGED, or 0 for a check-box change).
class TableModelEvent : public EventObject {
public:
    static constexpr int kRowsChanged = 3;
    static constexpr int kCheckBoxChanged = 4;

    TableModelEvent(TableModel* model_, int code, int column_, int firstRow_, int lastRow_, int type_)
        : EventObject(model_, code, 0),
          model(model_),
          column(column_),
          firstRow(firstRow_),
          lastRow(lastRow_),
          type(type_) {}

    TableModel* model;
    int column;
    int firstRow;
    int lastRow;
    int type;
};

class TableModelListener : public EventListener {
public:
    virtual void tableChanged(TableModelEvent event) = 0;
};

class TableModel {
public:
    virtual ~TableModel() = default;

    // Adds the listener once; the model does not own it.
    void addTableModelListener(TableModelListener* listener);
    void removeTableModelListener(TableModelListener* listener);
    // Hands a copy of the event to every listener; nothing when there are none.
    void fireTableChanged(const TableModelEvent& event);

private:
    std::vector<TableModelListener*> mListeners;
};

class DefaultTableModel : public TableModel {};
