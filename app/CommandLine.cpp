#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace vireka {

namespace {

// Exit status of a command line the program does not take, as command-line tools use it.
constexpr int UsageError = 2;

// The options Qt's own application object takes (-platform offscreen, -style fusion, ...). They are
// known here, unlisted in the help, so that the program still starts with them.
struct ToolkitOption {
    const char *name;
    bool takesValue;
};

constexpr ToolkitOption toolkitOptions[] = {
    {"platform", true},   {"platformpluginpath", true}, {"platformtheme", true}, {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true}, {"qwindowtitle", true}, {"reverse", false},
    {"session", true},    {"display", true},            {"geometry", true},      {"style", true},
    {"stylesheet", true}, {"widgetcount", false},       {"nograb", false},       {"dograb", false},
    {"sync", false},
};

void describe(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "A reference program about yoga: instructions on the practice, articles, a book sampler,\n"
        "a directory of yoga centres and two photo galleries. It takes no files or arguments;\n"
        "everything it shows ships with it."));
    // Qt's own options are written with one dash; -h and -v stay the short forms of help and version.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    for (const ToolkitOption &option : toolkitOptions) {
        QCommandLineOption known(QString::fromLatin1(option.name));
        if (option.takesValue)
            known.setValueName(QStringLiteral("value"));
        known.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(known);
    }
}

} // namespace

std::optional<int> answerCommandLine(int &argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    describe(parser);
    const bool understood = parser.parse(arguments);
    const bool asksForText = understood && (parser.isSet(QStringLiteral("help")) ||
                                            parser.isSet(QStringLiteral("help-all")) ||
                                            parser.isSet(QStringLiteral("version")));
    if (understood && !asksForText && parser.positionalArguments().isEmpty())
        return std::nullopt;

    // A core application, never a window, gives the help text the program's name and version.
    QCoreApplication textOnly(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Vireka"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VIREKA_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QString hint = QStringLiteral("Try 'vireka --help' for more information.\n");
    if (!understood) {
        err << "vireka: " << parser.errorText() << '\n' << hint;
        return UsageError;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        out << parser.helpText();
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion() << '\n';
        return 0;
    }
    err << "vireka: unexpected argument '" << parser.positionalArguments().constFirst()
        << "': the program opens no files and takes no arguments.\n" << hint;
    return UsageError;
}

} // namespace vireka
