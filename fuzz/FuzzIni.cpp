// INI files (the host suite's settings and the registry stand-in): any bytes,
// any section and key asked for.
#include "fuzz/FuzzInput.h"
#include "snmp/QxIni.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString file = fuzzFile("settings.ini");
    FuzzInput in(data, size);
    const QString all = in.restText();
    // First line: "section=key"; the rest is the file.
    const qsizetype cut = all.indexOf(QLatin1Char('\n'));
    const QString ask = cut < 0 ? all : all.left(cut);
    const qsizetype eq = ask.indexOf(QLatin1Char('='));
    const QString section = eq < 0 ? ask : ask.left(eq);
    const QString key = eq < 0 ? QString() : ask.mid(eq + 1);
    writeFuzzFile(file, cut < 0 ? QByteArray() : all.mid(cut + 1).toUtf8());
    const QxIni ini(file);
    const QString value = ini.read(section, key, QStringLiteral("default"));
    FUZZ_CHECK(value.size() <= QxIni::MaxValueLength || value == QStringLiteral("default"));
    (void)ini.hasSection(section);
    (void)ini.hasKey(section, key);
    return 0;
}
