// own
#include "app/editor_command_line.h"
#include "platform/version.h"

// Qt
#include <QCommandLineParser>
#include <QStringList>

namespace {

constexpr char kProgram[] = "corvantine";
// QApplication's options, taken out of argv later by QApplication itself.
constexpr const char* kQtValueOptions[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "session",       "style",         "stylesheet", "display",      "name"};
constexpr const char* kQtFlags[] = {"reverse", "widgetcount"};

void AddHidden(QCommandLineParser& parser, const char* name, const QString& valueName) {
    QCommandLineOption option(QString::fromLatin1(name), QString(), valueName);
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
}

// The parser names an unknown option without the dashes it was typed with; the message names it
// as typed, so that it can be found on the command line.
QString ErrorText(const QCommandLineParser& parser, const QStringList& arguments) {
    const QStringList names = parser.unknownOptionNames();
    if (names.isEmpty()) return parser.errorText();
    QStringList typed;
    for (const QString& name : names) {
        QString found = QStringLiteral("--") + name;
        for (const QString& word : arguments.mid(1)) {
            const QString option = word.section(QLatin1Char('='), 0, 0);
            if (word.startsWith(QLatin1Char('-')) &&
                option.mid(option.startsWith(u"--") ? 2 : 1) == name) {
                found = option;
                break;
            }
        }
        typed << QLatin1Char('\'') + found + QLatin1Char('\'');
    }
    return (typed.size() == 1 ? QStringLiteral("Unknown option %1.")
                              : QStringLiteral("Unknown options: %1."))
        .arg(typed.join(QStringLiteral(", ")));
}

} // namespace

CEditorCommandLine ReadEditorCommandLine(int argc, const char* const* argv) {
    QCommandLineParser parser;
    // "-platform" is one option, as QApplication reads it, not the letters p, l, a, ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Configuration editor of the Corvantine paging system."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help and exits."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Displays the version and exits."));
    parser.addOption(help);
    parser.addOption(version);
    for (const char* name : kQtValueOptions)
        AddHidden(parser, name, QStringLiteral("value"));
    for (const char* name : kQtFlags)
        AddHidden(parser, name, QString());
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("The configuration (.kvx) to open."),
                                 QStringLiteral("[file]"));

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    CEditorCommandLine result;
    if (!parser.parse(arguments)) {
        result.action = CEditorCommandLine::Action::UsageError;
        result.text = std::string(kProgram) + ": " + ErrorText(parser, arguments).toStdString() +
                      "\nTry '" + kProgram + " --help' for more information.\n";
        return result;
    }
    if (parser.isSet(help)) {
        result.action = CEditorCommandLine::Action::ShowHelp;
        // Without an application object the parser cannot know the program's name.
        result.text = parser.helpText()
                          .replace(QStringLiteral("<executable_name>"), QLatin1String(kProgram))
                          .toStdString();
        return result;
    }
    if (parser.isSet(version)) {
        result.action = CEditorCommandLine::Action::ShowVersion;
        result.text = std::string(kProgram) + ' ' + kCorvVersion + '\n';
        return result;
    }
    // A file name need not be valid text: each word is taken back from argv as it was given.
    std::vector<bool> taken(static_cast<size_t>(argc), false);
    for (const QString& word : parser.positionalArguments()) {
        for (int i = 1; i < argc; ++i) {
            if (!taken[static_cast<size_t>(i)] && arguments[i] == word) {
                taken[static_cast<size_t>(i)] = true;
                result.files.emplace_back(argv[i]);
                break;
            }
        }
    }
    return result;
}
