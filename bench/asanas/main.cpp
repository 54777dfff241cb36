// Time from choosing a posture to the repainted picture, for the largest shipped photograph,
// against decoding the same file with QImageReader alone; both measured in one run.

#include "Application.h"
#include "ImageControl.h"
#include "Median.h"
#include "ScreenSlots.h"
#include "Shell.h"
#include "galleries/frmPhotoAsanas.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImageReader>
#include <QListWidget>
#include <QTextStream>

#include <vector>

using namespace vireka;

using vireka::bench::median;

namespace {

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    const QString programFolder = QStringLiteral(VIREKA_PROGRAM_FOLDER);
    shell::setProgramFolderLocator([programFolder] { return programFolder; });
    QTextStream out(stdout);

    frmPhotoAsanas &screen = OpenScreen<frmPhotoAsanas>();
    // Let the window be shown and exposed, so that repainting it really paints.
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
    auto *list = &screen.control<QListWidget>("lstAsanas");

    // The largest photograph in the program folder, and the entry that shows it.
    QString largestFile;
    qint64 largestPixels = 0;
    for (const QString &name : QDir(programFolder).entryList({QStringLiteral("*.jpg"), QStringLiteral("*.bmp")})) {
        const QString path = programFolder + QLatin1Char('/') + name;
        const QSize size = QImageReader(path).size();
        if (qint64(size.width()) * size.height() > largestPixels) {
            largestPixels = qint64(size.width()) * size.height();
            largestFile = path;
        }
    }
    const QImage expected = QImageReader(largestFile).read();
    int largest = -1;
    for (int row = 0; row < list->count() && largest < 0; ++row) {
        list->setCurrentRow(row);
        if (screen.control<ImageControl>("Image1").picture() == expected)
            largest = row;
    }
    if (largest < 0) {
        out << "no entry shows the largest photograph in " << programFolder << "\n";
        return 1;
    }
    const int other = largest == 0 ? 1 : largest - 1; // the neighbour, as the arrow keys would reach it

    const int rounds = 41;
    std::vector<double> selectTimes, handlerTimes, decodeTimes;
    QElapsedTimer timer;
    for (int i = 0; i < rounds; ++i) {
        list->setCurrentRow(other);
        QCoreApplication::processEvents();
        timer.start();
        list->setCurrentRow(largest);
        handlerTimes.push_back(timer.nsecsElapsed() / 1e3);
        QCoreApplication::processEvents();
        selectTimes.push_back(timer.nsecsElapsed() / 1e3);

        timer.start();
        QImageReader reader(largestFile);
        const QImage decoded = reader.read();
        decodeTimes.push_back(timer.nsecsElapsed() / 1e3);
        if (decoded.isNull()) {
            out << "could not decode " << largestFile << "\n";
            return 1;
        }
    }
    const double select = median(selectTimes), decode = median(decodeTimes);
    out << "largest photograph: " << list->item(largest)->text() << " (" << largestFile << ", " << largestPixels
        << " pixels)\n";
    out << "selection to repainted picture " << select << " us, QImageReader alone " << decode
        << " us (medians of " << rounds << ")\n";
    out << "of which the handlers (reading the file included) " << median(handlerTimes) << " us\n";
    out << "select/decode = " << select / decode << " (target <= 1.2)\n";
    return 0;
}
