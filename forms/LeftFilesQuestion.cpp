#include "forms/LeftFilesQuestion.h"

#include "forms/LowerLayers.h"
#include "platform/MessageBoxes.h"
#include "store/SharedFiles.h"

using namespace forms::lowerlayers;

namespace forms {

bool mayTakeOverFiles(MessageBoxes& messages, const QString& name, const QStringList& present, const QString& question)
{
    const QString text = sharedfiles::filesPresentSentence(name, present) + QStringLiteral("\r\n") + question;
    return messages.askYesNo(text, {}, MessageBoxes::Answer::No) == MessageBoxes::Answer::Yes;
}

} // namespace forms
