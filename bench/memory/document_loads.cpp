// Resident size of the program after loading one 2 MB document into the main menu's area 2, 20 and
// 100 times, one load after the other as a user clicking YOGA TRADITIONS would: the area keeps one
// document at a time, so the size after 100 loads should be where 2 left it.

#include "Application.h"
#include "ResidentSize.h"
#include "DocumentArea.h"
#include "LabelControl.h"
#include "ScreenSlots.h"
#include "Shell.h"
#include "menu/frmYoga.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

using namespace vireka;
using vireka::bench::residentKb;

namespace {

QByteArray twoMegabyteDocument()
{
    QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}}\\pard\\plain\\fs24 ";
    const QByteArray paragraph = "A paragraph of ordinary text about the practice, with a {\\b bold} word and an "
                                 "{\\i emphasis}, long enough to wrap onto a second line in the area.\\par\r\n";
    while (rtf.size() < 2 * 1024 * 1024)
        rtf += paragraph;
    return rtf + "}";
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    QTemporaryDir folder;
    QFile document(folder.filePath(QStringLiteral("YogaDef.rtf")));
    if (!document.open(QIODevice::WriteOnly) || document.write(twoMegabyteDocument()) < 0)
        return 1;
    document.close();
    const QString path = folder.path();
    shell::setProgramFolderLocator([path] { return path; });
    shell::setEndAction([] {});

    frmYoga &menu = OpenScreen<frmYoga>();
    auto &link = menu.control<LabelControl>("lblTraditions");
    QTextStream out(stdout);
    long afterTwo = 0;
    for (int load = 1; load <= 100; ++load) {
        QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(3, 3));
        menu.window()->grab(); // lay out and paint, as showing the document would
        QCoreApplication::processEvents();
        if (load == 2)
            afterTwo = residentKb();
        if (load == 2 || load == 20 || load == 100)
            out << "after " << load << " loads: " << residentKb() / 1024 << " MB resident, "
                << double(residentKb()) / double(afterTwo) << " of the size after 2\n";
    }
    out.flush();
    return 0;
}
