// The menus "Basic Configuration", "RMON", "Bridge", "VLAN" and "SNMP V3" as
// data: tree shape, record settings, descriptor arrays and their formats.

#include "format/QxEditFormat.h"
#include "snmp/QxKeyCodec.h"
#include "snmp/QxOptionList.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPVarList.h"
#include "tables/BasicConfigurationMenu.h"
#include "tables/BridgeMenu.h"
#include "tables/RmonMenu.h"
#include "tables/SnmpV3Menu.h"
#include "tables/VlanMenu.h"

#include <gtest/gtest.h>
#include "common/PlacedRecords.h"

#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>
#include <map>
#include <vector>

namespace {

const CommandGroup *const kGroups[] = {&basicConfigurationMenuGroup, &rmonMenuGroup, &bridgeMenuGroup,
                                       &vlanMenuGroup, &snmpV3MenuGroup};

using PlacedRecords::Placed;

const std::vector<Placed> &all()
{
    static const std::vector<Placed> placed = PlacedRecords::place(kGroups);
    return placed;
}

const CommandRecord *find(const QStringList &path)
{
    return PlacedRecords::find(all(), path);
}

bool isCommand(CommandShape s)
{
    return s == CommandShape::Editor || s == CommandShape::Table || s == CommandShape::Dedicated
        || s == CommandShape::Viewer || s == CommandShape::Action;
}

bool isGeneric(const CommandRecord &r)
{
    return r.shape == CommandShape::Editor || r.shape == CommandShape::Table;
}

int arrayLength(const QxSNMPVarItem *items)
{
    int n = 0;
    while (items[n].oid && n < 1000)
        ++n;
    return n;
}

QString where(const Placed &p)
{
    return p.path.join(QStringLiteral(" > "));
}

std::string str(const Placed &p)
{
    return where(p).toStdString();
}

QStringList topLevel(const CommandGroup &group, bool hidden)
{
    QStringList out;
    for (const CommandRecord *r = group.records; r->caption; ++r)
        if (r->depth == 0 && r->shape != CommandShape::Separator && r->hidden == hidden)
            out << QString::fromLatin1(r->caption);
    return out;
}

} // namespace

// ---------------------------------------------------------------------------
// Tree shape

TEST(CatalogueFirstHalf, GroupsAreWellFormedTrees)
{
    const QStringList tops{"Basic Configuration", "RMON", "Bridge", "VLAN", "SNMP V3"};
    for (int g = 0; g < 5; ++g) {
        const CommandGroup &group = *kGroups[g];
        EXPECT_EQ(QString::fromLatin1(group.topMenu), tops[g]);
        int previousDepth = 0;
        const CommandRecord *previous = nullptr;
        int n = 0;
        for (const CommandRecord *r = group.records; r->caption; ++r, ++n) {
            ASSERT_LT(n, 500) << "group " << group.topMenu << " has no terminator";
            EXPECT_GE(r->depth, 0);
            // A record may only go one level deeper, and only below a menu.
            if (r->depth > previousDepth) {
                EXPECT_EQ(r->depth, previousDepth + 1) << r->caption;
                ASSERT_NE(previous, nullptr);
                EXPECT_EQ(previous->shape, CommandShape::Menu) << r->caption;
            }
            if (!previous)
                EXPECT_EQ(r->depth, 0);
            previousDepth = r->depth;
            previous = r;
        }
        EXPECT_GT(n, 0);
    }
}

