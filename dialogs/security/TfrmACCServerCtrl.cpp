#include "dialogs/security/TfrmACCServerCtrl.h"

#include "tables/AacDialogTables.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QTime>

namespace {

namespace Column = AacDialogTables::GroupServerColumn;

constexpr DedicatedField kFields[] = {
    {Column::Group, "edtGroupName", "Group Name", DedicatedField::Edit, "%s{l16}"},
    {Column::Address, "edtIPAddr", "IP Address", DedicatedField::Edit, "%s{l16}"},
    {Column::Protocol, "cbAuthProtocol", "Auth Protocol", DedicatedField::DropDown},
    {Column::RowState, "cbRowState", "Row State", DedicatedField::DropDown},
};

// The local time as the system writes it, without its time zone.
QString localTime()
{
    const QLocale system = QLocale::system();
    QString format = system.timeFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("\\s*t+")));
    return system.toString(QTime::currentTime(), format.trimmed());
}

} // namespace

TfrmACCServerCtrl::TfrmACCServerCtrl(QWidget *parent)
    : TDedicatedForm(parent, {.caption = "AAC Servr Control", .status = StatusOutput::StatusBar, .size = {440, 200}})
{
    runCreation([this] {
        m_groupServers = &addBinding(AacDialogTables::groupServers, {.synchronous = true});
        addFields(*m_groupServers, kFields);
        addButton("Set", "btnSet", [this] { set(); });
        addButton("Close", "btnClose", [this] { reject(); });
        refreshBinding(m_groupServers);
    });
    emptyControls();
}

void TfrmACCServerCtrl::emptyControls()
{
    for (const DedicatedField &f : kFields) {
        if (auto *edit = control<QLineEdit>(f.objectName))
            edit->clear();
        else if (auto *list = control<QComboBox>(f.objectName))
            list->setCurrentIndex(-1);
    }
}

void TfrmACCServerCtrl::set()
{
    const auto anyEmpty = [this] {
        for (const DedicatedField &f : kFields) {
            const auto *edit = control<QLineEdit>(f.objectName);
            const auto *list = control<QComboBox>(f.objectName);
            if ((edit && edit->text().isEmpty()) || (list && list->currentIndex() < 0))
                return true;
        }
        return false;
    };
    if (!passes({{anyEmpty, "Don't Leave Empty Fileds !"}}, Report::Status)
        || !validAddress(control<QLineEdit>("edtIPAddr")))
        return;
    if (!write({.binding = m_groupServers, .readBack = DedicatedWrite::ReadBack::Never})) {
        inform(QStringLiteral("Set entry failed!"));
        return;
    }
    const QString written = QStringLiteral("Set: Ok!. Receive at ") + localTime() + QLatin1Char('.');
    // The entry is set whatever the read that follows brings; a failed read
    // is said as such, after the write's own outcome.
    const bool readBack = refreshBinding(m_groupServers);
    emptyControls();
    if (readBack)
        showStatusText(written, false);
    else
        showStatusText(written + QStringLiteral(" Reading the entries again failed: ") + statusPanelText());
}
