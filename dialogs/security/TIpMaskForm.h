#pragma once

#include "dialogs/security/TAclTableForm.h"
#include "tables/AclDialogTables.h"

// The IP masks of the access lists and of the CPU filter: addresses, DSCP and
// one protocol with its options. What a new mask leaves out follows from its
// state, protocol and options; the CPU filter's mask also has ICMP and IGMP
// options and a user mask.
class TIpMaskForm : public TAclTableForm
{
    Q_OBJECT

protected:
    struct IpSpec
    {
        const char *caption;
        const QxDescriptorTable *table;
        std::span<const DedicatedField> fields;
        std::span<const std::pair<const char *, const char *>> defaults;
        const AclDialogTables::IpMaskColumns &columns;
        const std::span<const int> (&byProtocol)[AclDialogTables::Protocol::Count];
        QList<QxShownTextRequest2Edits::Column> shown = {};
    };
    explicit TIpMaskForm(QWidget *parent, const IpSpec &spec);

    bool addAccepted() override;
    QList<int> addExclusions() override;

private:
    // The CPU filter's mask: it has a user mask.
    bool cpu() const { return m_columns.userMask >= 0; }
    int item(int column) const;
    QString text(int column) const;

    const AclDialogTables::IpMaskColumns &m_columns;
    const std::span<const int> (&m_byProtocol)[AclDialogTables::Protocol::Count];
};
