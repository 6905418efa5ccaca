#include "snmp/QxMessageCatalogue.h"

#include <QDir>
#include <QFile>
#include <QLocale>

namespace {

const char *const kCommon[] = {
    "Ok!",
    "Bad logic operand!",
    "Bad format specifier of edit's constraint!",
    "Empty value is not allowed!",
    "Please enter a string whose length is less than [MAXLEN]!",
    "Please enter a string whose length is [LEN]!",
    "Please enter a hex string whose length is less than [MAXLEN]!",
    "Please enter a hex string whose length is [LEN]!",
    "Please enter a number between [MIN] and [MAX]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the number is less than [MAXCOUNT]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the number is equal to [COUNT]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,each number is between [MIN] and [MAX]!",
    "Out of range at index of array or list!",
    "Destination buffer is undersize!",
    "The source to dncrypt is not encrypted!",
    "Fail to read data from file([FILENAME])!",
    "Fail to write data to file([FILENAME])!",
    "Fail to write value in ini file([FILENAME])!",
    "Fail to read option data from file([FILENAME])!",
};

const char *const kSnmp[] = {
    "(SNMP) Response PDU Too Big!",
    "(SNMP) Variable does not exist!",
    "(SNMP) Cannot modify variable: Bad Value!",
    "(SNMP) Cannot modify object, Read Only!",
    "(SNMP) Cannot perform operation, General Error!",
    "(SNMP) Cannot access variable, No Access!",
    "(SNMP) Cannot create/modify variable, Wrong Type!",
    "(SNMP) Cannot create/set variable, Wrong Length!",
    "(SNMP) Cannot create/set variable, Wrong Encoding!",
    "(SNMP) Cannot create/set variable, Wrong Value!",
    "(SNMP) Cannot create variable, Creation Not Allowed!",
    "(SNMP) Cannot create/set variable, Inconsistent Value!",
    "(SNMP) Cannot create/set variable, Resource Unavailable!",
    "(SNMP) Cannot create/set variable, Commit Failed!",
    "(SNMP) Cannot create/set variable, Undo Failed!",
    "(SNMP) Cannot perform operation, Authorization Error!",
    "(SNMP) Cannot create/set variable, Not Writable!",
    "(SNMP) Cannot create variable, Inconsistent Name!",
};

const char *const kSnmpV3[] = {
    "(SNMPv3) Unsupported Security Model!",
    "(SNMPv3) Message not in Time Window!",
    "(SNMPv3) Received same Message twice!",
    "(SNMPv3) Invalid Message!",
    "(SNMPv3) Invalid EngineID!",
    "(SNMPv3) v3MP not initialized!",
    "(SNMPv3) Parse Error!",
    "(SNMPv3) Received Message with unknown MsgID!",
    "(SNMPv3) Message does not match known message!",
    "(SNMPv3) Community format error!",
    "(SNMPv3) Unknown UserName!",
    "(SNMPv3) Build error!",
    "(SNMPv3) USM: error!",
    "(SNMPv3) Unknown pdu handlers!",
    "(SNMPv3) Unavailable Context!",
    "(SNMPv3) Unknown Context!",
    "(SNMPv3) Report sent!",
};

const char *const kSnmpUsm[] = {
    "(SNMPv3USM) error!",
    "(SNMPv3USM) Configfile write error!",
    "(SNMPv3USM) Unsupported SecurityLevel!",
    "(SNMPv3USM) Unknown SecurityName!",
    "(SNMPv3USM) Encryption error!",
    "(SNMPv3USM) Decryption error!",
    "(SNMPv3USM) Authentication error!",
    "(SNMPv3USM) Authentication failure!",
    "(SNMPv3USM) Parse error!",
    "(SNMPv3USM) Unknown EngineID!",
    "(SNMPv3USM) Message not in TimeWindow!",
    "(SNMPv3USM) Unsupported AuthProtocol!",
    "(SNMPv3USM) Unsupported PrivProtocol!",
    "(SNMPv3USM) Address error!",
};

const char *const kSnmpClass[] = {
    "(SNMPClass) Operation failed!",
    "(SNMPClass) Resource unavailable!",
    "(SNMPClass) Internal error!",
    "(SNMPClass) Unsupported function!",
    "(SNMPClass) SNMP request timed out!",
    "(SNMPClass) Received SNMP Response!",
    "(SNMPClass) Received SNMP Notification (trap or inform)!",
    "(SNMPClass) Closing session with outstanding requests!",
    "(SNMPClass)Unknown error code!",
    "(SNMPClass) Class not valid!",
    "(SNMPClass) Invalid Pdu!",
    "(SNMPClass) Invalid Target!",
    "(SNMPClass) Invalid (null) Callback Function!",
    "(SNMPClass) Invalid Request Id!",
    "(SNMPClass) Invalid Notification Id!",
    "(SNMPClass) SNMP Operation not supported on specified Target!",
    "(SNMPClass) Invalid Object Identifier!",
    "(SNMPClass) Invalid Address!",
    "(SNMPClass) Agent indicates error in SNMP request!",
    "(SNMP Class) Transport is not supported!",
    "(SNMPClass) Transport is in use!",
    "(SNMPClass) Transport operation failed!",
    "(SNMPClass) Blocked Mode Shutdown!",
};

const char *const kQxSnmp[] = {
    "Ok",
    "(QxSNMP++) Fail to read SNMP variables from file([FILENAME])!",
    "(QxSNMP++) Bad format at line([LINENO])in SNMP variables file([FILENAME])!",
    "(QxSNMP++) Bad item type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(QxSNMP++) Bad syntax at line([LINENO])in SNMP variables file([FILENAME])!",
    "(QxSNMP++) Bad access type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(QxSNMP++) Cannot create the global QxSNMP++ session!",
    "(QxSNMP++) Error when loading SNMP engine boots counter!",
    "(QxSNMP++) Error when saving SNMP engine boots counter!",
    "(QxSNMP++) Invalid IP Address or DNS name!",
    "(QxSNMP++) Can't send get-next command for a SNMP variable list with single value!",
    "(QxSNMP++) Bad SNMP syntax!",
    "(QxSNMP++) Null value in the expression!",
    "(QxSNMP++) Bad SNMP syntax in the expression!",
    "(QxSNMP++) Bad key count of SNMP variable list!",
    "(QxSNMP++) Bad item type of SNMP variable list!",
    "(QxSNMP++) Bad item type of associated SNMP variable list!",
    "(QxSNMP++) Bad syntax of the associated SNMP variable's (partial) data!",
    "(QxSNMP++) Bad value of the associated SNMP variable's (partial) data!",
    "(QxSNMP++) Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!",
    "(QxSNMP++) No reference option list for a SNMP variable's (partial) data associating with a optional visual control!",
    "(QxSNMP++) Bad type of the associated visual control!",
    "(QxSNMP++) Count of the associated visual controls is not enough!",
    "(QxSNMP++) No system start time for the time whose data source is the SNMP variable's (partial) data with syntax timeticks!",
    "(QxSNMP++) Count of the value items for the chart's history data is not enough!",
    "(QxSNMP++) Log database is not connected!",
    "(QxSNMP++) Log database field not found!",
    "(QxSNMP++) Bad syntax for the history chart of log!",
    "(QxSNMP++) Unknown error code!",
};

const char *const kSnmpMsg[] = {
    "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].",
    "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].",
};

template <std::size_t N>
QStringList toList(const char *const (&texts)[N])
{
    QStringList list;
    list.reserve(int(N));
    for (const char *t : texts)
        list << QString::fromUtf8(t);
    return list;
}

// Lines are read in pieces of at most this many characters, as the host's tools write them.
constexpr qint64 kMaxLineLength = 1023;

// How a line break inside a text is written in a catalogue line (texts that span
// two lines of a message box).
constexpr QLatin1String kEscapedLineBreak("\\n");

QStringList readNonBlankLines(QFile &file)
{
    QStringList lines;
    while (!file.atEnd()) {
        QByteArray piece = file.readLine(kMaxLineLength + 1);
        if (piece.isEmpty())
            break;
        while (piece.endsWith('\n') || piece.endsWith('\r'))
            piece.chop(1);
        QString line = QString::fromLocal8Bit(piece);
        if (!line.trimmed().isEmpty())
            lines << line.replace(kEscapedLineBreak, QStringLiteral("\n"));
    }
    return lines;
}

} // namespace

