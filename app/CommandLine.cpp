// The command line: read before anything else starts, so that --version, --help and the purge
// need neither a display nor the single-instance guard.
#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <utility>

#include "app/OneLine.h"
#include "core/SpaceBudget.h"
#include "platform/QtText.h"

namespace velmora {
namespace {

// The text of --help, in the interface's language: one translation for the whole text, so that
// each language keeps the columns within 80 characters. Option names, DATE, SIZE, N, DIR and the
// exit statuses stay as they are in every language.
QString usage() {
    return QCoreApplication::translate(
        "CommandLine",
        "用法：velmora [选项]\n"
        "\n"
        "按删除日期或占用空间有选择地清空回收站。不带选项时打开主窗口。\n"
        "\n"
        "选项：\n"
        "  -h, --help            显示本帮助并退出\n"
        "  -v, --version         显示版本并退出\n"
        "  --purge-days N        不打开窗口，永久删除 N 天前删除的项目\n"
        "                        （N 的写法同天数框；不能是负数）\n"
        "  --purge-before DATE   不打开窗口，永久删除该日期之前删除的项目\n"
        "                        （2026-11-01、20261101 或本地的短日期；\n"
        "                        不能晚于今天）\n"
        "  --dry-run             不删除任何东西：输出分析结果，再为每个将被\n"
        "                        删除的项目输出一行：删除日期、大小、原位置，\n"
        "                        以制表符分隔（控制字符、不是 UTF-8 的字节和\n"
        "                        % 写作 %XX）\n"
        "  --all                 不打开窗口，永久删除回收站中的所有项目\n"
        "  --max-size SIZE       每个回收站（家目录的、各卷的）删到其项目不超过\n"
        "                        SIZE，最旧的先删\n"
        "  --min-free SIZE       从卷上的回收站删除最旧的项目，直到该卷至少有\n"
        "                        SIZE 可用空间\n"
        "                        SIZE：数字加 K、M、G 或 T（1024 的幂），\n"
        "                        或卷容量的百分比（10%）\n"
        "  --json                在标准输出写一个 JSON 文档；文字信息改写到标准错误\n"
        "  --quiet               只输出错误\n"
        "  --verbose             每个删除或未能删除的项目各输出一行（路径的\n"
        "                        写法同 --dry-run）\n"
        "  --trash-dir DIR       只读取这个回收站目录（~/.local/share/Trash、\n"
        "                        /media/usb/.Trash-1000、/media/usb/.Trash/1000）；\n"
        "                        可以给出多次\n"
        "\n"
        "清除的退出状态：\n"
        "  0 全部删除（--dry-run：分析成功）\n"
        "  1 有项目未能删除\n"
        "  2 选项、天数、日期或大小有误，未删除任何东西\n"
        "  3 另一个清除正在进行\n"
        "  4 某项的文字无法转换；之前的项目已删除\n"
        "  5 无法读取回收站，未删除任何东西；或某个卷未及时响应（其项目保留）\n"
        "\n"
        "也接受 Qt 的选项，如 -platform、-style。\n");
}

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

CommandLineRequest answer(CommandLineRequest::Action action, const QString& text) {
    CommandLineRequest request;
    request.action = action;
    request.text = text;
    return request;
}

// A mistake on the command line: "velmora: " and one sentence, on one line.
CommandLineRequest failure(const QString& sentence) {
    return answer(CommandLineRequest::Action::Fail, commandLineError(sentence) + u'\n');
}

// An example value of each of Velmora's options that take one, for the error that misses it.
QString exampleValue(const QString& name) {
    static const std::pair<const char*, const char*> examples[] = {
        {"purge-days", "30"}, {"purge-before", "2026-11-01"},        {"max-size", "1G"},
        {"min-free", "10%"},  {"trash-dir", "~/.local/share/Trash"},
    };
    for (const auto& [option, value] : examples)
        if (name == QLatin1String(option))
            return QString::fromLatin1(value);
    return {};
}

// The mistake QCommandLineParser stopped at when no option was unknown, read as it reads the
// arguments: an option that takes a value given last without one ("--purge-days"), or one that
// takes none given with one ("--dry-run=1"). Its own text is English only; this says the same in
// the interface's language.
QString valueMistake(const QStringList& arguments, const QList<QCommandLineOption>& options) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--")
            break; // the rest are arguments, not options
        if (argument.size() < 2 || !argument.startsWith(u'-'))
            continue;
        const QString written = argument.section(u'=', 0, 0);
        const QString name = written.mid(written.startsWith(u"--") ? 2 : 1);
        const auto option = std::find_if(options.begin(), options.end(),
                                         [&](const auto& o) { return o.names().contains(name); });
        if (option == options.end())
            continue;
        const bool withValue = argument.contains(u'=');
        if (!option->valueName().isEmpty()) {
            if (!withValue && ++i == arguments.size()) {
                const QString example = exampleValue(name);
                return example.isEmpty()
                           ? QCoreApplication::translate("CommandLine", "%1 后面缺少它的值")
                                 .arg(written)
                           : QCoreApplication::translate("CommandLine",
                                                         "%1 后面缺少它的值，例如 %1 %2")
                                 .arg(written, example);
            }
        } else if (withValue) {
            return QCoreApplication::translate("CommandLine", "%1 不带值：请只写 %1，而不是“%2”")
                .arg(written, argument);
        }
    }
    return {};
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
    const QCommandLineOption purgeDays(QStringLiteral("purge-days"), QString(),
                                       QStringLiteral("N"));
    const QCommandLineOption purgeBefore(QStringLiteral("purge-before"), QString(),
                                         QStringLiteral("DATE"));
    const QCommandLineOption dryRun(QStringLiteral("dry-run"));
    const QCommandLineOption all(QStringLiteral("all"));
    const QCommandLineOption maxSize(QStringLiteral("max-size"), QString(), QStringLiteral("SIZE"));
    const QCommandLineOption minFree(QStringLiteral("min-free"), QString(), QStringLiteral("SIZE"));
    const QCommandLineOption json(QStringLiteral("json"));
    const QCommandLineOption quiet(QStringLiteral("quiet"));
    const QCommandLineOption verbose(QStringLiteral("verbose"));
    const QCommandLineOption trashDir(QStringLiteral("trash-dir"), QString(),
                                      QStringLiteral("DIR"));
    QList<QCommandLineOption> options{help,    version, purgeDays, purgeBefore, dryRun,  all,
                                      maxSize, minFree, json,      quiet,       verbose, trashDir};
    for (const char* name : qtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        options.append(option);
    }
    for (const char* name : qtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        options.append(option);
    }
    parser.addOptions(options);

