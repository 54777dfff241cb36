// Draws every picture of the program and writes it in its exact format.
//
//   vireka-pictures CONTENT_DIR [--sheet FILE.png [--cell PIXELS]] [--png DIR] [--only TEXT,TEXT...]
//
// CONTENT_DIR receives photos/... and pictures/...; --sheet also writes one
// image holding every picture, small, for looking them over; --png writes
// each picture as a PNG file for a closer look.
#include "catalogue.h"
#include "imageio.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QPainter>
#include <QTextStream>

#include <cstdlib>

namespace {

void loadFonts()
{
    // Only the Liberation families are relied on; register them directly so the
    // result does not depend on what the font configuration happens to offer.
    const QDir dir("/usr/share/fonts/truetype/liberation");
    for (const QString &name : dir.entryList({"*.ttf"}, QDir::Files, QDir::Name))
        QFontDatabase::addApplicationFont(dir.filePath(name));
}

QImage contactSheet(const QList<QPair<QString, QImage>> &items, int cellW)
{
    const int cellH = cellW * 15 / 17, columns = std::max(1, 1360 / cellW);
    const int rows = int((items.size() + columns - 1) / columns);
    QImage sheet(columns * cellW, rows * cellH, QImage::Format_RGB32);
    sheet.fill(QColor(60, 60, 60));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QFont font("Liberation Sans");
    font.setPixelSize(10);
    p.setFont(font);
    for (int i = 0; i < items.size(); ++i) {
        const QRect cell((i % columns) * cellW, (i / columns) * cellH, cellW, cellH);
        const QImage &img = items[i].second;
        const QSize fit = img.size().scaled(cellW - 8, cellH - 22, Qt::KeepAspectRatio);
        const QSize shown = img.width() <= fit.width() && img.height() <= fit.height() ? img.size() : fit;
        const QRect target(cell.left() + (cellW - shown.width()) / 2, cell.top() + 4, shown.width(), shown.height());
        p.fillRect(target, QColor(255, 0, 255));
        p.drawImage(target, img);
        p.setPen(Qt::white);
        p.drawText(QRect(cell.left() + 2, cell.bottom() - 16, cellW - 4, 14), Qt::AlignCenter,
                   items[i].first.section('/', -2));
    }
    return sheet;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    QString outDir, sheetPath, only, pngDir;
    int cell = 170;
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == "--sheet" && i + 1 < args.size())
            sheetPath = args[++i];
        else if (args[i] == "--cell" && i + 1 < args.size())
            cell = std::max(60, args[++i].toInt());
        else if (args[i] == "--png" && i + 1 < args.size())
            pngDir = args[++i];
        else if (args[i] == "--only" && i + 1 < args.size())
            only = args[++i];
        else if (outDir.isEmpty())
            outDir = args[i];
        else {
            err << "unexpected argument " << args[i] << "\n";
            return 2;
        }
    }
    if (outDir.isEmpty()) {
        err << "usage: vireka-pictures CONTENT_DIR [--sheet FILE.png [--cell PIXELS]] [--png DIR] [--only TEXT,TEXT...]\n";
        return 2;
    }
    loadFonts();
    QApplication::setStyle("Fusion");

    QElapsedTimer timer;
    timer.start();
    QList<QPair<QString, QImage>> shown;
    int written = 0;
    for (const pictures::Entry &entry : pictures::catalogue()) {
        if (!only.isEmpty()) {
            bool wanted = false;
            for (const QString &part : only.split(',', Qt::SkipEmptyParts))
                wanted = wanted || entry.path.contains(part, Qt::CaseInsensitive);
            if (!wanted)
                continue;
        }
        const QByteArray bytes = pictures::render(entry);
        if (!pictures::writeFile(QDir(outDir).filePath(entry.path), bytes)) {
            err << "cannot write " << entry.path << "\n";
            return 1;
        }
        ++written;
        if (!pngDir.isEmpty()) {
            // Each picture on its own, enlarged when small, for a closer look.
            QImage big = pictures::preview(entry, bytes);
            if (big.width() < 300)
                big = big.scaled(big.size() * 2);
            QDir().mkpath(pngDir);
            big.save(QDir(pngDir).filePath(QString(entry.path).replace('/', '_') + ".png"), "PNG");
        }
        if (!sheetPath.isEmpty())
            shown.append({entry.path, pictures::preview(entry, bytes)});
    }
    if (!sheetPath.isEmpty())
        contactSheet(shown, cell).save(sheetPath, "PNG");
    out << "wrote " << written << " pictures in " << timer.elapsed() << " ms\n";
    return 0;
}
