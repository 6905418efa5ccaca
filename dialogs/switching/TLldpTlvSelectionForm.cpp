#include "dialogs/switching/TLldpTlvSelectionForm.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QStringList>

TLldpTlvSelectionForm::TLldpTlvSelectionForm(QWidget *parent, const char *caption, const Names &names, QLineEdit *tlvs)
    : TDedicatedForm(parent, {.caption = caption, .status = StatusOutput::None, .size = {360, 180}, .reopened = true}),
      m_names(names),
      m_tlvs(tlvs)
{
    int n = 0;
    for (const char *name : m_names) {
        if (!name)
            continue;
        auto *box = new QCheckBox(QString::fromLatin1(name));
        box->setObjectName(QStringLiteral("CheckBox%1").arg(++n));
        addToEditor(nullptr, box);
        m_boxes << box;
    }
    addButton("Set Checked", "btnSetChecked", [this] { setChecked(); });
    addButton("Close", "btnClose", [this] {
        uncheckAll();
        reject();
    });
}

void TLldpTlvSelectionForm::showEvent(QShowEvent *event)
{
    TDedicatedForm::showEvent(event);
    for (QCheckBox *box : m_boxes)
        box->setChecked(m_tlvs->text().contains(box->text()));
}

void TLldpTlvSelectionForm::setChecked()
{
    QStringList names;
    for (QCheckBox *box : m_boxes)
        if (box->isChecked())
            names << box->text();
    m_tlvs->setText(QLatin1Char(' ') + names.join(QLatin1Char(',')));
    uncheckAll();
    accept();
}

void TLldpTlvSelectionForm::uncheckAll()
{
    for (QCheckBox *box : m_boxes)
        box->setChecked(false);
}
