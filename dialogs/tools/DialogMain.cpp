// nx2400p-dialog: opens one generic configuration dialog against an agent, for
// trying the dialog by hand (usually against the switch simulator):
//
//   nx2400p-sim --listen udp:127.0.0.1:1161 &
//   nx2400p-dialog --port 1161 --page trust
//
// Pages: "trust" (a table with Add, Edit and Delete), "device" (scalars with a
// drop-down list), "vlan" (one table row with port-list rows), "interfaces" (a
// read-only table).
// --grab FILE saves a picture of the dialog once its first read is done and ends.
#include <QTreeWidget>

#include "binding/QxSNMPRequest2Edits.h"
#include "dialogs/generic/Guiconfigform.h"
#include "snmp/QxOptionList.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPSession.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace {

constexpr QxOptionPair kRowStatusPairs[] = {{1, "active"},        {2, "notInService"}, {3, "notReady"},
                                            {4, "createAndGo"},   {5, "createAndWait"}, {6, "destroy"},
                                            {0, nullptr}};
constexpr QxOptionPair kEnabledPairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};

constexpr QxSNMPVarItem kTrustHosts[] = {
    {"EnterpriseBase.12.1.2.10.1.1.1", "Index", QxSyntax::integer, QxAccess::notaccess},
    {"EnterpriseBase.12.1.2.10.1.1.2", "IP Address", QxSyntax::ipaddress, QxAccess::readwrite},
    {"EnterpriseBase.12.1.2.10.1.1.4", "Subnet Mask", QxSyntax::ipaddress, QxAccess::readwrite},
    {"EnterpriseBase.12.1.2.10.1.1.3", "Row Status", QxSyntax::integer, QxAccess::readwrite},
    {},
};

constexpr QxSNMPVarItem kDevice[] = {
    {"EnterpriseBase.11.63.7.2.1.1.2", "Port Count", QxSyntax::integer, QxAccess::readonly},
    {"EnterpriseBase.11.63.7.2.1.2.20", "Timeout", QxSyntax::integer, QxAccess::readwrite},
    {"EnterpriseBase.11.63.7.2.1.2.7", "Telnet State", QxSyntax::integer, QxAccess::readwrite},
    {"EnterpriseBase.11.63.7.2.1.2.5", "Management VLAN", QxSyntax::integer, QxAccess::readwrite},
    {},
};

// One row of the static VLAN table (VLAN 1): port lists edited in their window.
constexpr QxSNMPVarItem kVlanRow[] = {
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "VLAN Name", QxSyntax::displaystr, QxAccess::readwrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", QxSyntax::octetstr, QxAccess::readwrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.4", "Untagged Ports", QxSyntax::octetstr, QxAccess::readonly},
    {},
};

constexpr QxSNMPVarItem kInterfaces[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", QxSyntax::integer, QxAccess::notaccess},
    {"1.3.6.1.2.1.2.2.1.2", "Description", QxSyntax::displaystr, QxAccess::readonly},
    {"1.3.6.1.2.1.2.2.1.3", "Type", QxSyntax::integer, QxAccess::readonly},
    {"1.3.6.1.2.1.2.2.1.5", "Speed", QxSyntax::guage, QxAccess::readonly},
    {},
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Opens one generic configuration dialog against an agent."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("address"), QStringLiteral("Agent address."), QStringLiteral("address"),
                      QStringLiteral("127.0.0.1")});
    parser.addOption({QStringLiteral("port"), QStringLiteral("Agent UDP port."), QStringLiteral("port"),
                      QStringLiteral("161")});
    parser.addOption({QStringLiteral("page"), QStringLiteral("trust, device, vlan or interfaces."), QStringLiteral("page"),
                      QStringLiteral("trust")});
    parser.addOption({QStringLiteral("grab"), QStringLiteral("Save a picture after the first read and end."),
                      QStringLiteral("file")});
    parser.process(app);

    try {
        initializeSession(QStandardPaths::writableLocation(QStandardPaths::TempLocation));
        defaultDevice.address = parser.value(QStringLiteral("address"));
        defaultDevice.port = quint16(parser.value(QStringLiteral("port")).toUInt());
        defaultSecurity.version = QxSNMPSecurity::V2c;

        const QxOptionList rowStatus(kRowStatusPairs);
        const QxOptionList enabled(kEnabledPairs);
        const QString page = parser.value(QStringLiteral("page"));
        TConfigForm form(nullptr);
        auto controller = std::make_unique<QxSNMPRequest2Edits>(&form);
        QxSNMPRequest2Edits *c = controller.get();
        if (page == QLatin1String("device")) {
            form.setWindowTitle(QStringLiteral("Device Control : ") + defaultDevice.address);
            c->varList() = QxSNMPVarList(kDevice, SVT_SV, 0);
            c->varList().item(2).optionList = &enabled;
            TSNMPEditorPanel *editor = form.CreateEditorPanel(std::move(controller));
            editor->setVarFormat(1, QStringLiteral("%i{n1x500l3}"));
            editor->editsPanel()->setWarning(QStringLiteral("Warning:The TPID is a global setting!"), Qt::red, 10);
        } else if (page == QLatin1String("vlan")) {
            form.setWindowTitle(QStringLiteral("VLAN 1 : ") + defaultDevice.address);
            c->varList() = QxSNMPVarList(kVlanRow, MVT_SV, 0);
            c->varList().setInstanceSuffix(QStringLiteral("1"));
            TSNMPEditorPanel *editor = form.CreateEditorPanel(std::move(controller));
            editor->makePortListRow(1, 12, 28);
            editor->makePortListRow(2, 12, 28);
        } else if (page == QLatin1String("interfaces")) {
            form.setWindowTitle(QStringLiteral("Interfaces : ") + defaultDevice.address);
            c->varList() = QxSNMPVarList(kInterfaces, MVT_FMV, 1);
            form.CreateListViewPanel(std::move(controller), -1, {}, -1, {});
        } else {
            form.setWindowTitle(QStringLiteral("Trust Host Table : ") + defaultDevice.address);
            c->varList() = QxSNMPVarList(kTrustHosts, MVT_UMV, 1);
            c->varList().item(3).optionList = &rowStatus;
            form.CreateListViewPanel(std::move(controller), 3, QStringLiteral("createAndGo"), 3,
                                     QStringLiteral("destroy"));
        }

        const QString grab = parser.value(QStringLiteral("grab"));
        if (grab.isEmpty())
            return form.exec();
        form.show();
        bool read = false;
        QObject::connect(c, &QxSNMPRequest2Controls::readDone, [&read] { read = true; });
        QTimer::singleShot(5000, [&read] { read = true; });
        while (!read)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        QApplication::processEvents();
        if (!form.grab().save(grab)) {
            std::fprintf(stderr, "cannot save %s\n", qPrintable(grab));
            return 1;
        }
        form.done(0);
        return 0;
    } catch (const QxSNMPException &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.text()));
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
    }
    return 1;
}
