#include "app/HelpFile.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

QString HelpFile::path()
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QString::fromLatin1(FileName);
}

void HelpFile::open()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path()));
}
