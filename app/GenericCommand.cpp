#include "app/GenericCommand.h"

#include "app/TMainForm.h"
#include "app/core/CommandRequest.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "dialogs/generic/Guiconfigform.h"

namespace {

constexpr int PortListColumns = 12;
constexpr int PortListPorts = 28;

} // namespace

QString GenericCommand::caption(const CommandRecord &record, const QString &address)
{
    return QString::fromLatin1(record.title) + QString::fromLatin1(record.joiner ? record.joiner : "") + address;
}

GenericCommand::GenericCommand(const CommandRecord &record, TMainForm &mainForm)
    : m_record(record), m_mainForm(mainForm)
{
}

std::unique_ptr<TConfigForm> GenericCommand::build()
{
    m_mainForm.setCommandTitle(QString::fromLatin1(m_record.title));
    auto owned = std::make_unique<TConfigForm>(&m_mainForm);
    TConfigForm &form = *owned;
    form.setWindowTitle(caption(m_record, m_mainForm.launchTexts().address));

    auto controller = std::make_unique<QxSNMPRequest2Edits>(&form);
    CommandRequest::prepare(m_record, controller->request());

    TSNMPEditorPanel *page = nullptr;
    if (m_record.shape == CommandShape::Table) {
        const int status = m_record.rowStatusColumn;
        const bool addsRows = status >= 0;
        TSNMPListViewPanel *table =
            form.CreateListViewPanel(std::move(controller), status, addsRows ? QStringLiteral("createAndGo") : QString(),
                                     status, addsRows ? QStringLiteral("destroy") : QString());
        if (m_record.editHidden)
            table->hideEdit();
        page = table;
    } else {
        page = form.CreateEditorPanel(std::move(controller));
    }

    for (const RowFormat *f = m_record.formats; f && f->format; ++f)
        page->setVarFormat(f->row, QString::fromLatin1(f->format));
    if (m_record.valueWidth > 0)
        page->setValueWidth(m_record.valueWidth);
    if (m_record.portListRow >= 0)
        page->makePortListRow(m_record.portListRow, PortListColumns, PortListPorts);
    if (m_record.warning)
        page->editsPanel()->setWarning(QString::fromLatin1(m_record.warning), QColor(255, 0, 0), 10);
    if (m_record.height > 0)
        form.resize(form.width(), m_record.height);
    return owned;
}
