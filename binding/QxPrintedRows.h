#pragma once

#include <QStringList>

// A list whose rows read differently as text than cell by cell (a matrix
// whose empty cells are memberships that are not there): whoever prints the
// list (the dialog driver) asks it for its rows, one text per cell as shown.
class QxPrintedRows
{
public:
    virtual ~QxPrintedRows() = default;
    virtual QStringList printedRow(int row) const = 0;

protected:
    QxPrintedRows() = default;
    QxPrintedRows(const QxPrintedRows &) = default;
    QxPrintedRows &operator=(const QxPrintedRows &) = default;
};
