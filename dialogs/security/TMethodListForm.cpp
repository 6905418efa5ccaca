#include "dialogs/security/TMethodListForm.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidgetItem>

namespace {

namespace Aac = AacDialogTables;
namespace Column = Aac::MethodColumn;
using F = DedicatedField;

constexpr char kRowStatusList[] = "RowStatusComboBox";
constexpr std::pair<const char *, const char *> kDefaults[] = {{kRowStatusList, "createAndGo"}};
constexpr char kDefaultList[] = "default";
constexpr char kNameFormat[] = "%s{l15}";
constexpr char kIneffective[] =
    "Method(s) after method local and none is(are) ineffective. Do you want to change your configurations?";
// The switch keeps its own list; Edit may not destroy it where Delete may not.
constexpr char kDefaultKept[] = "The method list named default can not be deleted.";

} // namespace

const TMethodListForm::Texts TMethodListForm::loginTexts{
    "Login Method List",
    &Aac::loginMethodLists,
    {
        {Column::Name, "ListnameEdit", "AAC Login Method List Name", F::Edit, kNameFormat},
        {Column::RowStatus, kRowStatusList, "MethodList RowStatus", F::DropDown},
        {Column::Type1, "ComboBoxType1", "Method1 Type", F::DropDown},
        {Column::Group1, "Server1Edit", "Method1 ServerGroup", F::Edit, kNameFormat},
        {Column::Type2, "ComboBoxType2", "Method2 Type", F::DropDown},
        {Column::Group2, "Server2Edit", "Method2 ServerGroup", F::Edit, kNameFormat},
        {Column::Type3, "ComboBoxType3", "Method3 Type", F::DropDown},
        {Column::Group3, "Server3Edit", "Method3 ServerGroup", F::Edit, kNameFormat},
        {Column::Type4, "ComboBoxType4", "Method4 Type", F::DropDown},
        {Column::Group4, "Server4Edit", "Method4 ServerGroup", F::Edit, kNameFormat},
    },
    "AAC Login Method List Name must be set.",
    "Has already a record with the same Login Method List Name. Please Change Login Method List Name.",
};

const TMethodListForm::Texts TMethodListForm::enableTexts{
    "Enable Method List",
    &Aac::enableMethodLists,
    {
        {Column::Name, "NameEdit", "Enable MethodList Name", F::Edit, kNameFormat},
        {Column::RowStatus, kRowStatusList, "Enable MethodList RowStatus", F::DropDown},
        {Column::Type1, "Type1ComboBox", "Enable Method1 Type", F::DropDown},
        {Column::Group1, "ServerGroupEdit1", "Enable Method1 ServerGroup", F::Edit, kNameFormat},
        {Column::Type2, "Type2ComboBox", "Enable Method2 Type", F::DropDown},
        {Column::Group2, "ServerGroupEdit2", "Enable Method2 ServerGroup", F::Edit, kNameFormat},
        {Column::Type3, "Type3ComboBox", "Enable Method3 Type", F::DropDown},
        {Column::Group3, "ServerGroupEdit3", "Enable Method3 ServerGroup", F::Edit, kNameFormat},
        {Column::Type4, "Type4ComboBox", "Enable Method4 Type", F::DropDown},
        {Column::Group4, "ServerGroupEdit4", "Enable Method4 ServerGroup", F::Edit, kNameFormat},
    },
    "Enable MethodList Name must be set.",
    "Has already a record with the same Enable MethodList Name. Please Change Enable MethodList Name.",
};

TMethodListForm::TMethodListForm(QWidget *parent, const Texts &texts)
    : TAclTableForm(parent, {.caption = texts.caption,
                             .table = texts.table,
                             .fields = texts.fields,
                             .rowStatusColumn = Column::RowStatus,
                             .refreshButton = "btnRefresh",
                             .addButton = "btnAdd",
                             .deleteButton = "btnDelete",
                             .editButton = "btnEdit",
                             .defaults = kDefaults,
                             .countText = "StaticText1"}),
      m_texts(texts)
{
    if (!rowStatus())
        return; // creation failed
    for (int method = 0; method < Aac::methodsPerList; ++method) {
        typeList(method)->setCurrentIndex(-1);
        connect(typeList(method), &QComboBox::currentIndexChanged, this, [this] { followTypes(); });
    }
    // Only the user's change of a type empties its group: a selected row's
    // groups stay, so an Edit that keeps a server-group method keeps its group,
    // and choosing the type a method already has changes nothing.
    connect(tableBinding(), &QxSNMPRequest2Edits::controlChanged, this, [this](int column) {
        for (int method = 0; method < Aac::methodsPerList; ++method) {
            if (column != Aac::typeColumn(method))
                continue;
            const int type = typeList(method)->currentIndex();
            if (type != m_types[size_t(method)])
                groupEdit(method)->clear();
            m_types[size_t(method)] = type;
        }
    });
    followTypes();
    noteTypes();
}