TEST(CatalogueFirstHalf, TopLevelItemsFollowTheMenuOutline)
{
    EXPECT_EQ(topLevel(basicConfigurationMenuGroup, false),
              (QStringList{"Agent Management", "Time Management", "System Log Management", "SMTP Management",
                           "Cable Diagnostics", "IF-MIB", "MIB II", "EtherLike-MIB", "Ping", "Trace Route",
                           "Save Changes", "Reboot"}));
    EXPECT_EQ(topLevel(basicConfigurationMenuGroup, true),
              (QStringList{"Moudle Basic Configuration", "Device Management", "Equipment Management", "Entity"}));
    EXPECT_EQ(topLevel(rmonMenuGroup, false), (QStringList{"RMON Control", "Statistics", "History", "Alarm/Event"}));
    EXPECT_EQ(topLevel(rmonMenuGroup, true), QStringList{"Probe Config"});
    EXPECT_EQ(topLevel(bridgeMenuGroup, false),
              (QStringList{"Spanning Tree Algorithm", "802.1d ", "Spanning Tree", "Transparent Bridge"}));
    EXPECT_TRUE(topLevel(bridgeMenuGroup, true).isEmpty());
    EXPECT_EQ(topLevel(vlanMenuGroup, false), (QStringList{"802.1P", "802.1Q", "QinQ", "VLAN Advertisement Table",
                                                           "VLAN Multiply Management"}));
    EXPECT_EQ(topLevel(vlanMenuGroup, true), (QStringList{"Protocol VLAN", "Double VLAN"}));
    EXPECT_EQ(topLevel(snmpV3MenuGroup, false),
              (QStringList{"SNMP Engine", "Message Processing and Dispatching", "SNMP Target MIB",
                           "User-based Security Model", "View-base Access Control Mode", "Notifications",
                           "Community"}));
    EXPECT_EQ(topLevel(snmpV3MenuGroup, true), QStringList{"Snmp Framework MIB"});
}

TEST(CatalogueFirstHalf, ShapeCounts)
{
    std::map<CommandShape, int> count;
    int hiddenCommands = 0;
    int separators = 0;
    for (const Placed &p : all()) {
        ++count[p.record->shape];
        if (isCommand(p.record->shape) && p.effectivelyHidden)
            ++hiddenCommands;
        if (p.record->shape == CommandShape::Separator)
            ++separators;
    }
    // Every viewer command of the catalogue is in these menus, and one of the
    // three single actions ("Reboot").
    EXPECT_EQ(count[CommandShape::Viewer], 22);
    EXPECT_EQ(count[CommandShape::Action], 1);
    EXPECT_EQ(count[CommandShape::Editor], 28);
    EXPECT_EQ(count[CommandShape::Table], 40);
    EXPECT_EQ(count[CommandShape::Dedicated], 16);
    EXPECT_EQ(hiddenCommands, 14);
    EXPECT_EQ(separators, 10);
}

TEST(CatalogueFirstHalf, CaptionsAreExact)
{
    EXPECT_NE(find({"Bridge", "802.1d "}), nullptr);
    EXPECT_NE(find({"Bridge", "802.1d ", "Information"}), nullptr);
    EXPECT_NE(find({"Bridge", "Spanning Tree", "STP Control "}), nullptr);
    EXPECT_NE(find({"VLAN", "QinQ", "QinQ  Global State Settings"}), nullptr);
    EXPECT_NE(find({"VLAN", "802.1Q", "802.1Q VLAN ", "Static Table"}), nullptr);
    EXPECT_NE(find({"VLAN", "802.1Q", "Static Filtering ", "Multicast Information"}), nullptr);
    EXPECT_NE(find({"VLAN", "802.1Q", "Forwarding/Filtering", "Filte"}), nullptr);
    EXPECT_NE(find({"Basic Configuration", "Moudle Basic Configuration"}), nullptr);
    EXPECT_NE(find({"Basic Configuration", "Agent Management", "Gratuitous ARP Management",
                    "Gratuitous ARP Management Infomation"}),
              nullptr);
    EXPECT_NE(find({"Basic Configuration", "Trace Route", "Trace Route Result Table"}), nullptr);
    EXPECT_NE(find({"SNMP V3", "View-base Access Control Mode", "Access Table"}), nullptr);
}

