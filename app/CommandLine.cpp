#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace vireka {

namespace {

// The options Qt's own application object takes (-platform offscreen, -style fusion, ...). They are
// known here, unlisted in the help, so that their values are read as values: -qwindowtitle --help
// names a title and asks for no help.
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
        "a directory of yoga centres and two photo galleries. It opens no files and ignores any\n"
        "other argument; everything it shows ships with it."));
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
    // Unknown options and files are not errors: a launcher that passes them still starts the program.
    parser.parse(arguments);
    const bool help = parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"));
    const bool version = parser.isSet(QStringLiteral("version"));
    if (!help && !version)
        return std::nullopt;

    // A core application, never a window, gives the help text the program's name and version.
    QCoreApplication textOnly(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Vireka"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VIREKA_VERSION));
    QTextStream out(stdout);
    if (help)
        out << parser.helpText();
    else
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion() << '\n';
    return 0;
}

} // namespace vireka
