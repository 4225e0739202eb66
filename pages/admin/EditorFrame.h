#pragma once

class QTreeWidget;
class QWidget;
class TDedicatedPage;

// The frame of a table page edited in place: the list above the entry panel with a splitter between,
// and on the right the row counter over Refresh, Edit, Add, Delete and Close.
struct TEditorFrame {
    QTreeWidget* List;
    QWidget* Entry;
};
TEditorFrame BuildEditorFrame(TDedicatedPage& page, QWidget* client, const char* counterName, const char* closeName);
