// The command line: read before anything else starts, so that --version and --help need neither
// a display nor the single-instance guard.
#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <cstdio>

namespace velmora {
namespace {

const QString usage = QStringLiteral(
    "用法：velmora [选项]\n"
    "Usage: velmora [options]\n"
    "\n"
    "按删除日期有选择地清空回收站。不带选项时打开主窗口。\n"
    "Clears the trash selectively, by deletion date. Without options it opens the main window.\n"
    "\n"
    "选项 / Options:\n"
    "  -h, --help     显示本帮助并退出 / show this help and exit\n"
    "  -v, --version  显示版本并退出 / show the version and exit\n"
    "\n"
    "也接受 Qt 的选项，如 -platform、-style。\n"
    "Qt's own options, such as -platform and -style, are accepted too.\n");

// The options QGuiApplication, QApplication and the xcb platform take from the command line.
// They are recognised here only to be let through; QApplication acts on them later.
const char* const qtOptionsWithValue[] = {
    "platform",
    "platformpluginpath",
    "platformtheme",
    "plugin",
    "qwindowgeometry",
    "qwindowicon",
    "qwindowtitle",
    "session",
    "display",
    "geometry",
    "title",
    "icon",
    "name",
    "visual",
    "style",
    "stylesheet",
    "qmljsdebugger",
};
const char* const qtFlags[] = {
    "reverse", "widgetcount", "nograb", "dograb", "sync", "testability",
};

// The unknown option as the user wrote it (-x, --xyz), without any "=value".
QString asWritten(const QString& name, const QStringList& arguments) {
    for (const QString& argument : arguments.mid(1)) {
        const QString option = argument.section(u'=', 0, 0);
        if (option.startsWith(u'-') &&
            QStringView(option).sliced(option.startsWith(u"--") ? 2 : 1) == name)
            return option;
    }
    return QStringLiteral("--") + name;
}

} // namespace

QStringList argumentList(int argc, char** argv) {
    QStringList arguments;
    arguments.reserve(argc);
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

QString versionText() {
    return QStringLiteral("Velmora " VELMORA_VERSION);
}

CommandLineRequest readCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's options are single-dash words (-platform); read every option as a word, so that
    // "-platform" is not taken for -p -l -a …
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    for (const char* name : qtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : qtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    const QString tryHelp = QStringLiteral("请用 velmora --help 查看用法。\n"
                                           "Try 'velmora --help' for usage.\n");
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const QString option = asWritten(unknown.first(), arguments);
            return {CommandLineRequest::Action::Fail,
                    QStringLiteral("velmora: 未知选项 “%1”\nvelmora: unknown option '%1'\n")
                            .arg(option) +
                        tryHelp};
        }
        return {CommandLineRequest::Action::Fail,
                QStringLiteral("velmora: %1\n").arg(parser.errorText()) + tryHelp};
    }
    if (!parser.positionalArguments().isEmpty()) {
        const QString argument = parser.positionalArguments().first();
        return {CommandLineRequest::Action::Fail,
                QStringLiteral("velmora: 多余的参数 “%1”\nvelmora: unexpected argument '%1'\n")
                        .arg(argument) +
                    tryHelp};
    }
    if (parser.isSet(help))
        return {CommandLineRequest::Action::Print, usage};
    if (parser.isSet(version))
        return {CommandLineRequest::Action::Print, versionText() + u'\n'};
    return {};
}

int finishRequest(const CommandLineRequest& request) {
    const bool failed = request.action == CommandLineRequest::Action::Fail;
    std::FILE* stream = failed ? stderr : stdout;
    std::fputs(request.text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
    return failed ? 2 : 0;
}

} // namespace velmora