void TMethodListForm::noteTypes()
{
    for (int method = 0; method < Aac::methodsPerList; ++method)
        m_types[size_t(method)] = typeList(method)->currentIndex();
}

bool TMethodListForm::groupsNamed()
{
    for (int method = 0; method < Aac::methodsPerList; ++method) {
        if (typeList(method)->currentIndex() != Aac::typeServerGroup || !groupEdit(method)->text().isEmpty())
            continue;
        const int column = Aac::groupColumn(method);
        const auto field = std::find_if(std::begin(m_texts.fields), std::end(m_texts.fields),
                                        [column](const DedicatedField &f) { return f.column == column; });
        inform(QStringLiteral("%1 must be set.").arg(QString::fromLatin1(field->caption)));
        groupEdit(method)->setFocus();
        return false;
    }
    return true;
}

bool TMethodListForm::given(int method) const
{
    const QString type = typeList(method)->currentText();
    return !type.isEmpty() && type != QLatin1String(Aac::typeOther);
}

bool TMethodListForm::destroying() const
{
    return rowStatus()->currentIndex() == Aac::rowDestroy;
}

void TMethodListForm::followTypes()
{
    for (int method = 0; method < Aac::methodsPerList; ++method)
        groupEdit(method)->setEnabled(typeList(method)->currentIndex() == Aac::typeServerGroup);
}

void TMethodListForm::rowSelected(QxSNMPRequest2Edits &binding, QTreeWidgetItem *row)
{
    TAclTableForm::rowSelected(binding, row);
    followTypes();
    noteTypes();
    m_readTypes = m_types;
    if (row && row->text(Column::Name) == QLatin1String(kDefaultList))
        control<QPushButton>("btnDelete")->setEnabled(false);
}

bool TMethodListForm::terminalMethodsAccepted()
{
    m_skipped.clear();
    int terminal = -1;
    bool ineffective = false;
    for (int method = 0; method < Aac::methodsPerList; ++method) {
        if (!given(method))
            continue;
        const int type = typeList(method)->currentIndex();
        if (terminal >= 0)
            ineffective = true;
        else if (type == Aac::typeLocal || type == Aac::typeNone)
            terminal = method;
    }
    if (!ineffective)
        return true;
    if (messages().confirm(this, QStringLiteral("Confirm"), QString::fromLatin1(kIneffective)))
        return false;
    for (int method = terminal + 1; method < Aac::methodsPerList; ++method)
        m_skipped << Aac::typeColumn(method) << Aac::groupColumn(method);
    return true;
}

QList<int> TMethodListForm::methodExclusions(Other other) const
{
    QList<int> out = m_skipped;
    for (int method = 0; method < Aac::methodsPerList; ++method) {
        // "other" goes out only where the user set it: the switch then drops the method.
        const bool otherAsRead = !given(method) && typeList(method)->currentIndex() == m_readTypes[size_t(method)];
        if (other == Other::LeftOut ? !given(method) : typeList(method)->currentText().isEmpty() || otherAsRead)
            out << Aac::typeColumn(method);
        if (typeList(method)->currentIndex() != Aac::typeServerGroup)
            out << Aac::groupColumn(method);
    }
    return out;
}

bool TMethodListForm::addAccepted()
{
    return passes({
               {[this] { return idEdit()->text().isEmpty(); }, m_texts.nameMissing, idEdit()},
               {[this] { return keysListed(); }, m_texts.duplicate, idEdit()},
               {[this] { return rowStatus()->currentIndex() != Aac::rowCreateAndGo; }, "Row State must be createAndGo.",
                rowStatus()},
           })
           && groupsNamed() && terminalMethodsAccepted();
}

bool TMethodListForm::editAccepted()
{
    if (!passes({{[this] { return idEdit()->text().isEmpty(); }, m_texts.nameMissing, idEdit()}}))
        return false;
    if (destroying())
        return passes({{[this] { return idEdit()->text() == QLatin1String(kDefaultList); }, kDefaultKept}});
    return groupsNamed() && terminalMethodsAccepted();
}

QList<int> TMethodListForm::editExclusions()
{
    // A destroy goes with the first method's type alone.
    if (destroying()) {
        QList<int> later;
        for (int column = Column::Group1; column <= Column::Group4; ++column)
            later << column;
        return later;
    }
    // A method set to "other" is written so: the switch drops it from the list.
    return methodExclusions(Other::Written) << Column::RowStatus;
}
