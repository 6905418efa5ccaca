#include "dialogs/generic/TPortListForm.h"

#include "binding/QxSNMPRequest2Edits.h"
#include "dialogs/generic/TSNMPPanel.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <exception>

TPortListForm::TPortListForm(QWidget *owner, QxSNMPRequest2Edits &controller, int position, int columns,
                             int portCount)
    : QDialog(owner), m_controller(controller), m_position(position),
      m_writable(controller.varList().isWritable(position))
{
    setObjectName(QStringLiteral("PortListForm"));
    // No border icons: the window ends through its buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    setWindowTitle(controller.varList().item(position).caption);
    columns = std::max(1, columns);

    QStringList bits;
    int gridRight = 0;
    int lastBottom = Margin;
    for (int p = 1; p <= portCount; ++p) {
        auto *label = new QLabel(QString::number(p), this);
        label->adjustSize();
        auto *box = new QCheckBox(this);
        box->setObjectName(QStringLiteral("Port%1").arg(p));
        box->setFocusPolicy(Qt::ClickFocus);
        box->setEnabled(m_writable);
        const int boxHeight = box->sizeHint().height();
        const int column = (p - 1) % columns;
        const int row = (p - 1) / columns;
        const int left = Margin + column * CheckBoxWidth;
        const int top = Margin + row * (boxHeight + label->height());
        label->move(left, top);
        box->setGeometry(left, top + label->height(), CheckBoxWidth, boxHeight);
        // The first grid row (or the whole grid when it is shorter) sets the width.
        if (row == 0)
            gridRight = left + CheckBoxWidth;
        lastBottom = std::max(lastBottom, box->geometry().bottom() + 1);
        m_boxes << box;
        bits << QString::number(p - 1);
    }

    if (!m_boxes.isEmpty()) {
        controller.bindBitList(position, bits.join(QLatin1Char(',')), m_boxes);
        try {
            controller.showValues(position);
        } catch (const std::exception &) {
            controller.varList().item(position).valueText.clear();
            for (QCheckBox *box : m_boxes)
                box->setChecked(false);
        }
    }

    const int buttonTop = lastBottom + Margin;
    int left = Margin;
    int buttonBottom = buttonTop;
    const auto place = [&](const char *name, const char *caption) {
        auto *button = new QPushButton(QString::fromLatin1(caption), this);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        const QSize size = button->sizeHint();
        button->setGeometry(left, buttonTop, size.width(), size.height());
        left += size.width() + Margin;
        buttonBottom = std::max(buttonBottom, buttonTop + size.height());
        return button;
    };
    m_ok = place("btnOK", "OK");
    if (m_writable) {
        m_cancel = place("btnCancel", "Cancel");
        m_checkAll = place("btnCheckAll", "Check All");
        m_clearChecks = place("btnClearChecks", "Clear Checks");
        connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
        connect(m_checkAll, &QPushButton::clicked, this, [this] {
            for (QCheckBox *box : m_boxes)
                box->setChecked(true);
        });
        connect(m_clearChecks, &QPushButton::clicked, this, [this] {
            for (QCheckBox *box : m_boxes)
                box->setChecked(false);
        });
    }
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    // Wide enough for the grid, and for the buttons under it.
    const int width = std::max(gridRight, left - Margin) + Margin;
    setFixedSize(width, buttonBottom + Margin);
    TSNMPPanel::centreOnMainWindow(this);
    if (owner)
        move(owner->window()->geometry().center() - QPoint(width / 2, height() / 2));
}

void TPortListForm::accept()
{
    try {
        m_controller.collectValues(m_position);
    } catch (const std::exception &) {
        // The value stays as it was; the row shows it again.
    }
    QDialog::accept();
}