QxMessageCatalogue &QxMessageCatalogue::instance()
{
    static QxMessageCatalogue catalogue;
    return catalogue;
}

QxMessageCatalogue::QxMessageCatalogue()
{
    reset();
}

void QxMessageCatalogue::reset()
{
    m_tables[Common] = toList(kCommon);
    m_tables[Snmp] = toList(kSnmp);
    m_tables[SnmpV3] = toList(kSnmpV3);
    m_tables[SnmpUsm] = toList(kSnmpUsm);
    m_tables[SnmpClass] = toList(kSnmpClass);
    m_tables[QxSnmp] = toList(kQxSnmp);
    m_tables[SnmpMsg] = toList(kSnmpMsg);
}

int QxMessageCatalogue::size(Table table) const
{
    return int(m_tables[table].size());
}

QString QxMessageCatalogue::text(Table table, int entry) const
{
    const QStringList &t = m_tables[table];
    return entry >= 0 && entry < t.size() ? t[entry] : QString();
}

QString QxMessageCatalogue::frameworkText(int programCode) const
{
    if (programCode == 0)
        return text(QxSnmp, 0);
    if (programCode <= -501 && programCode >= UnknownErrorCode)
        return text(QxSnmp, -500 - programCode);
    return text(QxSnmp, -500 - UnknownErrorCode);
}

