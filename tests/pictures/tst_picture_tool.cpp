// Running the picture tool again makes the files that are committed.
#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class PictureTool : public QObject {
    Q_OBJECT

private:
    QTemporaryDir out;

    static QStringList filesUnder(const QString &root)
    {
        QStringList files;
        for (const char *sub : {"photos", "pictures", "icons"}) {
            QDirIterator it(root + '/' + sub, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext())
                files << QDir(root).relativeFilePath(it.next());
        }
        files.sort();
        return files;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(out.isValid());
        QProcess tool;
        tool.start(QStringLiteral(VIREKA_PICTURES_TOOL), {out.path()});
        QVERIFY(tool.waitForFinished(120000));
        QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
        QVERIFY2(tool.exitCode() == 0, tool.readAllStandardError().constData());
    }

    void makesTheSameSetOfFiles()
    {
        const QStringList made = filesUnder(out.path());
        const QStringList committed = filesUnder(QStringLiteral(VIREKA_CONTENT_DIR));
        QVERIFY(made.size() > 60);
        QCOMPARE(made, committed);
    }

    void reproducesEveryFile()
    {
        for (const QString &rel : filesUnder(out.path())) {
            QFile a(out.path() + '/' + rel), b(QStringLiteral(VIREKA_CONTENT_DIR) + '/' + rel);
            QVERIFY(a.open(QIODevice::ReadOnly));
            QVERIFY2(b.open(QIODevice::ReadOnly), qPrintable("not committed: " + rel));
            const QByteArray made = a.readAll(), committed = b.readAll();
            if (rel.endsWith(".png")) {
                // PNG compression may differ between library versions; the pixels may not.
                QCOMPARE(QImage::fromData(made), QImage::fromData(committed));
                continue;
            }
            if (!rel.endsWith(".jpg")) {
                QVERIFY2(made == committed, qPrintable(rel + " differs"));
                continue;
            }
            // JPEG encoders may round differently between library versions, so
            // compare what the eye sees: every pixel close, on average very close.
            const QImage x = QImage::fromData(made).convertToFormat(QImage::Format_RGB32);
            const QImage y = QImage::fromData(committed).convertToFormat(QImage::Format_RGB32);
            QCOMPARE(x.size(), y.size());
            qint64 total = 0;
            int worst = 0;
            for (int row = 0; row < x.height(); ++row)
                for (int col = 0; col < x.width(); ++col) {
                    const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
                    const int d = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                            std::abs(qBlue(p) - qBlue(q))});
                    total += d;
                    worst = std::max(worst, d);
                }
            const double mean = double(total) / (x.width() * x.height());
            QVERIFY2(mean < 1.5 && worst < 48, qPrintable(QString("%1: mean %2, worst %3").arg(rel).arg(mean).arg(worst)));
        }
    }

    void onlyDrawsWhatIsAskedForAndWritesASheet()
    {
        // Redrawing one picture while working on it must leave the others alone.
        QTemporaryDir dir;
        QProcess tool;
        const QString sheet = dir.path() + "/sheet.png";
        tool.start(QStringLiteral(VIREKA_PICTURES_TOOL),
                   {dir.path(), "--only", "frmYoga/,cursor", "--sheet", sheet});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 0);
        QCOMPARE(filesUnder(dir.path()), QStringList({"pictures/cursor.ico", "pictures/frmYoga/Image1.bmp",
                                                      "pictures/frmYoga/Image1@2x.bmp"}));
        const QImage contact(sheet);
        QVERIFY(!contact.isNull());
        QVERIFY(contact.width() >= 340);
    }

    void refusesWithoutAnOutputFolder()
    {
        QProcess tool;
        tool.start(QStringLiteral(VIREKA_PICTURES_TOOL), {});
        QVERIFY(tool.waitForFinished(30000));
        QCOMPARE(tool.exitCode(), 2);
    }
};

QTEST_GUILESS_MAIN(PictureTool)
#include "tst_picture_tool.moc"