TEST(CatalogueFirstHalf, DialogCaptionsJoinTitleAndJoiner)
{
    auto caption = [](const QStringList &path) {
        const CommandRecord *r = find(path);
        return r ? QString::fromLatin1(r->title) + QString::fromLatin1(r->joiner) : QString();
    };
    EXPECT_EQ(caption({"SNMP V3", "Message Processing and Dispatching"}), "Message Processingand Dispatching: ");
    EXPECT_EQ(caption({"Basic Configuration", "Agent Management", "Trust Host", "Trust Host Table"}),
              "Trust Host Table : ");
    EXPECT_EQ(caption({"Basic Configuration", "IF-MIB", "IfX Table"}), "IfX Table: ");
    EXPECT_EQ(caption({"VLAN", "VLAN Advertisement Table"}), "VLAN Advertisement Table");
    EXPECT_EQ(caption({"VLAN", "VLAN Multiply Management"}), "VLAN Multiply Management :");
    EXPECT_EQ(caption({"RMON", "RMON Control"}), "RMON State : ");
    EXPECT_EQ(caption({"Basic Configuration", "System Log Management", "System Log Management"}),
              "System Log Mangement : ");
    EXPECT_EQ(caption({"Basic Configuration", "Agent Management", "Trust Host", "Delete All State"}),
              "Delete All Trust Host: ");
    EXPECT_EQ(caption({"Basic Configuration", "SMTP Management", "SMTP Control Table"}), "SMTP Control Table :");
    EXPECT_EQ(caption({"Basic Configuration", "Time Management", "Summer Time"}), "Summer Time : ");
    EXPECT_EQ(caption({"Bridge", "Spanning Tree", "STP Control "}), "STP Control: ");
    EXPECT_EQ(caption({"VLAN", "QinQ", "QinQ  Global State Settings"}), "QinQ Global State Settings: ");
    EXPECT_EQ(caption({"SNMP V3", "Notifications", "Notify Filter Entry Table"}), "Notify Filter Table: ");
    EXPECT_EQ(caption({"SNMP V3", "Community", "Community String Table"}), "SNMP Community Table: ");

    for (const Placed &p : all()) {
        const CommandRecord &r = *p.record;
        if (isGeneric(r) || r.shape == CommandShape::Dedicated) {
            EXPECT_TRUE(r.title && *r.title) << str(p);
            EXPECT_NE(r.joiner, nullptr) << str(p);
        }
    }
}

// ---------------------------------------------------------------------------
// Record settings

TEST(CatalogueFirstHalf, GenericRecordsHaveConsistentArrays)
{
    for (const Placed &p : all()) {
        const CommandRecord &r = *p.record;
        if (!isGeneric(r)) {
            EXPECT_EQ(r.items, nullptr) << str(p);
            continue;
        }
        ASSERT_NE(r.items, nullptr) << str(p);
        const int n = arrayLength(r.items);
        ASSERT_GT(n, 0) << str(p);
        ASSERT_LT(n, 1000) << str(p) << ": no terminator";
        EXPECT_LE(r.kind, MVT_UMV) << str(p);
        if (r.shape == CommandShape::Table)
            EXPECT_TRUE(r.kind == MVT_FMV || r.kind == MVT_UMV) << str(p);
        EXPECT_GE(r.keyCount, 0) << str(p);
        EXPECT_LE(r.keyCount, n) << str(p);
        if (r.kind == SVT_SV)
            EXPECT_EQ(r.keyCount, 0) << str(p);
        // The request copies every descriptor up to the terminator.
        const QxSNMPVarList list(r.items, r.kind, r.keyCount);
        EXPECT_EQ(list.count(), n) << str(p);
        EXPECT_LT(r.portListRow, n) << str(p);
        if (r.portListRow >= 0)
            EXPECT_EQ(r.items[r.portListRow].syntax, quint32(QxSyntax::bitstr)) << str(p);
        EXPECT_TRUE(r.height == 0 || r.height == 450) << str(p);
        EXPECT_TRUE(r.valueWidth == 0 || r.valueWidth == 150) << str(p);
        if (r.editHidden || r.warning)
            EXPECT_EQ(r.shape, CommandShape::Table) << str(p);
    }
}

