#pragma once

#include "binding/QxSNMPRequest2Controls.h"
#include "snmp/QxSNMPError.h"

#include <QList>
#include <QStringList>
#include <initializer_list>
#include <memory>

// A controller for code that works with values rather than controls: it keeps
// what each read brings, the value texts of every row in list order (and each
// table row's instance), and reports failures of reads and writes only through
// its events, never in a box of its own.
class QxSNMPRequest2Rows final : public QxSNMPRequest2Controls
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QxSNMPRequest2Rows)
public:
    explicit QxSNMPRequest2Rows(QWidget *owner);
    ~QxSNMPRequest2Rows() override;

    // A read of the table that asks only for the columns shown (the keys
    // come with every row); the others read as they were.
    static std::unique_ptr<QxSNMPRequest2Rows> ofColumns(QWidget *owner, const QxDescriptorTable &table,
                                                         std::initializer_list<int> shown);

    // What the last read brought (cleared when a read begins).
    const QList<QStringList> &rows() const { return m_rows; }
    const QStringList &instances() const { return m_instances; }

    void beforeRead() override;
    void rowRead() override;
    void readFailed(const QxSNMPError &error) override;
    void writeFailed(const QxSNMPError &error) override;

private:
    QList<QStringList> m_rows;
    QStringList m_instances;
};
