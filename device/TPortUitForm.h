#pragma once

#include <QList>
#include <QString>
#include <QWidget>

class QCheckBox;
class QTabWidget;

// The port picker that dialogs embed to edit a port list: one page per stack
// unit, each with 64 check boxes captioned with the port number, of which the
// unit's model shows as many as it has ports. The hosting dialog binds the
// check-box list, in list order, to one port-list object with the bit list
// allPortsBitList(), so box k of unit 1 is bit k, that is port k + 1.
//
//   auto *picker = new TPortUitForm(container);   // fills the container
//   picker->AddUnit("Unit1", TPortUitForm::PortsPerUnit, TPortUitForm::DefaultColumns);
//   picker->ShowUnit("1", "NX-2400P");            // boxes 1-28 visible
class TPortUitForm : public QWidget
{
    Q_OBJECT

public:
    static constexpr int PortsPerUnit = 64;
    static constexpr int DefaultColumns = 12;
    // With this file in the current folder the pages lay out ten columns.
    static constexpr const char *LayoutFile = "DeviceInfo.ini";
    static constexpr int FontPoints = 8;

    // Becomes a child of the container and fills it.
    explicit TPortUitForm(QWidget *container);

    QTabWidget *UnitPageControl() const { return m_unitPageControl; }

    // A page with a scroll box of portCount hidden check boxes; its tab stays hidden.
    void AddUnit(const QString &caption, int portCount, int columns);
    // Shows the page of the unit and the first boxes of it, as many as the
    // model has ports. A unit text that is no number, or a unit without a page,
    // leaves the picker as it was.
    void ShowUnit(const QString &unitText, const QString &modelName);
    // Unchecks every box of every unit, hidden ones too.
    void ClearAll();

    // A picker that shows a value it never writes: the boxes look as usual but
    // neither clicks nor keys change them; only the program does.
    void setReadOnly(bool on);
    bool isReadOnly() const { return m_readOnly; }

    // Every check box of every unit in creation order: unit u owns the entries
    // (u - 1) * 64 ... (u - 1) * 64 + 63.
    const QList<QCheckBox *> &checkBoxes() const { return m_checkBoxes; }
    // The unit pages in creation order: page u - 1 is unit u.
    const QList<QWidget *> &pages() const { return m_pages; }
    // The page's caption (the tab is never shown).
    QString pageCaption(int unit) const;
    // The check box of port p (from 1) of unit u (from 1), or null.
    QCheckBox *portBox(int unit, int port) const;

    // Ports of a switch model (compared without regard to case); 0 for others.
    static int portsOfModel(const QString &modelName);
    // "0,1,...,63": the bit list that binds one unit's boxes to a port list.
    static QString allPortsBitList();

    // The picker every dialog of this module shows: unit 1 of an NX-2400P.
    static TPortUitForm *createUnit1(QWidget *container);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyReadOnly(QCheckBox *box) const;

    QTabWidget *m_unitPageControl;
    QList<QCheckBox *> m_checkBoxes;
    QList<QWidget *> m_pages;
    QList<QWidget *> m_boxAreas;
    bool m_readOnly = false;
};