TEST(CatalogueFirstHalf, DescriptorsUseKnownCodesAndKeysLead)
{
    const QSet<quint32> syntaxes{2, 3, 4, 6, 64, 65, 66, 67, 70, 73, 74, 76, 77};
    const QRegularExpression dotted(QStringLiteral("^(EnterpriseBase(\\.\\d+)+|\\d+(\\.\\d+)+)$"));
    for (const Placed &p : all()) {
        const CommandRecord &r = *p.record;
        if (!isGeneric(r))
            continue;
        const bool table = r.kind == MVT_FMV || r.kind == MVT_UMV;
        for (int i = 0; r.items[i].oid; ++i) {
            const QxSNMPVarItem &v = r.items[i];
            const std::string at = str(p) + " row " + std::to_string(i);
            const bool key = table && i < r.keyCount;
            EXPECT_TRUE(v.caption && *v.caption) << at;
            EXPECT_TRUE(syntaxes.contains(v.syntax)) << at;
            EXPECT_EQ(v.access & ~quint32(0x7F | QxAccess::secret), 0u) << at;
            // Index columns (and only they) are never fetched; only they may lack an OID.
            if (v.access & QxAccess::notaccess)
                EXPECT_TRUE(key) << at << ": an index column outside the keys";
            if (*v.oid == '\0')
                EXPECT_TRUE(key && (v.access & QxAccess::notaccess)) << at;
            else
                EXPECT_TRUE(dotted.match(QString::fromLatin1(v.oid)).hasMatch()) << at << ": " << v.oid;
            if (v.access & QxAccess::implied)
                EXPECT_EQ(i, r.keyCount - 1) << at << ": only the last key may be implied";
            if (!key)
                EXPECT_TRUE(v.access & (QxAccess::readonly | QxAccess::writeonly)) << at;
            if (v.optionList)
                EXPECT_GT(v.optionList->count(), 0) << at;
            EXPECT_EQ(v.readExpression, nullptr) << at;
            EXPECT_EQ(v.writeExpression, nullptr) << at;
        }
    }
}

TEST(CatalogueFirstHalf, RowStatusColumnsCreateAndDestroy)
{
    int tablesWithStatus = 0;
    for (const Placed &p : all()) {
        const CommandRecord &r = *p.record;
        if (r.rowStatusColumn < 0)
            continue;
        ++tablesWithStatus;
        ASSERT_EQ(r.shape, CommandShape::Table) << str(p);
        ASSERT_LT(r.rowStatusColumn, arrayLength(r.items)) << str(p);
        EXPECT_GE(r.rowStatusColumn, r.keyCount) << str(p);
        const QxSNMPVarItem &v = r.items[r.rowStatusColumn];
        EXPECT_EQ(v.syntax, quint32(QxSyntax::integer)) << str(p);
        EXPECT_TRUE(v.access & QxAccess::writeonly) << str(p);
        ASSERT_NE(v.optionList, nullptr) << str(p);
        EXPECT_EQ(v.optionList->textToValue("createAndGo"), "4") << str(p);
        EXPECT_EQ(v.optionList->textToValue("destroy"), "6") << str(p);
    }
    EXPECT_EQ(tablesWithStatus, 15);
}

TEST(CatalogueFirstHalf, FormatsParseAndPointAtRows)
{
    int formatted = 0;
    for (const Placed &p : all()) {
        const CommandRecord &r = *p.record;
        if (!r.formats)
            continue;
        ++formatted;
        ASSERT_TRUE(isGeneric(r)) << str(p);
        const int n = arrayLength(r.items);
        int count = 0;
        for (const RowFormat *f = r.formats; f->row >= 0; ++f, ++count) {
            ASSERT_LT(count, 100) << str(p) << ": format list without end";
            EXPECT_LT(f->row, n) << str(p);
            ASSERT_NE(f->format, nullptr) << str(p);
            try {
                const QxEditFormat format = QxEditFormat::parse(QString::fromLatin1(f->format));
                // A number format sits on a number; a string format on a text.
                const quint32 syntax = r.items[f->row].syntax;
                if (format.type() == QLatin1Char('i'))
                    EXPECT_EQ(syntax, quint32(QxSyntax::integer)) << str(p) << " row " << f->row;
                else
                    EXPECT_NE(syntax, quint32(QxSyntax::integer)) << str(p) << " row " << f->row;
            } catch (const QxSNMPException &e) {
                ADD_FAILURE() << str(p) << " row " << f->row << ": " << e.text().toStdString();
            }
        }
        EXPECT_GT(count, 0) << str(p);
    }
    EXPECT_EQ(formatted, 9);
}

