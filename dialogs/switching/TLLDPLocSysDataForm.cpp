#include "dialogs/switching/TLLDPLocSysDataForm.h"

#include "binding/QxBitMapNames.h"
#include "tables/LldpDialogTables.h"

#include <QLabel>
#include <QLineEdit>

namespace {

namespace Column = LldpDialogTables::LocalSystemColumn;

constexpr DedicatedField kFields[] = {
    {Column::ChassisIdSubtype, "subtypeText", "Local Chassis ID Subtype", DedicatedField::Text},
    {Column::ChassisId, "IDText", "Local Chassis ID", DedicatedField::Text},
    {Column::SystemName, "sysNameText", "Local System Name", DedicatedField::Text},
    {Column::SystemDescription, "sysDescText", "Local System Description", DedicatedField::Text},
    {Column::CapabilitiesSupported, "ST_CapSupport", nullptr, DedicatedField::HiddenText},
    {Column::CapabilitiesEnabled, "ST_CapEnable", nullptr, DedicatedField::HiddenText},
};

} // namespace

TLLDPLocSysDataForm::TLLDPLocSysDataForm(QWidget *parent)
    : TDedicatedForm(parent, {.caption = "Local System Data", .status = StatusOutput::StatusBar, .size = {620, 260},
                              // A line each: chassis IDs and descriptions are long.
                              .editorFields = 1})
{
    runCreation([this] {
        m_system = &addBinding(LldpDialogTables::localSystem);
        addFields(*m_system, kFields);
        const auto readOnlyEdit = [this](const char *name, const char *caption) {
            auto *edit = new QLineEdit;
            edit->setObjectName(QString::fromLatin1(name));
            edit->setReadOnly(true);
            addToEditor(caption, edit);
            return edit;
        };
        QLineEdit *supported = readOnlyEdit("CapSupportEdit", "Local System Capabilities Supported");
        QLineEdit *enabled = readOnlyEdit("capEnableEdit", "Local System Capabilities Enabled");
        // Each completed read shows the capability maps as names.
        onReadDone(m_system, [this, supported, enabled](const QxSNMPError &) {
            supported->setText(QxBitMapNames::decode(control<QLabel>("ST_CapSupport")->text(),
                                                     LldpDialogTables::capabilities));
            enabled->setText(QxBitMapNames::decode(control<QLabel>("ST_CapEnable")->text(),
                                                   LldpDialogTables::capabilities));
        });
        addButton("Refresh", "btnRefresh", [this] { refreshBinding(m_system); });
        addButton("Close", "btnClose", [this] { reject(); });
        refreshBinding(m_system);
    });
}