    // Every mistake is one sentence that names what was written and what is expected. Where
    // that is the whole list of options, the sentence points to --help.
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return failure(QCoreApplication::translate("CommandLine",
                                                       "未知选项“%1”：可用的选项见 velmora --help")
                               .arg(asWritten(unknown.first(), arguments)));
        const QString mistake = valueMistake(arguments, options);
        return failure(mistake.isEmpty()
                           ? QCoreApplication::translate("CommandLine",
                                                         "无法读取命令行：用法见 velmora --help")
                           : mistake);
    }
    if (!parser.positionalArguments().isEmpty())
        return failure(QCoreApplication::translate(
                           "CommandLine", "多余的参数“%1”：velmora 只接受选项，见 velmora --help")
                           .arg(parser.positionalArguments().first()));
    if (parser.isSet(help))
        return answer(CommandLineRequest::Action::Print, usage());
    if (parser.isSet(version))
        return answer(CommandLineRequest::Action::Print, versionText() + u'\n');

    // Exactly one cut-off, given once: an unattended purge never guesses which was meant.
    const qsizetype cutOffs = parser.values(purgeDays).size() + parser.values(purgeBefore).size();
    if (cutOffs > 1)
        return failure(QCoreApplication::translate(
            "CommandLine", "--purge-days 和 --purge-before 只能给出一个，且只能一次"));
    for (const QCommandLineOption* option : {&maxSize, &minFree}) {
        const QStringList values = parser.values(*option);
        const QString name = QStringLiteral("--") + option->names().first();
        if (values.size() > 1)
            return failure(QCoreApplication::translate("CommandLine", "%1 只能给出一次").arg(name));
        SpaceSize size;
        if (values.size() == 1 && !readSpaceSize(toText(values.first()), size))
            return failure(QCoreApplication::translate(
                               "CommandLine",
                               "%1 的“%2”不是大小：请写数字加 K、M、G 或 T（如 500M、1.5G），"
                               "或不超过 100% 的卷容量百分比（如 10%）")
                               .arg(name, values.first()));
    }
    const bool budget = parser.isSet(maxSize) || parser.isSet(minFree);
    if (parser.isSet(all) && (cutOffs > 0 || budget))
        return failure(QCoreApplication::translate(
            "CommandLine",
            "--all 已包含所有项目，不能再与 --purge-days、--purge-before、--max-size 或 "
            "--min-free 一起使用"));
    if (parser.isSet(quiet) && parser.isSet(verbose))
        return failure(
            QCoreApplication::translate("CommandLine", "--quiet 和 --verbose 只能选一个"));
    if (cutOffs == 0 && !budget && !parser.isSet(all)) {
        for (const QCommandLineOption* option : {&dryRun, &json, &quiet, &verbose, &trashDir})
            if (parser.isSet(*option))
                return failure(
                    QCoreApplication::translate(
                        "CommandLine",
                        "%1 需要 --purge-days、--purge-before、--max-size、--min-free 或 --all")
                        .arg(QStringLiteral("--") + option->names().first()));
        return {};
    }
    CommandLineRequest request;
    request.action = CommandLineRequest::Action::Purge;
    request.purge.byDate = parser.isSet(purgeBefore);
    request.purge.days = parser.value(purgeDays);
    request.purge.before = parser.value(purgeBefore);
    request.purge.dryRun = parser.isSet(dryRun);
    request.purge.hasCutOff = cutOffs > 0;
    request.purge.all = parser.isSet(all);
    if (parser.isSet(maxSize))
        request.purge.maxSize = parser.value(maxSize);
    if (parser.isSet(minFree))
        request.purge.minFree = parser.value(minFree);
    request.purge.json = parser.isSet(json);
    request.purge.quiet = parser.isSet(quiet);
    request.purge.verbose = parser.isSet(verbose);
    request.purge.trashDirs = parser.values(trashDir);
    return request;
}

int finishRequest(const CommandLineRequest& request) {
    const bool failed = request.action == CommandLineRequest::Action::Fail;
    std::FILE* stream = failed ? stderr : stdout;
    std::fputs(request.text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
    return failed ? 2 : 0;
}

} // namespace velmora
