// Lets an XML tree pane be the page of a tabbed pane, whose pages are components: the
// host fills its area with the tree pane and passes the tree's notifications upwards.
#pragma once

#include "toolkit/widgets/XmlTreePane.h"
#include "toolkit/window/Component.h"

class TreePaneHost : public Component {
public:
    explicit TreePaneHost(XmlTreePane& pane);
    ~TreePaneHost() override;

    bool onCreate() override;
    LRESULT onSize(WPARAM wParam, LPARAM lParam) override;
    LRESULT windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    XmlTreePane& mPane;
};
