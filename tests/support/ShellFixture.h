#pragma once

#include "ScreenSlots.h"
#include "Shell.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

namespace vireka::test {

// Puts the shell into a known state for one test case: every slot empty, the program running,
// ending and messages recorded instead of carried out, and a program folder of the test's own.
class ShellFixture {
public:
    ShellFixture()
        : m_folder(QDir::tempPath() + QStringLiteral("/vireka folder \u00e9\u00e8 XXXXXX"))
    {
        emptyAllSlots();
        flushDeletes();
        shell::resetForTests();
        shell::setEndAction([this] { ++endings; });
        shell::setMessageAction([this](const QString &text, const QString &caption) {
            messages << text;
            captions << caption;
        });
        const QString path = m_folder.path();
        shell::setProgramFolderLocator([path] { return path; });
    }

    ~ShellFixture()
    {
        emptyAllSlots();
        flushDeletes();
        shell::resetForTests();
        shell::setEndAction({});
        shell::setMessageAction({});
        shell::setProgramFolderLocator({});
    }

    QString folder() const { return m_folder.path(); }

    void writeFile(const QString &name, const QByteArray &bytes) const
    {
        QFile file(m_folder.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    // A small RTF document whose text is `text`.
    static QByteArray rtf(const QByteArray &text)
    {
        return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}}\\pard\\plain\\fs24 " + text +
               "\\par}";
    }

    static void flushDeletes()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    int endings = 0;
    QStringList messages;
    QStringList captions;

private:
    QTemporaryDir m_folder;
};

} // namespace vireka::test
