#include "binding/QxSNMPRequest2Edits.h"

#include "binding/QxListView.h"
#include "binding/QxMultiEditCodec.h"
#include "binding/QxRadioGroup.h"
#include "binding/QxSortKeyItem.h"
#include "format/QxEditFormat.h"
#include "snmp/QxHexText.h"
#include "snmp/QxNumList.h"
#include "snmp/QxOctetCodec.h"
#include "snmp/QxOptionList.h"
#include "snmp/QxPortList.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxValueCodec.h"

#include <algorithm>
#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRegularExpression>
#include <QTreeWidget>

using namespace QxSyntax;

namespace {

constexpr int kOutOfRange = 12;         // common table: index outside the list
constexpr int kBadSyntax = -517;        // the variable's syntax does not suit the control
constexpr int kNoOptionList = -520;
constexpr int kBadControl = -521;
constexpr int kTooFewControls = -522;

bool isBooleanSyntax(quint32 syntax)
{
    return syntax == boolean || syntax == bool8 || syntax == bool16;
}

QString toValue(const QxOptionList *options, const QString &text)
{
    return options ? options->textToValue(text) : text;
}

QString toWords(const QxOptionList *options, const QString &value)
{
    return options ? options->valueToText(value) : value;
}

int buttonIndex(const QButtonGroup *group)
{
    return int(group->buttons().indexOf(group->checkedButton()));
}

void selectButton(QButtonGroup *group, int index)
{
    const QList<QAbstractButton *> buttons = group->buttons();
    if (index >= 0 && index < buttons.size()) {
        buttons.at(index)->setChecked(true);
        return;
    }
    const bool exclusive = group->exclusive();
    group->setExclusive(false);
    for (QAbstractButton *b : buttons)
        b->setChecked(false);
    group->setExclusive(exclusive);
}

void setControlText(QObject *control, const QString &text)
{
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        edit->setText(text);
    else if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(text);
    else
        QxSNMPException::raiseFramework(kBadControl);
}

QString controlText(const QObject *control)
{
    if (auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->text();
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    QxSNMPException::raiseFramework(kBadControl);
}

// Lays a part over a value at a byte offset, extending the value with zero
// octets as far as the part needs.
void overlay(QByteArray &raw, int offset, const QByteArray &part)
{
    if (raw.size() < offset + part.size())
        raw.append(QByteArray(offset + part.size() - raw.size(), '\0'));
    for (int k = 0; k < part.size(); ++k)
        raw[offset + k] = part.at(k);
}

} // namespace

QxSNMPRequest2Edits::QxSNMPRequest2Edits(QWidget *owner)
    : QxSNMPRequest2Controls(owner), m_constraint(std::make_unique<QxEditConstraint>(owner, true))
{
}

QxSNMPRequest2Edits::~QxSNMPRequest2Edits()
{
    // No reply may reach the hooks below while the bindings are taken apart.
    shutDown();
    for (QMetaObject::Connection &c : m_listConnections)
        QObject::disconnect(c);
    for (auto &b : m_bindings)
        for (QMetaObject::Connection &c : b->connections)
            QObject::disconnect(c);
    m_bindings.clear();
    m_constraint->removeAll();
}

// ---------------------------------------------------------------- binding

QxSNMPRequest2Edits::Kind QxSNMPRequest2Edits::kindOf(const QObject *control)
{
    if (qobject_cast<const QxRadioGroup *>(control))
        return Kind::RadioGroup;
    if (qobject_cast<const QLabel *>(control))
        return Kind::Label;
    if (qobject_cast<const QCheckBox *>(control))
        return Kind::CheckBox;
    if (qobject_cast<const QComboBox *>(control))
        return Kind::ComboBox;
    if (qobject_cast<const QButtonGroup *>(control))
        return Kind::ButtonGroup;
    if (qobject_cast<const QLineEdit *>(control))
        return Kind::Edit;
    return Kind::Other;
}

const QxOptionList *QxSNMPRequest2Edits::optionsOf(const Binding &b) const
{
    return b.options ? b.options : varList().item(b.position).optionList;
}

QList<QLineEdit *> QxSNMPRequest2Edits::edits(const Binding &b) const
{
    QList<QLineEdit *> result;
    for (const QPointer<QObject> &c : b.controls)
        if (auto *e = qobject_cast<QLineEdit *>(c.data()))
            result << e;
    return result;
}

QxSNMPRequest2Edits::Binding &QxSNMPRequest2Edits::addBinding(int position, const QList<QObject *> &controls)
{
    auto b = std::make_unique<Binding>();
    b->position = position;
    b->syntax = varList().item(position).syntax;
    for (QObject *c : controls)
        b->controls << QPointer<QObject>(c);
    m_bindings.push_back(std::move(b));
    return *m_bindings.back();
}

void QxSNMPRequest2Edits::connectHandler(Binding &b, QObject *control)
{
    const int position = b.position;
    const auto changed = [this, position] { emit controlChanged(position); };
    switch (kindOf(control)) {
    case Kind::CheckBox:
        b.connections << connect(static_cast<QCheckBox *>(control), &QCheckBox::clicked, this, changed);
        break;
    case Kind::ComboBox:
        b.connections << connect(static_cast<QComboBox *>(control), &QComboBox::activated, this, changed);
        break;
    case Kind::RadioGroup:
        b.connections << connect(static_cast<QxRadioGroup *>(control), &QxRadioGroup::itemClicked, this, changed);
        break;
    case Kind::ButtonGroup:
        b.connections << connect(static_cast<QButtonGroup *>(control), &QButtonGroup::buttonClicked, this, changed);
        break;
    default:
        break;
    }
}

void QxSNMPRequest2Edits::fillChoices(const Binding &b, QObject *control)
{
    const QxOptionList *options = optionsOf(b);
    if (!options)
        QxSNMPException::raiseFramework(kNoOptionList);
    const QStringList texts = options->texts();
    if (auto *combo = qobject_cast<QComboBox *>(control)) {
        const QSignalBlocker quiet(combo);
        combo->clear();
        combo->addItems(texts);
        combo->setCurrentIndex(-1);
    } else if (auto *radio = qobject_cast<QxRadioGroup *>(control)) {
        radio->setItems(texts);
    } else if (auto *group = qobject_cast<QButtonGroup *>(control)) {
        // A group of existing buttons: as many choices as there are buttons.
        const QList<QAbstractButton *> buttons = group->buttons();
        for (int k = 0; k < buttons.size(); ++k) {
            buttons.at(k)->setVisible(k < texts.size());
            if (k < texts.size())
                buttons.at(k)->setText(texts.at(k));
        }
    }
}

void QxSNMPRequest2Edits::bindControl(int position, QObject *control, QObject *second)
{
    if (position < 0 || position >= varList().count() || !control)
        QxSNMPException::raiseCommon(kOutOfRange);
    const Kind kind = kindOf(control);
    const QxOptionList *options = varList().item(position).optionList;
    if (kind == Kind::ComboBox || kind == Kind::RadioGroup || kind == Kind::ButtonGroup) {
        if (!options)
            QxSNMPException::raiseFramework(kNoOptionList);
        if (kind == Kind::ComboBox && options->valueType() == QxOptionList::StringPrefixes && !second)
            QxSNMPException::raiseFramework(kTooFewControls);
    }
    QList<QObject *> controls{control};
    if (second)
        controls << second;
    Binding &b = addBinding(position, controls);
    if (kind == Kind::ComboBox || kind == Kind::RadioGroup || kind == Kind::ButtonGroup)
        fillChoices(b, control);
    connectHandler(b, control);
}

void QxSNMPRequest2Edits::bindDropDownList(int position, QComboBox *combo, QObject *second)
{
    if (combo)
        combo->setEditable(false);
    bindControl(position, combo, second);
}

void QxSNMPRequest2Edits::bindFormatted(int position, const QString &format, const QList<QLineEdit *> &edits)
{
    if (position < 0 || position >= varList().count())
        QxSNMPException::raiseCommon(kOutOfRange);
    const int needed = QxEditFormat::editCount(format);
    if (needed == 0) {
        // A format that names no edit is malformed; parsing says how.
        QxEditFormat::parse(format);
        QxSNMPException::raiseCommon(QxEditFormat::BadFormatEntry);
    }
    if (edits.size() < needed || edits.mid(0, needed).contains(nullptr))
        QxSNMPException::raiseFramework(kTooFewControls);
    const QList<QLineEdit *> taken = edits.mid(0, needed);
    m_constraint->registerFormat(format, taken);
    QList<QObject *> controls;
    for (QLineEdit *e : taken)
        controls << e;
    addBinding(position, controls);
}

void QxSNMPRequest2Edits::bindFormatted(int position, const QString &format, QLineEdit *edit)
{
    bindFormatted(position, format, QList<QLineEdit *>{edit});
}

void QxSNMPRequest2Edits::bindBits(int position, const QString &bitList, const QList<QCheckBox *> &boxes)
{
    bindBitList(position, bitList, boxes.mid(0, 8));
}

void QxSNMPRequest2Edits::bindBitList(int position, const QString &bitList, const QList<QCheckBox *> &boxes)
{
    if (position < 0 || position >= varList().count())
        QxSNMPException::raiseCommon(kOutOfRange);
    const QxNumList<int> bits(bitList, QLatin1Char(','));
    if (boxes.isEmpty() || boxes.size() > bits.count() || boxes.contains(nullptr))
        QxSNMPException::raiseFramework(kTooFewControls);
    QList<QObject *> controls;
    for (QCheckBox *box : boxes)
        controls << box;
    Binding &b = addBinding(position, controls);
    for (int k = 0; k < boxes.size(); ++k)
        b.bits << bits.at(k);
    for (QCheckBox *box : boxes)
        connectHandler(b, box);
}

void QxSNMPRequest2Edits::release(Binding &b)
{
    for (QMetaObject::Connection &c : b.connections)
        QObject::disconnect(c);
    b.connections.clear();
    for (QLineEdit *e : edits(b)) {
        // An edit shared with another binding keeps its constraint.
        bool shared = false;
        for (const auto &other : m_bindings)
            if (other.get() != &b && edits(*other).contains(e))
                shared = true;
        if (!shared)
            m_constraint->remove(e);
    }
}

void QxSNMPRequest2Edits::unbindVariable(int position)
{
    for (auto it = m_bindings.begin(); it != m_bindings.end();) {
        if ((*it)->position == position) {
            release(**it);
            it = m_bindings.erase(it);
        } else {
            ++it;
        }
    }
}

bool QxSNMPRequest2Edits::isBound(int position) const
{
    for (const auto &b : m_bindings)
        if (b->position == position)
            return true;
    return false;
}

void QxSNMPRequest2Edits::enableControls(bool enabled)
{
    for (const auto &b : m_bindings) {
        for (const QPointer<QObject> &c : b->controls) {
            if (auto *w = qobject_cast<QWidget *>(c.data()))
                w->setEnabled(enabled);
            else if (auto *group = qobject_cast<QButtonGroup *>(c.data()))
                for (QAbstractButton *button : group->buttons())
                    button->setEnabled(enabled);
        }
    }
}

// ---------------------------------------------------------------- showing

void QxSNMPRequest2Edits::showValues(int position)
{
    for (size_t i = 0; i < m_bindings.size(); ++i) {
        Binding &b = *m_bindings[i];
        if (position == AllVariables || b.position == position) {
            showBinding(b);
            noteShown(b);
        }
    }
}

QString QxSNMPRequest2Edits::controlsState(const Binding &b)
{
    if (!b.bits.isEmpty())
        return QString::fromLatin1(collectBits(b).toHex());
    return partText(b);
}

void QxSNMPRequest2Edits::noteShown(Binding &b)
{
    b.shownUnset.reset();
    const QxSNMPVariable &v = varList().item(b.position);
    if (v.has(QxAccess::invalid) || v.valueText != QxValueCodec::nullText() || !varList().isWritable(b.position))
        return;
    try {
        b.shownUnset = controlsState(b);
    } catch (const QxSNMPException &) {
        // Controls that give no value: nothing to compare with later.
    }
}

bool QxSNMPRequest2Edits::leftUnset(int position)
{
    if (varList().item(position).valueText != QxValueCodec::nullText())
        return false;
    bool any = false;
    for (const auto &b : m_bindings) {
        if (b->position != position)
            continue;
        if (!b->shownUnset || controlsState(*b) != *b->shownUnset)
            return false;
        any = true;
    }
    return any;
}

void QxSNMPRequest2Edits::showBits(const Binding &b, const QString &value)
{
    const QByteArray octets = QxOctetCodec::textToOctets(value, b.syntax);
    for (int k = 0; k < b.controls.size() && k < b.bits.size(); ++k) {
        auto *box = qobject_cast<QCheckBox *>(b.controls.at(k).data());
        if (!box)
            continue;
        const int n = b.bits.at(k);
        // A switch may send fewer octets than there are boxes (4 octets for 28
        // ports shown in 64 boxes): the bits it did not send are clear.
        box->setChecked(n >= 0 && n / 8 < octets.size() && QxPortList::bit(octets, n));
    }
}

void QxSNMPRequest2Edits::showBinding(const Binding &b)
{
    const QxSNMPVariable &v = varList().item(b.position);
    if (v.has(QxAccess::invalid))
        return;
    QString value = toValue(v.optionList, v.valueText);
    if (b.offset != 0 || b.syntax != v.syntax) {
        const QByteArray part = QxOctetCodec::extractPart(QxOctetCodec::textToOctets(value, v.syntax), b.offset, b.syntax);
        value = QxOctetCodec::octetsToText(part, b.syntax);
    }
    const QxOptionList *options = optionsOf(b);
    const QString display = toWords(options, value);

    if (!b.bits.isEmpty()) {
        showBits(b, value);
        return;
    }
    QObject *control = b.controls.value(0).data();
    if (!control)
        return;
    switch (kindOf(control)) {
    case Kind::Label:
        static_cast<QLabel *>(control)->setText(display);
        return;
    case Kind::CheckBox: {
        bool checked;
        if (options) {
            int index = options->findByText(display);
            if (index < 0)
                index = options->findByValue(value);
            checked = index > 0;
        } else if (isBooleanSyntax(b.syntax))
            checked = display.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
        else
            QxSNMPException::raiseFramework(kBadSyntax);
        static_cast<QCheckBox *>(control)->setChecked(checked);
        return;
    }
    case Kind::ComboBox: {
        auto *combo = static_cast<QComboBox *>(control);
        const int index = options ? options->selectionIndex(display) : -1;
        combo->setCurrentIndex(index);
        if (QObject *second = b.controls.value(1).data()) {
            QString rest = display;
            if (index >= 0)
                rest = display.mid(options->item(index).text.size());
            if (b.syntax == objectid && rest.startsWith(QLatin1Char('.')))
                rest.remove(0, 1);
            setControlText(second, rest);
        }
        return;
    }
    case Kind::RadioGroup:
        static_cast<QxRadioGroup *>(control)->setItemIndex(options ? options->selectionIndex(display) : -1);
        return;
    case Kind::ButtonGroup:
        selectButton(static_cast<QButtonGroup *>(control), options ? options->selectionIndex(display) : -1);
        return;
    case Kind::Edit: {
        const QList<QLineEdit *> boxes = edits(b);
        if (boxes.size() != b.controls.size())
            QxSNMPException::raiseFramework(kBadControl);
        if (boxes.size() == 1)
            boxes.first()->setText(display);
        else
            QxMultiEditCodec::show(boxes, b.syntax, value, display);
        // What the program shows is what a failed exit check goes back to.
        for (QLineEdit *e : boxes)
            m_constraint->remember(e);
        return;
    }
    case Kind::Other:
        break;
    }
    QxSNMPException::raiseFramework(kBadControl);
}

// ---------------------------------------------------------------- collecting

QByteArray QxSNMPRequest2Edits::collectBits(const Binding &b) const
{
    QByteArray written;
    for (int k = 0; k < b.controls.size() && k < b.bits.size(); ++k) {
        auto *box = qobject_cast<QCheckBox *>(b.controls.at(k).data());
        if (box && b.bits.at(k) >= 0)
            QxPortList::setBit(written, b.bits.at(k), box->isChecked());
    }
    return written;
}

QString QxSNMPRequest2Edits::partText(const Binding &b)
{
    const QxOptionList *options = optionsOf(b);
    QObject *control = b.controls.value(0).data();
    if (!control)
        QxSNMPException::raiseFramework(kBadControl);
    switch (kindOf(control)) {
    case Kind::Label:
        return toValue(options, static_cast<QLabel *>(control)->text());
    case Kind::CheckBox: {
        const bool checked = static_cast<QCheckBox *>(control)->isChecked();
        if (options) {
            if (options->count() < 2)
                QxSNMPException::raiseFramework(kNoOptionList);
            return toValue(options, options->item(checked ? 1 : 0).text);
        }
        if (isBooleanSyntax(b.syntax))
            return QString::fromLatin1(checked ? "true" : "false");
        QxSNMPException::raiseFramework(kBadSyntax);
    }
    case Kind::ComboBox: {
        auto *combo = static_cast<QComboBox *>(control);
        QString text = combo->currentIndex() >= 0 ? combo->itemText(combo->currentIndex()) : combo->currentText();
        if (QObject *second = b.controls.value(1).data()) {
            if (b.syntax == objectid)
                text += QLatin1Char('.');
            text += controlText(second);
        }
        return toValue(options, text);
    }
    case Kind::RadioGroup: {
        auto *radio = static_cast<QxRadioGroup *>(control);
        const int index = radio->itemIndex();
        return toValue(options, index >= 0 ? radio->items().at(index) : QString());
    }
    case Kind::ButtonGroup: {
        auto *group = static_cast<QButtonGroup *>(control);
        const int index = buttonIndex(group);
        return toValue(options, index >= 0 ? group->buttons().at(index)->text() : QString());
    }
    case Kind::Edit: {
        const QList<QLineEdit *> boxes = edits(b);
        if (boxes.size() != b.controls.size())
            QxSNMPException::raiseFramework(kBadControl);
        if (boxes.size() == 1)
            return toValue(options, boxes.first()->text());
        return toValue(options, QxMultiEditCodec::collect(boxes, b.syntax));
    }
    case Kind::Other:
        break;
    }
    QxSNMPException::raiseFramework(kBadControl);
}

void QxSNMPRequest2Edits::collectVariable(int position)
{
    QxSNMPVarList &list = varList();
    if (position < 0 || position >= list.count() || !list.isWritable(position) || leftUnset(position))
        return;
    QxSNMPVariable &v = list.item(position);

    // The current octets are needed only under a part (bits, or a byte range);
    // a control that shows the whole value replaces it.
    QByteArray raw;
    bool haveRaw = false;
    bool any = false;
    QString wholeText;
    bool textual = false;
    const auto current = [&]() -> QByteArray & {
        if (!haveRaw) {
            raw = v.syntax == displaystr ? QByteArray()
                                         : QxOctetCodec::textToOctets(toValue(v.optionList, v.valueText), v.syntax);
            haveRaw = true;
        }
        return raw;
    };

    for (size_t i = 0; i < m_bindings.size(); ++i) {
        const Binding &b = *m_bindings[i];
        if (b.position != position)
            continue;
        any = true;
        if (!b.bits.isEmpty()) {
            overlay(current(), b.offset, collectBits(b));
            textual = false;
            continue;
        }
        const QString part = partText(b);
        if (b.offset == 0 && b.syntax == v.syntax) {
            // An empty control gives an empty text: an empty octet string is not
            // "no value", and an empty key is no row index (not row 0).
            if (part.isEmpty()) {
                textual = true;
                wholeText = part;
                continue;
            }
            raw = QxOctetCodec::textToOctets(part, b.syntax);
            haveRaw = true;
            textual = false;
        } else {
            overlay(current(), b.offset, QxOctetCodec::textToOctets(part, b.syntax));
            textual = false;
        }
    }
    if (!any)
        return;
    const QString text = textual ? wholeText : QxOctetCodec::octetsToText(raw, v.syntax);
    v.valueText = toWords(v.optionList, text);
}

void QxSNMPRequest2Edits::collectValues(int position)
{
    if (position != AllVariables) {
        collectVariable(position);
        return;
    }
    for (int i = 0; i < varList().count(); ++i)
        collectVariable(i);
}

// ---------------------------------------------------------------- list view

void QxSNMPRequest2Edits::bindListView(QTreeWidget *listView, bool enableOnSelect)
{
    for (QMetaObject::Connection &c : m_listConnections)
        QObject::disconnect(c);
    m_listConnections.clear();
    m_listView = listView;
    m_enableOnSelect = enableOnSelect;
    m_columnFitter.reset();
    if (!listView)
        return;
    m_columnFitter = std::make_unique<QxColumnFitter>(listView);
    QxListView::makeReportStyle(listView);
    if (auto *ours = qobject_cast<QxListView *>(listView))
        ours->setGridLines(true);
    m_listConnections << connect(listView, &QTreeWidget::itemSelectionChanged, this,
                                 &QxSNMPRequest2Edits::listSelectionChanged);
    buildColumns();
}

void QxSNMPRequest2Edits::buildColumns()
{
    QTreeWidget *lv = m_listView;
    if (!lv)
        return;
    const QxSNMPVarList &list = varList();
    QList<int> columns;
    for (int i = 0; i < list.count(); ++i)
        if (list.isInHiddenGroup(i))
            columns << i;
    const int hidden = int(columns.size());
    for (int i = 0; i < list.count(); ++i)
        if (list.isVisible(i))
            columns << i;
    m_columnVariables = columns;
    m_portListColumns.clear();
    for (int i : columns)
        m_portListColumns << holdsPortList(i);
    if (lv->columnCount() >= columns.size() && lv->columnCount() > 0)
        return;
    QStringList captions;
    for (int i : columns)
        captions << list.item(i).caption;
    lv->clear();
    lv->setColumnCount(int(columns.size()));
    lv->setHeaderLabels(captions);
    m_columnFitter->reset(hidden);
}

bool QxSNMPRequest2Edits::holdsPortList(int position) const
{
    const QxSNMPVariable &v = varList().item(position);
    if (v.syntax != QxSyntax::bitstr && v.syntax != QxSyntax::octetstr)
        return false;
    // Edited in a port picker: a check box per port, more than one octet's worth.
    for (const auto &b : m_bindings)
        if (b->position == position && b->bits.size() > 8)
            return true;
    // Otherwise the name tells ("Egress Ports", "Port List", "Router Port Map",
    // "Rule Port"), but not "Port Capabilities", "Port ID" or "QinQ Port TPID".
    static const QRegularExpression named(QStringLiteral("\\bports\\b|\\bport ?(list|map)?$"),
                                          QRegularExpression::CaseInsensitiveOption);
    return named.match(v.caption).hasMatch();
}

void QxSNMPRequest2Edits::addListRow()
{
    const QxSNMPVarList &list = varList();
    QStringList texts;
    for (int i : m_columnVariables)
        texts << (i < list.count() ? list.item(i).valueText : QString());
    auto row = std::make_unique<QxSortKeyItem>(texts);
    for (qsizetype k = 0; k < m_columnVariables.size(); ++k) {
        if (!m_portListColumns.value(k))
            continue;
        const QString value = texts.at(k);
        const QString hex = QString(value).remove(QLatin1Char(' '));
        if (hex.isEmpty() || !QxHexText::isDigits(hex))
            continue;
        row->setData(int(k), CellValueRole, value);
        row->setText(int(k), QxPortList::rangesOfHex(hex));
        row->setToolTip(int(k), value);
    }
    // Rows of a report never have children: the view then skips asking for
    // them each time it lays out its rows.
    row->setFlags(row->flags() | Qt::ItemNeverHasChildren);
    // Where the row is: a write to it tells what it held there.
    row->setData(0, RowInstanceRole, request().readRowInstance());
    if (!asynchronous()) {
        m_listView->addTopLevelItem(row.release());
        return;
    }
    // An asynchronous walk always ends in afterRead or readFailed, which show
    // what is still pending.
    m_pendingRows.push_back(std::move(row));
}

void QxSNMPRequest2Edits::showPendingRows()
{
    m_sinceRowsShown.restart();
    if (m_pendingRows.empty() || !m_listView)
        return;
    QList<QTreeWidgetItem *> rows;
    rows.reserve(qsizetype(m_pendingRows.size()));
    for (auto &row : m_pendingRows)
        rows << row.release();
    m_pendingRows.clear();
    const bool first = m_listView->topLevelItemCount() == 0;
    m_listView->addTopLevelItems(rows);
    // The first rows of a walk show what the columns hold; the walk's end fits
    // them once more.
    if (first && m_columnFitter)
        m_columnFitter->fit();
}

void QxSNMPRequest2Edits::copySelectedRow()
{
    if (!m_listView)
        return;
    const QList<QTreeWidgetItem *> selected = m_listView->selectedItems();
    if (selected.isEmpty())
        return;
    const QTreeWidgetItem *row = selected.first();
    const QString instance = row->data(0, RowInstanceRole).toString();
    QxSNMPVarList &list = varList();
    for (int k = 0; k < m_columnVariables.size() && k < m_listView->columnCount(); ++k) {
        const int i = m_columnVariables.at(k);
        if (i >= list.count())
            continue;
        QxSNMPVariable &v = list.item(i);
        const QVariant value = row->data(k, CellValueRole);
        v.valueText = value.isValid() ? value.toString() : row->text(k);
        const bool held = !instance.isEmpty() && v.valueText != QxValueCodec::nullText()
                          && v.valueText != QxValueCodec::notDoneText();
        v.readText = held ? v.valueText : QString();
        v.readOid = held ? list.baseOid(i) + QLatin1Char('.') + instance : QString();
    }
}

bool QxSNMPRequest2Edits::rowSelected() const
{
    return m_listView && !m_listView->selectedItems().isEmpty();
}

void QxSNMPRequest2Edits::showKeysReadOnly(bool readOnly)
{
    const QxSNMPVarList &list = varList();
    if (!list.isTableKind())
        return;
    for (const auto &b : m_bindings) {
        if (b->position >= list.keyCount())
            continue;
        for (QLineEdit *e : edits(*b)) {
            e->setReadOnly(readOnly);
            QPalette p = e->palette();
            p.setColor(QPalette::Base, readOnly ? e->palette().color(QPalette::Button) : QColor(Qt::white));
            e->setPalette(p);
        }
    }
}

void QxSNMPRequest2Edits::listSelectionChanged()
{
    if (!m_listView || shuttingDown())
        return;
    const QList<QTreeWidgetItem *> selected = m_listView->selectedItems();
    // A slot must not let an exception through: errors are shown like a read's.
    try {
        listViewSelectItem(selected.isEmpty() ? nullptr : selected.first(), !selected.isEmpty());
    } catch (const QxSNMPException &e) {
        QxSNMPError error;
        error.code = e.code();
        error.message = e.text();
        readFailed(error);
    }
}

void QxSNMPRequest2Edits::listViewSelectItem(QTreeWidgetItem *item, bool selected)
{
    // The row a write acts on is the selected one: its key is not the user's
    // to change while it is selected.
    showKeysReadOnly(item && selected);
    if (!item || !selected)
        return;
    if (m_enableOnSelect)
        enableControls(true);
    copySelectedRow();
    showValues(AllVariables);
}

// ---------------------------------------------------------------- hooks

void QxSNMPRequest2Edits::markRefused(int position)
{
    clearMarks();
    QWidget *first = nullptr;
    for (const auto &b : m_bindings) {
        if (b->position != position)
            continue;
        for (const QPointer<QObject> &c : b->controls) {
            auto *w = qobject_cast<QWidget *>(c.data());
            if (!w)
                continue;
            Marked mark{w, w->palette(), {}};
            QPalette refused = w->palette();
            refused.setColor(QPalette::Base, QColor(0xFF, 0xD7, 0xDC));
            refused.setColor(QPalette::Button, QColor(0xFF, 0xD7, 0xDC));
            w->setPalette(refused);
            const auto unmark = [this, w] {
                for (qsizetype k = 0; k < m_marked.size(); ++k) {
                    if (m_marked[k].control == w) {
                        w->setPalette(m_marked[k].palette);
                        QObject::disconnect(m_marked[k].changed);
                        m_marked.removeAt(k);
                        return;
                    }
                }
            };
            if (auto *edit = qobject_cast<QLineEdit *>(w))
                mark.changed = connect(edit, &QLineEdit::textEdited, this, unmark);
            else if (auto *combo = qobject_cast<QComboBox *>(w))
                mark.changed = connect(combo, &QComboBox::activated, this, unmark);
            else if (auto *box = qobject_cast<QAbstractButton *>(w))
                mark.changed = connect(box, &QAbstractButton::clicked, this, unmark);
            m_marked << mark;
            if (!first && w->isEnabled() && w->isVisible())
                first = w;
        }
    }
    if (first)
        first->setFocus(Qt::OtherFocusReason);
}

bool QxSNMPRequest2Edits::isMarkedRefused(const QWidget *control) const
{
    for (const Marked &m : m_marked)
        if (m.control == control)
            return true;
    return false;
}

void QxSNMPRequest2Edits::clearMarks()
{
    for (Marked &m : m_marked) {
        QObject::disconnect(m.changed);
        if (m.control)
            m.control->setPalette(m.palette);
    }
    m_marked.clear();
}

void QxSNMPRequest2Edits::beforeWrite()
{
    clearMarks();
    QxSNMPRequest2Controls::beforeWrite();
}

void QxSNMPRequest2Edits::beforeRead()
{
    if (!m_listView)
        return;
    buildColumns();
    m_pendingRows.clear();
    m_sinceRowsShown.invalidate();
    m_showRowsEveryMs = 25;
    m_listView->clear();
}

void QxSNMPRequest2Edits::rowRead()
{
    if (!m_listView) {
        showValues(AllVariables);
        return;
    }
    addListRow();
    // Rows appear while the walk goes on, a few times a second. Input waits for
    // the next reply, so nothing the user does can close the window under this
    // row's completion.
    if (m_sinceRowsShown.isValid() && m_sinceRowsShown.elapsed() < m_showRowsEveryMs)
        return;
    QElapsedTimer cost;
    cost.start();
    showPendingRows();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    // Showing rows takes at most a fifth of the walk, however long the list is.
    constexpr qint64 MinimumShowEveryMs = 25;
    constexpr qint64 MaximumShowEveryMs = 1000;
    m_showRowsEveryMs = std::clamp(4 * cost.elapsed(), MinimumShowEveryMs, MaximumShowEveryMs);
}

void QxSNMPRequest2Edits::collectValues()
{
    QxSNMPVarList &list = varList();
    const bool onRow = rowSelected() && !m_newRow;
    if (onRow) {
        copySelectedRow();
    } else if (m_listView && list.isTableKind()) {
        // Without a chosen row the keys must not stay those of the last row
        // read: a write then has no row index and is refused before sending.
        for (int i = 0; i < list.keyCount() && i < list.count(); ++i)
            if (!isBound(i))
                list.item(i).valueText.clear();
    }
    for (int i = 0; i < list.count(); ++i) {
        // A write to the selected row goes to its key as it was read, whatever
        // its key controls show.
        if (onRow && list.isTableKind() && i < list.keyCount())
            continue;
        collectVariable(i);
    }
}

void QxSNMPRequest2Edits::readFailed(const QxSNMPError &error)
{
    showPendingRows();
    if (m_columnFitter)
        m_columnFitter->fit();
    QxSNMPRequest2Controls::readFailed(error);
}

void QxSNMPRequest2Edits::afterRead()
{
    showPendingRows();
    if (m_columnFitter)
        m_columnFitter->fit();
    if (m_listView && m_enableOnSelect && varList().itemType() == MVT_FMV)
        enableControls(false);
}
