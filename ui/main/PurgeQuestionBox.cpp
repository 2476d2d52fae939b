// The purge's question box and the slot tests replace it through.
#include "ui/main/PurgeQuestionBox.h"

#include "ui/common/QuestionBox.h"
#include "ui/common/ReplaceableBox.h"

namespace velmora {

namespace {
bool purgeQuestionBox(QWidget* owner, const QString& text) {
    return askYesNo(owner, text, false, QStringLiteral("PurgeQuestion"));
}

ReplaceableBox<PurgeQuestionFunction> questions(purgeQuestionBox);
} // namespace

bool askPurgeQuestion(QWidget* owner, const QString& text) {
    return questions(owner, text);
}

void setPurgeQuestionFunction(PurgeQuestionFunction ask) {
    questions.replace(std::move(ask));
}

} // namespace velmora
