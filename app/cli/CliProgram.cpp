#include "app/cli/CliProgram.h"

#include "app/cli/CliError.h"
#include "app/core/IntegerText.h"
#include "snmp/QxSNMPException.h"

#include <exception>

void CliProgram::write(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

int CliProgram::run(const std::function<int()> &work)
{
    try {
        return work();
    } catch (const CliError &e) {
        write(stderr, e.text() + QLatin1Char('\n'));
        return e.status();
    } catch (const QxSNMPException &e) {
        write(stderr, QString::number(e.code()) + QLatin1Char(' ') + e.text() + QLatin1Char('\n'));
        return FailureStatus;
    } catch (const IntegerText::Error &e) {
        write(stderr, QString::fromLocal8Bit(e.what()) + QLatin1Char('\n'));
        return CliError::UsageStatus;
    } catch (const std::exception &e) {
        write(stderr, QString::fromLocal8Bit(e.what()) + QLatin1Char('\n'));
        return FailureStatus;
    } catch (...) {
        write(stderr, QStringLiteral("Unexpected failure\n"));
        return FailureStatus;
    }
}