TEST(CatalogueFirstHalf, KeyColumnsEncodeAndDecode)
{
    auto sample = [](quint32 syntax) -> QString {
        switch (syntax) {
        case QxSyntax::displaystr: return QStringLiteral("ab c");
        case QxSyntax::octetstr: return QStringLiteral("0A0B0C");
        case QxSyntax::objectid: return QStringLiteral("1.3.6.1.2");
        case QxSyntax::macaddress: return QStringLiteral("00112233AABB");
        case QxSyntax::ipaddress: return QStringLiteral("10.1.2.3");
        default: return QStringLiteral("7");
        }
    };
    for (const Placed &p : all()) {
        const CommandRecord &r = *p.record;
        if (!isGeneric(r) || r.keyCount == 0)
            continue;
        QString instance;
        QStringList values;
        for (int i = 0; i < r.keyCount; ++i) {
            const QxSNMPVarItem &v = r.items[i];
            const bool implied = i == r.keyCount - 1 && (v.access & QxAccess::implied);
            values << sample(v.syntax);
            try {
                const QString part = QxKeyCodec::encode(values.last(), v.syntax, implied);
                instance += (instance.isEmpty() ? "" : ".") + part;
            } catch (const QxSNMPException &e) {
                ADD_FAILURE() << str(p) << " key " << i << ": " << e.text().toStdString();
            }
        }
        QString rest = instance;
        for (int i = 0; i < r.keyCount; ++i) {
            const QxSNMPVarItem &v = r.items[i];
            const bool implied = i == r.keyCount - 1 && (v.access & QxAccess::implied);
            QString text;
            try {
                rest = QxKeyCodec::decode(rest, v.syntax, implied, text);
            } catch (const QxSNMPException &e) {
                ADD_FAILURE() << str(p) << " key " << i << ": " << e.text().toStdString();
                break;
            }
            EXPECT_EQ(text, values[i]) << str(p) << " key " << i;
        }
        EXPECT_TRUE(rest.isEmpty()) << str(p);
    }
}

TEST(CatalogueFirstHalf, NonGenericRecordsCarryTheirTarget)
{
    const QSet<QString> programs{"MIB", "IFMib", "EthernetLike", "Rmon", "Bridge", "EntityMIB", "VLan"};
    const QRegularExpression topic(QStringLiteral("^/T([A-Za-z]+)_[A-Za-z0-9]+$"));
    for (const Placed &p : all()) {
        const CommandRecord &r = *p.record;
        switch (r.shape) {
        case CommandShape::Viewer: {
            ASSERT_NE(r.target, nullptr) << str(p);
            const auto m = topic.match(QString::fromLatin1(r.target));
            ASSERT_TRUE(m.hasMatch()) << str(p) << ": " << r.target;
            EXPECT_TRUE(programs.contains(m.captured(1))) << str(p);
            break;
        }
        case CommandShape::Dedicated:
            ASSERT_NE(r.target, nullptr) << str(p);
            EXPECT_EQ(r.target[0], 'T') << str(p);
            break;
        case CommandShape::Action:
            EXPECT_STREQ(r.target, "reboot") << str(p);
            break;
        default:
            if (!isGeneric(r))
                EXPECT_EQ(r.target, nullptr) << str(p);
        }
        // Only hidden items open nothing.
        if (r.shape == CommandShape::Nothing)
            EXPECT_TRUE(p.effectivelyHidden) << str(p);
    }
    const CommandRecord *info = find({"Basic Configuration", "MIB II", "System Information"});
    ASSERT_NE(info, nullptr);
    EXPECT_STREQ(info->target, "/TMIB_Info");
    const CommandRecord *stp = find({"Bridge", "Spanning Tree", "STP Control "});
    ASSERT_NE(stp, nullptr);
    EXPECT_STREQ(stp->target, "TSTP_Info");
    EXPECT_EQ(stp->flags, quint32(CommandFlag::StpVersionRefresh));
}

