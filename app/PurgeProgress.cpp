// The progress line of a long purge on a terminal.
#include "app/PurgeProgress.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>

#include "core/NumberRules.h"
#include "platform/QtText.h"

namespace velmora {

namespace {

// Counts what is done and freed on the way to the real remover.
class CountingRemover final : public ItemRemover {
public:
    CountingRemover(ItemRemover& remover, const std::map<int, double>& sizes)
        : remover_(remover), sizes_(sizes) {}
    RemoveOutcome KillItem(int row) override {
        const RemoveOutcome outcome = remover_.KillItem(row);
        if (outcome == RemoveOutcome::Removed) {
            const auto it = sizes_.find(row);
            const auto kb = static_cast<long long>(it == sizes_.end() ? 0 : it->second * 1024);
            freedKb.fetch_add(kb);
        }
        finished.fetch_add(1);
        return outcome;
    }
    std::atomic<int> finished{0};
    std::atomic<long long> freedKb{0};

private:
    ItemRemover& remover_;
    const std::map<int, double>& sizes_;
};

} // namespace

TerminalProgressRunner::TerminalProgressRunner(int threads, std::vector<int> rows,
                                               std::vector<double> sizes, std::FILE* stream,
                                               std::chrono::milliseconds delay)
    : threads_(threads), rows_(std::move(rows)), sizes_(std::move(sizes)), stream_(stream),
      delay_(delay), onTerminal_(::isatty(::fileno(stream)) == 1) {}

RemovalOutcomes TerminalProgressRunner::run(const std::vector<int>& rows, ItemRemover& remover) {
    if (!onTerminal_)
        return removeRows(rows, remover, threads_);
    std::map<int, double> sizes;
    for (std::size_t k = 0; k < rows_.size() && k < sizes_.size(); ++k)
        sizes[rows_[k]] = sizes_[k];
    CountingRemover counting(remover, sizes);
    std::mutex mutex;
    std::condition_variable wake;
    bool done = false;
    bool shown = false;
    const auto total = rows.size();
    std::thread reporter;
    try {
        reporter = std::thread([&] {
            std::unique_lock lock(mutex);
            if (wake.wait_for(lock, delay_, [&] { return done; }))
                return;
            do {
                MegabyteSum freed;
                freed.add(double(counting.freedKb.load()) / 1024);
                const QString line =
                    QCoreApplication::translate("PurgeProgress", "清除中：%1/%2 项，已释放 %3MB")
                        .arg(counting.finished.load())
                        .arg(total)
                        .arg(toQString(formatGeneral(freed.hundredths())));
                std::fputs(("\r\033[K" + line).toLocal8Bit().constData(), stream_);
                std::fflush(stream_);
                shown = true;
            } while (!wake.wait_for(lock, std::chrono::milliseconds(200), [&] { return done; }));
        });
    } catch (const std::system_error&) {
        // No thread for the line: the removal runs without it.
    }
    const auto finish = [&] {
        if (!reporter.joinable())
            return;
        {
            std::lock_guard lock(mutex);
            done = true;
        }
        wake.notify_all();
        reporter.join();
        if (shown) {
            std::fputs("\r\033[K", stream_);
            std::fflush(stream_);
        }
    };
    RemovalOutcomes outcomes;
    try {
        outcomes = removeRows(rows, counting, threads_);
    } catch (...) {
        finish();
        throw;
    }
    finish();
    return outcomes;
}

std::chrono::milliseconds progressDelay() {
#ifdef VELMORA_TEST_HOOKS
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("VELMORA_PROGRESS_DELAY_MS", &ok);
    if (ok && ms >= 0)
        return std::chrono::milliseconds(ms);
#endif
    return std::chrono::milliseconds(1000);
}

} // namespace velmora
