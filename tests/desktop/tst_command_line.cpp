// The program answers --help and --version as command-line programs do and ends without opening a
// window; anything else it ignores and starts. The runs here have no display at all, so a start
// shows as the display that could not be reached.
#include <QProcess>
#include <QtTest>

class CommandLine : public QObject {
    Q_OBJECT

private:
    struct Run {
        int status = -1;
        QString out, err;
    };

    static Run run(const QStringList &arguments)
    {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // Any attempt at a window would fail here, loudly, instead of answering.
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(VIREKA_PROGRAM), arguments);
        if (!program.waitForFinished(30000)) {
            program.kill();
            program.waitForFinished();
            return {};
        }
        Run result;
        result.status = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
        result.out = QString::fromLocal8Bit(program.readAllStandardOutput());
        result.err = QString::fromLocal8Bit(program.readAllStandardError());
        return result;
    }

private slots:
    void answers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        const QString version = QStringLiteral("Vireka " VIREKA_VERSION "\n");
        QTest::newRow("--version") << QStringList{"--version"} << version;
        QTest::newRow("-v") << QStringList{"-v"} << version;
        QTest::newRow("--help") << QStringList{"--help"} << QStringLiteral("Usage: ");
        QTest::newRow("-h") << QStringList{"-h"} << QStringLiteral("Usage: ");
        QTest::newRow("help wins over the rest") << QStringList{"-platform", "offscreen", "--help"}
                                                 << QStringLiteral("Usage: ");
    }

    void answers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        const Run r = run(arguments);
        QCOMPARE(r.status, 0);
        QCOMPARE(r.err, QString());
        QVERIFY2(r.out.startsWith(expected), qPrintable(r.out));
    }

    void helpNamesTheOptionsButNotTheToolkits()
    {
        const QString help = run({"--help"}).out;
        QVERIFY(help.contains("--version"));
        QVERIFY(help.contains("--help"));
        QVERIFY(help.contains("yoga"));
        QVERIFY2(!help.contains("platform"), "the toolkit's own options stay out of the help");
    }

    void ignores_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("unknown option") << QStringList{"--bogus"};
        QTest::newRow("unknown short option") << QStringList{"-x"};
        QTest::newRow("a file") << QStringList{"Pranayama.rtf"};
        QTest::newRow("toolkit option without its value") << QStringList{"-platform"};
    }

    void ignores()
    {
        QFETCH(QStringList, arguments);
        const Run r = run(arguments);
        QCOMPARE(r.out, QString());
        QVERIFY2(r.err.contains("could not connect to display"), qPrintable(r.err));
        QVERIFY2(!r.err.contains("vireka:"), qPrintable(r.err));
    }
};

QTEST_GUILESS_MAIN(CommandLine)
#include "tst_command_line.moc"