// ---------------------------------------------------------------------------
// Single commands with settings of their own

TEST(CatalogueFirstHalf, SpecialCommands)
{
    const CommandRecord *rmon = find({"RMON", "RMON Control"});
    ASSERT_NE(rmon, nullptr);
    EXPECT_EQ(rmon->flags, quint32(CommandFlag::RmonMenuRefresh));
    ASSERT_EQ(arrayLength(rmon->items), 1);
    EXPECT_STREQ(rmon->items[0].caption, "RMON State");
    EXPECT_STREQ(rmon->items[0].oid, "EnterpriseBase.11.63.7.2.1.2.16");

    const CommandRecord *ifx = find({"Basic Configuration", "IF-MIB", "IfX Table"});
    ASSERT_NE(ifx, nullptr);
    EXPECT_EQ(ifx->flags, quint32(CommandFlag::NeedsV2c));
    EXPECT_EQ(ifx->height, 450);
    ASSERT_EQ(arrayLength(ifx->items), 20);
    EXPECT_STREQ(ifx->items[0].oid, "1.3.6.1.2.1.2.2.1.1");
    for (int i = 1; i < 20; ++i)
        EXPECT_EQ(QString::fromLatin1(ifx->items[i].oid), QStringLiteral("1.3.6.1.2.1.31.1.1.1.%1").arg(i));

    int flagged = 0;
    for (const Placed &p : all())
        if (p.record->flags)
            ++flagged;
    EXPECT_EQ(flagged, 3); // RMON Control, IfX Table, STP Control

    const CommandRecord *qinq = find({"VLAN", "QinQ", "QinQ Port Table"});
    ASSERT_NE(qinq, nullptr);
    EXPECT_STREQ(qinq->warning, "Warning:The TPID is a global setting!");
    EXPECT_EQ(qinq->rowStatusColumn, -1);

    const CommandRecord *multiply = find({"VLAN", "VLAN Multiply Management"});
    ASSERT_NE(multiply, nullptr);
    EXPECT_EQ(multiply->portListRow, 2);
    EXPECT_STREQ(multiply->items[2].caption, "Port List");

    const CommandRecord *engine = find({"SNMP V3", "SNMP Engine"});
    ASSERT_NE(engine, nullptr);
    EXPECT_EQ(engine->valueWidth, 150);

    const CommandRecord *trust = find({"Basic Configuration", "Agent Management", "Trust Host", "Trust Host Table"});
    ASSERT_NE(trust, nullptr);
    EXPECT_TRUE(trust->editHidden);
    EXPECT_EQ(trust->rowStatusColumn, 3);
    EXPECT_STREQ(trust->items[2].oid, "EnterpriseBase.12.1.2.10.1.1.4");
    EXPECT_STREQ(trust->items[3].oid, "EnterpriseBase.12.1.2.10.1.1.3");

    int heights = 0;
    for (const Placed &p : all())
        if (p.record->height == 450)
            ++heights;
    EXPECT_EQ(heights, 5); // MIB Capabilities, Multiple Image, IfX, Dot3 Collisions, Port Table
}

