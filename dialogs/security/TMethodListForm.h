#pragma once

#include "dialogs/security/TAclTableForm.h"
#include "tables/AacDialogTables.h"

#include <array>

// The login and enable method lists: one dialog with two sets of names and
// texts. A list is a name and up to four methods tried in order; a method of
// the type "server-group" names its group in the edit beside it. Refresh,
// Add, Edit (which rewrites the selected list) and Delete; the list named
// "default" is the switch's own and cannot be deleted.
class TMethodListForm : public TAclTableForm
{
    Q_OBJECT

protected:
    // What the login and enable dialogs differ in.
    struct Texts
    {
        const char *caption;
        const QxDescriptorTable *table;
        // The name edit, the row status, then each method's type and group.
        DedicatedField fields[AacDialogTables::MethodColumn::Count];
        const char *nameMissing;
        const char *duplicate;
    };
    static const Texts loginTexts;
    static const Texts enableTexts;

    TMethodListForm(QWidget *parent, const Texts &texts);

    bool addAccepted() override;
    QList<int> addExclusions() override { return methodExclusions(Other::LeftOut); }
    bool editAccepted() override;
    QList<int> editExclusions() override;
    void editorCleared() override { followTypes(); }
    void rowSelected(QxSNMPRequest2Edits &binding, QTreeWidgetItem *row) override;

private:
    QComboBox *typeList(int method) const { return listOf(AacDialogTables::typeColumn(method)); }
    QLineEdit *groupEdit(int method) const { return editOf(AacDialogTables::groupColumn(method)); }
    // A method is given unless its type is empty or "other".
    bool given(int method) const;
    bool destroying() const;
    // Methods after the first local or none one are never tried: the user
    // may go back and change the list (false), or write it without them.
    bool terminalMethodsAccepted();
    // What a list is written without: methods without a type, those of type
    // "other" unless the user set it on an existing list, groups of methods that are no server
    // group, and the methods left out after a local or none one.
    enum class Other { LeftOut, Written };
    QList<int> methodExclusions(Other other) const;
    // A server-group method needs its group's name; refused with a box otherwise.
    bool groupsNamed();
    // The types as the editor shows them now, to tell the user's real change of one.
    void noteTypes();
    // Each group edit is open only for a server-group method.
    void followTypes();

    const Texts &m_texts;
    QList<int> m_skipped;
    std::array<int, AacDialogTables::methodsPerList> m_types{};
    // The selected row's types as read.
    std::array<int, AacDialogTables::methodsPerList> m_readTypes{};
};
