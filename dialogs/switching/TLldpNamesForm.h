#pragma once

#include "binding/QxShownTextRequest2Edits.h"
#include "dialogs/dedicated/TDedicatedForm.h"

// What the read-only LLDP tables share: a list whose bit-map columns show the
// names of their set bits, a row count, Refresh and Close. Nothing is written.
class TLldpNamesForm : public TDedicatedForm
{
    Q_OBJECT

public:
    struct Spec
    {
        const char *caption;
        const QxDescriptorTable *table;
        const char *listName;
        QList<QxShownTextRequest2Edits::Column> named;
    };

    QxSNMPRequest2Edits *tableBinding() const { return m_table; }

protected:
    TLldpNamesForm(QWidget *parent, const Spec &spec);

private:
    QPointer<QxSNMPRequest2Edits> m_table;
};
