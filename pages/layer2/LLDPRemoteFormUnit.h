#pragma once

#include "DedicatedPage.h"

class NewRequest2Edits3;
class QTreeWidget;

// "LLDP Remote System Data Remote Table": the neighbours the switch has learnt through LLDP, read only.
class TLLDPRemoteForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TLLDPRemoteForm(QWidget* owner);

    QTreeWidget* ListView1;
    NewRequest2Edits3* RemoteRequest = nullptr;
};
