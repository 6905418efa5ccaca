#pragma once

#include "binding/QxListView.h"
#include "binding/QxPrintedRows.h"

class QxVlanMatrix;

// The VLAN-by-port matrix as switch web pages show it: a row per VLAN (its ID
// and name), a column per port, each cell "U" (untagged member), "T" (tagged
// member) or empty. A cell the user changed stands out (bold, on a colour of
// its own, with what the switch holds in its tooltip) until the switch holds
// it. A click on a port's cell, or the space key on it, reports the cell.
// Printed, a row is the VLAN ID and a cell per port, "-" for an empty one.
class TVlanMatrixView final : public QxListView, public QxPrintedRows
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TVlanMatrixView)
public:
    enum Column : int { VlanId, Name, FirstPort };

    explicit TVlanMatrixView(QWidget *parent = nullptr);
    ~TVlanMatrixView() override;

    static int columnOf(int port) { return FirstPort + port - 1; }
    // The port of a column; 0 for the VLAN's own columns.
    static int portOf(int column) { return column >= FirstPort ? column - FirstPort + 1 : 0; }

    // The rows as the matrix is now (rows kept where they are, so that the
    // view does not jump).
    void fill(const QxVlanMatrix &matrix);
    // Every port's column as wide as the widest, as a matrix's are.
    void evenPortColumns();

    QStringList printedRow(int row) const override;

signals:
    void portCellClicked(int row, int port);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
