// The layout both table downloaders share: a URL bar (label, one-line field, Analyze
// button) across the top and the table filling the window below a row of buttons.
#pragma once

#include <windows.h>

#include "texteditor/editor/TextEditor.h"
#include "toolkit/widgets/Button.h"
#include "toolkit/widgets/TableComponent.h"

// Where the table starts, below the URL bar and the button row.
constexpr int kDownloaderTableTop = 60;

// Creates the label, the field and the Analyze button at their opening places.
void createUrlBar(HWND dialog, TextEditor& field, Button& analyze);

// Stretches the field, keeps the Analyze button at the right edge and the table under
// the bars, for a client area of width x height.
void layOutUrlBarAndTable(TextEditor& field, Button& analyze, TableComponent& table, int width, int height);