QString QxMessageCatalogue::fileName(Table table)
{
    static const char *const names[TableCount] = {
        "common.err", "snmp.err", "snmpv3.err", "snmpusm.err", "snmpclass.err", "qxsnmp.err", "snmp.msg",
    };
    return QString::fromLatin1(names[table]);
}

bool QxMessageCatalogue::loadCatalogue(Table table, const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    const QStringList lines = readNonBlankLines(file);
    if (lines.isEmpty())
        return false;
    QStringList &target = m_tables[table];
    const int n = std::min<int>(int(lines.size()), int(target.size()));
    for (int i = 0; i < n; ++i)
        target[i] = lines[i];
    return true;
}

void QxMessageCatalogue::loadAll(const QString &moduleFolder)
{
    for (int t = 0; t < TableCount; ++t)
        loadCatalogue(Table(t), moduleFolder + QStringLiteral("errmsg/") + fileName(Table(t)));
}

bool QxMessageCatalogue::saveCatalogue(Table table, const QString &fileName) const
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    for (QString entry : m_tables[table])
        file.write(entry.replace(QLatin1Char('\n'), kEscapedLineBreak).toLocal8Bit() + '\n');
    file.close();
    return file.error() == QFileDevice::NoError;
}

bool QxMessageCatalogue::saveAll(const QString &moduleFolder) const
{
    const QString folder = moduleFolder + QStringLiteral("errmsg/");
    if (!QDir().mkpath(folder))
        return false;
    bool written = true;
    for (int t = 0; t < TableCount; ++t)
        written = saveCatalogue(Table(t), folder + fileName(Table(t))) && written;
    return written;
}

QxMessageCatalogue::Mapped QxMessageCatalogue::mapLibraryStatus(int c) const
{
    if (c == 0 || c == 1400 || c == -1401)
        return {0, text(QxSnmp, 0)};
    if (c >= 1401 && c <= 1414)
        return {1100 - c, text(SnmpUsm, c - 1401)};
    if (c >= -1418 && c <= -1402)
        return {c + 1201, text(SnmpV3, -1402 - c)};
    if (c >= 1 && c <= 18)
        return {-100 - c, text(Snmp, c - 1)};
    if (c >= -23 && c <= -1)
        return {c - 400, text(SnmpClass, -1 - c)};
    return {UnknownErrorCode, text(QxSnmp, 28)};
}

QString QxMessageCatalogue::fill(QString text, const QString &placeholder, const QString &value)
{
    return text.replace(placeholder, value, Qt::CaseSensitive);
}

QString QxMessageCatalogue::expandStatus(int templateIndex, const QString &errorText, const QString &listName,
                                         const QTime &now) const
{
    QString result = text(SnmpMsg, templateIndex);
    static const QString kError = QStringLiteral("[ERROR]");
    static const QString kVarList = QStringLiteral("[VARLIST]");
    if (listName.isEmpty()) {
        // Drop " Request:[VARLIST]": everything from just after "[ERROR]" to the end
        // of "[VARLIST]", when the list placeholder follows the error placeholder.
        const qsizetype a = result.indexOf(kError);
        const qsizetype v = result.indexOf(kVarList);
        if (a >= 0 && v >= a)
            result.remove(a + kError.size(), v - a + 2);
    } else {
        result.replace(kVarList, listName);
    }
    result.replace(kError, errorText);
    const QLocale locale;
    const QString ampm = now.hour() < 12 ? locale.amText() : locale.pmText();
    const int hour12 = now.hour() % 12 == 0 ? 12 : now.hour() % 12;
    const QString time = QStringLiteral("%1:%2:%3 %4")
                             .arg(hour12, 2, 10, QLatin1Char('0'))
                             .arg(now.minute(), 2, 10, QLatin1Char('0'))
                             .arg(now.second(), 2, 10, QLatin1Char('0'))
                             .arg(ampm);
    result.replace(QStringLiteral("[TIME]"), time);
    return result;
}
