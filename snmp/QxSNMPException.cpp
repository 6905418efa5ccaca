#include "snmp/QxSNMPException.h"

#include "snmp/QxMessageCatalogue.h"

QxSNMPException::QxSNMPException(int code, QString text, int variable)
    : m_code(code), m_text(std::move(text)), m_variable(variable), m_utf8(m_text.toStdString())
{
}

void QxSNMPException::raiseStatus(int libraryStatus)
{
    const auto mapped = QxMessageCatalogue::instance().mapLibraryStatus(libraryStatus);
    throw QxSNMPException(mapped.code, mapped.text);
}

void QxSNMPException::raiseFramework(int programCode)
{
    throw QxSNMPException(programCode, QxMessageCatalogue::instance().frameworkText(programCode));
}

void QxSNMPException::raiseCommon(int entry)
{
    throw QxSNMPException(-entry, QxMessageCatalogue::instance().text(QxMessageCatalogue::Common, entry));
}
