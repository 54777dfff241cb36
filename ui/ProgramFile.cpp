#include "ProgramFile.h"

#include <QDir>

namespace vireka {

QString programFilePath(const QString &name)
{
    QString relative = name;
    relative.replace(QLatin1Char('\\'), QDir::separator());
    return QDir::currentPath() + relative;
}

} // namespace vireka