TEST(CatalogueFirstHalf, StringNamedTablesUseImpliedKeys)
{
    const CommandRecord *target = find({"SNMP V3", "SNMP Target MIB", "Target Address Table"});
    ASSERT_NE(target, nullptr);
    EXPECT_EQ(target->items[0].access, 65u);
    EXPECT_EQ(target->rowStatusColumn, 8);

    // The community MIB's table of the same name is the address extension table.
    const CommandRecord *community = find({"SNMP V3", "Community", "Target Address Table"});
    ASSERT_NE(community, nullptr);
    ASSERT_EQ(arrayLength(community->items), 3);
    EXPECT_STREQ(community->items[0].oid, "1.3.6.1.6.3.12.1.2.1.1");
    EXPECT_EQ(community->items[0].access, 65u);
    EXPECT_STREQ(community->items[1].caption, "Target Address TMask");
    EXPECT_STREQ(community->items[1].oid, "1.3.6.1.6.3.18.1.2.1.1");
    EXPECT_STREQ(community->items[2].caption, "Target Address MMS");
    EXPECT_STREQ(community->items[2].oid, "1.3.6.1.6.3.18.1.2.1.2");
    EXPECT_EQ(community->rowStatusColumn, -1);

    const CommandRecord *profile = find({"SNMP V3", "Notifications", "Notify Filter Profile Table"});
    ASSERT_NE(profile, nullptr);
    EXPECT_STREQ(profile->items[0].oid, "1.3.6.1.6.3.12.1.3.1.1");
    EXPECT_EQ(profile->items[0].access, 65u);
    EXPECT_STREQ(profile->items[profile->rowStatusColumn].oid, "1.3.6.1.6.3.13.1.2.1.3");

    const CommandRecord *filter = find({"SNMP V3", "Notifications", "Notify Filter Entry Table"});
    ASSERT_NE(filter, nullptr);
    EXPECT_STREQ(filter->items[1].oid, "1.3.6.1.6.3.13.1.3.1.1");
    EXPECT_STREQ(filter->items[filter->rowStatusColumn].oid, "1.3.6.1.6.3.13.1.3.1.5");

    const CommandRecord *access = find({"SNMP V3", "View-base Access Control Mode", "Access Table"});
    ASSERT_NE(access, nullptr);
    EXPECT_STREQ(access->items[0].oid, "1.3.6.1.6.3.16.1.2.1.3");
    EXPECT_STREQ(access->items[access->rowStatusColumn].oid, "1.3.6.1.6.3.16.1.4.1.9");

    // The USM protocols are object identifiers shown by name.
    const CommandRecord *users = find({"SNMP V3", "User-based Security Model", "User Table"});
    ASSERT_NE(users, nullptr);
    const QxOptionList *auth = users->items[4].optionList;
    ASSERT_NE(auth, nullptr);
    EXPECT_EQ(auth->valueType(), int(QxOptionList::StringValues));
    EXPECT_EQ(auth->valueToText("1.3.6.1.6.3.10.1.1.1"), "None");
}

TEST(CatalogueFirstHalf, PingAndTraceRouteTablesReachTheirRowStatus)
{
    const CommandRecord *ping = find({"Basic Configuration", "Ping", "Ping Control Table"});
    ASSERT_NE(ping, nullptr);
    EXPECT_STREQ(ping->items[ping->rowStatusColumn].oid, "1.3.6.1.2.1.80.1.2.1.23");
    const CommandRecord *trace = find({"Basic Configuration", "Trace Route", "Trace Route Control Table"});
    ASSERT_NE(trace, nullptr);
    EXPECT_STREQ(trace->items[trace->rowStatusColumn].oid, "1.3.6.1.2.1.81.1.2.1.27");

    const CommandRecord *results = find({"Basic Configuration", "Ping", "Ping Results Table"});
    ASSERT_NE(results, nullptr);
    ASSERT_EQ(arrayLength(results->items), 12);
    EXPECT_STREQ(results->items[0].oid, "");
    EXPECT_STREQ(results->items[1].oid, "");
    EXPECT_EQ(results->items[4].syntax, quint32(QxSyntax::octetstr));  // InetAddress octets
    EXPECT_EQ(results->items[11].syntax, quint32(QxSyntax::datetime)); // DateAndTime
}
