#pragma once

#include <QString>
#include <QStringList>
#include <QTime>
#include <array>

// The seven message tables: every text that the SNMP layer and the binding classes
// show. Each table starts with its built-in texts and may be replaced, once at
// start-up, by the lines of a catalogue file installed by the host suite.
class QxMessageCatalogue
{
public:
    enum Table {
        Common,    // common.err:    input-constraint and utility errors, code -i
        Snmp,      // snmp.err:      SNMP error status s, entry s-1, code -100-s
        SnmpV3,    // snmpv3.err:    library codes -1402..-1418
        SnmpUsm,   // snmpusm.err:   library codes 1401..1414
        SnmpClass, // snmpclass.err: library codes -1..-23
        QxSnmp,    // qxsnmp.err:    framework codes 0, -501..-528
        SnmpMsg,   // snmp.msg:      status-line templates (0 read, 1 write)
        TableCount
    };

    struct Mapped
    {
        int code;
        QString text;
    };

    static constexpr int UnknownErrorCode = -528;
    static constexpr int ReadTemplate = 0;
    static constexpr int WriteTemplate = 1;

    // The process-wide catalogue, holding the built-in texts until a file replaces them.
    static QxMessageCatalogue &instance();

    QxMessageCatalogue();

    int size(Table table) const;
    // Entry i of a table; an index outside the table gives an empty text.
    QString text(Table table, int entry) const;
    // Text of a framework code (0 or -501..-528).
    QString frameworkText(int programCode) const;

    // Replaces the table's texts by the non-blank lines of the file. A file that
    // cannot be opened or holds no non-blank line leaves the table as it is; a file
    // with fewer lines than the table keeps the built-in texts of the entries it
    // lacks, and lines beyond the table's size are ignored. A line cannot hold a
    // line break, so the two characters \n in a line stand for one. Returns whether
    // the file was taken.
    bool loadCatalogue(Table table, const QString &fileName);
    // Loads the seven catalogue files from <folder>errmsg/.
    void loadAll(const QString &moduleFolder);
    // Writes the table's texts as a file that loadCatalogue reads back to the same
    // texts; returns whether the file was written.
    bool saveCatalogue(Table table, const QString &fileName) const;
    // Writes the seven catalogue files into <folder>errmsg/, creating the folder.
    bool saveAll(const QString &moduleFolder) const;
    static QString fileName(Table table);

    Mapped mapLibraryStatus(int libraryStatus) const;

    // Expands a status-line template with the error text, the variable list's name
    // and the time of day.
    QString expandStatus(int templateIndex, const QString &errorText, const QString &listName,
                         const QTime &now = QTime::currentTime()) const;

    // Replaces every occurrence of a placeholder such as "[MIN]".
    static QString fill(QString text, const QString &placeholder, const QString &value);

    // Restores every table to its built-in texts.
    void reset();

private:
    std::array<QStringList, TableCount> m_tables;
};
