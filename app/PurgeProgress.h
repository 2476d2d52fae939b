// The progress line of a long purge on a terminal: after a second, one line on standard error
// with the items done and the space freed so far, rewritten in place and cleared at the end.
// Never in a pipe or the journal.
#pragma once

#include <chrono>
#include <cstdio>
#include <vector>

#include "core/Purge.h"

namespace velmora {

// Runs a removal like PlainRemovalRunner and, when `stream` is a terminal, shows the progress
// line once the removal has taken longer than `delay`. `sizes` are the megabytes of the rows
// (the plan's sizes, in the plan's order).
class TerminalProgressRunner final : public RemovalRunner {
public:
    TerminalProgressRunner(int threads, std::vector<int> rows, std::vector<double> sizes,
                           std::FILE* stream, std::chrono::milliseconds delay);
    RemovalOutcomes run(const std::vector<int>& rows, ItemRemover& remover) override;

    // Whether the stream is a terminal (the line is shown at all).
    bool onTerminal() const { return onTerminal_; }

private:
    int threads_;
    std::vector<int> rows_;
    std::vector<double> sizes_;
    std::FILE* stream_;
    std::chrono::milliseconds delay_;
    bool onTerminal_;
};

// How long a purge runs before its progress line appears: a second (in test builds,
// VELMORA_PROGRESS_DELAY_MS may shorten it).
std::chrono::milliseconds progressDelay();

} // namespace velmora
