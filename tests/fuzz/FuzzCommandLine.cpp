// Fuzzes the command-line parser: the input, cut at NUL bytes, is the argument vector after
// argv[0]; it gives a request or an error, and what the request holds agrees with what was asked.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "FuzzLocales.h"
#include "app/CommandLine.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<QByteArray> words{QByteArray("velmora")};
    words.emplace_back();
    for (std::size_t k = 0; k < size; ++k) {
        if (data[k] == 0)
            words.emplace_back();
        else
            words.back().append(char(data[k]));
    }
    std::vector<char*> argv;
    for (QByteArray& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const QStringList arguments = argumentList(int(words.size()), argv.data());
    FUZZ_ASSERT(arguments.size() == qsizetype(words.size()));

    const CommandLineRequest request = readCommandLine(arguments);
    using Action = CommandLineRequest::Action;
    switch (request.action) {
    case Action::OpenWindow:
        FUZZ_ASSERT(request.text.isEmpty() && !request.purge.dryRun);
        break;
    case Action::Print:
        FUZZ_ASSERT(request.text == versionText() + u'\n' ||
                    request.text.startsWith(QStringLiteral("用法：velmora")));
        break;
    case Action::Fail:
        // One line, whatever the arguments hold: "velmora: " and one sentence.
        FUZZ_ASSERT(request.text.startsWith(QStringLiteral("velmora: ")) &&
                    request.text.endsWith(u'\n') && request.text.count(u'\n') == 1);
        break;
    case Action::Purge:
        FUZZ_ASSERT(request.text.isEmpty());
        FUZZ_ASSERT(request.purge.byDate ? request.purge.days.isEmpty()
                                         : request.purge.before.isEmpty());
        break;
    default:
        fuzz::fail("an action that does not exist");
    }
    return 0;
}
